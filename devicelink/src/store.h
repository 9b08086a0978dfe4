// The ringtones of one phone: the database as last read, the changes staged since, and the file
// copies that go with them. A commit applies the staged changes to the database read again
// under the writers' lock, so what another writer did meanwhile is kept.
#ifndef HANDVIA_STORE_H
#define HANDVIA_STORE_H

#include "database.h"
#include "storage.h"

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace handvia {

// One change waiting for commit, naming its entry by file name, never by index.
struct Staged
{
    enum class Kind { Add, Rename, Remove };
    explicit Staged(Kind k = Kind::Add, std::string file = {})
        : kind(k)
        , fileName(std::move(file))
    { }

    Kind kind;
    std::string fileName;
    std::string title;
    std::string guid;
    uint64_t pid = 0;
    uint64_t lengthMs = 0;
};

class RingtoneStore
{
public:
    RingtoneStore();

    // A new epoch is a new connection: staged changes are forgotten and the unfinished files
    // of writers that are gone are removed.
    void attach(Storage &storage, uint64_t epoch);
    // Forgets everything, e.g. when the phone goes away; the next attach is a new connection.
    void drop();

    int commit(Storage &storage);
    int add(Storage &storage, const std::string &localPath, int lengthMs);
    // Index 0 looks at the database again; later indexes answer from that pass.
    int get(Storage &storage, int index, Ringtone &tone);
    int remove(Storage &storage, int index);
    int rename(Storage &storage, int index, const std::string &title);
    int copyFromPhone(Storage &storage, const std::string &phonePath, const std::string &local);
    int replaceOnPhone(Storage &storage, const std::string &phonePath, const std::string &local);

private:
    bool refresh(Storage &storage);
    bool ensureLoaded(Storage &storage) { return m_loaded || refresh(storage); }
    void stage(Staged change);
    void applyStaged(Database &db, std::vector<std::string> *removedFiles);
    bool writeStaged(Storage &storage);
    void cleanLeftovers(Storage &storage);
    std::string newFileName(Storage &storage);
    std::string newGuid(const Database &db);

    Database m_base;
    Stamp m_stamp;
    bool m_loaded = false;
    Database m_view; // m_base with the staged changes applied: what the table lists
    std::vector<Ringtone> m_listed;
    std::vector<Staged> m_staged;
    uint64_t m_epoch = ~uint64_t(0);
    std::mt19937_64 m_random;
};

// "/iTunes_Control/Ringtones/X.m4r" -> "X.m4r"; empty for anything outside that folder.
std::string ringtoneFileOf(const std::string &phonePath);

} // namespace handvia

#endif
