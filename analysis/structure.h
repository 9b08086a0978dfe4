#ifndef ANALYSIS_STRUCTURE_H
#define ANALYSIS_STRUCTURE_H

#include "analysis/features.h"
#include "analysis/fitness.h"
#include "analysis/selfsimilarity.h"

#include <memory>
#include <vector>

namespace analysis {

// A song cut into sections, and how often each moment of it comes back, at the coarse step
// (half a second, coarser past twelve minutes) that its similarity matrix is built on.
class Structure
{
public:
    // No sections: for a sound too short to look at.
    Structure() = default;
    Structure(const Features &features, double noveltySeconds, double lagSeconds = 10.0);

    // False where nothing in the sound repeats clearly (speech, noise, silence): then there are
    // no sections.
    bool repeats() const { return !m_bounds.empty(); }
    double step() const { return m_step; }
    int frames() const { return m_frames; }
    const SimilarityMatrix &matrix() const { return *m_matrix; }
    // The frames sections begin on, 0 first.
    const std::vector<int> &bounds() const { return m_bounds; }
    // Per frame: how many times its passage comes back, each counted by how alike it is.
    const std::vector<float> &repetitions() const { return m_repetitions; }
    // Per frame: how much the song changes there.
    const std::vector<float> &change() const { return m_change; }
    // How well each stretch of span frames repeats as a whole, by its start frame; kept for the
    // last span asked.
    const std::vector<Fitness> &fitness(int span) const;
    // The smallest distance in frames at which a passage counts as coming back.
    int minLag() const { return m_minLag; }

private:
    double m_step = 0.0;
    int m_frames = 0;
    int m_minLag = 1;
    std::unique_ptr<SimilarityMatrix> m_matrix;
    std::vector<int> m_bounds;
    std::vector<float> m_repetitions;
    std::vector<float> m_change;
    mutable int m_span = -1;
    mutable std::vector<Fitness> m_fitness;
};

} // namespace analysis

#endif
