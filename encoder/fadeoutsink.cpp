#include "fadeoutsink.h"

#include <algorithm>

FadeOutSink::FadeOutSink(Sink &next, int channels, const shaping::FadeOut &fade, int64_t most)
    : m_next(next)
    , m_channels(channels)
    , m_fade(fade)
    , m_ring(size_t(channels))
    , m_capacity(std::max<int64_t>(1, std::min(fade.frames(), most)))
    , m_planes(size_t(channels))
{
    for (std::vector<float> &plane : m_ring)
        plane.resize(size_t(m_capacity));
}

void FadeOutSink::write(const float *const *planes, int count)
{
    // What no longer fits leaves, oldest first: held frames, then the oldest new ones.
    const int64_t over = std::max<int64_t>(0, m_count + count - m_capacity);
    const int64_t fromRing = std::min(over, m_count);
    release(int(fromRing));
    const int direct = int(over - fromRing);
    if (direct > 0) {
        m_next.write(planes, direct);
        m_released += direct;
    }
    hold(planes, direct, count - direct);
}

void FadeOutSink::finish()
{
    const int64_t end = m_released + m_count;
    std::vector<float *> planes(static_cast<size_t>(m_channels));
    while (m_count > 0) {
        const int n = int(std::min(m_count, m_capacity - m_start));
        for (int c = 0; c < m_channels; ++c)
            planes[size_t(c)] = m_ring[size_t(c)].data() + m_start;
        m_fade.apply(planes.data(), m_channels, n, m_released, end);
        release(n);
    }
    m_next.finish();
}

void FadeOutSink::hold(const float *const *planes, int from, int count)
{
    int done = 0;
    while (done < count) {
        const int64_t at = (m_start + m_count) % m_capacity;
        const int n = int(std::min<int64_t>(count - done, m_capacity - at));
        for (int c = 0; c < m_channels; ++c) {
            const float *in = planes[c] + from + done;
            std::copy(in, in + n, m_ring[size_t(c)].begin() + at);
        }
        m_count += n;
        done += n;
    }
}

// The oldest `count` held frames go on, in at most two pieces of the ring.
void FadeOutSink::release(int count)
{
    while (count > 0) {
        const int n = int(std::min<int64_t>(count, m_capacity - m_start));
        for (int c = 0; c < m_channels; ++c)
            m_planes[size_t(c)] = m_ring[size_t(c)].data() + m_start;
        m_next.write(m_planes.data(), n);
        m_released += n;
        m_start = (m_start + n) % m_capacity;
        m_count -= n;
        count -= n;
    }
}
