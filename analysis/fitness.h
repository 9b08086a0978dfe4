#ifndef ANALYSIS_FITNESS_H
#define ANALYSIS_FITNESS_H

#include <vector>

namespace analysis {

class SimilarityMatrix;

// How well one stretch of a song stands for the whole: the best family of paths, each running
// through the whole stretch once (a repetition of it), that a song's other passages allow.
// score: the paths' mean similarity; coverage: the share of the song those repetitions cover.
// Both leave out the stretch's trivial match with itself, so a stretch heard only once has 0.
// fitness is their harmonic mean.
struct Fitness
{
    float fitness = 0.0f;
    float score = 0.0f;
    float coverage = 0.0f;
};

// The fitness of the stretch of `length` frames starting at frame `start`. Paths step one
// frame ahead in the song and in the stretch, or skip one frame in either, so a repetition may
// run up to twice as fast or as slow.
Fitness segmentFitness(const SimilarityMatrix &matrix, int start, int length);

// The fitness of the stretch at every start frame (size - length + 1 of them; none when the
// song is shorter than the stretch).
std::vector<Fitness> allFitness(const SimilarityMatrix &matrix, int length);

} // namespace analysis

#endif
