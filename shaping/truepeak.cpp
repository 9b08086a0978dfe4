#include "truepeak.h"

#include <algorithm>
#include <cmath>

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

} // namespace

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
            absolute += std::abs(taps[k]);
        }
        m_bound = std::max(m_bound, float(absolute));
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

} // namespace shaping
