// Where the ringtone store keeps its files: a folder or a phone reached over AFC. Paths are
// relative to the media root, '/'-separated, and already checked by the store.
#ifndef HANDVIA_STORAGE_H
#define HANDVIA_STORAGE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace handvia {

// Identifies one version of a file, so an unchanged database is not read again.
struct Stamp
{
    bool exists = false;
    // The file could not be looked at (busy, I/O, permission): not the same as missing.
    bool failed = false;
    uint64_t size = 0;
    uint64_t modified = 0;
    uint64_t identity = 0;

    bool operator==(const Stamp &o) const
    {
        return exists == o.exists && failed == o.failed && size == o.size && modified == o.modified
                && identity == o.identity;
    }
    bool operator!=(const Stamp &o) const { return !(*this == o); }
};

class Stream
{
public:
    virtual ~Stream() = default;
    // Bytes read, 0 at the end, negative on failure.
    virtual long read(char *data, size_t size) = 0;
    virtual bool write(const char *data, size_t size) = 0;
    // False when buffered data could not be written.
    virtual bool close() = 0;
};

class Storage
{
public:
    virtual ~Storage() = default;
    virtual std::unique_ptr<Stream> openRead(const std::string &path) = 0;
    // Creates or truncates.
    virtual std::unique_ptr<Stream> openWrite(const std::string &path) = 0;
    virtual bool rename(const std::string &from, const std::string &to) = 0;
    virtual bool remove(const std::string &path) = 0;
    virtual bool makeDir(const std::string &path) = 0;
    virtual Stamp stamp(const std::string &path) = 0;
    // The names in a folder, without "." and "..".
    virtual bool list(const std::string &path, std::vector<std::string> &names) = 0;

    // The writers' lock around a commit, with whatever the phone needs to hear about it; false
    // when it could not be had in about 10 s.
    virtual bool beginSync() = 0;
    virtual void endSync() = 0;
    // The same lock taken at once or not at all, for quick housekeeping.
    virtual bool tryLockWriters() = 0;
    virtual void unlockWriters() = 0;

    // The connection behind this storage died; a new one must be opened.
    virtual bool broken() const { return false; }
};

// Local files, for the copies to and from the computer.
std::unique_ptr<Stream> openLocalRead(const std::string &path);
std::unique_ptr<Stream> openLocalWrite(const std::string &path);

// Copies everything; false on any read or write failure.
bool pump(Stream &from, Stream &to);

} // namespace handvia

#endif
