#ifndef ENCODERLEFTOVERS_H
#define ENCODERLEFTOVERS_H

#include <QString>

// The encoder writes its output under ".encoding-<pid>-XXXXXX" in the output folder and removes
// it on every way out it can catch; a run killed outright leaves it behind. Removes those of
// encoders that are gone, never one of a process still running; returns how many.
int sweepEncoderLeftovers(const QString &folder);

#endif
