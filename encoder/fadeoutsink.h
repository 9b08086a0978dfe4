#ifndef ENCODER_FADEOUTSINK_H
#define ENCODER_FADEOUTSINK_H

#include "sink.h"

#include "shaping/fadeout.h"

#include <vector>

// Lays the fade-out on the last frames before they reach the sink behind it. The end is known
// only once the input has ended (a clip may run past the end of the file), so the frames that
// could still be on the ramp are held back until then.
class FadeOutSink : public Sink
{
public:
    // Holds at most `most` frames: a ramp longer than the whole output needs no more.
    FadeOutSink(Sink &next, int channels, const shaping::FadeOut &fade, int64_t most);

    void write(const float *const *planes, int count) override;
    void finish() override;
    int64_t bytesWritten() const override { return m_next.bytesWritten(); }

private:
    void hold(const float *const *planes, int from, int count);
    void release(int count);

    Sink &m_next;
    int m_channels;
    shaping::FadeOut m_fade;
    int64_t m_released = 0; // frames handed to the next sink
    // Held frames per channel, a ring: m_count frames from m_start on.
    std::vector<std::vector<float>> m_ring;
    int64_t m_capacity;
    int64_t m_start = 0;
    int64_t m_count = 0;
    std::vector<const float *> m_planes;
};

#endif
