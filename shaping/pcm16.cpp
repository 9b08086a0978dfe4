#include "pcm16.h"

#include <cmath>
#include <cstddef>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

inline int16_t toPcm16(float value)
{
    const long scaled = std::lrintf(value * 32768.0f);
    return int16_t(scaled > 32767 ? 32767 : scaled < -32768 ? -32768 : scaled);
}

#ifdef __SSE2__
// Clamping first keeps the integer conversion away from its overflow value; the saturating
// pack then clips to the 16-bit range.
inline __m128i scaled(const float *at)
{
    const __m128 limit = _mm_set1_ps(4.0f);
    const __m128 value
            = _mm_min_ps(_mm_max_ps(_mm_loadu_ps(at), _mm_sub_ps(_mm_setzero_ps(), limit)), limit);
    return _mm_cvtps_epi32(_mm_mul_ps(value, _mm_set1_ps(32768.0f)));
}

int stereoBlocks(const float *left, const float *right, int count, int16_t *out)
{
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i l = scaled(left + i);
        const __m128i r = scaled(right + i);
        const __m128i pairs = _mm_packs_epi32(_mm_unpacklo_epi32(l, r), _mm_unpackhi_epi32(l, r));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 2 * std::ptrdiff_t(i)), pairs);
    }
    return i;
}

int monoBlocks(const float *in, int count, int16_t *out)
{
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m128i packed = _mm_packs_epi32(scaled(in + i), scaled(in + i + 4));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), packed);
    }
    return i;
}
#else
int stereoBlocks(const float *, const float *, int, int16_t *)
{
    return 0;
}

int monoBlocks(const float *, int, int16_t *)
{
    return 0;
}
#endif

} // namespace

namespace shaping {

void toInterleavedPcm16(const float *const *planes, int channels, int count, int16_t *out)
{
    int done = 0;
    if (channels == 2)
        done = stereoBlocks(planes[0], planes[1], count, out);
    else if (channels == 1)
        done = monoBlocks(planes[0], count, out);
    for (int i = done; i < count; ++i) {
        for (int c = 0; c < channels; ++c)
            out[i * channels + c] = toPcm16(planes[c][i]);
    }
}

} // namespace shaping
