#ifndef SHAPING_PEAKMETER_H
#define SHAPING_PEAKMETER_H

#include "shaping/truepeak.h"

#include <cstdint>
#include <vector>

namespace shaping {

// The true peak of a whole signal fed in pieces, as 4x oversampling finds it, the way loudness
// meters measure a file. Only a peak above `floor` is measured exactly; below it the result
// says only that the signal stays there.
class PeakMeter
{
public:
    PeakMeter(int channels, float floor);

    void add(const float *const *planes, int count);
    // The peak of everything added, the silence after it included.
    float peak();

private:
    void measure(int channel, int intervals);
    // Below this nothing needs measuring.
    float limit() const { return m_floor > m_peak ? m_floor : m_peak; }

    TruePeak m_truePeak;
    float m_floor;
    float m_peak = 0;
    // Per channel, the samples that the next intervals still read, then the new ones.
    std::vector<std::vector<float>> m_pending;
    std::vector<float> m_peaks;
};

} // namespace shaping

#endif
