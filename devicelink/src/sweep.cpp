// What a connect clears away: unfinished files of writers that are gone, and the uploads that
// this library wrote and never committed. Runs under the writers' lock, so a commit under way
// elsewhere keeps its files.
#include "phonepaths.h"
#include "store.h"

#include <unistd.h>

namespace handvia {

void RingtoneStore::sweep(Storage &storage)
{
    if (!storage.tryLockWriters())
        return;
    removeUnfinished(storage);
    // The database read here is the one listed next, unless it changes meanwhile.
    if (refresh(storage) && m_base.origin() != Database::Origin::Unreadable)
        removeOrphans(storage, m_base);
    storage.unlockWriters();
}

// This process's own unfinished files count as leftovers unless a staged add still holds them:
// no commit runs while the store is being attached.
void RingtoneStore::removeUnfinished(Storage &storage)
{
    std::vector<std::string> names;
    if (storage.list(databaseDir, names)) {
        for (const std::string &name : names) {
            const long writer = writerOfTempDatabase(name);
            if (writer > 0 && (writer == getpid() || writerGone(writer)))
                storage.remove(std::string(databaseDir) + '/' + name);
        }
    }
    if (storage.list(ringtoneDir, names)) {
        for (const std::string &name : names) {
            const long writer = writerOfPart(name);
            const std::string path = ringtonePath(name);
            if (writer > 0 && (writer == getpid() ? !holdsUpload(path) : writerGone(writer)))
                storage.remove(path);
        }
    }
}

// A journal's file that no entry names was written by us and never committed: removed once
// its writer can no longer commit it.
void RingtoneStore::removeOrphans(Storage &storage, const Database &db)
{
    std::vector<JournalRecord> settled;
    for (const JournalRecord &record : m_journal.records()) {
        const bool mine = record.writer == getpid();
        if (mine ? holds(record.fileName) : !writerGone(record.writer))
            continue;
        const std::string path = ringtonePath(record.fileName);
        if (!db.hasFile(record.fileName))
            storage.remove(path);
        storage.remove(partPath(record.fileName, record.writer));
        const Stamp left = storage.stamp(path);
        if (!left.failed && (!left.exists || db.hasFile(record.fileName)))
            settled.push_back(record);
    }
    m_journal.forget(settled);
}

} // namespace handvia
