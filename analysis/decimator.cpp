#include "analysis/decimator.h"

#include <cmath>

namespace analysis {

namespace {

constexpr int TapsPerFactor = 8;

std::vector<float> lowPass(int factor)
{
    const int count = TapsPerFactor * factor + 1;
    std::vector<float> taps(static_cast<size_t>(count));
    // Cut a little below the new Nyquist frequency; the Blackman window keeps the stop band low.
    const double cutoff = 0.45 / factor;
    double sum = 0.0;
    for (int i = 0; i < count; ++i) {
        const double x = i - (count - 1) / 2.0;
        const double sinc = x == 0.0 ? 2 * cutoff : std::sin(2 * M_PI * cutoff * x) / (M_PI * x);
        const double w = 0.42 - 0.5 * std::cos(2 * M_PI * i / (count - 1))
                + 0.08 * std::cos(4 * M_PI * i / (count - 1));
        taps[size_t(i)] = float(sinc * w);
        sum += sinc * w;
    }
    for (float &t : taps)
        t = float(t / sum);
    return taps;
}

} // namespace

Decimator::Decimator(int factor)
    : m_factor(factor < 1 ? 1 : factor)
    , m_taps(lowPass(m_factor))
    , m_history(m_taps.size() - 1, 0.0f)
{ }

void Decimator::process(const float *in, size_t count, std::vector<float> &out)
{
    if (m_factor == 1) {
        out.insert(out.end(), in, in + count);
        return;
    }
    const size_t taps = m_taps.size();
    std::vector<float> joined(m_history);
    joined.insert(joined.end(), in, in + count);
    size_t at = size_t(m_phase);
    for (; at < count; at += size_t(m_factor)) {
        // joined[at + taps - 1] is input sample at; the filter reaches back taps-1 samples.
        const float *x = joined.data() + at;
        float sum = 0.0f;
        for (size_t k = 0; k < taps; ++k)
            sum += x[k] * m_taps[k];
        out.push_back(sum);
    }
    m_phase = int(at - count);
    m_history.assign(joined.end() - long(taps - 1), joined.end());
}

} // namespace analysis
