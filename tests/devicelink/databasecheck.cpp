#include "databasecheck.h"

#include "database.h"
#include "text.h"

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

} // namespace

std::string checkDatabaseBytes(const std::string &bytes, uint64_t seed)
{
    Database db = Database::fromBytes(bytes);
    std::vector<Ringtone> tones = db.list();
    std::string fault = checkListing(tones);
    if (!fault.empty())
        return fault;

    // What is written back must read back as the same listing.
    Database again = Database::fromBytes(db.toBinary());
    if (again.origin() != Database::Origin::Read || !sameFiles(tones, again.list()))
        return "listing changed across a write and a read";

    const int count = static_cast<int>(tones.size());
    const int index = count > 0 ? static_cast<int>(seed % static_cast<uint64_t>(count)) : 0;
    if (count > 0) {
        if (!db.rename(index, "Renamed")
            || db.list()[static_cast<size_t>(index)].title != "Renamed")
            return "rename missed its entry";
        if (db.remove(index) != tones[static_cast<size_t>(index)].fileName)
            return "remove took another entry";
    }
    db.append("ZZZZ.m4r", "Appended", "0123456789ABCDEF", 1, 1000);
    const std::vector<Ringtone> after = Database::fromBytes(db.toBinary()).list();
    if (after.size() != tones.size() - (count > 0 ? 1 : 0) + 1 || after.back().title != "Appended")
        return "changes did not survive the write";
    return checkListing(after);
}
