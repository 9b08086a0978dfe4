#include "analysis/selfsimilarity.h"

#include <algorithm>
#include <cmath>

namespace analysis {

std::vector<Chroma> reduceChroma(const std::vector<Chroma> &chroma, int hop)
{
    hop = std::max(1, hop);
    const int frames = int(chroma.size());
    const int count = (frames + hop - 1) / hop;
    const int half = hop * 2; // the window spans two hops either side of the centre
    std::vector<float> window(size_t(2 * half + 1));
    for (int k = -half; k <= half; ++k)
        window[size_t(k + half)] = float(0.5 + 0.5 * std::cos(M_PI * k / (half + 1)));
    std::vector<Chroma> reduced(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int centre = i * hop + (hop - 1) / 2;
        Chroma sum {};
        for (int k = -half; k <= half; ++k) {
            const int f = centre + k;
            if (f < 0 || f >= frames)
                continue;
            for (int j = 0; j < 12; ++j)
                sum[size_t(j)] += window[size_t(k + half)] * chroma[size_t(f)][size_t(j)];
        }
        float norm = 0.0f;
        for (float v : sum)
            norm += v * v;
        norm = std::sqrt(norm);
        for (float &v : sum)
            v = norm > 0.0f ? v / norm : float(1.0 / std::sqrt(12.0));
        reduced[size_t(i)] = sum;
    }
    return reduced;
}

SimilarityMatrix::SimilarityMatrix(const std::vector<Chroma> &sequence, int smoothing, double keep)
    : m_size(int(sequence.size()))
    , m_cells(size_t(m_size) * size_t(m_size), 0.0f)
{
    if (m_size == 0)
        return;
    fill(sequence, smoothing);
    keepBest(keep);
}

void SimilarityMatrix::fill(const std::vector<Chroma> &sequence, int smoothing)
{
    const int n = m_size;
    // Every frame in its twelve transpositions, so one dot product per shift runs straight.
    std::vector<float> rotated(size_t(n) * 144);
    for (int f = 0; f < n; ++f)
        for (int k = 0; k < 12; ++k)
            for (int j = 0; j < 12; ++j)
                rotated[(size_t(f) * 12 + size_t(k)) * 12 + size_t(j)]
                        = sequence[size_t(f)][size_t((j + k) % 12)];
    const int half = std::max(0, smoothing / 2);
    std::vector<float> dots(size_t(n) * 12);
    std::vector<double> prefix(size_t(n + 1));
    for (int d = 0; d < n; ++d) {
        const int length = n - d;
        for (int i = 0; i < length; ++i) {
            const float *x = sequence[size_t(i)].data();
            const float *y = rotated.data() + size_t(i + d) * 144;
            for (int k = 0; k < 12; ++k) {
                float dot = 0.0f;
                for (int j = 0; j < 12; ++j)
                    dot += x[j] * y[k * 12 + j];
                dots[size_t(k) * size_t(n) + size_t(i)] = dot;
            }
        }
        for (int k = 0; k < 12; ++k) {
            const float *line = dots.data() + size_t(k) * size_t(n);
            prefix[0] = 0.0;
            for (int i = 0; i < length; ++i)
                prefix[size_t(i + 1)] = prefix[size_t(i)] + line[i];
            for (int i = 0; i < length; ++i) {
                const int from = std::max(0, i - half);
                const int to = std::min(length, i + half + 1);
                const float mean = float((prefix[size_t(to)] - prefix[size_t(from)]) / (to - from));
                float &cell = m_cells[size_t(i) * size_t(n) + size_t(i + d)];
                if (k == 0 || mean > cell)
                    cell = mean;
            }
        }
        for (int i = 0; i < length; ++i)
            m_cells[size_t(i + d) * size_t(n) + size_t(i)]
                    = m_cells[size_t(i) * size_t(n) + size_t(i + d)];
    }
}

void SimilarityMatrix::keepBest(double keep)
{
    // The share is found on a histogram, so no second matrix is needed to sort.
    constexpr int Bins = 2048;
    std::vector<size_t> histogram(Bins, 0);
    const auto bin = [](float v) { return std::clamp(int(v * (Bins - 1)), 0, Bins - 1); };
    for (float v : m_cells)
        ++histogram[size_t(bin(v))];
    const size_t wanted = size_t(double(m_cells.size()) * keep);
    size_t seen = 0;
    int top = Bins - 1;
    for (; top > 0; --top) {
        seen += histogram[size_t(top)];
        if (seen >= wanted)
            break;
    }
    m_threshold = float(top) / (Bins - 1);
    size_t below = 0;
    int middle = 0;
    for (; middle < Bins - 1; ++middle) {
        below += histogram[size_t(middle)];
        if (below >= m_cells.size() / 2)
            break;
    }
    m_median = float(middle) / (Bins - 1);
    float highest = m_threshold;
    for (float v : m_cells)
        highest = std::max(highest, v);
    const float span = std::max(highest - m_threshold, 1e-6f);
    for (float &v : m_cells)
        v = v >= m_threshold ? (v - m_threshold) / span : -2.0f;
    for (int i = 0; i < m_size; ++i)
        m_cells[size_t(i) * size_t(m_size) + size_t(i)] = 1.0f;
}

} // namespace analysis
