#include "limiter.h"

#include <algorithm>
#include <cmath>

namespace shaping {

namespace {

constexpr double AttackSeconds = 0.005;
// Long enough to bridge the gap between the peaks of a low bass note, so the gain does not
// rise and fall with every cycle of it.
constexpr double HoldSeconds = 0.010;
constexpr double ReleaseSeconds = 0.060;
// Room left under the ceiling for the estimate's own error and for the 16-bit rounding.
constexpr double MarginDb = 0.2;
// What is left of a reduction below this is no reduction.
constexpr float Negligible = 1e-6f;

int frames(double seconds, int sampleRate)
{
    return std::max(1, int(std::lround(seconds * sampleRate)));
}

int64_t powerOfTwoAbove(int64_t value)
{
    int64_t size = 1;
    while (size <= value)
        size *= 2;
    return size;
}

} // namespace

Limiter::Limiter(int channels, int sampleRate, double gain, double ceiling)
    : m_channels(channels)
    , m_gain(gain)
    , m_attack(frames(AttackSeconds, sampleRate))
    , m_hold(frames(HoldSeconds, sampleRate))
    , m_release(float(std::exp(-1.0 / (ReleaseSeconds * sampleRate))))
    , m_delay(TruePeak::Reach + m_attack + TruePeak::Reach)
    , m_target(float(ceiling * std::pow(10.0, -MarginDb / 20.0)))
    , m_mask(powerOfTwoAbove(m_delay + TruePeak::Window) - 1)
    , m_history(size_t(channels) * 2 * size_t(m_mask + 1))
    , m_recent(size_t(m_attack) + 1)
    , m_frame(size_t(channels))
{
    // A little above the bound, so that rounding in the estimate cannot slip past the test.
    m_loud = m_target / (m_truePeak.bound() * 1.001f);
    reset();
}

void Limiter::reset()
{
    std::fill(m_history.begin(), m_history.end(), 0.0f);
    std::fill(m_recent.begin(), m_recent.end(), 1.0f);
    m_pushed = m_taken = m_given = 0;
    m_lastLoud = -1;
    m_window.clear();
    m_released = 1;
    m_cut = 0;
    m_cutCount = 0;
    // Silence ahead of the input gives the first frames a full look-ahead of their own.
    std::fill(m_frame.begin(), m_frame.end(), 0.0f);
    for (int i = 0; i < m_attack; ++i)
        push(m_frame.data(), nullptr, 0);
}

int Limiter::process(const float *const *in, int count, float *const *out)
{
    int written = 0;
    for (int n = 0; n < count; ++n) {
        for (int c = 0; c < m_channels; ++c)
            m_frame[size_t(c)] = float(double(in[c][n]) * m_gain);
        ++m_taken;
        if (push(m_frame.data(), out, written))
            ++written;
    }
    return written;
}

int Limiter::drain(float *const *out, int room)
{
    std::fill(m_frame.begin(), m_frame.end(), 0.0f);
    int written = 0;
    while (written < room && held() > 0) {
        if (push(m_frame.data(), out, written))
            ++written;
    }
    return written;
}

// One frame in; the frame that leaves, if any, goes to out[c][at].
bool Limiter::push(const float *frame, float *const *out, int at)
{
    const int64_t now = m_pushed++;
    const int64_t size = m_mask + 1;
    float loudest = 0;
    for (int c = 0; c < m_channels; ++c) {
        float *slot = history(c, now);
        slot[0] = slot[size] = frame[c];
        loudest = std::max(loudest, std::abs(frame[c]));
    }
    if (loudest > m_loud)
        m_lastLoud = now;

    // The interval whose window of samples is now complete.
    const int64_t interval = now - TruePeak::Reach;
    if (interval >= 0) {
        const float gain = needed(interval);
        if (gain < 1.0f) {
            while (!m_window.empty() && m_window.back().gain >= gain)
                m_window.pop_back();
            m_window.push_back({interval, gain});
        }
    }
    // The frame whose look-ahead, and the reach of the estimates that read it, is now complete.
    const int64_t index = now - m_delay;
    if (index < 0)
        return false;
    const float gain = smoothed(index, lowest(index));
    if (index < m_attack)
        return false;
    for (int c = 0; c < m_channels; ++c)
        out[c][at] = *history(c, index) * gain;
    ++m_given;
    return true;
}

// The gain that brings the interval starting at frame `interval` under the target.
float Limiter::needed(int64_t interval)
{
    float peak = 0;
    for (int c = 0; c < m_channels; ++c)
        peak = std::max(peak, std::abs(*history(c, interval)));
    // Quiet stretches skip the estimate: it cannot pass the target there. Elsewhere it only
    // needs to be exact where it does.
    if (m_lastLoud >= interval - TruePeak::Reach) {
        for (int c = 0; c < m_channels; ++c) {
            const float *window = history(c, interval - TruePeak::Reach);
            peak = std::max(peak, m_truePeak.between(window, m_target));
        }
    }
    return peak > m_target ? m_target / peak : 1.0f;
}

// The smallest gain needed from the hold time before frame `index` to the end of its
// look-ahead and of the estimates that read it; where that rises, the gain follows at the
// release rate.
float Limiter::lowest(int64_t index)
{
    while (!m_window.empty() && m_window.front().interval < index - m_hold)
        m_window.pop_front();
    const float lowest = m_window.empty() ? 1.0f : m_window.front().gain;
    float released = std::min(lowest, 1.0f - (1.0f - m_released) * m_release);
    if (lowest == 1.0f && 1.0f - released < Negligible)
        released = 1.0f;
    m_released = released;
    return released;
}

// The mean of the released gains over the attack time up to frame `index`: each of them is
// low enough for every interval within the attack time after it, so the mean is too.
float Limiter::smoothed(int64_t index, float released)
{
    float &slot = m_recent[size_t(index % int64_t(m_recent.size()))];
    if (slot < 1.0f) {
        m_cut -= 1.0 - slot;
        --m_cutCount;
    }
    slot = released;
    if (slot < 1.0f) {
        m_cut += 1.0 - slot;
        ++m_cutCount;
    }
    if (m_cutCount == 0) {
        m_cut = 0;
        return 1.0f;
    }
    return float(1.0 - m_cut / double(m_recent.size()));
}

float *Limiter::history(int channel, int64_t index)
{
    return m_history.data() + size_t(channel) * 2 * size_t(m_mask + 1) + size_t(index & m_mask);
}

} // namespace shaping
