#include "mp4length.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace handvia {

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;

bool readBigEndian(std::FILE *file, int bytes, uint64_t &value)
{
    unsigned char buffer[8];
    if (std::fread(buffer, 1, static_cast<size_t>(bytes), file) != static_cast<size_t>(bytes))
        return false;
    value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | buffer[i];
    return true;
}

// Finds the box of the given type among the boxes in [start, end); on success the file stands
// at the box's content and end is narrowed to the box's end.
bool findBox(std::FILE *file, const char *type, int64_t start, int64_t &end)
{
    for (int64_t at = start; at + 8 <= end;) {
        uint64_t size = 0;
        char name[4];
        if (fseeko(file, at, SEEK_SET) != 0 || !readBigEndian(file, 4, size)
            || std::fread(name, 1, 4, file) != 4)
            return false;
        int64_t header = 8;
        if (size == 1) {
            if (!readBigEndian(file, 8, size))
                return false;
            header = 16;
        } else if (size == 0) {
            size = static_cast<uint64_t>(end - at); // runs to the end
        }
        if (size < static_cast<uint64_t>(header) || size > static_cast<uint64_t>(end - at))
            return false;
        if (std::memcmp(name, type, 4) == 0) {
            end = at + static_cast<int64_t>(size);
            return fseeko(file, at + header, SEEK_SET) == 0;
        }
        at += static_cast<int64_t>(size);
    }
    return false;
}

} // namespace

bool mp4LengthMs(const std::string &path, uint64_t &lengthMs)
{
    File file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file || fseeko(file.get(), 0, SEEK_END) != 0)
        return false;
    int64_t end = ftello(file.get());
    uint64_t version = 0;
    if (!findBox(file.get(), "moov", 0, end)
        || !findBox(file.get(), "mvhd", ftello(file.get()), end)
        || !readBigEndian(file.get(), 4, version))
        return false;
    // Version 1 has 64-bit times; both skip the creation and modification times.
    const int wide = (version >> 24) == 1 ? 8 : 4;
    uint64_t skipped = 0, timescale = 0, duration = 0;
    if (!readBigEndian(file.get(), wide, skipped) || !readBigEndian(file.get(), wide, skipped)
        || !readBigEndian(file.get(), 4, timescale) || !readBigEndian(file.get(), wide, duration))
        return false;
    const uint64_t unknown = wide == 8 ? ~uint64_t(0) : 0xFFFFFFFFu;
    if (timescale == 0 || duration == unknown)
        return false;
    lengthMs = duration / timescale * 1000 + duration % timescale * 1000 / timescale;
    return true;
}

} // namespace handvia
