#ifndef ANALYSIS_SECTIONS_H
#define ANALYSIS_SECTIONS_H

#include <vector>

namespace analysis {

class SimilarityMatrix;

// How much the song's repetitions change at each frame: for every distance in time, how much
// more or less the `half` frames from it on are repeated at that distance than the `half` frames
// before it. A chorus starts where repetitions of it start, whether or not its chords differ
// from the verse's; a key change does not count. Distances under minLag are left out.
std::vector<float> repetitionNovelty(const SimilarityMatrix &matrix, int half, int minLag);

// Where sections begin: the strongest peaks of the novelty above `floor`, at least minGap frames
// apart, in order, with frame 0 always first.
std::vector<int> boundaries(const std::vector<float> &novelty, int minGap, float floor);

// How often each frame's passage comes back elsewhere in the song: in its row of the matrix,
// every run of kept cells at least minLag frames off the diagonal is one repetition, counted by
// its best cell, so a chorus heard four times counts about three and a verse sung to new words
// less.
std::vector<float> repetitionCount(const SimilarityMatrix &matrix, int minLag);

// How well the passage of `length` frames from `from` comes back `lag` frames later: the mean
// of those cells of the matrix, 0 where they were not kept.
float repeatsAt(const SimilarityMatrix &matrix, int from, int length, int lag);

} // namespace analysis

#endif
