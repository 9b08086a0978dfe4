#include "store.h"

#include "handvia.h"
#include "mp4length.h"
#include "phonepaths.h"
#include "text.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace handvia {

namespace {

bool readAll(Storage &storage, const std::string &path, std::string &bytes)
{
    bytes.clear();
    auto stream = storage.openRead(path);
    if (!stream)
        return false;
    char buffer[64 * 1024];
    while (bytes.size() <= maxDatabaseSize) {
        const long count = stream->read(buffer, sizeof buffer);
        if (count < 0)
            return false;
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(count));
    }
    return true;
}

// False when the database could not be looked at; only a missing one reads as empty.
bool readDatabase(Storage &storage, const Stamp &stamp, Database &db, std::string *read = nullptr)
{
    std::string own;
    std::string &bytes = read ? *read : own;
    if (stamp.failed || (stamp.exists && !readAll(storage, databasePath, bytes)))
        return false;
    db = Database::fromBytes(bytes);
    return true;
}

bool writeAll(Storage &storage, const std::string &path, const std::string &bytes)
{
    auto stream = storage.openWrite(path);
    if (!stream)
        return false;
    const bool written = stream->write(bytes.data(), bytes.size());
    return stream->close() && written;
}

// Writes beside the target first, so a failure never leaves a half-written file in its place.
bool copyOver(Stream &from, const std::function<std::unique_ptr<Stream>()> &openTemp)
{
    auto to = openTemp();
    if (!to)
        return false;
    const bool copied = pump(from, *to);
    return to->close() && copied;
}

// Every repaired database is kept: the first free of .bak, .bak1, .bak2, ...
std::string freeBackupPath(Storage &storage)
{
    for (int n = 0; n < 1000; ++n) {
        std::string path
                = std::string(databasePath) + ".bak" + (n ? std::to_string(n) : std::string());
        const Stamp stamp = storage.stamp(path);
        if (stamp.failed)
            return {};
        if (!stamp.exists)
            return path;
    }
    return {};
}

// The database as it was before each rewrite, the newest as Ringtones.1.plist, three kept.
bool keepPrevious(Storage &storage, const std::string &bytes)
{
    const std::string temp = databasePath + std::string(".old")
            + tempDatabasePath().substr(std::string(databasePath).size());
    const auto numbered = [](int n) {
        return std::string(databaseDir) + "/Ringtones." + std::to_string(n) + ".plist";
    };
    if (!writeAll(storage, temp, bytes)) {
        storage.remove(temp);
        return false;
    }
    storage.rename(numbered(2), numbered(3));
    storage.rename(numbered(1), numbered(2));
    if (storage.rename(temp, numbered(1)))
        return true;
    storage.remove(temp);
    return false;
}

} // namespace

std::string ringtoneFileOf(const std::string &phonePath)
{
    std::string path = phonePath;
    if (!path.empty() && path[0] == '/')
        path.erase(0, 1);
    const std::string prefix = std::string(ringtoneDir) + '/';
    if (path.compare(0, prefix.size(), prefix) != 0)
        return {};
    const std::string name = path.substr(prefix.size());
    return isSafeFileName(name) ? name : std::string();
}

RingtoneStore::RingtoneStore()
    : m_random(std::random_device {}())
{ }

void RingtoneStore::forgetDatabase()
{
    m_base = Database();
    m_view = Database();
    m_stamp = Stamp();
    m_loaded = false;
    m_listed.clear();
}

void RingtoneStore::lose()
{
    m_epoch = ~uint64_t(0);
    forgetDatabase();
}

void RingtoneStore::attach(Storage &storage, uint64_t epoch, const std::string &phone)
{
    if (epoch == m_epoch)
        return;
    forgetDatabase();
    m_epoch = epoch;
    if (phone != m_phone) {
        // Their uploads stay in the other phone's journal, removed when that phone is back.
        m_otherPhoneDropped = m_otherPhoneDropped || !m_staged.empty();
        m_staged.clear();
        m_phone = phone;
        m_journal = Journal(phone);
    }
    sweep(storage);
}

bool RingtoneStore::refresh(Storage &storage)
{
    const Stamp stamp = storage.stamp(databasePath);
    if (m_loaded && !stamp.failed && stamp == m_stamp)
        return true;
    Database db;
    if (!readDatabase(storage, stamp, db)) {
        m_loaded = false;
        return false;
    }
    m_base = std::move(db);
    m_stamp = stamp;
    m_loaded = true;
    stage(Staged());
    return true;
}

void RingtoneStore::stage(Staged change)
{
    if (!change.fileName.empty()) {
        // The caller has moved on to this phone: its commit answers for these changes.
        m_otherPhoneDropped = false;
        m_staged.push_back(std::move(change));
    }
    m_view = m_base.copy();
    applyStaged(m_view, nullptr);
    m_listed = m_view.list();
}

void RingtoneStore::applyStaged(Database &db, std::vector<std::string> *removedFiles)
{
    for (const Staged &change : m_staged) {
        switch (change.kind) {
        case Staged::Kind::Add:
            if (!db.hasFile(change.fileName))
                db.append(change.fileName,
                          change.title,
                          db.hasGuid(change.guid) ? newGuid(db) : change.guid,
                          change.pid,
                          change.lengthMs);
            break;
        case Staged::Kind::Rename:
            db.renameFile(change.fileName, change.title);
            break;
        case Staged::Kind::SetKind:
            db.setFileKind(change.fileName, change.tone);
            break;
        case Staged::Kind::Remove:
            if (db.removeFile(change.fileName) && removedFiles)
                removedFiles->push_back(change.fileName);
            break;
        }
    }
}

int RingtoneStore::get(Storage &storage, int index, Ringtone &tone)
{
    if (index == 0 && !refresh(storage))
        return -1;
    if (m_loaded && m_base.origin() == Database::Origin::Unreadable)
        return HANDVIA_E_DATABASE_UNREADABLE;
    if (!m_loaded || index < 0 || static_cast<size_t>(index) >= m_listed.size())
        return -1;
    tone = m_listed[static_cast<size_t>(index)];
    return 0;
}

bool RingtoneStore::listed(Storage &storage, int index)
{
    return ensureLoaded(storage) && index >= 0 && static_cast<size_t>(index) < m_listed.size();
}

int RingtoneStore::rename(Storage &storage, int index, const std::string &title)
{
    if (!listed(storage, index))
        return -1;
    Staged change(Staged::Kind::Rename, m_listed[static_cast<size_t>(index)].fileName);
    change.title = unescapeTitle(repairUtf8(title));
    stage(std::move(change));
    return 0;
}

int RingtoneStore::setKind(Storage &storage, int index, bool tone)
{
    if (!listed(storage, index))
        return -1;
    Staged change(Staged::Kind::SetKind, m_listed[static_cast<size_t>(index)].fileName);
    change.tone = tone;
    stage(std::move(change));
    return 0;
}

int RingtoneStore::kind(Storage &storage, int index)
{
    if (!listed(storage, index))
        return -1;
    return m_listed[static_cast<size_t>(index)].tone ? HANDVIA_KIND_TONE : HANDVIA_KIND_RINGTONE;
}

int RingtoneStore::remove(Storage &storage, int index)
{
    if (!listed(storage, index))
        return -1;
    stage(Staged(Staged::Kind::Remove, m_listed[static_cast<size_t>(index)].fileName));
    return 0;
}

std::string RingtoneStore::newFileName(Storage &storage, const Database &also)
{
    std::uniform_int_distribution<int> letter('A', 'Z');
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name;
        for (int i = 0; i < 4; ++i)
            name += static_cast<char>(letter(m_random));
        name += ".m4r";
        if (m_view.hasFile(name) || also.hasFile(name) || holds(name))
            continue;
        const Stamp stamp = storage.stamp(ringtonePath(name));
        if (stamp.failed)
            return {};
        if (!stamp.exists)
            return name;
    }
    return {};
}

std::string RingtoneStore::newGuid(const Database &db)
{
    for (;;) {
        char text[17];
        std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(m_random()));
        if (!db.hasGuid(text) && !m_view.hasGuid(text))
            return text;
    }
}

bool RingtoneStore::holds(const std::string &fileName) const
{
    for (const Staged &change : m_staged) {
        if (change.kind == Staged::Kind::Add && change.fileName == fileName)
            return true;
    }
    return false;
}

bool RingtoneStore::holdsUpload(const std::string &part) const
{
    for (const Staged &change : m_staged) {
        if (change.kind == Staged::Kind::Add && change.part == part)
            return true;
    }
    return false;
}

int RingtoneStore::add(Storage &storage, const std::string &localPath, int lengthMs)
{
    if (!ensureLoaded(storage))
        return -1;
    auto source = openLocalRead(localPath);
    if (!source || !storage.makeDir(ringtoneDir))
        return -1;
    Staged change(Staged::Kind::Add, newFileName(storage, m_view));
    if (change.fileName.empty())
        return -1;
    // Recorded first: whatever stops this writer, the upload is known to be ours.
    m_journal.record(change.fileName);
    change.part = partPath(change.fileName);
    if (!copyOver(*source, [&] { return storage.openWrite(change.part); })) {
        storage.remove(change.part);
        m_journal.forget({{static_cast<long>(getpid()), change.fileName}});
        return -1;
    }
    change.title = repairUtf8(baseTitle(localPath));
    change.guid = newGuid(m_view);
    while (change.pid == 0)
        change.pid = m_random() >> 1; // positive and below 2^63
    change.lengthMs = lengthMs > 0 ? static_cast<uint64_t>(lengthMs) : 0;
    stage(std::move(change));
    return 0;
}

bool RingtoneStore::rewrite(Storage &storage,
                            const std::function<bool(Database &)> &edit,
                            const std::function<bool()> &movesBefore)
{
    const Stamp stamp = storage.stamp(databasePath);
    Database fresh;
    std::string previous;
    if (!readDatabase(storage, stamp, fresh, &previous))
        return false;
    // What cannot be read is never replaced: only the user may start a new list.
    m_databaseUnreadable = fresh.origin() == Database::Origin::Unreadable;
    if (m_databaseUnreadable || !edit(fresh))
        return false;
    m_databaseKept = !fresh.writable();
    // Text that had to be repaired is never destroyed: the file as read moves aside first.
    const bool keepAside = stamp.exists && fresh.origin() == Database::Origin::Repaired;
    const std::string bytes = fresh.toBinary();
    const std::string temp = tempDatabasePath();
    if (bytes.empty() || bytes.size() > maxDatabaseSize || !storage.makeDir(databaseDir))
        return false;
    const std::string backup = keepAside ? freeBackupPath(storage) : std::string();
    if (!writeAll(storage, temp, bytes) || (keepAside && backup.empty())
        || (!keepAside && !previous.empty() && !keepPrevious(storage, previous)) || !movesBefore()
        || (keepAside && !storage.rename(databasePath, backup))
        || !storage.rename(temp, databasePath)) {
        storage.remove(temp);
        return false;
    }
    m_base = std::move(fresh);
    m_stamp = storage.stamp(databasePath);
    return true;
}

// An upload that is gone (the phone was wiped meanwhile) can never be committed: its add is
// dropped, and the commit fails rather than name a missing file.
bool RingtoneStore::dropMissingUploads(Storage &storage)
{
    const size_t before = m_staged.size();
    std::vector<JournalRecord> gone;
    for (auto it = m_staged.begin(); it != m_staged.end();) {
        if (it->kind == Staged::Kind::Add && !storage.stamp(it->part).exists) {
            gone.push_back({static_cast<long>(getpid()), it->fileName});
            it = m_staged.erase(it);
        } else {
            ++it;
        }
    }
    m_journal.forget(gone);
    if (m_staged.size() != before)
        stage(Staged());
    return gone.empty();
}

// Another writer may have taken an add's name since it was staged: it gets a free one now.
void RingtoneStore::nameUploads(Storage &storage, const Database &db, std::vector<Move> &moves)
{
    for (Staged &change : m_staged) {
        if (change.kind != Staged::Kind::Add)
            continue;
        if (db.hasFile(change.fileName) || storage.stamp(ringtonePath(change.fileName)).exists) {
            const std::string taken = change.fileName;
            const std::string name = newFileName(storage, db);
            if (name.empty())
                continue; // the move fails and so does the commit
            change.fileName = name;
            m_journal.record(name);
            // The taken name is another's file now: never ours to remove.
            m_journal.forget({{static_cast<long>(getpid()), taken}});
            for (Staged &later : m_staged) {
                if (later.kind != Staged::Kind::Add && later.fileName == taken)
                    later.fileName = change.fileName;
            }
        }
        moves.push_back({change.part, ringtonePath(change.fileName)});
    }
}

bool RingtoneStore::writeStaged(Storage &storage)
{
    std::vector<std::string> removed;
    std::vector<Move> moves;
    const auto edit = [&](Database &db) {
        nameUploads(storage, db, moves);
        applyStaged(db, &removed);
        return true;
    };
    // The uploads take their names just before the database that names them goes in.
    const auto moveUploads = [&] {
        for (Move &move : moves) {
            if (!(move.done = storage.rename(move.from, move.to)))
                return false;
        }
        return true;
    };
    if (!rewrite(storage, edit, moveUploads)) {
        for (const Move &move : moves) {
            if (move.done)
                storage.rename(move.to, move.from);
        }
        return false;
    }
    // Only now that no entry names them.
    for (const std::string &fileName : removed)
        storage.remove(ringtonePath(fileName));
    std::vector<JournalRecord> committed;
    for (const Staged &change : m_staged) {
        if (change.kind == Staged::Kind::Add)
            committed.push_back({static_cast<long>(getpid()), change.fileName});
    }
    m_journal.forget(committed);
    m_staged.clear();
    stage(Staged());
    return true;
}

int RingtoneStore::commit(Storage &storage)
{
    if (m_otherPhoneDropped) {
        m_otherPhoneDropped = false;
        return HANDVIA_E_OTHER_PHONE;
    }
    if (m_staged.empty())
        return 0;
    if (!dropMissingUploads(storage))
        return HANDVIA_E_UPLOAD_LOST;
    if (!storage.beginSync())
        return -1;
    m_databaseKept = false;
    m_databaseUnreadable = false;
    const bool written = writeStaged(storage);
    storage.endSync();
    // A failed commit keeps everything staged, uploads included, for a later one.
    if (written)
        return 0;
    return m_databaseUnreadable ? HANDVIA_E_DATABASE_UNREADABLE
            : m_databaseKept    ? HANDVIA_E_DATABASE_KEPT
                                : -1;
}

int RingtoneStore::startNewDatabase(Storage &storage)
{
    if (!storage.beginSync())
        return -1;
    const bool moved = moveAsideUnreadable(storage);
    storage.endSync();
    forgetDatabase();
    return moved ? 0 : -1;
}

// True when no unreadable database is in the way any more.
bool RingtoneStore::moveAsideUnreadable(Storage &storage)
{
    const Stamp stamp = storage.stamp(databasePath);
    Database db;
    if (!readDatabase(storage, stamp, db))
        return false;
    if (db.origin() != Database::Origin::Unreadable)
        return true;
    const long long now = static_cast<long long>(std::time(nullptr));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string aside = unreadableDatabasePath(now, attempt);
        const Stamp taken = storage.stamp(aside);
        if (taken.failed)
            return false;
        if (!taken.exists)
            return storage.rename(databasePath, aside);
    }
    return false;
}

int RingtoneStore::copyFromPhone(Storage &storage,
                                 const std::string &phonePath,
                                 const std::string &local)
{
    const std::string fileName = ringtoneFileOf(phonePath);
    auto source = fileName.empty() ? nullptr : storage.openRead(ringtonePath(fileName));
    if (!source || local.empty())
        return -1;
    const std::string temp = local + ".part";
    if (!copyOver(*source, [&] { return openLocalWrite(temp); })
        || std::rename(temp.c_str(), local.c_str()) != 0) {
        std::remove(temp.c_str());
        return -1;
    }
    return 0;
}

int RingtoneStore::replaceOnPhone(Storage &storage,
                                  const std::string &phonePath,
                                  const std::string &local)
{
    const std::string fileName = ringtoneFileOf(phonePath);
    if (fileName.empty() || !storage.stamp(ringtonePath(fileName)).exists)
        return -1;
    auto source = openLocalRead(local);
    if (!source)
        return -1;
    const std::string target = ringtonePath(fileName);
    const std::string temp = partPath(fileName);
    if (!copyOver(*source, [&] { return storage.openWrite(temp); }) || !storage.beginSync()) {
        storage.remove(temp);
        return -1;
    }
    uint64_t lengthMs = 0;
    const bool known = mp4LengthMs(local, lengthMs);
    const bool replaced = moveIn(storage, fileName, temp, [&](Database &db) {
        return known && db.origin() != Database::Origin::Unreadable
                && db.setTotalTime(fileName, lengthMs);
    });
    storage.endSync();
    if (!replaced)
        storage.remove(temp);
    return replaced ? 0 : -1;
}

// The new content goes in together with the entry's change; a database that cannot be changed
// keeps its entry as it was rather than stop the file from being replaced.
bool RingtoneStore::moveIn(Storage &storage,
                           const std::string &fileName,
                           const std::string &temp,
                           const std::function<bool(Database &)> &edit)
{
    const std::string target = ringtonePath(fileName);
    bool moved = false;
    if (rewrite(storage, edit, [&] { return moved = storage.rename(temp, target); })) {
        stage(Staged());
        return true;
    }
    return moved || storage.rename(temp, target);
}

} // namespace handvia
