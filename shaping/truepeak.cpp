#include "truepeak.h"

#include <algorithm>
#include <cmath>

#include <cstring>

#ifdef __SSE__
#include <xmmintrin.h>
#endif

namespace shaping {

namespace {

constexpr double Pi = 3.14159265358979323846;
// Kaiser window shape: a flat passband almost to the input's Nyquist frequency.
constexpr double Beta = 8.0;

double besselI0(double x)
{
    double sum = 1.0;
    double term = 1.0;
    for (int k = 1; k < 50; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
    }
    return sum;
}

double windowedSinc(double distance, double halfWidth)
{
    const double ratio = distance / halfWidth;
    const double window = besselI0(Beta * std::sqrt(1.0 - ratio * ratio)) / besselI0(Beta);
    return window * std::sin(Pi * distance) / (Pi * distance);
}

// Interpolation weights at `offset` (0 < offset < 1) after the Reach-th of 2 * Reach samples,
// summing to 1 so that a constant level reads as itself.
void interpolator(double offset, double *taps)
{
    double sum = 0;
    for (int k = 0; k < 2 * TruePeak::Reach; ++k) {
        taps[k] = windowedSinc(double(k + 1 - TruePeak::Reach) - offset, TruePeak::Reach);
        sum += taps[k];
    }
    for (int k = 0; k < 2 * TruePeak::Reach; ++k)
        taps[k] /= sum;
}

// Eight intervals side by side. AVX2 where the processor has it, pairs of SSE registers
// elsewhere; both add the products in the same order as oversampled(), so the sums are the
// same to the bit on every machine.
using Lanes = float __attribute__((vector_size(32)));
constexpr int Width = 8;

// Taps either side of the interval that the quick bound weighs one by one; the rest it bounds
// by the loudest sample around.
constexpr int Near = 4;

// For the intervals j .. j + 7 whose windows start at samples + j, what between() gives: the
// same operations lane by lane. Where the near taps and the bound of the far ones (far[point]
// times `loudest`, the largest magnitude in reach) prove that between() stays under the limit,
// that bound is given instead, also under the limit. Written out in full: a helper taking or
// returning these vectors would change the calling convention between the two versions.
__attribute__((target_clones("avx2", "default"))) void sweep(const float *samples,
                                                             const float (*taps)[TruePeak::Window],
                                                             const float *far,
                                                             float loudest,
                                                             float limit,
                                                             float *peaks)
{
    Lanes x;
    std::memcpy(&x, samples + TruePeak::Reach, sizeof x);
    Lanes bound = x < 0 ? -x : x;
    for (int point = 1; point < 4; ++point) {
        Lanes near = {};
        for (int k = TruePeak::Reach - Near; k <= TruePeak::Reach + Near; ++k) {
            std::memcpy(&x, samples + k, sizeof x);
            near = near + taps[point][k] * x;
        }
        const Lanes most = (near < 0 ? -near : near) + far[point] * loudest;
        bound = most > bound ? most : bound;
    }
    bool under = true;
    for (int lane = 0; lane < Width; ++lane)
        under = under && bound[lane] * TruePeak::Rise <= limit;
    if (under) {
        std::memcpy(peaks, &bound, sizeof bound);
        return;
    }
    // The four points' sums side by side, so that no addition waits for the one before; named
    // one by one, so that they stay in registers instead of going through memory at every tap.
    Lanes s0 = {}, s1 = {}, s2 = {}, s3 = {};
    for (int k = 0; k < TruePeak::Window; ++k) {
        std::memcpy(&x, samples + k, sizeof x);
        s0 = s0 + taps[0][k] * x;
        s1 = s1 + taps[1][k] * x;
        s2 = s2 + taps[2][k] * x;
        s3 = s3 + taps[3][k] * x;
    }
    const Lanes sums[4] = {s0, s1, s2, s3};
    // Magnitudes at -1/4, 0, 1/4, 1/2, 3/4 and 1 of the interval.
    Lanes points[6];
    std::memcpy(&x, samples + TruePeak::Reach, sizeof x);
    points[1] = x < 0 ? -x : x;
    std::memcpy(&x, samples + TruePeak::Reach + 1, sizeof x);
    points[5] = x < 0 ? -x : x;
    for (int point = 0; point < 4; ++point) {
        const int at = point == 0 ? 0 : point + 1;
        points[at] = sums[point] < 0 ? -sums[point] : sums[point];
    }
    Lanes peak = points[1];
    for (int i = 2; i <= 4; ++i)
        peak = points[i] > peak ? points[i] : peak;
    Lanes raised = peak;
    for (int i = 1; i <= 4; ++i) {
        const Lanes left = points[i - 1];
        const Lanes top = points[i];
        const Lanes right = points[i + 1];
        const Lanes curve = left - 2 * top + right;
        const Lanes rise = top - 0.125f * (left - right) * (left - right) / curve;
        const auto apex = top >= left && top >= right && curve < 0;
        raised = apex && rise > raised ? rise : raised;
    }
    const Lanes result = peak * TruePeak::Rise <= limit ? peak : raised;
    std::memcpy(peaks, &result, sizeof result);
}

__attribute__((target_clones("avx2", "default"))) float largest(const float *samples, int count)
{
    Lanes top = {};
    Lanes x;
    int i = 0;
    for (; i + Width <= count; i += Width) {
        std::memcpy(&x, samples + i, sizeof x);
        x = x < 0 ? -x : x;
        top = x > top ? x : top;
    }
    float result = 0;
    for (int lane = 0; lane < Width; ++lane)
        result = std::max(result, top[lane]);
    for (; i < count; ++i)
        result = std::max(result, std::abs(samples[i]));
    return result;
}

} // namespace

float TruePeak::loudest(const float *samples, int count)
{
    return largest(samples, count);
}

TruePeak::TruePeak()
{
    // The point at -1/4 is the previous interval's 3/4, one sample earlier in the window.
    const double offsets[4] = {0.75, 0.25, 0.5, 0.75};
    for (int point = 0; point < 4; ++point) {
        double taps[2 * Reach];
        interpolator(offsets[point], taps);
        const int shift = point == 0 ? 0 : 1;
        double absolute = 0;
        for (int k = 0; k < 2 * Reach; ++k) {
            m_weights[k + shift][point] = float(taps[k]);
            m_taps[point][k + shift] = float(taps[k]);
            absolute += std::abs(taps[k]);
        }
        m_bound = std::max(m_bound, float(absolute));
        for (int k = 0; k < Window; ++k) {
            if (k < Reach - Near || k > Reach + Near)
                m_far[point] += std::abs(m_taps[point][k]);
        }
    }
    m_bound *= Rise;
}

void TruePeak::oversampled(const float *window, float *sums) const
{
#ifdef __SSE__
    __m128 acc = _mm_setzero_ps();
    for (int k = 0; k < Window; ++k)
        acc = _mm_add_ps(acc, _mm_mul_ps(_mm_load_ps(m_weights[k]), _mm_set1_ps(window[k])));
    _mm_storeu_ps(sums, acc);
#else
    std::fill(sums, sums + 4, 0.0f);
    for (int k = 0; k < Window; ++k) {
        for (int point = 0; point < 4; ++point)
            sums[point] += m_weights[k][point] * window[k];
    }
#endif
}

float TruePeak::between(const float *window, float limit) const
{
    float sums[4];
    oversampled(window, sums);
    // Magnitudes at -1/4, 0, 1/4, 1/2, 3/4 and 1 of the interval.
    const float points[6] = {std::abs(sums[0]),
                             std::abs(window[Reach]),
                             std::abs(sums[1]),
                             std::abs(sums[2]),
                             std::abs(sums[3]),
                             std::abs(window[Reach + 1])};
    float peak = *std::max_element(points + 1, points + 5);
    if (peak * Rise <= limit)
        return peak;
    for (int i = 1; i <= 4; ++i) {
        const float left = points[i - 1];
        const float top = points[i];
        const float right = points[i + 1];
        const float curve = left - 2 * top + right;
        if (top >= left && top >= right && curve < 0)
            peak = std::max(peak, top - 0.125f * (left - right) * (left - right) / curve);
    }
    return peak;
}

void TruePeak::run(const float *samples, int count, float limit, float *peaks) const
{
    // A little over, for the rounding in the bound's own sums.
    const float loudest = TruePeak::loudest(samples, count + Window - 1) * 1.001f;
    int j = 0;
    for (; j + Width <= count; j += Width)
        sweep(samples + j, m_taps, m_far, loudest, limit, peaks + j);
    for (; j < count; ++j)
        peaks[j] = between(samples + j, limit);
}

} // namespace shaping
