#include "shaper.h"

#include "shaping/pcm16.h"

namespace sonvix {

Shaper::Shaper(int channels, int rate)
    : m_channels(channels)
    , m_rate(rate)
    , m_limiter(channels, rate, 1.0)
    , m_in(size_t(channels))
    , m_out(size_t(channels))
    , m_inPlanes(size_t(channels))
    , m_outPlanes(size_t(channels))
{ }

void Shaper::startFade(double seconds)
{
    m_fade = shaping::FadeIn(seconds, m_rate);
    m_faded = 0;
}

void Shaper::setClip(double fadeOut, int64_t end, double passFadeIn)
{
    m_fadeOut = shaping::FadeOut(fadeOut, m_rate);
    m_end = end;
    m_passFadeIn = passFadeIn;
}

int Shaper::fill(PcmQueue &queue, bool ended, int16_t *out, int frames, int64_t &position)
{
    reserve(frames);
    int done = 0;
    int faded = 0; // frames already given their fades
    while (done < frames) {
        const int written = shape(queue, ended, done, frames - done);
        if (written >= 0) {
            done += written;
            continue;
        }
        if (!queue.atSeam())
            break;
        // The pass has left the limiter whole; the next starts as a new ringtone would.
        fade(faded, done - faded, position);
        position += done - faded;
        faded = done;
        position = queue.takeSeam();
        m_limiter.reset();
        startFade(m_passFadeIn);
    }
    fade(faded, done - faded, position);
    position += done - faded;
    for (int c = 0; c < m_channels; ++c)
        m_outPlanes[size_t(c)] = m_out[size_t(c)].data();
    shaping::toInterleavedPcm16(m_outPlanes.data(), m_channels, done, out);
    return done;
}

// The fades, in the encoder's order, on `count` frames written from frame `from` on, the first
// of them file frame `position`.
void Shaper::fade(int from, int count, int64_t position)
{
    for (int c = 0; c < m_channels; ++c)
        m_outPlanes[size_t(c)] = m_out[size_t(c)].data() + from;
    m_fade.apply(m_outPlanes.data(), m_channels, count, m_faded);
    m_faded += count;
    m_fadeOut.apply(m_outPlanes.data(), m_channels, count, position, m_end);
}

// One step: queued frames through the limiter (none may leave while it fills its look-ahead),
// or at the end the frames it holds, written from frame `done` on. -1 when nothing more can be
// written now.
int Shaper::shape(PcmQueue &queue, bool ended, int done, int room)
{
    for (int c = 0; c < m_channels; ++c)
        m_outPlanes[size_t(c)] = m_out[size_t(c)].data() + done;
    const int pulled = queue.pull(m_interleaved.data(), room);
    if (pulled == 0) {
        const bool last = ended || queue.atSeam();
        const int drained = last ? m_limiter.drain(m_outPlanes.data(), room) : 0;
        return drained > 0 ? drained : -1;
    }
    for (int c = 0; c < m_channels; ++c) {
        float *plane = m_in[size_t(c)].data();
        for (int i = 0; i < pulled; ++i)
            plane[i] = m_interleaved[size_t(i * m_channels + c)];
        m_inPlanes[size_t(c)] = plane;
    }
    return m_limiter.process(m_inPlanes.data(), pulled, m_outPlanes.data());
}

void Shaper::reserve(int frames)
{
    if (m_interleaved.size() < size_t(frames) * m_channels)
        m_interleaved.resize(size_t(frames) * m_channels);
    for (int c = 0; c < m_channels; ++c) {
        if (m_in[size_t(c)].size() < size_t(frames))
            m_in[size_t(c)].resize(size_t(frames));
        if (m_out[size_t(c)].size() < size_t(frames))
            m_out[size_t(c)].resize(size_t(frames));
    }
}

} // namespace sonvix
