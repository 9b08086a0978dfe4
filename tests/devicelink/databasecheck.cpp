#include "databasecheck.h"

#include "database.h"
#include "text.h"

#include <plist/plist.h>
#include <vector>

using handvia::Database;
using handvia::Ringtone;

namespace {

std::string checkListing(const std::vector<Ringtone> &tones)
{
    for (const Ringtone &tone : tones) {
        if (!handvia::isSafeFileName(tone.fileName))
            return "unsafe file name listed: " + tone.fileName;
        if (!handvia::isValidUtf8(tone.title))
            return "title is not UTF-8";
        char buffer[7];
        handvia::copyToBuffer(tone.title, buffer, sizeof buffer);
        if (!handvia::isValidUtf8(buffer))
            return "cut title is not UTF-8";
    }
    return {};
}

bool sameFiles(const std::vector<Ringtone> &a, const std::vector<Ringtone> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].fileName != b[i].fileName || a[i].totalTimeMs != b[i].totalTimeMs)
            return false;
    }
    return true;
}

// The plist library's reading of bytes as XML text, equal for equal values; empty when unread.
std::string asRead(const std::string &bytes)
{
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    if (!root)
        return {};
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &xml, &length);
    const std::string text = xml ? std::string(xml, length) : std::string();
    plist_to_xml_free(xml);
    plist_free(root);
    return text;
}

// Written back unchanged, a database reads back as the same listing, and one read from the
// binary form as the same values; one that cannot be written as read is not written at all.
std::string checkWrittenAsRead(const std::string &bytes,
                               const Database &db,
                               const std::vector<Ringtone> &tones)
{
    const std::string written = db.toBinary();
    if (!db.writable())
        return written.empty() ? std::string() : "a database kept as read was written";
    const Database again = Database::fromBytes(written);
    if (again.origin() != Database::Origin::Read || !sameFiles(tones, again.list()))
        return "listing changed across a write and a read";
    if (db.origin() == Database::Origin::Read && bytes.compare(0, 8, "bplist00") == 0
        && asRead(written) != asRead(bytes))
        return "values changed across a write and a read";
    return {};
}

} // namespace

std::string checkDatabaseBytes(const std::string &bytes, uint64_t seed)
{
    Database db = Database::fromBytes(bytes);
    std::vector<Ringtone> tones = db.list();
    std::string fault = checkListing(tones);
    if (!fault.empty())
        return fault;

    fault = checkWrittenAsRead(bytes, db, tones);
    if (!fault.empty())
        return fault;

    const int count = static_cast<int>(tones.size());
    const int index = count > 0 ? static_cast<int>(seed % static_cast<uint64_t>(count)) : 0;
    if (count > 0) {
        if (!db.rename(index, "Renamed")
            || db.list()[static_cast<size_t>(index)].title != "Renamed")
            return "rename missed its entry";
        if (db.remove(index) != tones[static_cast<size_t>(index)].fileName)
            return "remove took another entry";
    }
    // The store appends only under a name the database does not hold yet.
    std::string added = "ZZZZ.m4r";
    while (db.hasFile(added))
        --added[0];
    db.append(added, "Appended", "0123456789ABCDEF", 1, 1000);
    if (!db.writable())
        return db.toBinary().empty() ? std::string() : "a database kept as read was written";
    const std::vector<Ringtone> after = Database::fromBytes(db.toBinary()).list();
    if (after.size() != tones.size() - (count > 0 ? 1 : 0) + 1 || after.back().title != "Appended")
        return "changes did not survive the write";
    return checkListing(after);
}
