// The plist library aborts when it hands out a dictionary key holding a NUL byte, so such
// input is recognised on the raw bytes, before parsing.
#ifndef HANDVIA_NULTEXT_H
#define HANDVIA_NULTEXT_H

#include <string>

namespace handvia {

// True when some text in the plist may hold a NUL byte, or the binary form cannot be walked.
bool mayHoldNulText(const std::string &bytes);

} // namespace handvia

#endif
