#include "suggestlength.h"

#include <algorithm>

ClipModel::Ms suggestionLengthMs(const ClipModel &clip)
{
    ClipModel opening;
    opening.reset(clip.duration());
    if (clip == opening && clip.length() == ClipModel::defaultLengthMs)
        return openingSuggestionMs;
    return std::max(clip.length(), shortestSuggestionMs);
}
