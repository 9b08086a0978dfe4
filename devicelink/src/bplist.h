// The binary plist layout shared by the checks that run on raw bytes before parsing.
#ifndef HANDVIA_BPLIST_H
#define HANDVIA_BPLIST_H

#include <cstdint>
#include <string>

namespace handvia {

const size_t bplistTrailerSize = 32;

inline uint64_t bigEndian(const std::string &bytes, size_t pos, size_t count)
{
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[pos + i]);
    return value;
}

// The trailer's fields; valid is false when the offset table does not fit the file.
struct BplistTrailer
{
    bool valid = false;
    size_t offsetSize = 0;
    size_t refSize = 0;
    uint64_t objects = 0;
    uint64_t root = 0;
    uint64_t table = 0;
};

inline BplistTrailer readBplistTrailer(const std::string &bytes)
{
    BplistTrailer t;
    if (bytes.size() < 8 + bplistTrailerSize)
        return t;
    const size_t trailer = bytes.size() - bplistTrailerSize;
    t.offsetSize = static_cast<unsigned char>(bytes[trailer + 6]);
    t.refSize = static_cast<unsigned char>(bytes[trailer + 7]);
    t.objects = bigEndian(bytes, trailer + 8, 8);
    t.root = bigEndian(bytes, trailer + 16, 8);
    t.table = bigEndian(bytes, trailer + 24, 8);
    t.valid = t.offsetSize >= 1 && t.offsetSize <= 8 && t.table <= trailer && t.objects <= trailer
            && t.table + t.objects * t.offsetSize <= trailer;
    return t;
}

// Where object i starts, or table (never a valid start) when the offset table says otherwise.
inline uint64_t bplistObjectOffset(const std::string &bytes, const BplistTrailer &t, uint64_t i)
{
    const uint64_t offset = bigEndian(bytes, t.table + i * t.offsetSize, t.offsetSize);
    return offset < t.table ? offset : t.table;
}

// The count that follows a marker: its low four bits, or the integer object after it when they
// are all set. next is where the object's content starts; false when that runs past end.
inline bool readBplistCount(
        const std::string &bytes, size_t offset, size_t end, uint64_t &count, size_t &next)
{
    count = static_cast<unsigned char>(bytes[offset]) & 0x0F;
    next = offset + 1;
    if (count != 0x0F)
        return true;
    if (next >= end)
        return false;
    const unsigned char sizeMarker = static_cast<unsigned char>(bytes[next]);
    const size_t width = size_t(1) << (sizeMarker & 0x0F);
    if ((sizeMarker >> 4) != 1 || width > 8 || next + 1 + width > end)
        return false;
    count = bigEndian(bytes, next + 1, width);
    next += 1 + width;
    return true;
}

// The size of the leaf object at offset, or 0 when it is no leaf whose size is known.
inline size_t bplistLeafSize(const std::string &bytes, const BplistTrailer &t, uint64_t offset)
{
    if (offset >= t.table)
        return 0;
    const unsigned char marker = static_cast<unsigned char>(bytes[offset]);
    const unsigned type = marker >> 4, low = marker & 0x0F;
    uint64_t size = 0;
    if (type == 0x0) {
        size = low == 0x8 || low == 0x9 ? 1 : 0; // false, true
    } else if (type == 0x1 || type == 0x2) {
        size = low <= (type == 0x1 ? 4u : 3u) ? 1 + (uint64_t(1) << low) : 0; // integer, real
    } else if (type == 0x3) {
        size = low == 0x3 ? 9 : 0; // date
    } else if (type == 0x8) {
        size = 2 + low; // uid
    } else if (type == 0x4 || type == 0x5 || type == 0x6) { // data, ASCII, UTF-16
        uint64_t count = 0;
        size_t next = 0;
        if (!readBplistCount(bytes, offset, t.table, count, next) || count > t.table)
            return 0;
        size = next - offset + count * (type == 0x6 ? 2 : 1);
    }
    return size && offset + size <= t.table ? static_cast<size_t>(size) : 0;
}

// One object of the binary form: its type (the marker's high four bits) and, for a container,
// where its references start and how many there are (a dictionary's keys, then its values).
struct BplistContainer
{
    bool ok = false;
    unsigned type = 0;
    size_t refs = 0;
    uint64_t count = 0;
};

inline bool isBplistContainer(unsigned type)
{
    return type == 0xA || type == 0xB || type == 0xC || type == 0xD;
}

inline BplistContainer bplistContainerAt(const std::string &bytes,
                                         const BplistTrailer &t,
                                         uint64_t offset)
{
    BplistContainer c;
    if (offset >= t.table)
        return c;
    c.type = static_cast<unsigned char>(bytes[offset]) >> 4;
    c.ok = true;
    if (!isBplistContainer(c.type))
        return c; // a leaf: no references
    uint64_t count = 0;
    size_t pos = 0;
    if (!readBplistCount(bytes, offset, t.table, count, pos))
        return BplistContainer();
    if (c.type == 0xD)
        count *= 2;
    if (t.refSize < 1 || t.refSize > 8 || count > t.table || pos + count * t.refSize > t.table)
        return BplistContainer();
    c.refs = pos;
    c.count = count;
    return c;
}

} // namespace handvia

#endif
