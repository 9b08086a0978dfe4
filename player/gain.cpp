#include "gain.h"

#include <algorithm>
#include <cmath>

namespace sonvix {

namespace {

int16_t scaled(int16_t sample, double gain)
{
    const double value = std::nearbyint(sample * gain);
    return int16_t(std::clamp(value, -32768.0, 32767.0));
}

} // namespace

void applyGain(int16_t *samples, int frames, int channels, double volume, FadeIn &fade)
{
    for (int i = 0; i < frames; ++i) {
        double gain = volume;
        if (!fade.ramp.doneAt(fade.doneFrames))
            gain *= fade.ramp.levelAt(fade.doneFrames++);
        if (gain == 1.0)
            continue;
        for (int c = 0; c < channels; ++c)
            samples[i * channels + c] = scaled(samples[i * channels + c], gain);
    }
}

} // namespace sonvix
