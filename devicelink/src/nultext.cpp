#include "nultext.h"

#include "bplist.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace handvia {

namespace {

// Checks one string object of the binary form; false when it cannot be read.
bool stringObjectIsClean(const std::string &bytes, size_t offset, size_t end)
{
    const unsigned char marker = static_cast<unsigned char>(bytes[offset]);
    const unsigned type = marker >> 4;
    if (type != 5 && type != 6)
        return true;
    uint64_t length = 0;
    size_t pos = 0;
    if (!readBplistCount(bytes, offset, end, length, pos))
        return false;
    const uint64_t width = type == 6 ? 2 : 1;
    if (length > end || pos + length * width > end)
        return false;
    for (uint64_t i = 0; i < length; ++i) {
        const size_t at = pos + i * width;
        if (bytes[at] == '\0' && (width == 1 || bytes[at + 1] == '\0'))
            return false;
    }
    return true;
}

bool binaryMayHoldNul(const std::string &bytes)
{
    const BplistTrailer t = readBplistTrailer(bytes);
    if (!t.valid)
        return true;
    for (uint64_t i = 0; i < t.objects; ++i) {
        const uint64_t offset = bplistObjectOffset(bytes, t, i);
        if (offset >= t.table || !stringObjectIsClean(bytes, offset, t.table))
            return true;
    }
    return false;
}

// A raw NUL, or a character reference such as "&#0;" or "&#x00;".
bool xmlMayHoldNul(const std::string &bytes)
{
    if (bytes.find('\0') != std::string::npos)
        return true;
    for (size_t at = bytes.find("&#"); at != std::string::npos; at = bytes.find("&#", at + 2)) {
        size_t pos = at + 2;
        const bool hex = pos < bytes.size() && (bytes[pos] == 'x' || bytes[pos] == 'X');
        if (hex)
            ++pos;
        bool digits = false, nonZero = false;
        for (; pos < bytes.size(); ++pos) {
            const unsigned char c = static_cast<unsigned char>(bytes[pos]);
            if (!(hex ? std::isxdigit(c) : std::isdigit(c)))
                break;
            digits = true;
            nonZero = nonZero || c != '0';
        }
        if (digits && !nonZero)
            return true;
    }
    return false;
}

} // namespace

bool mayHoldNulText(const std::string &bytes)
{
    if (bytes.compare(0, 6, "bplist") == 0)
        return binaryMayHoldNul(bytes);
    return xmlMayHoldNul(bytes);
}

} // namespace handvia
