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

} // namespace handvia

#endif
