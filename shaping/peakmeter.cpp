#include "peakmeter.h"

#include <algorithm>
#include <cmath>

namespace shaping {

PeakMeter::PeakMeter(int channels, float floor)
    : m_floor(floor)
    // Silence ahead of the signal gives its first intervals their windows.
    , m_pending(size_t(channels), std::vector<float>(TruePeak::Reach, 0.0f))
{ }

void PeakMeter::add(const float *const *planes, int count)
{
    for (size_t c = 0; c < m_pending.size(); ++c) {
        std::vector<float> &pending = m_pending[c];
        // Where even the largest possible overshoot of the loudest sample stays under what is
        // already known, only the samples that later intervals read are kept.
        const float loudest = std::max(TruePeak::loudest(pending.data(), int(pending.size())),
                                       TruePeak::loudest(planes[c], count));
        if (loudest * m_truePeak.bound() <= limit()) {
            const int kept = std::min<int>(count, TruePeak::Window - 1);
            const int old = int(pending.size()) - (TruePeak::Window - 1 - kept);
            pending.erase(pending.begin(), pending.begin() + std::max(0, old));
            pending.insert(pending.end(), planes[c] + count - kept, planes[c] + count);
            continue;
        }
        pending.insert(pending.end(), planes[c], planes[c] + count);
        measure(int(c), int(pending.size()) - (TruePeak::Window - 1));
    }
}

float PeakMeter::peak()
{
    for (size_t c = 0; c < m_pending.size(); ++c) {
        std::vector<float> &pending = m_pending[c];
        pending.insert(pending.end(), TruePeak::Reach + 1, 0.0f);
        measure(int(c), int(pending.size()) - (TruePeak::Window - 1));
    }
    return m_peak;
}

// The first `intervals` intervals of the channel's pending samples, which are then dropped.
void PeakMeter::measure(int channel, int intervals)
{
    if (intervals <= 0)
        return;
    std::vector<float> &pending = m_pending[size_t(channel)];
    const float limit = this->limit();
    // Where even the largest possible overshoot of the loudest sample stays under what is
    // already known, nothing here can raise the peak.
    if (TruePeak::loudest(pending.data(), int(pending.size())) * m_truePeak.bound() > limit) {
        m_peaks.resize(size_t(intervals));
        m_truePeak.run(pending.data(), intervals, limit, m_peaks.data());
        m_peak = std::max(m_peak, *std::max_element(m_peaks.begin(), m_peaks.end()));
    }
    pending.erase(pending.begin(), pending.begin() + intervals);
}

} // namespace shaping
