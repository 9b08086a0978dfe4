#include "readableform.h"

#include "bplist.h"

#include <cstdint>
#include <vector>

namespace handvia {

namespace {

const char byteOrderMark[] = "\xEF\xBB\xBF";
const uint16_t replacementCharacter = 0xFFFD;

void appendBigEndian(std::string &out, uint64_t value, size_t width)
{
    for (size_t i = width; i-- > 0;)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void appendMarker(std::string &out, unsigned type, uint64_t count)
{
    if (count < 0x0F) {
        out += static_cast<char>(type << 4 | count);
        return;
    }
    out += static_cast<char>(type << 4 | 0x0F);
    out += '\x13';
    appendBigEndian(out, count, 8);
}

// Where the object at offset ends, or 0 when its extent is unknown.
size_t objectEnd(const std::string &bytes, const BplistTrailer &t, uint64_t offset)
{
    const size_t leaf = bplistLeafSize(bytes, t, offset);
    if (leaf)
        return static_cast<size_t>(offset) + leaf;
    const BplistContainer c = bplistContainerAt(bytes, t, offset);
    if (!c.ok || !isBplistContainer(c.type))
        return 0;
    return c.refs + static_cast<size_t>(c.count) * t.refSize;
}

// Text as UTF-16 units with NUL replaced, ASCII bytes standing for themselves; no text at all
// as an empty ASCII string.
std::string readableText(const std::string &bytes, size_t pos, size_t end, size_t width)
{
    std::string out;
    const uint64_t count = (end - pos) / width;
    appendMarker(out, count ? 0x6 : 0x5, count);
    for (; pos + width <= end; pos += width) {
        const uint16_t unit = static_cast<uint16_t>(bigEndian(bytes, pos, width));
        appendBigEndian(out, unit ? unit : replacementCharacter, 2);
    }
    return out;
}

bool holdsNul(const std::string &bytes, size_t pos, size_t end, size_t width)
{
    for (; pos + width <= end; pos += width) {
        if (bigEndian(bytes, pos, width) == 0)
            return true;
    }
    return false;
}

// The object as the plist library reads it, or empty when it reads the original as it is.
std::string replacement(const std::string &bytes, size_t offset, size_t end)
{
    const unsigned char marker = static_cast<unsigned char>(bytes[offset]);
    const unsigned type = marker >> 4;
    std::string out;
    if (type == 0x8) {
        appendMarker(out, 0x4, (marker & 0x0Fu) + 1);
        out.append(bytes, offset + 1, end - offset - 1);
        return out;
    }
    uint64_t count = 0;
    size_t pos = 0;
    if ((type != 0x5 && type != 0x6) || !readBplistCount(bytes, offset, end, count, pos))
        return out;
    const size_t width = type == 0x6 ? 2 : 1;
    if ((type == 0x6 && count == 0) || holdsNul(bytes, pos, end, width))
        out = readableText(bytes, pos, end, width);
    return out;
}

std::string readableBinary(const std::string &bytes)
{
    const BplistTrailer t = readBplistTrailer(bytes);
    if (!t.valid || t.root >= t.objects)
        return bytes;
    std::string out = "bplist00";
    std::vector<uint64_t> offsets;
    offsets.reserve(t.objects);
    bool replaced = false;
    for (uint64_t i = 0; i < t.objects; ++i) {
        const uint64_t offset = bplistObjectOffset(bytes, t, i);
        const size_t end = objectEnd(bytes, t, offset);
        if (end == 0)
            return bytes;
        offsets.push_back(out.size());
        const std::string readable = replacement(bytes, static_cast<size_t>(offset), end);
        replaced = replaced || !readable.empty();
        if (readable.empty())
            out.append(bytes, static_cast<size_t>(offset), end - offset);
        else
            out += readable;
    }
    if (!replaced)
        return bytes;
    const uint64_t table = out.size();
    for (const uint64_t offset : offsets)
        appendBigEndian(out, offset, 8);
    out.append(6, '\0');
    out += '\x08';
    out += static_cast<char>(t.refSize);
    appendBigEndian(out, t.objects, 8);
    appendBigEndian(out, t.root, 8);
    appendBigEndian(out, table, 8);
    return out;
}

} // namespace

std::string readableForm(const std::string &bytes)
{
    if (bytes.compare(0, 6, "bplist") == 0)
        return readableBinary(bytes);
    if (bytes.compare(0, 3, byteOrderMark) == 0)
        return bytes.substr(3);
    return bytes;
}

} // namespace handvia
