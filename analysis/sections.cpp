#include "analysis/sections.h"

#include "analysis/selfsimilarity.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace analysis {

std::vector<float> repetitionNovelty(const SimilarityMatrix &matrix, int half, int minLag)
{
    const int n = matrix.size();
    half = std::max(1, half);
    std::vector<float> result(size_t(n), 0.0f);
    std::vector<double> prefix(size_t(n) + 1);
    for (int lag = -(n - 1); lag < n; ++lag) {
        if (std::abs(lag) < minLag)
            continue;
        // The cells lag frames off the diagonal, frame t's in row t.
        prefix[0] = 0.0;
        for (int t = 0; t < n; ++t) {
            const int c = t + lag;
            const float v = c >= 0 && c < n ? std::max(0.0f, matrix.at(t, c)) : 0.0f;
            prefix[size_t(t) + 1] = prefix[size_t(t)] + v;
        }
        for (int i = 1; i < n; ++i) {
            const int from = std::max(0, i - half), to = std::min(n, i + half);
            const double before = (prefix[size_t(i)] - prefix[size_t(from)]) / half;
            const double after = (prefix[size_t(to)] - prefix[size_t(i)]) / half;
            result[size_t(i)] += float(std::fabs(after - before));
        }
    }
    return result;
}

std::vector<int> boundaries(const std::vector<float> &novelty, int minGap, float floor)
{
    const int n = int(novelty.size());
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&novelty](int a, int b) {
        return novelty[size_t(a)] > novelty[size_t(b)];
    });
    std::vector<int> found = {0};
    for (int at : order) {
        if (novelty[size_t(at)] <= floor)
            break;
        const bool apart = std::all_of(found.begin(), found.end(), [at, minGap](int b) {
            return std::abs(b - at) >= minGap;
        });
        if (apart)
            found.push_back(at);
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<float> repetitionCount(const SimilarityMatrix &matrix, int minLag)
{
    const int n = matrix.size();
    std::vector<float> count(size_t(n), 0.0f);
    for (int i = 0; i < n; ++i) {
        const float *row = matrix.row(i);
        float best = -1.0f;
        for (int j = 0; j <= n; ++j) {
            const bool kept = j < n && std::abs(i - j) >= minLag && row[j] >= 0.0f;
            if (kept) {
                best = std::max(best, row[j]);
            } else if (best >= 0.0f) {
                count[size_t(i)] += best;
                best = -1.0f;
            }
        }
    }
    return count;
}

float repeatsAt(const SimilarityMatrix &matrix, int from, int length, int lag)
{
    const int n = matrix.size();
    double sum = 0.0;
    int cells = 0;
    for (int t = 0; t < length && from + t < n && from + t + lag < n; ++t) {
        sum += std::max(0.0f, matrix.at(from + t, from + t + lag));
        ++cells;
    }
    return cells > 0 ? float(sum / cells) : 0.0f;
}

} // namespace analysis
