// The plist library recurses once per nesting level when it parses and when it frees, and it
// builds a node of its own for every reference of the binary form, even to an object already
// built: a deeply nested file would overflow the stack, and objects referenced many times over
// would build a tree exponentially larger than the file. Both are measured on the raw bytes first.
#ifndef HANDVIA_PLISTBOUNDS_H
#define HANDVIA_PLISTBOUNDS_H

#include <cstdint>
#include <string>

namespace handvia {

struct ParseBounds
{
    int depth; // levels of containers
    uint32_t nodes; // nodes the plist library would build, below 2^32 - 1
};

// True when parsing the bytes would exceed the bounds, or the binary form's objects cannot be
// walked (references out of range or in a cycle).
bool exceedsParseBounds(const std::string &bytes, const ParseBounds &bounds);

} // namespace handvia

#endif
