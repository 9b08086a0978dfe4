#include "analysis/onsets.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// About 23 ms at the analysis's 11 kHz: short enough to place a drum hit within a window.
constexpr int WindowSize = 256;
// The flux peaks when the window's middle passes the attack; the clip starts this much before.
constexpr double Lead = 0.02;

} // namespace

OnsetTrack::OnsetTrack(int sampleRate)
    : m_sampleRate(sampleRate)
    , m_size(WindowSize)
    , m_fft(kiss_fftr_alloc(m_size, 0, nullptr, nullptr))
    , m_window(size_t(m_size))
    , m_buffer(size_t(m_size / 2), 0.0f) // value 0 is centred on the first sample
    , m_input(size_t(m_size))
    , m_previous(size_t(m_size / 2 + 1), 0.0f)
{
    for (int i = 0; i < m_size; ++i)
        m_window[size_t(i)] = float(0.5 - 0.5 * std::cos(2 * M_PI * i / m_size));
}

OnsetTrack::~OnsetTrack()
{
    kiss_fftr_free(m_fft);
}

void OnsetTrack::add(const float *samples, size_t count)
{
    m_buffer.insert(m_buffer.end(), samples, samples + count);
    windows(SIZE_MAX);
}

std::vector<float> OnsetTrack::finish()
{
    // Values whose window's centre lies on real samples; the window runs on into silence.
    const size_t real = m_buffer.size();
    m_buffer.resize(real + size_t(m_size), 0.0f);
    windows(real > size_t(m_size / 2) ? real - size_t(m_size / 2) : 0);
    std::vector<float> strength = std::move(m_strength);
    m_strength.clear();
    m_buffer.assign(size_t(m_size / 2), 0.0f);
    m_consumed = 0;
    std::fill(m_previous.begin(), m_previous.end(), 0.0f);
    return strength;
}

void OnsetTrack::windows(size_t startsBelow)
{
    // Value j's window starts at sample j * rate / PerSecond exactly, so an hour does not drift.
    const auto startOf = [this](uint64_t j) { return j * uint64_t(m_sampleRate) / PerSecond; };
    for (;;) {
        const uint64_t start = startOf(m_strength.size());
        const size_t at = size_t(start - m_consumed);
        if (at + size_t(m_size) > m_buffer.size() || at >= startsBelow)
            break;
        std::copy(
                m_buffer.begin() + long(at), m_buffer.begin() + long(at) + m_size, m_input.begin());
        frame();
    }
    const size_t drop = std::min(m_buffer.size(), size_t(startOf(m_strength.size()) - m_consumed));
    m_buffer.erase(m_buffer.begin(), m_buffer.begin() + long(drop));
    m_consumed += drop;
}

void OnsetTrack::frame()
{
    for (int i = 0; i < m_size; ++i)
        m_input[size_t(i)] *= m_window[size_t(i)];
    kiss_fft_cpx bins[WindowSize / 2 + 1];
    kiss_fftr(m_fft, m_input.data(), bins);
    float flux = 0.0f;
    for (size_t bin = 1; bin < m_previous.size(); ++bin) {
        const float level = std::log1p(
                10.0f * std::sqrt(bins[bin].r * bins[bin].r + bins[bin].i * bins[bin].i));
        flux += std::max(0.0f, level - m_previous[bin]);
        m_previous[bin] = level;
    }
    m_strength.push_back(flux);
}

double snapToOnset(const std::vector<float> &onset, double time, double reach)
{
    const int centre = int(std::lround(time * OnsetTrack::PerSecond));
    const int width = int(std::lround(reach * OnsetTrack::PerSecond));
    const int from = std::max(1, centre - width);
    const int to = std::min(int(onset.size()) - 2, centre + width);
    double mean = 0.0;
    for (int i = from; i <= to; ++i)
        mean += onset[size_t(i)];
    mean /= std::max(1, to - from + 1);
    int best = -1;
    double bestValue = 0.0;
    for (int i = from; i <= to; ++i) {
        const float v = onset[size_t(i)];
        if (v < onset[size_t(i - 1)] || v < onset[size_t(i + 1)] || v < 1.5 * mean)
            continue;
        // A peak twice as far away must be a third stronger to win.
        const double value = v * (1.0 - 0.25 * std::abs(i - centre) / std::max(1, width));
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    if (best < 0)
        return time;
    return std::max(0.0, double(best) / OnsetTrack::PerSecond - Lead);
}

} // namespace analysis
