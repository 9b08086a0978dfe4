#include "store.h"

#include "text.h"

#include <cstdio>
#include <functional>

namespace handvia {

namespace {

const char ringtoneDir[] = "iTunes_Control/Ringtones";
const char databaseDir[] = "iTunes_Control/iTunes";
const char databasePath[] = "iTunes_Control/iTunes/Ringtones.plist";
const char databaseTemp[] = "iTunes_Control/iTunes/Ringtones.plist.tmp";
const char databaseBackup[] = "iTunes_Control/iTunes/Ringtones.plist.bak";

const size_t maxDatabaseRead = 16 * 1024 * 1024 + 1;

std::string ringtonePath(const std::string &fileName)
{
    return std::string(ringtoneDir) + '/' + fileName;
}

bool readAll(Storage &storage, const std::string &path, std::string &bytes)
{
    bytes.clear();
    auto stream = storage.openRead(path);
    if (!stream)
        return false;
    char buffer[64 * 1024];
    while (bytes.size() < maxDatabaseRead) {
        const long count = stream->read(buffer, sizeof buffer);
        if (count < 0)
            return false;
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(count));
    }
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
    m_db = Database();
    m_listed.clear();
    m_loaded = false;
    m_dirty = false;
    m_stamp = Stamp();
    m_added.clear();
    m_removed.clear();
}

void RingtoneStore::sync(Storage &storage, uint64_t epoch)
{
    if (epoch != m_epoch) {
        drop();
        m_epoch = epoch;
    }
    if (m_loaded && (m_dirty || storage.stamp(databasePath) == m_stamp))
        return;
    load(storage);
}

void RingtoneStore::load(Storage &storage)
{
    drop();
    m_stamp = storage.stamp(databasePath);
    std::string bytes;
    if (m_stamp.exists && !readAll(storage, databasePath, bytes))
        bytes.assign(1, '\0'); // present but unreadable: never mistaken for an empty database
    m_db = Database::fromBytes(bytes);
    m_listed = m_db.list();
    m_loaded = true;
}

bool RingtoneStore::get(int index, Ringtone &tone) const
{
    if (!m_loaded || index < 0 || static_cast<size_t>(index) >= m_listed.size())
        return false;
    tone = m_listed[static_cast<size_t>(index)];
    return true;
}

int RingtoneStore::rename(int index, const std::string &title)
{
    if (!m_loaded || !m_db.rename(index, repairUtf8(title)))
        return -1;
    m_listed = m_db.list();
    m_dirty = true;
    return 0;
}

int RingtoneStore::remove(int index)
{
    const std::string fileName = m_loaded ? m_db.remove(index) : std::string();
    if (fileName.empty())
        return -1;
    m_removed.push_back(fileName);
    m_listed = m_db.list();
    m_dirty = true;
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
        if (!m_db.hasFile(name) && !storage.stamp(ringtonePath(name)).exists)
            return name;
    }
    return {};
}

std::string RingtoneStore::newGuid()
{
    for (;;) {
        char text[17];
        std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(m_random()));
        if (!m_db.hasGuid(text))
            return text;
    }
}

int RingtoneStore::add(Storage &storage, const std::string &localPath, int lengthMs)
{
    if (!m_loaded)
        return -1;
    auto source = openLocalRead(localPath);
    if (!source || !storage.makeDir(ringtoneDir))
        return -1;
    const std::string fileName = newFileName(storage);
    if (fileName.empty())
        return -1;
    const std::string target = ringtonePath(fileName);
    if (!copyOver(*source, [&] { return storage.openWrite(target); })) {
        storage.remove(target);
        return -1;
    }
    m_added.push_back(fileName);
    uint64_t pid = 0;
    while (pid == 0)
        pid = m_random() >> 1; // positive and below 2^63
    const uint64_t length = lengthMs > 0 ? static_cast<uint64_t>(lengthMs) : 0;
    m_db.append(fileName, escapeTitle(repairUtf8(baseTitle(localPath))), newGuid(), pid, length);
    m_listed = m_db.list();
    m_dirty = true;
    return 0;
}

bool RingtoneStore::writeDatabase(Storage &storage)
{
    if (!storage.makeDir(databaseDir) || !writeAll(storage, databaseTemp, m_db.toBinary()))
        return false;
    // Content that could not be kept as it was is never destroyed: the old file moves aside
    // before being replaced.
    const Database::Origin origin = m_db.origin();
    if ((origin == Database::Origin::Unreadable || origin == Database::Origin::Repaired)
        && m_stamp.exists && !storage.rename(databasePath, databaseBackup))
        return false;
    return storage.rename(databaseTemp, databasePath);
}

void RingtoneStore::discardAdded(Storage &storage)
{
    for (const std::string &fileName : m_added)
        storage.remove(ringtonePath(fileName));
}

int RingtoneStore::commit(Storage &storage)
{
    if (!m_loaded)
        return -1;
    if (!m_dirty)
        return 0;
    bool written = false;
    if (storage.beginSync()) {
        written = writeDatabase(storage);
        storage.endSync();
    }
    if (!written) {
        // Files copied for entries that never reached the database would be orphans.
        discardAdded(storage);
        storage.remove(databaseTemp);
        drop();
        return -1;
    }
    for (const std::string &fileName : m_removed)
        storage.remove(ringtonePath(fileName));
    m_added.clear();
    m_removed.clear();
    m_dirty = false;
    load(storage);
    return 0;
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
    const std::string temp = std::string(ringtoneDir) + "/." + fileName + ".part";
    if (!copyOver(*source, [&] { return storage.openWrite(temp); })
        || !storage.rename(temp, target)) {
        storage.remove(temp);
        return -1;
    }
    return 0;
}

} // namespace handvia
