// The plist library recurses once per nesting level when it parses and when it frees, so a
// deeply nested file would overflow the stack: its depth is measured on the raw bytes first.
#ifndef HANDVIA_PLISTDEPTH_H
#define HANDVIA_PLISTDEPTH_H

#include <string>

namespace handvia {

// True when containers nest deeper than limit, or the binary form's objects cannot be walked
// (references out of range or in a cycle).
bool nestsDeeperThan(const std::string &bytes, int limit);

} // namespace handvia

#endif
