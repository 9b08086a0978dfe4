#ifndef SHAPING_FADEIN_H
#define SHAPING_FADEIN_H

#include <cstdint>

namespace shaping {

// The fade-in of a ringtone and of its preview: a linear ramp from silence to full level over
// the first frames of the output.
class FadeIn
{
public:
    FadeIn() = default;
    // Over seconds at sampleRate, rounded to whole frames; 0: no fade.
    FadeIn(double seconds, int sampleRate);

    int64_t frames() const { return m_frames; }
    // True when frame `index` (counted from the start of the output) and all after it are at
    // full level.
    bool doneAt(int64_t index) const { return index >= m_frames; }
    // index / frames: frame 0 is silent, the ramp's last frame just below full level.
    double levelAt(int64_t index) const
    {
        return doneAt(index) ? 1.0 : double(index) / double(m_frames);
    }

    // Scales count planar frames, the first of them frame number `first`, by their levels.
    void apply(float *const *planes, int channels, int count, int64_t first) const;

private:
    int64_t m_frames = 0;
};

} // namespace shaping

#endif
