#ifndef SUGGESTLENGTH_H
#define SUGGESTLENGTH_H

#include "editor/clipmodel.h"

// A suggestion is never shorter than this: less tells nothing of a song.
constexpr ClipModel::Ms shortestSuggestionMs = 5000;
// What the ten seconds every file opens with become: a ringtone's usual length.
constexpr ClipModel::Ms openingSuggestionMs = 30000;

// The length a suggestion takes from the clip: the clip's own, at least five seconds; the
// clip a file opens with, untouched, becomes thirty seconds.
ClipModel::Ms suggestionLengthMs(const ClipModel &clip);

#endif
