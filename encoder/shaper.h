#ifndef ENCODER_SHAPER_H
#define ENCODER_SHAPER_H

#include <cstdint>

// Volume and fade-in of the output: gain N/256, then a linear ramp from silence to full level
// over the first fade samples. Clipping happens where the sinks convert to their sample range.
class Shaper
{
public:
    Shaper(int volume, int64_t fadeSamples)
        : m_gain(float(volume) / 256.0f)
        , m_fade(fadeSamples)
    { }

    // Gain of output sample number index (counted from the first output sample).
    float gainAt(int64_t index) const
    {
        if (index >= m_fade)
            return m_gain;
        return m_gain * float(double(index) / double(m_fade));
    }
    // out[i] = in[i] * gainAt(first + i)
    void apply(const float *in, float *out, int count, int64_t first) const
    {
        int i = 0;
        for (; i < count && first + i < m_fade; ++i)
            out[i] = in[i] * gainAt(first + i);
        for (; i < count; ++i)
            out[i] = in[i] * m_gain;
    }
    // True when every sample from index on gets exactly unit gain.
    bool isUnitFrom(int64_t index) const { return index >= m_fade && m_gain == 1.0f; }

private:
    float m_gain;
    int64_t m_fade;
};

#endif
