#include "analysis/structure.h"

#include "analysis/sections.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Two frames a second are fine enough for where a chorus starts and keep the matrix small:
// at most MaxFrames frames square, 9 MB. Longer files take a coarser step.
constexpr int BaseHop = 5;
constexpr int MaxFrames = 1500;
// Similarity is averaged along a repetition over two seconds: longer blurs a chorus's tune into
// the chords it shares with the verses.
constexpr double SmoothingSeconds = 2.0;
// The share of the matrix's cells kept as similar.
constexpr double KeptShare = 0.1;
// Songs stand 0.04 and more above their typical similarity, speech about 0.015, noise nothing.
constexpr float MinContrast = 0.025f;
// Sections are at least this long.
constexpr double MinSectionSeconds = 5.0;
// A boundary must stand this many times above the change around it.
constexpr double BoundaryOverLocal = 1.0;

// The change in units of its mean around it, so that a boundary stands out from its own
// neighbourhood: a verse of busy chords changes more everywhere than a chorus of long notes.
std::vector<float> relative(const std::vector<float> &change, int reach)
{
    const int n = int(change.size());
    std::vector<double> prefix(size_t(n) + 1, 0.0);
    for (int i = 0; i < n; ++i)
        prefix[size_t(i) + 1] = prefix[size_t(i)] + change[size_t(i)];
    std::vector<float> result(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int from = std::max(0, i - reach), to = std::min(n, i + reach + 1);
        const double mean = (prefix[size_t(to)] - prefix[size_t(from)]) / (to - from);
        result[size_t(i)] = float(change[size_t(i)] / std::max(1e-6, mean));
    }
    return result;
}

} // namespace

Structure::Structure(const Features &features, double noveltySeconds, double lagSeconds)
{
    const int frames = int(features.chroma.size());
    const int hop = std::max(BaseHop, (frames + MaxFrames - 1) / MaxFrames);
    m_step = double(hop) / Features::FramesPerSecond;
    const std::vector<Chroma> sequence = reduceChroma(features.chroma, hop);
    m_frames = int(sequence.size());
    m_minLag = std::max(2, int(std::lround(SmoothingSeconds / m_step)));
    m_matrix = std::make_unique<SimilarityMatrix>(sequence, m_minLag, KeptShare);
    if (m_frames < 2 || m_matrix->contrast() < MinContrast)
        return;
    m_repetitions
            = repetitionCount(*m_matrix, std::max(m_minLag, int(std::lround(lagSeconds / m_step))));
    const int half = std::max(2, int(std::lround(noveltySeconds / m_step)));
    // Chord changes inside a section would cut it at every turn of its progression: the change
    // in what repeats marks the sections.
    m_change = relative(repetitionNovelty(*m_matrix, half, m_minLag), 4 * half);
    const int gap = std::max(2, int(std::lround(MinSectionSeconds / m_step)));
    m_bounds = boundaries(m_change, gap, float(BoundaryOverLocal));
}

const std::vector<Fitness> &Structure::fitness(int span) const
{
    if (span != m_span) {
        m_fitness = m_matrix ? allFitness(*m_matrix, span) : std::vector<Fitness>();
        m_span = span;
    }
    return m_fitness;
}

} // namespace analysis
