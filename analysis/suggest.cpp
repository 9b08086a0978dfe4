#include "analysis/suggest.h"

#include "analysis/fitness.h"
#include "analysis/selfsimilarity.h"

#include <algorithm>
#include <cmath>
#include <numeric>

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
// Below this fitness a stretch does not count as repeated.
constexpr double MinFitness = 0.2;

bool overlaps(const std::vector<Suggestion> &chosen, double start, double end)
{
    for (const Suggestion &s : chosen)
        if (start < s.end - 1e-9 && s.start < end - 1e-9)
            return true;
    return false;
}

void addByRepetition(const Features &features,
                     double length,
                     int count,
                     std::vector<Suggestion> &chosen)
{
    const int frames = int(features.chroma.size());
    const int hop = std::max(BaseHop, (frames + MaxFrames - 1) / MaxFrames);
    const double step = double(hop) / Features::FramesPerSecond;
    const int span = int(std::lround(length / step));
    const std::vector<Chroma> sequence = reduceChroma(features.chroma, hop);
    // A repetition needs room for the stretch twice.
    if (span < 1 || int(sequence.size()) < 2 * span)
        return;
    const int smoothing = std::max(2, int(std::lround(SmoothingSeconds / step)));
    const SimilarityMatrix matrix(sequence, smoothing, KeptShare);
    if (matrix.contrast() < MinContrast)
        return;
    const std::vector<Fitness> fitness = allFitness(matrix, span);
    std::vector<int> order(fitness.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&fitness](int a, int b) {
        return fitness[size_t(a)].fitness > fitness[size_t(b)].fitness;
    });
    for (int at : order) {
        if (int(chosen.size()) >= count || fitness[size_t(at)].fitness < MinFitness)
            break;
        const double start = std::min(at * step, features.duration - length);
        if (!overlaps(chosen, start, start + length))
            chosen.push_back(
                    {start, start + length, fitness[size_t(at)].fitness, Rule::Repetition});
    }
}

void addByLoudness(const Features &features,
                   double length,
                   int count,
                   std::vector<Suggestion> &chosen)
{
    const std::vector<float> &power = features.power;
    const int span = std::max(1, int(std::lround(length * Features::FramesPerSecond)));
    if (power.size() < size_t(span))
        return;
    std::vector<double> sum(power.size() + 1, 0.0);
    for (size_t i = 0; i < power.size(); ++i)
        sum[i + 1] = sum[i] + power[i];
    std::vector<int> order(power.size() - size_t(span) + 1);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&sum, span](int a, int b) {
        return sum[size_t(a + span)] - sum[size_t(a)] > sum[size_t(b + span)] - sum[size_t(b)];
    });
    for (int at : order) {
        if (int(chosen.size()) >= count)
            break;
        const double start
                = std::min(double(at) / Features::FramesPerSecond, features.duration - length);
        if (!overlaps(chosen, start, start + length))
            chosen.push_back({start, start + length, 0.0, Rule::Loudness});
    }
}

} // namespace

const char *ruleName(Rule rule)
{
    switch (rule) {
    case Rule::Repetition:
        return "repetition";
    case Rule::Loudness:
        return "loudness";
    case Rule::WholeFile:
        return "whole file";
    }
    return "";
}

std::vector<Suggestion> suggest(const Features &features, double length, int count)
{
    std::vector<Suggestion> chosen;
    if (count < 1 || features.duration <= 0.0 || !(length > 0.0))
        return chosen;
    if (features.duration <= length) {
        chosen.push_back({0.0, features.duration, 0.0, Rule::WholeFile});
        return chosen;
    }
    addByRepetition(features, length, count, chosen);
    addByLoudness(features, length, count, chosen);
    return chosen;
}

} // namespace analysis
