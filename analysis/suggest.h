#ifndef ANALYSIS_SUGGEST_H
#define ANALYSIS_SUGGEST_H

#include "analysis/features.h"

#include <vector>

namespace analysis {

class Structure;

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
    double score = 0.0; // how well it begins a repeated section, 0 .. 1; 0 when loudness chose it
    Rule rule = Rule::Repetition;
};

// What makes a section the one to begin with, as weights of a score. The defaults are what the
// program uses; the benchmark tries others on some songs and measures them on others.
struct Tuning
{
    // Stretches are ranked by how well they repeat as a whole; each then starts on the section
    // boundary within reachBefore .. reachAfter spans of it whose section scores best on:
    double section = 1.0; // how often the section's passage comes back in the song
    double clip = 0.0; // how much of the whole stretch from that start comes back
    double followed = 0.0; // the section comes again straight after itself (a double chorus)
    double preceded = 1.0; // it is itself the repeat of the section before: a second half
    double late = 0.3; // how late in the song it begins
    double distance = 0.3; // how far it lies from the stretch, in spans
    double reachBefore = 0.5;
    double reachAfter = 0.75;
    double noveltySeconds = 6.0; // how far before and after a boundary the change is judged
    double lagSeconds = 10.0; // a passage counts as coming back only this much later or more
};

// Up to count stretches of `length` seconds, best first, none overlapping an earlier one. The
// stretches beginning with the song's most repeated section come first, each starting on the
// onset nearest the section's boundary; when fewer repeat well enough, the loudest stretches
// (by their mean loudness) fill the list. Memory stays bounded for any duration: songs longer
// than about twelve minutes are compared at a coarser step.
std::vector<Suggestion> suggest(const Features &features, double length, int count);
std::vector<Suggestion> suggest(const Features &features,
                                double length,
                                int count,
                                const Tuning &tuning);
// The same on a structure already found, with tuning.noveltySeconds, for the same features.
std::vector<Suggestion> suggest(const Features &features,
                                const Structure &structure,
                                double length,
                                int count,
                                const Tuning &tuning);

} // namespace analysis

#endif
