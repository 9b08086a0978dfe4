// Where the ringtone store keeps its files: a folder or a phone reached over AFC. Paths are
// relative to the media root, '/'-separated, and already checked by the store.
#ifndef HANDVIA_STORAGE_H
#define HANDVIA_STORAGE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace handvia {

// Identifies one version of a file, so an unchanged database is not read again.
struct Stamp
{
    bool exists = false;
    uint64_t size = 0;
    uint64_t modified = 0;
    uint64_t identity = 0;

    bool operator==(const Stamp &o) const
    {
        return exists == o.exists && size == o.size && modified == o.modified
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
    // Held around a commit so that no other sync tool writes at the same time.
    virtual bool beginSync() { return true; }
    virtual void endSync() { }
};

// Local files, for the copies to and from the computer.
std::unique_ptr<Stream> openLocalRead(const std::string &path);
std::unique_ptr<Stream> openLocalWrite(const std::string &path);

// Copies everything; false on any read or write failure.
bool pump(Stream &from, Stream &to);

} // namespace handvia

#endif
