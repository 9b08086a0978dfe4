// The ringtones of one phone: the database as last read, the changes staged since, and the
// uploads that go with them. A commit applies the staged changes to the database read again
// under the writers' lock, so what another writer did meanwhile is kept.
#ifndef HANDVIA_STORE_H
#define HANDVIA_STORE_H

#include "database.h"
#include "journal.h"
#include "storage.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace handvia {

// One change waiting for commit, naming its entry by file name, never by index.
struct Staged
{
    enum class Kind { Add, Rename, Remove, SetKind };
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
    std::string part; // an add's upload, renamed to fileName inside the commit
    bool tone = false; // SetKind: a text tone rather than a ringtone
};

class RingtoneStore
{
public:
    RingtoneStore();

    // A new epoch is a new connection: the database is read again and the unfinished files of
    // writers that are gone are removed. Staged changes stay for the same phone; those staged
    // for another one are dropped, and the next commit says so unless new changes came since.
    void attach(Storage &storage, uint64_t epoch, const std::string &phone);
    // The phone went away: what was read is forgotten, staged changes are kept.
    void lose();

    int commit(Storage &storage);
    // An unreadable database moves aside, so that the next commit starts a new one.
    int startNewDatabase(Storage &storage);
    int add(Storage &storage, const std::string &localPath, int lengthMs);
    // Index 0 looks at the database again; later indexes answer from that pass.
    int get(Storage &storage, int index, Ringtone &tone);
    int remove(Storage &storage, int index);
    int rename(Storage &storage, int index, const std::string &title);
    int setKind(Storage &storage, int index, bool tone);
    // HANDVIA_KIND_* of a listed entry (staged changes included), -1 past the listing.
    int kind(Storage &storage, int index);
    int copyFromPhone(Storage &storage, const std::string &phonePath, const std::string &local);
    int replaceOnPhone(Storage &storage, const std::string &phonePath, const std::string &local);

private:
    struct Move
    {
        std::string from;
        std::string to;
        bool done = false;
    };

    bool refresh(Storage &storage);
    bool ensureLoaded(Storage &storage) { return m_loaded || refresh(storage); }
    // Whether index names an entry of the current listing.
    bool listed(Storage &storage, int index);
    void forgetDatabase();
    void stage(Staged change);
    void applyStaged(Database &db, std::vector<std::string> *removedFiles);
    bool dropMissingUploads(Storage &storage);
    void nameUploads(Storage &storage, const Database &db, std::vector<Move> &moves);
    bool writeStaged(Storage &storage);
    bool moveAsideUnreadable(Storage &storage);
    // Under the writers' lock: the database read again, changed by edit, written beside it and
    // renamed in after movesBefore; false when anything failed and the database stayed as it was.
    bool rewrite(Storage &storage,
                 const std::function<bool(Database &)> &edit,
                 const std::function<bool()> &movesBefore);
    bool moveIn(Storage &storage,
                const std::string &fileName,
                const std::string &temp,
                const std::function<bool(Database &)> &edit);
    // Whether a staged add still needs this final name, or this upload.
    bool holds(const std::string &fileName) const;
    bool holdsUpload(const std::string &part) const;
    void sweep(Storage &storage);
    void removeUnfinished(Storage &storage);
    void removeOrphans(Storage &storage, const Database &db);
    std::string newFileName(Storage &storage, const Database &also);
    std::string newGuid(const Database &db);

    Database m_base;
    Stamp m_stamp;
    bool m_loaded = false;
    Database m_view; // m_base with the staged changes applied: what the table lists
    std::vector<Ringtone> m_listed;
    std::vector<Staged> m_staged;
    uint64_t m_epoch = ~uint64_t(0);
    std::string m_phone;
    Journal m_journal;
    bool m_otherPhoneDropped = false;
    bool m_databaseKept = false; // the last rewrite met a database it would have changed
    bool m_databaseUnreadable = false; // the last rewrite met a database it could not read
    std::mt19937_64 m_random;
};

// "/iTunes_Control/Ringtones/X.m4r" -> "X.m4r"; empty for anything outside that folder.
std::string ringtoneFileOf(const std::string &phonePath);

} // namespace handvia

#endif
