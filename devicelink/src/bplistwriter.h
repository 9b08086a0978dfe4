// The binary form written by this library. Whatever a database read from the binary form still
// holds unchanged is copied from it byte for byte, so values that the plist library reads only
// approximately (lone surrogates, 128-bit integers, odd dates, sets) go back exactly as read.
#ifndef HANDVIA_BPLISTWRITER_H
#define HANDVIA_BPLISTWRITER_H

#include <plist/plist.h>
#include <string>

namespace handvia {

// original: the binary form that root was read from, or null; parsed: the form of it that the
// plist library parsed (readableform.h), when not the original itself. Empty when writing
// failed.
std::string writeBinaryPlist(plist_t root,
                             const std::string *original,
                             const std::string *parsed = nullptr);

} // namespace handvia

#endif
