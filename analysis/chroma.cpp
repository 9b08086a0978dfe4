#include "analysis/chroma.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

constexpr double LowestNote = 65.0;
constexpr double HighestNote = 2100.0;
// Below this compressed energy a frame counts as silence.
constexpr float SilenceFloor = 0.5f;

int fftSize(int sampleRate)
{
    // About 0.35 s: fine enough to tell neighbouring low notes apart.
    int size = 256;
    while (size < sampleRate * 0.35)
        size *= 2;
    return size;
}

} // namespace

ChromaFrames::ChromaFrames(int sampleRate, int framesPerSecond)
    : m_sampleRate(sampleRate)
    , m_size(fftSize(sampleRate))
    , m_hop(std::max(1, int(std::lround(double(sampleRate) / framesPerSecond))))
    , m_fft(kiss_fftr_alloc(m_size, 0, nullptr, nullptr))
    , m_window(size_t(m_size))
    , m_pitchClass(size_t(m_size / 2 + 1), -1)
    , m_buffer(size_t(m_size / 2), 0.0f) // frame 0 is centred on the first sample
    , m_input(size_t(m_size))
{
    double windowSum = 0.0;
    for (int i = 0; i < m_size; ++i) {
        m_window[size_t(i)] = float(0.5 - 0.5 * std::cos(2 * M_PI * i / m_size));
        windowSum += m_window[size_t(i)];
    }
    // A full-scale sine then shows as about 1 in its bin.
    for (float &w : m_window)
        w = float(w * 2.0 / windowSum);
    for (int bin = 1; bin <= m_size / 2; ++bin) {
        const double hz = double(bin) * sampleRate / m_size;
        if (hz < LowestNote || hz > HighestNote)
            continue;
        const long midi = std::lround(69.0 + 12.0 * std::log2(hz / 440.0));
        m_pitchClass[size_t(bin)] = int(midi % 12);
    }
}

ChromaFrames::~ChromaFrames()
{
    kiss_fftr_free(m_fft);
}

void ChromaFrames::add(const float *samples, size_t count, std::vector<Chroma> &out)
{
    m_buffer.insert(m_buffer.end(), samples, samples + count);
    while (m_buffer.size() - m_start >= size_t(m_size)) {
        frame(out);
        m_start += size_t(m_hop);
    }
    m_buffer.erase(m_buffer.begin(), m_buffer.begin() + long(m_start));
    m_start = 0;
}

void ChromaFrames::finish(std::vector<Chroma> &out)
{
    // Frames whose centre lies on real samples; the window runs on into silence.
    const size_t centre = size_t(m_size / 2);
    const size_t real = m_buffer.size();
    m_buffer.resize(real + size_t(m_size), 0.0f);
    for (; m_start + centre < real; m_start += size_t(m_hop))
        frame(out);
    m_buffer.assign(centre, 0.0f);
    m_start = 0;
}

void ChromaFrames::frame(std::vector<Chroma> &out)
{
    for (int i = 0; i < m_size; ++i)
        m_input[size_t(i)] = m_buffer[m_start + size_t(i)] * m_window[size_t(i)];
    std::vector<kiss_fft_cpx> bins(size_t(m_size / 2 + 1));
    kiss_fftr(m_fft, m_input.data(), bins.data());
    Chroma chroma {};
    float total = 0.0f;
    for (size_t bin = 1; bin < bins.size(); ++bin) {
        const int pc = m_pitchClass[bin];
        if (pc < 0)
            continue;
        const float magnitude = std::sqrt(bins[bin].r * bins[bin].r + bins[bin].i * bins[bin].i);
        const float compressed = std::log1p(100.0f * magnitude);
        chroma[size_t(pc)] += compressed;
        total += compressed;
    }
    float norm = 0.0f;
    for (float c : chroma)
        norm += c * c;
    norm = std::sqrt(norm);
    if (total < SilenceFloor || norm <= 0.0f) {
        chroma.fill(float(1.0 / std::sqrt(12.0)));
    } else {
        for (float &c : chroma)
            c /= norm;
    }
    out.push_back(chroma);
}

} // namespace analysis
