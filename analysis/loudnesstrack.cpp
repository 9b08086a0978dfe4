#include "analysis/loudnesstrack.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>

namespace analysis {

// The library's state is a typedef of an unnamed struct, which a header cannot declare ahead.
struct LoudnessTrack::Meter
{
    ebur128_state *state;
};

LoudnessTrack::LoudnessTrack(int sampleRate, int framesPerSecond)
    : m_meter(new Meter {ebur128_init(1, (unsigned long)sampleRate, EBUR128_MODE_M)})
    , m_hop(size_t(std::max(1L, std::lround(double(sampleRate) / framesPerSecond))))
    , m_untilNext(m_hop)
{ }

LoudnessTrack::~LoudnessTrack()
{
    if (m_meter->state)
        ebur128_destroy(&m_meter->state);
    delete m_meter;
}

void LoudnessTrack::add(const float *samples, size_t count)
{
    while (count > 0 && m_meter->state) {
        const size_t take = std::min(count, m_untilNext);
        ebur128_add_frames_float(m_meter->state, samples, take);
        samples += take;
        count -= take;
        m_untilNext -= take;
        if (m_untilNext == 0) {
            double lufs = -HUGE_VAL;
            ebur128_loudness_momentary(m_meter->state, &lufs);
            m_power.push_back(std::isfinite(lufs) ? float(std::pow(10.0, (lufs + 0.691) / 10.0))
                                                  : 0.0f);
            m_untilNext = m_hop;
        }
    }
}

std::vector<float> LoudnessTrack::finish()
{
    // The 400 ms window ends at the frame; centre it by dropping the first two values, and
    // repeat the last one for the frames the stream ended inside.
    std::vector<float> power = std::move(m_power);
    const size_t shift = std::min<size_t>(2, power.size());
    power.erase(power.begin(), power.begin() + long(shift));
    const float last = power.empty() ? 0.0f : power.back();
    power.insert(power.end(), shift + 1, last);
    m_power.clear();
    return power;
}

double powerToLufs(double power)
{
    return power > 0.0 ? -0.691 + 10.0 * std::log10(power) : -HUGE_VAL;
}

} // namespace analysis
