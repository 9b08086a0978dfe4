#include "analysis/suggest.h"

#include "analysis/fitness.h"
#include "analysis/onsets.h"
#include "analysis/sections.h"
#include "analysis/structure.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace analysis {

namespace {

// Below this fitness a stretch does not count as repeated.
constexpr double MinFitness = 0.2;
// How far a section's start may move to the onset of its first note.
constexpr double SnapReach = 0.6;

bool overlaps(const std::vector<Suggestion> &chosen, double start, double end)
{
    for (const Suggestion &s : chosen)
        if (start < s.end - 1e-9 && s.start < end - 1e-9)
            return true;
    return false;
}

float meanOf(const std::vector<float> &values, int from, int to)
{
    to = std::min(to, int(values.size()));
    double sum = 0.0;
    for (int i = from; i < to; ++i)
        sum += values[size_t(i)];
    return to > from ? float(sum / (to - from)) : 0.0f;
}

// The section boundary near a repeated stretch that begins its most repeated part: the stretch
// most repeated as a whole often opens with a verse that comes back before each chorus, which
// recurs more often and later.
int sectionStart(const Structure &song, int stretch, int span, const Tuning &tuning)
{
    const std::vector<float> &repeats = song.repetitions();
    const double most = std::max(1e-6f, *std::max_element(repeats.begin(), repeats.end()));
    const std::vector<int> &b = song.bounds();
    int best = stretch;
    double bestScore = -1e9;
    for (size_t k = 0; k < b.size(); ++k) {
        if (b[k] < stretch - int(tuning.reachBefore * span)
            || b[k] > stretch + int(tuning.reachAfter * span))
            continue;
        const int next = k + 1 < b.size() ? b[k + 1] : song.frames();
        const int length = next - b[k];
        const double section = meanOf(repeats, b[k], std::min(next, b[k] + span)) / most;
        const double clip = meanOf(repeats, b[k], b[k] + span) / most;
        const double followed = repeatsAt(song.matrix(), b[k], length, length);
        const int before = k > 0 ? b[k] - b[k - 1] : 0;
        const double preceded = k > 0 ? repeatsAt(song.matrix(), b[k - 1], before, before) : 0.0;
        const double score = tuning.section * section + tuning.clip * clip
                + tuning.followed * followed - tuning.preceded * preceded
                + tuning.late * b[k] / song.frames()
                - tuning.distance * std::abs(b[k] - stretch) / span;
        if (score > bestScore) {
            bestScore = score;
            best = b[k];
        }
    }
    return best;
}

void addByRepetition(const Features &features,
                     const Structure &song,
                     double length,
                     int count,
                     const Tuning &tuning,
                     std::vector<Suggestion> &chosen)
{
    const int span = int(std::lround(length / song.step()));
    // A repetition needs room for the stretch twice.
    if (!song.repeats() || span < 1 || song.frames() < 2 * span)
        return;
    const std::vector<Fitness> &fitness = song.fitness(span);
    std::vector<int> order(fitness.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&fitness](int a, int b) {
        return fitness[size_t(a)].fitness > fitness[size_t(b)].fitness;
    });
    for (int at : order) {
        if (int(chosen.size()) >= count || fitness[size_t(at)].fitness < MinFitness)
            break;
        const double boundary = sectionStart(song, at, span, tuning) * song.step();
        const double start = std::min(snapToOnset(features.onset, boundary, SnapReach),
                                      features.duration - length);
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
    return suggest(features, length, count, Tuning());
}

std::vector<Suggestion> suggest(const Features &features,
                                double length,
                                int count,
                                const Tuning &tuning)
{
    if (count < 1 || !(length > 0.0) || features.duration <= length)
        return suggest(features, Structure(), length, count, tuning);
    return suggest(features,
                   Structure(features, tuning.noveltySeconds, tuning.lagSeconds),
                   length,
                   count,
                   tuning);
}

std::vector<Suggestion> suggest(const Features &features,
                                const Structure &structure,
                                double length,
                                int count,
                                const Tuning &tuning)
{
    std::vector<Suggestion> chosen;
    if (count < 1 || features.duration <= 0.0 || !(length > 0.0))
        return chosen;
    if (features.duration <= length) {
        chosen.push_back({0.0, features.duration, 0.0, Rule::WholeFile});
        return chosen;
    }
    addByRepetition(features, structure, length, count, tuning, chosen);
    addByLoudness(features, length, count, chosen);
    return chosen;
}

} // namespace analysis
