#ifndef SONVIX_GAIN_H
#define SONVIX_GAIN_H

#include "shaping/fadein.h"

#include <cstdint>

namespace sonvix {

// The encoder's fade-in, counted in frames actually played since the start or resume.
struct FadeIn
{
    shaping::FadeIn ramp;
    int64_t doneFrames = 0;
};

// Scales interleaved frames by volume times the fade's level, clipping to the 16-bit range.
void applyGain(int16_t *samples, int frames, int channels, double volume, FadeIn &fade);

} // namespace sonvix

#endif
