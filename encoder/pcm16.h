#ifndef ENCODER_PCM16_H
#define ENCODER_PCM16_H

#include <cstdint>

// Planar float to interleaved 16-bit: round to nearest, clip to the 16-bit range
// (the same results as libswresample's conversion).
void toInterleavedPcm16(const float *const *planes, int channels, int count, int16_t *out);

#endif
