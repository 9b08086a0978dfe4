#ifndef SHAPING_FADEOUT_H
#define SHAPING_FADEOUT_H

#include <cstdint>

namespace shaping {

// The fade-out of a ringtone and of its preview: a linear ramp from full level to silence over
// the last frames before the end, the fade-in played backwards, so that the last frame is
// silent as the fade-in's first is and a looped ringtone meets itself in silence.
class FadeOut
{
public:
    FadeOut() = default;
    // Over seconds at sampleRate, rounded to whole frames; 0: no fade.
    FadeOut(double seconds, int sampleRate);

    int64_t frames() const { return m_frames; }
    // The level of frame `index` when the output ends before frame `end`: (end - 1 - index) /
    // frames on the ramp, silence from `end` on. Without a fade every frame is at full level.
    double levelAt(int64_t index, int64_t end) const
    {
        if (m_frames == 0)
            return 1.0;
        const int64_t left = end - 1 - index;
        return left < 0 ? 0.0 : left >= m_frames ? 1.0 : double(left) / double(m_frames);
    }

    // Scales count planar frames, the first of them frame number `first`, by their levels.
    void apply(float *const *planes, int channels, int count, int64_t first, int64_t end) const;

private:
    int64_t m_frames = 0;
};

} // namespace shaping

#endif
