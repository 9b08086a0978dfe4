#ifndef SHAPING_PCM16_H
#define SHAPING_PCM16_H

#include <cstdint>

namespace shaping {

// Planar float to interleaved 16-bit: round to nearest, clip to the 16-bit range
// (the same results as libswresample's conversion).
void toInterleavedPcm16(const float *const *planes, int channels, int count, int16_t *out);

} // namespace shaping

#endif
