#ifndef ANALYSIS_DECIMATOR_H
#define ANALYSIS_DECIMATOR_H

#include <cstddef>
#include <vector>

namespace analysis {

// Lowers the sample rate of a mono stream by a whole factor behind a windowed-sinc low-pass,
// so that what lies above the new Nyquist frequency does not fold back onto the notes. The
// result does not depend on how the input is cut into calls.
class Decimator
{
public:
    explicit Decimator(int factor);

    int factor() const { return m_factor; }
    // Appends the samples at the lower rate that count more input samples complete to out.
    void process(const float *in, size_t count, std::vector<float> &out);

private:
    int m_factor;
    std::vector<float> m_taps;
    // The last taps-1 input samples, before the ones of the current call.
    std::vector<float> m_history;
    // Input samples still to skip before the next output sample.
    int m_phase = 0;
};

} // namespace analysis

#endif
