#include "analysis/fitness.h"

#include "analysis/selfsimilarity.h"

#include <limits>

namespace analysis {

namespace {

// The best path family through the cells of the rows so far, ending in a given state.
struct State
{
    float score = -std::numeric_limits<float>::infinity();
    int cells = 0; // cells on all paths
    int covered = 0; // rows covered by finished paths
    int start = 0; // first row of the path that is running
};

inline const State &better(const State &a, const State &b)
{
    return b.score > a.score ? b : a;
}

} // namespace

Fitness segmentFitness(const SimilarityMatrix &matrix, int start, int length)
{
    const int n = matrix.size();
    if (length < 1 || start < 0 || start + length > n)
        return {};
    // Three rows of path states (this one and the two before), each for every frame of the
    // stretch; `between` is the best family with no path running at the start of a row.
    std::vector<State> rows(size_t(3 * length));
    State between;
    between.score = 0.0f;
    for (int r = 0; r < n; ++r) {
        State *now = rows.data() + size_t(r % 3) * size_t(length);
        const State *last = r >= 1 ? rows.data() + size_t((r + 2) % 3) * size_t(length) : nullptr;
        const State *earlier
                = r >= 2 ? rows.data() + size_t((r + 1) % 3) * size_t(length) : nullptr;
        if (last) {
            // A path that reached the stretch's last frame on the row before ends there.
            State ended = last[length - 1];
            ended.covered += r - ended.start;
            between = better(between, ended);
        }
        const float *cells = matrix.row(r) + start;
        State first = between;
        first.score += cells[0];
        first.cells += 1;
        first.start = r;
        now[0] = first;
        for (int m = 1; m < length; ++m) {
            State best;
            if (last) {
                best = last[m - 1];
                if (m >= 2)
                    best = better(best, last[m - 2]);
            }
            if (earlier)
                best = better(best, earlier[m - 1]);
            best.score += cells[m];
            best.cells += 1;
            now[m] = best;
        }
    }
    State ended = rows[size_t((n - 1) % 3) * size_t(length) + size_t(length - 1)];
    ended.covered += n - ended.start;
    const State &family = better(between, ended);
    // The stretch's own path, along the main diagonal, scores 1 a cell.
    Fitness result;
    if (family.cells <= length)
        return result;
    result.score = (family.score - length) / float(family.cells - length);
    result.coverage = float(family.covered - length) / float(n);
    if (result.score > 0.0f && result.coverage > 0.0f)
        result.fitness = 2 * result.score * result.coverage / (result.score + result.coverage);
    return result;
}

std::vector<Fitness> allFitness(const SimilarityMatrix &matrix, int length)
{
    std::vector<Fitness> result;
    for (int start = 0; start + length <= matrix.size(); ++start)
        result.push_back(segmentFitness(matrix, start, length));
    return result;
}

} // namespace analysis
