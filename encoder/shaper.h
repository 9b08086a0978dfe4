#ifndef ENCODER_SHAPER_H
#define ENCODER_SHAPER_H

#include "shaping/fadein.h"

#include <cstdint>

// Volume and fade-in of the output: gain N/256, then a linear ramp from silence to full level
// over the first fade samples. Clipping happens where the sinks convert to their sample range.
class Shaper
{
public:
    Shaper(int volume, const shaping::FadeIn &fade)
        : m_gain(float(volume) / 256.0f)
        , m_fade(fade)
    { }

    // Gain of output sample number index (counted from the first output sample).
    float gainAt(int64_t index) const
    {
        if (m_fade.doneAt(index))
            return m_gain;
        return m_gain * float(m_fade.levelAt(index));
    }
    // out[i] = in[i] * gainAt(first + i)
    void apply(const float *in, float *out, int count, int64_t first) const
    {
        int i = 0;
        for (; i < count && !m_fade.doneAt(first + i); ++i)
            out[i] = in[i] * gainAt(first + i);
        for (; i < count; ++i)
            out[i] = in[i] * m_gain;
    }
    // True when every sample from index on gets exactly unit gain.
    bool isUnitFrom(int64_t index) const { return m_fade.doneAt(index) && m_gain == 1.0f; }

private:
    float m_gain;
    shaping::FadeIn m_fade;
};

#endif
