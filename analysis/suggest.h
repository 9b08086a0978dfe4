#ifndef ANALYSIS_SUGGEST_H
#define ANALYSIS_SUGGEST_H

#include "analysis/features.h"

#include <vector>

namespace analysis {

// What chose a suggested stretch.
enum class Rule {
    Repetition, // the stretch most repeated in the song: in popular music, the chorus
    Loudness, // no stretch repeats well enough (speech, noise, music without repetition)
    WholeFile, // the file is not longer than the stretch asked for
};

// The rule's name as the command line and the traces write it.
const char *ruleName(Rule rule);

struct Suggestion
{
    double start = 0.0; // seconds
    double end = 0.0;
    double score = 0.0; // the fitness as a repetition, 0 .. 1; 0 when loudness chose it
    Rule rule = Rule::Repetition;
};

// Up to count stretches of `length` seconds, best first, none overlapping an earlier one. The
// most repeated stretches come first; when fewer repeat well enough, the loudest stretches
// (by their mean loudness) fill the list. Memory stays bounded for any duration: songs longer
// than about twelve minutes are compared at a coarser step.
std::vector<Suggestion> suggest(const Features &features, double length, int count);

} // namespace analysis

#endif
