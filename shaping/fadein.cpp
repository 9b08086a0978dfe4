#include "fadein.h"

#include <cmath>

namespace shaping {

FadeIn::FadeIn(double seconds, int sampleRate)
    : m_frames(seconds > 0 ? std::llround(seconds * sampleRate) : 0)
{ }

void FadeIn::apply(float *const *planes, int channels, int count, int64_t first) const
{
    for (int i = 0; i < count && !doneAt(first + i); ++i) {
        const float level = float(levelAt(first + i));
        for (int c = 0; c < channels; ++c)
            planes[c][i] *= level;
    }
}

} // namespace shaping
