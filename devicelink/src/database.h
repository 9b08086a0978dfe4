// The ringtone database (Ringtones.plist) held in memory: parsed from either plist form,
// listed without the entries the phone would drop, changed in place, written back binary with
// what was not changed kept as read.
#ifndef HANDVIA_DATABASE_H
#define HANDVIA_DATABASE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace handvia {

// Larger files are not ringtone databases: the reader refuses them, which bounds memory, and
// so none is ever written.
constexpr size_t maxDatabaseSize = size_t {16} * 1024 * 1024;

struct Ringtone
{
    std::string fileName;
    std::string title; // valid UTF-8, as stored (as the phone shows it)
    uint64_t totalTimeMs = 0;
    bool tone = false; // "Media Kind" is "tone": an alert (text) tone
};

class Database
{
public:
    // Repaired: read, but text that was not UTF-8 had to be replaced.
    enum class Origin { Empty, Read, Repaired, Unreadable };

    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;
    Database(Database &&other) noexcept;
    Database &operator=(Database &&other) noexcept;

    // Unreadable content lists nothing and must never be written over.
    static Database fromBytes(const std::string &bytes);

    Origin origin() const { return m_origin; }
    std::vector<Ringtone> list() const;
    bool hasFile(const std::string &fileName) const;
    bool hasGuid(const std::string &guid) const;

    bool rename(int index, const std::string &title);
    // The removed entry's file name, or empty when index names no listed entry.
    std::string remove(int index);
    void append(const std::string &fileName,
                const std::string &title,
                const std::string &guid,
                uint64_t pid,
                uint64_t totalTimeMs);

    // By file name, for changes applied to a database read again.
    bool renameFile(const std::string &fileName, const std::string &title);
    bool removeFile(const std::string &fileName);
    // A text tone gets "Media Kind" "tone"; a ringtone loses only that value, so what other
    // programs wrote there stays.
    bool setFileKind(const std::string &fileName, bool tone);
    // Only the entry's "Total Time"; false when no entry has that file name.
    bool setTotalTime(const std::string &fileName, uint64_t totalTimeMs);

    Database copy() const;
    // Entries and keys not changed since reading keep the bytes they were read with. Empty when
    // nothing can be written, as when writable() is false.
    std::string toBinary() const;
    // False for an XML database holding values that the binary form cannot carry as they were
    // read (numbers out of range, dates that are none): it is never rewritten.
    bool writable() const { return m_writable; }

private:
    void *entryAt(int index, std::string *fileName) const;
    void *entryOf(const std::string &fileName) const; // null unless a dictionary
    void *ringtones() const;

    void *m_root = nullptr;
    Origin m_origin = Origin::Empty;
    std::shared_ptr<const std::string> m_binary; // the binary form read, when it was one
    std::shared_ptr<const std::string> m_parsed; // what the plist library parsed instead, if not it
    bool m_writable = true;
};

} // namespace handvia

#endif
