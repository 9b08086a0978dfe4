// Valid databases that the plist library refuses or aborts on: a NUL inside a string, a UID it
// finds too wide, an empty UTF-16 string, a byte-order mark before XML. They are handed to it
// in a form it reads, object for object: each object keeps its index and each container its
// references, so what the library reads maps back onto the original bytes, which are what a
// rewrite copies for everything left unchanged.
#ifndef HANDVIA_READABLEFORM_H
#define HANDVIA_READABLEFORM_H

#include <string>

namespace handvia {

// The bytes to parse in place of bytes: the same bytes when nothing needs replacing, or when
// the binary form cannot be walked (the plist library then refuses it as it would anyway).
// In the binary form a UID becomes data holding its bytes, an empty UTF-16 string an empty
// ASCII one, and a NUL in text U+FFFD; in the XML form a leading UTF-8 byte-order mark goes.
std::string readableForm(const std::string &bytes);

} // namespace handvia

#endif
