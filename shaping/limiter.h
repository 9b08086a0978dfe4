#ifndef SHAPING_LIMITER_H
#define SHAPING_LIMITER_H

#include "shaping/truepeak.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace shaping {

// Gain, then a look-ahead limiter that keeps the true peak under -1 dBFS. Wherever the gained
// signal stays under that ceiling every sample leaves as exactly input x gain; before a louder
// passage one gain for all channels (the stereo image stays) falls smoothly over the look-ahead
// to what the loudest point needs, and recovers smoothly after it. Output lags input by the
// look-ahead: it starts after the first frames and the rest comes out of drain(). The result
// does not depend on how the input is cut into calls.
class Limiter
{
public:
    // The ceiling as a level of full scale: -1 dBFS, 10^(-1/20).
    static constexpr double Ceiling = 0.89125093813374556;

    // A lower ceiling leaves room for what a lossy encoder adds to the peaks.
    Limiter(int channels, int sampleRate, double gain, double ceiling = Ceiling);

    // Applies to the frames given from now on.
    void setGain(double gain) { m_gain = gain; }
    // Forgets all input, as if newly made.
    void reset();
    // Takes count planar frames and writes the frames that leave into out (room for count
    // frames per channel); returns how many it wrote.
    int process(const float *const *in, int count, float *const *out);
    // After the last input: writes up to room of the frames still held; 0 once none are left.
    int drain(float *const *out, int room);
    // Frames taken in but not yet written.
    int64_t held() const { return m_taken - m_given; }
    // Frames of look-ahead over which the gain falls before a peak.
    int attack() const { return m_attack; }

private:
    struct Reduction
    {
        int64_t interval;
        float gain;
    };

    // Frames taken in together: their estimates run side by side.
    static constexpr int Batch = 256;

    int step(const float *const *in, int offset, int count, float *const *out, int at);
    void push(const float *const *in, int offset, int count);
    void estimate(int count);
    bool idle() const { return m_window.empty() && m_released == 1.0f && m_cutCount == 0; }
    float lowest(int64_t index);
    float smoothed(float released);
    float *history(int channel, int64_t index);

    int m_channels;
    double m_gain;
    int m_attack;
    int m_hold; // frames a reduction is kept after the peak that needed it
    float m_release; // per-frame factor on what is left of a reduction after the hold
    int m_delay; // frames between arrival and departure
    float m_target; // the ceiling with a little room for the estimate's own error
    float m_loud; // no estimate passes the target unless a sample near it is this loud
    TruePeak m_truePeak;

    // Gained input per channel, written twice over so that every window of it is contiguous.
    int64_t m_mask;
    std::vector<float> m_history;
    // Released gains of the last attack + 1 frames, averaged into the gain that is applied.
    std::vector<float> m_recent;
    // Per frame of a batch: the last loud frame up to it, and the gain its interval needs.
    std::vector<int64_t> m_loudBefore;
    std::vector<float> m_needed;
    std::vector<float> m_peaks; // estimates of one channel over a batch
    std::vector<float> m_frameLoud; // per frame of a batch, its largest magnitude
    std::vector<float> m_applied; // per frame out of a batch, the gain it gets

    int64_t m_pushed = 0; // frames through the chain, the leading silence included
    int64_t m_taken = 0; // frames of input
    int64_t m_given = 0; // frames of output
    int64_t m_lastLoud = -1;
    std::deque<Reduction> m_window; // rising gains; the front is the smallest in the window
    float m_released = 1;
    size_t m_recentAt = 0; // the slot of m_recent for the next frame out
    double m_cut = 0; // sum of 1 - gain over m_recent
    int m_cutCount = 0; // entries of m_recent below 1
};

} // namespace shaping

#endif
