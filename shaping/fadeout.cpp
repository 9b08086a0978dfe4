#include "fadeout.h"

#include <algorithm>
#include <cmath>

namespace shaping {

FadeOut::FadeOut(double seconds, int sampleRate)
    : m_frames(seconds > 0 ? std::llround(seconds * sampleRate) : 0)
{ }

void FadeOut::apply(float *const *planes, int channels, int count, int64_t first, int64_t end) const
{
    if (m_frames == 0)
        return;
    // Frames before the ramp keep their level.
    const int from = int(std::clamp<int64_t>(end - m_frames - first, 0, count));
    for (int i = from; i < count; ++i) {
        const float level = float(levelAt(first + i, end));
        for (int c = 0; c < channels; ++c)
            planes[c][i] *= level;
    }
}

} // namespace shaping
