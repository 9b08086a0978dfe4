// The ringtones of one phone: the database read from storage, changes staged in memory until
// commit, and the file copies that go with them.
#ifndef HANDVIA_STORE_H
#define HANDVIA_STORE_H

#include "database.h"
#include "storage.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace handvia {

class RingtoneStore
{
public:
    RingtoneStore();

    // Brings the database in line with storage; staged changes survive only while the same
    // connection (epoch) lasts.
    void sync(Storage &storage, uint64_t epoch);
    // Forgets everything, e.g. when the phone goes away.
    void drop();

    int commit(Storage &storage);
    int add(Storage &storage, const std::string &localPath, int lengthMs);
    bool get(int index, Ringtone &tone) const;
    int remove(int index);
    int rename(int index, const std::string &title);
    int copyFromPhone(Storage &storage, const std::string &phonePath, const std::string &local);
    int replaceOnPhone(Storage &storage, const std::string &phonePath, const std::string &local);

private:
    void load(Storage &storage);
    std::string newFileName(Storage &storage);
    std::string newGuid();
    bool writeDatabase(Storage &storage);
    void discardAdded(Storage &storage);

    Database m_db;
    std::vector<Ringtone> m_listed;
    bool m_loaded = false;
    bool m_dirty = false;
    Stamp m_stamp;
    uint64_t m_epoch = 0;
    std::vector<std::string> m_added;
    std::vector<std::string> m_removed;
    std::mt19937_64 m_random;
};

// "/iTunes_Control/Ringtones/X.m4r" -> "X.m4r"; empty for anything outside that folder.
std::string ringtoneFileOf(const std::string &phonePath);

} // namespace handvia

#endif
