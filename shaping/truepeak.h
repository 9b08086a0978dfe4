#ifndef SHAPING_TRUEPEAK_H
#define SHAPING_TRUEPEAK_H

namespace shaping {

// Estimates the peak between two samples by 4x oversampling (windowed-sinc interpolation at a
// quarter, a half and three quarters of the way), with a parabola through each oversampled
// maximum and its neighbours for a peak that falls between the oversampled points.
class TruePeak
{
public:
    // Samples read on either side of an interval: a long filter, because short ones miss the
    // peaks that content close to the Nyquist frequency makes.
    static constexpr int Reach = 16;
    static constexpr int Window = 2 * Reach + 1;
    // The parabola through a point and its lower neighbours tops it by at most an eighth; a
    // little more allows for rounding.
    static constexpr float Rise = 1.126f;

    TruePeak();
    // Largest magnitude from window[Reach] up to, not including, window[Reach + 1]; reads all of
    // window[0] .. window[Window - 1].
    // Where even the parabolas could not lift the estimate above `limit`, the largest point is
    // given instead: not above the limit either, and found at less cost.
    float between(const float *window, float limit = 0) const;
    // The same for `count` intervals in a row: peaks[j] = between(samples + j, limit) wherever
    // that passes the limit, elsewhere a value that does not pass it either; reads samples[0]
    // .. samples[count + Window - 2]. Runs the intervals side by side, and skips the filter
    // where a quick bound shows that the limit cannot be passed.
    void run(const float *samples, int count, float limit, float *peaks) const;
    // The largest magnitude among count samples.
    static float loudest(const float *samples, int count);
    // No estimate exceeds this many times the largest magnitude among the samples it reads.
    float bound() const { return m_bound; }

private:
    // The points at -1/4, 1/4, 1/2 and 3/4 of the interval.
    void oversampled(const float *window, float *sums) const;

    // Per sample of the window, its weight in the points at -1/4, 1/4, 1/2 and 3/4 of the
    // interval; the four sums run side by side.
    alignas(16) float m_weights[Window][4] = {};
    // The same weights one point after another, for running many intervals side by side.
    float m_taps[4][Window] = {};
    float m_far[4] = {}; // per point, the sum of the magnitudes of the taps far from the interval
    float m_bound = 0;
};

} // namespace shaping

#endif
