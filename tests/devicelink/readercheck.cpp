#include "readercheck.h"

#include "bplist.h"
#include "database.h"
#include "rawobjects.h"
#include "readableform.h"

#include <map>

using namespace handvia;

namespace {

// No more paths than this are compared: shared objects may expand a small file a lot.
const size_t pathLimit = 20000;

// Whether the object holds what the plist library refuses or aborts on.
bool refusedByLibrary(const std::string &object)
{
    const unsigned type = static_cast<unsigned char>(object[0]) >> 4;
    if (type == 0x8)
        return true;
    if (type != 0x5 && type != 0x6)
        return false;
    const size_t width = type == 0x6 ? 2 : 1;
    const size_t start = (object[0] & 0x0F) == 0x0F ? 2 + (size_t(1) << (object[1] & 0x0F)) : 1;
    if (type == 0x6 && start == object.size())
        return true;
    for (size_t at = start; at + width <= object.size(); at += width) {
        if (bigEndian(object, at, width) == 0)
            return true;
    }
    return false;
}

// The readable form walks as the original does, with only refused leaves replaced.
std::string checkReadableForm(const std::string &bytes)
{
    const std::string readable = readableForm(bytes);
    if (readable == bytes)
        return {};
    if (bytes.compare(0, 6, "bplist") != 0)
        return bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 && readable == bytes.substr(3)
                ? std::string()
                : "xml changed beyond its byte-order mark";
    std::map<std::string, std::string> before, after;
    const bool walked = rawObjects(bytes, pathLimit, before);
    if (rawObjects(readable, pathLimit, after) != walked
        || (walked && before.size() != after.size()))
        return "the readable form walks otherwise";
    for (auto b = before.begin(), a = after.begin(); walked && b != before.end(); ++b, ++a) {
        const bool same = b->second == a->second;
        if (b->first != a->first || same == refusedByLibrary(b->second)
            || refusedByLibrary(a->second))
            return "the readable form changed " + (same ? a->first : b->first);
    }
    return {};
}

// Written back unchanged, a binary database keeps every object that can be walked.
std::string checkWrittenObjects(const std::string &bytes)
{
    const Database db = Database::fromBytes(bytes);
    if (db.origin() != Database::Origin::Read || bytes.compare(0, 8, "bplist00") != 0)
        return {};
    std::map<std::string, std::string> before, after;
    if (!rawObjects(bytes, pathLimit, before))
        return {};
    const std::string written = db.toBinary();
    if (!rawObjects(written, pathLimit * 2, after))
        return "the written database cannot be walked";
    if (before != after)
        return "an object changed across a write";
    return {};
}

} // namespace

std::string checkReaderBytes(const std::string &bytes)
{
    const std::string fault = checkReadableForm(bytes);
    return fault.empty() ? checkWrittenObjects(bytes) : fault;
}
