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
    , m_mask(powerOfTwoAbove(m_delay + TruePeak::Window + Batch) - 1)
    , m_history(size_t(channels) * 2 * size_t(m_mask + 1))
    , m_recent(size_t(m_attack) + 1)
    , m_loudBefore(Batch)
    , m_needed(Batch)
    , m_peaks(Batch)
    , m_frameLoud(Batch)
    , m_applied(Batch)
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
    m_recentAt = 0;
    m_cut = 0;
    m_cutCount = 0;
    // Silence ahead of the input gives the first frames a full look-ahead of their own.
    for (int done = 0; done < m_attack; done += Batch)
        step(nullptr, 0, std::min(Batch, m_attack - done), nullptr, 0);
}

int Limiter::process(const float *const *in, int count, float *const *out)
{
    int written = 0;
    for (int done = 0; done < count; done += Batch) {
        const int n = std::min(Batch, count - done);
        m_taken += n;
        written += step(in, done, n, out, written);
    }
    return written;
}

int Limiter::drain(float *const *out, int room)
{
    int written = 0;
    while (written < room && held() > 0) {
        const int n = int(std::min<int64_t>({room - written, held(), Batch}));
        written += step(nullptr, 0, n, out, written);
    }
    return written;
}

// Frames in[c][offset] .. in[c][offset + count - 1] in (silence where in is null); the frames
// that leave go to out[c][at] on. Returns how many left.
int Limiter::step(const float *const *in, int offset, int count, float *const *out, int at)
{
    const int64_t first = m_pushed;
    push(in, offset, count);
    estimate(count);

    // A batch that finds the limiter idle and needs no reduction leaves it idle: its frames go
    // out as they came in.
    bool quiet = idle();
    for (int f = 0; f < count && quiet; ++f)
        quiet = m_needed[size_t(f)] == 1.0f || first + f - TruePeak::Reach < 0;
    int64_t from = -1; // the first frame out
    int written = 0;
    for (int f = 0; f < count; ++f) {
        // The frame whose look-ahead, and the reach of the estimates that read it, is now
        // complete.
        const int64_t index = first + f - m_delay;
        if (!quiet) {
            // The interval whose window of samples is now complete.
            const int64_t interval = first + f - TruePeak::Reach;
            const float gain = m_needed[size_t(f)];
            if (interval >= 0 && gain < 1.0f) {
                while (!m_window.empty() && m_window.back().gain >= gain)
                    m_window.pop_back();
                m_window.push_back({interval, gain});
            }
        }
        if (index < 0)
            continue;
        m_applied[size_t(written)] = 1.0f;
        if (idle())
            m_recentAt = m_recentAt + 1 == m_recent.size() ? 0 : m_recentAt + 1;
        else
            m_applied[size_t(written)] = smoothed(lowest(index));
        if (index < m_attack)
            continue;
        from = from < 0 ? index : from;
        ++written;
    }
    for (int c = 0; c < m_channels && written > 0; ++c) {
        const float *source = history(c, from);
        float *target = out[c] + at;
        if (quiet) {
            std::copy(source, source + written, target);
        } else {
            for (int i = 0; i < written; ++i)
                target[i] = source[i] * m_applied[size_t(i)];
        }
    }
    m_given += written;
    return written;
}

// Stores the gained frames, both copies of each, and notes the last loud frame up to each.
void Limiter::push(const float *const *in, int offset, int count)
{
    const int64_t size = m_mask + 1;
    std::fill(m_frameLoud.begin(), m_frameLoud.begin() + count, 0.0f);
    const auto store = [&](const float *source, int from, int to, float *target) {
        for (int f = from; f < to; ++f) {
            const float value = source ? float(double(source[f]) * m_gain) : 0.0f;
            target[f - from] = target[f - from + size] = value;
            m_frameLoud[size_t(f)] = std::max(m_frameLoud[size_t(f)], std::abs(value));
        }
    };
    for (int c = 0; c < m_channels; ++c) {
        const float *source = in ? in[c] + offset : nullptr;
        float *ring = history(c, 0);
        const int64_t start = m_pushed & m_mask;
        // Up to the end of the ring, then from its start.
        const int before = int(std::min<int64_t>(count, size - start));
        store(source, 0, before, ring + start);
        store(source, before, count, ring);
    }
    for (int f = 0; f < count; ++f) {
        if (m_frameLoud[size_t(f)] > m_loud)
            m_lastLoud = m_pushed + f;
        m_loudBefore[size_t(f)] = m_lastLoud;
    }
    m_pushed += count;
}

// The gain that brings each interval completed in this batch under the target. Quiet stretches
// skip the estimate: nothing there comes near the target, not even the interval's own samples.
void Limiter::estimate(int count)
{
    const int64_t first = m_pushed - count - TruePeak::Reach; // the batch's first interval
    int from = count;
    int to = 0;
    for (int f = 0; f < count; ++f) {
        m_needed[size_t(f)] = 0;
        if (first + f >= 0 && m_loudBefore[size_t(f)] >= first + f - TruePeak::Reach) {
            from = std::min(from, f);
            to = f + 1;
        }
    }
    for (int c = 0; c < m_channels && from < to; ++c) {
        m_truePeak.run(
                history(c, first + from - TruePeak::Reach), to - from, m_target, m_peaks.data());
        for (int f = from; f < to; ++f) {
            if (m_loudBefore[size_t(f)] >= first + f - TruePeak::Reach)
                m_needed[size_t(f)] = std::max(m_needed[size_t(f)], m_peaks[size_t(f - from)]);
        }
    }
    for (int f = from; f < to; ++f) {
        const float peak = m_needed[size_t(f)];
        m_needed[size_t(f)] = peak > m_target ? m_target / peak : 1.0f;
    }
    for (int f = 0; f < count; ++f) {
        if (f < from || f >= to)
            m_needed[size_t(f)] = 1.0f;
    }
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

// The mean of the released gains over the attack time up to the next frame out: each of them is
// low enough for every interval within the attack time after it, so the mean is too.
float Limiter::smoothed(float released)
{
    float &slot = m_recent[m_recentAt];
    m_recentAt = m_recentAt + 1 == m_recent.size() ? 0 : m_recentAt + 1;
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
