#ifndef SONVIX_GAIN_H
#define SONVIX_GAIN_H

#include <cstdint>

namespace sonvix {

// The encoder's fade-in: gain t/F over the first F seconds, t counted in frames actually played.
struct FadeIn
{
    double lengthFrames = 0; // 0: no fade
    int64_t doneFrames = 0;
};

// Scales interleaved frames by volume times the fade's gain, clipping to the 16-bit range.
void applyGain(int16_t *samples, int frames, int channels, double volume, FadeIn &fade);

} // namespace sonvix

#endif
