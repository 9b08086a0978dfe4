#include "store.h"

#include "text.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace handvia {

namespace {

const char ringtoneDir[] = "iTunes_Control/Ringtones";
const char databaseDir[] = "iTunes_Control/iTunes";
const char databasePath[] = "iTunes_Control/iTunes/Ringtones.plist";
const char writerMark[] = ".handvia-";

// The reader refuses larger databases, so none is ever written.
const size_t maxDatabaseSize = 16 * 1024 * 1024;

std::string ringtonePath(const std::string &fileName)
{
    return std::string(ringtoneDir) + '/' + fileName;
}

// Unfinished files carry the writer's process id, so leftovers of a writer that is gone can be
// told from the files of one that is still at work.
std::string writerTag(const char *suffix)
{
    return writerMark + std::to_string(getpid()) + suffix;
}

std::string tempDatabasePath()
{
    return databasePath + writerTag(".tmp");
}

std::string partPath(const std::string &fileName)
{
    return std::string(ringtoneDir) + "/." + fileName + writerTag(".part");
}

// The writer of one of our unfinished files, or 0 for any other name.
long writerOf(const std::string &name, const std::string &prefix, const std::string &suffix)
{
    const size_t mark = name.rfind(writerMark);
    if (name.compare(0, prefix.size(), prefix) != 0 || mark == std::string::npos
        || name.size() < suffix.size()
        || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string digits
            = name.substr(mark + sizeof writerMark - 1,
                          name.size() - suffix.size() - mark - (sizeof writerMark - 1));
    char *end = nullptr;
    const long pid = std::strtol(digits.c_str(), &end, 10);
    return !digits.empty() && *end == '\0' && pid > 0 ? pid : 0;
}

// At a new connection nothing of this process is under way any more.
bool writerGone(long pid)
{
    return pid == getpid() || (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

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
bool readDatabase(Storage &storage, const Stamp &stamp, Database &db)
{
    std::string bytes;
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

// Every unreadable database is kept: the first free of .bak, .bak1, .bak2, ...
std::string freeBackupPath(Storage &storage)
{
    for (int n = 0; n < 1000; ++n) {
        const std::string path
                = std::string(databasePath) + ".bak" + (n ? std::to_string(n) : std::string());
        const Stamp stamp = storage.stamp(path);
        if (stamp.failed)
            return {};
        if (!stamp.exists)
            return path;
    }
    return {};
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

void RingtoneStore::drop()
{
    m_epoch = ~uint64_t(0);
    m_base = Database();
    m_view = Database();
    m_stamp = Stamp();
    m_loaded = false;
    m_listed.clear();
    m_staged.clear();
}

void RingtoneStore::attach(Storage &storage, uint64_t epoch)
{
    if (epoch == m_epoch)
        return;
    drop();
    m_epoch = epoch;
    cleanLeftovers(storage);
}

void RingtoneStore::cleanLeftovers(Storage &storage)
{
    // Under the writers' lock, so a commit under way elsewhere keeps its files.
    if (!storage.tryLockWriters())
        return;
    const struct
    {
        const char *dir;
        std::string prefix;
        const char *suffix;
    } places[] = {{databaseDir, "Ringtones.plist", ".tmp"}, {ringtoneDir, ".", ".part"}};
    std::vector<std::string> names;
    for (const auto &place : places) {
        if (!storage.list(place.dir, names))
            continue;
        for (const std::string &name : names) {
            const long pid = writerOf(name, place.prefix, place.suffix);
            if (pid > 0 && writerGone(pid))
                storage.remove(std::string(place.dir) + '/' + name);
        }
    }
    storage.unlockWriters();
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
    if (!change.fileName.empty())
        m_staged.push_back(std::move(change));
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
    if (!m_loaded || index < 0 || static_cast<size_t>(index) >= m_listed.size())
        return -1;
    tone = m_listed[static_cast<size_t>(index)];
    return 0;
}

int RingtoneStore::rename(Storage &storage, int index, const std::string &title)
{
    if (!ensureLoaded(storage) || index < 0 || static_cast<size_t>(index) >= m_listed.size())
        return -1;
    Staged change(Staged::Kind::Rename, m_listed[static_cast<size_t>(index)].fileName);
    change.title = unescapeTitle(repairUtf8(title));
    stage(std::move(change));
    return 0;
}

int RingtoneStore::remove(Storage &storage, int index)
{
    if (!ensureLoaded(storage) || index < 0 || static_cast<size_t>(index) >= m_listed.size())
        return -1;
    stage(Staged(Staged::Kind::Remove, m_listed[static_cast<size_t>(index)].fileName));
    return 0;
}

std::string RingtoneStore::newFileName(Storage &storage)
{
    std::uniform_int_distribution<int> letter('A', 'Z');
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name;
        for (int i = 0; i < 4; ++i)
            name += static_cast<char>(letter(m_random));
        name += ".m4r";
        const Stamp stamp = storage.stamp(ringtonePath(name));
        if (stamp.failed)
            return {};
        if (!m_view.hasFile(name) && !stamp.exists)
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

int RingtoneStore::add(Storage &storage, const std::string &localPath, int lengthMs)
{
    if (!ensureLoaded(storage))
        return -1;
    auto source = openLocalRead(localPath);
    if (!source || !storage.makeDir(ringtoneDir))
        return -1;
    Staged change(Staged::Kind::Add, newFileName(storage));
    if (change.fileName.empty())
        return -1;
    const std::string target = ringtonePath(change.fileName);
    if (!copyOver(*source, [&] { return storage.openWrite(target); })) {
        storage.remove(target);
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

bool RingtoneStore::writeStaged(Storage &storage)
{
    const Stamp stamp = storage.stamp(databasePath);
    Database fresh;
    if (!readDatabase(storage, stamp, fresh))
        return false;
    // Content that could not be kept as it was is never destroyed: it moves aside first.
    const bool keepAside = stamp.exists
            && (fresh.origin() == Database::Origin::Unreadable
                || fresh.origin() == Database::Origin::Repaired);
    std::vector<std::string> removed;
    applyStaged(fresh, &removed);
    const std::string bytes = fresh.toBinary();
    const std::string temp = tempDatabasePath();
    if (bytes.empty() || bytes.size() > maxDatabaseSize || !storage.makeDir(databaseDir))
        return false;
    const std::string backup = keepAside ? freeBackupPath(storage) : std::string();
    if (!writeAll(storage, temp, bytes) || (keepAside && backup.empty())
        || (keepAside && !storage.rename(databasePath, backup))
        || !storage.rename(temp, databasePath)) {
        storage.remove(temp);
        return false;
    }
    // Only now that no entry names them.
    for (const std::string &fileName : removed)
        storage.remove(ringtonePath(fileName));
    m_staged.clear();
    m_base = std::move(fresh);
    m_stamp = storage.stamp(databasePath);
    stage(Staged());
    return true;
}

int RingtoneStore::commit(Storage &storage)
{
    if (m_staged.empty())
        return 0;
    if (!storage.beginSync())
        return -1;
    const bool written = writeStaged(storage);
    storage.endSync();
    // A failed commit keeps everything staged, copied files included, for a later one.
    return written ? 0 : -1;
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
    if (!copyOver(*source, [&] { return storage.openWrite(temp); })
        || !storage.rename(temp, target)) {
        storage.remove(temp);
        return -1;
    }
    return 0;
}

} // namespace handvia
