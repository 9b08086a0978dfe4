#ifndef ANALYSIS_SELFSIMILARITY_H
#define ANALYSIS_SELFSIMILARITY_H

#include "analysis/chroma.h"

#include <vector>

namespace analysis {

// Chroma averaged over a Hann window and kept every hop frames: the coarser sequence the
// similarity matrix is built on. Frame i stands for input frames i*hop .. (i+1)*hop-1.
std::vector<Chroma> reduceChroma(const std::vector<Chroma> &chroma, int hop);

// How alike every frame of a sequence is to every other, as a square matrix:
// - each cell is the best over the twelve transpositions of the second frame, so a chorus sung
//   a tone higher still matches;
// - before that best is taken, cells are averaged along their diagonal over `smoothing` frames,
//   so that only passages alike for some seconds stand out, and a small drift in tempo only
//   blurs the line a little;
// - then the best `keep` share of cells is scaled to 0 .. 1 and all the others become -2, a
//   penalty the fitness's paths avoid. The main diagonal is 1.
class SimilarityMatrix
{
public:
    SimilarityMatrix(const std::vector<Chroma> &sequence, int smoothing, double keep);

    int size() const { return m_size; }
    const float *row(int r) const { return m_cells.data() + size_t(r) * size_t(m_size); }
    float at(int r, int c) const { return row(r)[c]; }
    // How far the kept cells stand above the typical one, in unscaled similarity: next to
    // nothing where all frames sound alike (silence, noise) or none repeats (speech).
    float contrast() const { return m_threshold - m_median; }

private:
    void fill(const std::vector<Chroma> &sequence, int smoothing);
    void keepBest(double keep);

    int m_size;
    std::vector<float> m_cells;
    float m_threshold = 0.0f;
    float m_median = 0.0f;
};

} // namespace analysis

#endif
