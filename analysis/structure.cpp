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
// A boundary must stand this many times above the song's median change.
constexpr double BoundaryOverMedian = 1.0;

float median(std::vector<float> values)
{
    if (values.empty())
        return 0.0f;
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// The change in units of its median, so that the boundaries' floor suits every song.
std::vector<float> relative(std::vector<float> change)
{
    const float m = std::max(1e-6f, median(change));
    for (float &v : change)
        v /= m;
    return change;
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
    m_change = relative(repetitionNovelty(*m_matrix, half, m_minLag));
    const int gap = std::max(2, int(std::lround(MinSectionSeconds / m_step)));
    m_bounds = boundaries(m_change, gap, float(BoundaryOverMedian));
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
