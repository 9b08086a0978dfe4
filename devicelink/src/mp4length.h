// The length of an MP4 audio file (.m4a, .m4r), read from its movie header, so a replaced tone's
// entry can say how long the new content plays.
#ifndef HANDVIA_MP4LENGTH_H
#define HANDVIA_MP4LENGTH_H

#include <cstdint>
#include <string>

namespace handvia {

// Milliseconds, or false when the file has no readable movie header.
bool mp4LengthMs(const std::string &path, uint64_t &lengthMs);

} // namespace handvia

#endif
