#include "database.h"

#include "bplistwriter.h"
#include "nultext.h"
#include "plistbounds.h"
#include "plistdict.h"
#include "readableform.h"
#include "text.h"
#include "xmlvalues.h"

#include <cstdlib>
#include <memory>
#include <plist/plist.h>
#include <unordered_set>
#include <utility>

namespace handvia {

namespace {

const char ringtonesKey[] = "Ringtones";

const char mediaKindKey[] = "Media Kind";
const char toneKind[] = "tone";

// The pointer form: the copying getter aborts on a string holding a NUL byte.
std::string stringValue(plist_t node)
{
    if (plist_get_node_type(node) != PLIST_STRING)
        return {};
    uint64_t length = 0;
    const char *value = plist_get_string_ptr(node, &length);
    return value ? std::string(value, length) : std::string();
}

bool isString(plist_t node)
{
    return node && plist_get_node_type(node) == PLIST_STRING;
}

// The phone drops entries without a title or an id; an unsafe name is never followed. Changes
// find an entry by its name, so of a name given twice only the entry a lookup finds is listed.
bool isListable(plist_t tones,
                const std::string &key,
                plist_t entry,
                const std::unordered_set<std::string> &repeated)
{
    return isSafeFileName(key) && plist_get_node_type(entry) == PLIST_DICT
            && isString(plist_dict_get_item(entry, "Name"))
            && isString(plist_dict_get_item(entry, "GUID"))
            && (repeated.count(key) == 0 || plist_dict_get_item(tones, key.c_str()) == entry);
}

// Names given more than once. A lookup by name in a dictionary just read walks it from the
// start, so asking only about these keeps listing a large database linear.
std::unordered_set<std::string> repeatedKeys(plist_t tones)
{
    std::unordered_set<std::string> seen;
    std::unordered_set<std::string> repeated;
    forEachEntry(tones, [&](const std::string &key, plist_t) {
        if (!seen.insert(key).second)
            repeated.insert(key);
        return true;
    });
    return repeated;
}

// No ringtone database nests this deep; deeper input is treated as unreadable.
const int maxDepth = 64;

// A 16 MB database of entries as phones write them (12 nodes in about 130 bytes) parses to
// about 1.5 million nodes; a file whose shared objects expand to more than this is treated as
// unreadable, which bounds the parse to some hundreds of megabytes.
const uint32_t maxNodes = 4 * 1024 * 1024;

// Walks the tree: false when it is too deep; invalid is set when some text is not UTF-8.
bool inspect(plist_t node, int depth, bool &invalid)
{
    if (depth > maxDepth)
        return false;
    const plist_type type = plist_get_node_type(node);
    if (type == PLIST_STRING) {
        invalid = invalid || !isValidUtf8(stringValue(node));
    } else if (type == PLIST_ARRAY) {
        for (uint32_t i = 0, n = plist_array_get_size(node); i < n; ++i) {
            if (!inspect(plist_array_get_item(node, i), depth + 1, invalid))
                return false;
        }
    } else if (type == PLIST_DICT) {
        bool deep = false;
        forEachEntry(node, [&](const std::string &key, plist_t value) {
            invalid = invalid || !isValidUtf8(key);
            deep = !inspect(value, depth + 1, invalid);
            return !deep;
        });
        return !deep;
    }
    return true;
}

// The writer cannot encode text that is not UTF-8 faithfully, so such text is repaired once,
// on reading, and what is listed is what will be written.
plist_t repairedCopy(plist_t node)
{
    const plist_type type = plist_get_node_type(node);
    if (type == PLIST_STRING)
        return plist_new_string(repairUtf8(stringValue(node)).c_str());
    if (type == PLIST_ARRAY) {
        plist_t copy = plist_new_array();
        for (uint32_t i = 0, n = plist_array_get_size(node); i < n; ++i)
            plist_array_append_item(copy, repairedCopy(plist_array_get_item(node, i)));
        return copy;
    }
    if (type == PLIST_DICT) {
        plist_t copy = plist_new_dict();
        forEachEntry(node, [&](const std::string &key, plist_t value) {
            const std::string repaired = repairUtf8(key);
            if (!plist_dict_get_item(copy, repaired.c_str()))
                plist_dict_set_item(copy, repaired.c_str(), repairedCopy(value));
            return true;
        });
        return copy;
    }
    return plist_copy(node);
}

// Every item of the name: a name given twice names one file, which goes with the entry.
void removeAll(plist_t tones, const std::string &fileName)
{
    while (plist_dict_get_item(tones, fileName.c_str()))
        plist_dict_remove_item(tones, fileName.c_str());
}

} // namespace

Database::Database()
    : m_root(plist_new_dict())
{
    plist_dict_set_item(m_root, ringtonesKey, plist_new_dict());
}

Database::~Database()
{
    if (m_root)
        plist_free(m_root);
}

Database::Database(Database &&other) noexcept
    : m_root(std::exchange(other.m_root, nullptr))
    , m_origin(other.m_origin)
    , m_binary(std::move(other.m_binary))
    , m_parsed(std::move(other.m_parsed))
    , m_writable(other.m_writable)
{ }

Database &Database::operator=(Database &&other) noexcept
{
    std::swap(m_root, other.m_root);
    m_origin = other.m_origin;
    m_binary = std::move(other.m_binary);
    m_parsed = std::move(other.m_parsed);
    m_writable = other.m_writable;
    return *this;
}

Database Database::fromBytes(const std::string &bytes)
{
    Database db;
    if (bytes.empty())
        return db;
    db.m_origin = Origin::Unreadable;
    if (bytes.size() > maxDatabaseSize)
        return db;
    const std::string readable = readableForm(bytes);
    // The plist element and a leaf add two levels to the deepest container walked later.
    if (mayHoldNulText(readable) || exceedsParseBounds(readable, {maxDepth + 2, maxNodes}))
        return db;
    plist_t root = nullptr;
    plist_from_memory(readable.data(), static_cast<uint32_t>(readable.size()), &root);
    if (!root)
        return db;
    bool invalid = false;
    if (plist_get_node_type(root) != PLIST_DICT || !inspect(root, 0, invalid)) {
        plist_free(root);
        return db;
    }
    // The binary form's text goes back as read, whatever it holds; the XML form's is written
    // anew, so what it cannot carry is repaired here and the original kept aside.
    if (bytes.compare(0, 8, "bplist00") == 0) {
        db.m_binary = std::make_shared<const std::string>(bytes);
        if (readable != bytes)
            db.m_parsed = std::make_shared<const std::string>(readable);
        invalid = false;
    } else {
        db.m_writable = xmlValuesReadExactly(readable);
    }
    if (invalid) {
        plist_t repaired = repairedCopy(root);
        plist_free(root);
        root = repaired;
    }
    std::swap(db.m_root, root);
    plist_free(root);
    // No list yet is an empty one, made when a tone is added. A list that is something else
    // cannot be read: it lists nothing and is never rewritten.
    plist_t tones = plist_dict_get_item(db.m_root, ringtonesKey);
    if (!tones || plist_get_node_type(tones) == PLIST_DICT)
        db.m_origin = invalid ? Origin::Repaired : Origin::Read;
    else
        plist_dict_set_item(db.m_root, ringtonesKey, plist_new_dict());
    return db;
}

// Null when the database has no list yet.
void *Database::ringtones() const
{
    return plist_dict_get_item(m_root, ringtonesKey);
}

std::vector<Ringtone> Database::list() const
{
    std::vector<Ringtone> tones;
    const std::unordered_set<std::string> repeated = repeatedKeys(ringtones());
    forEachEntry(ringtones(), [&](const std::string &key, plist_t entry) {
        if (!isListable(ringtones(), key, entry, repeated))
            return true;
        Ringtone tone;
        tone.fileName = key;
        tone.title = repairUtf8(stringValue(plist_dict_get_item(entry, "Name")));
        plist_t time = plist_dict_get_item(entry, "Total Time");
        if (time && plist_get_node_type(time) == PLIST_UINT)
            plist_get_uint_val(time, &tone.totalTimeMs);
        tone.tone = stringValue(plist_dict_get_item(entry, mediaKindKey)) == toneKind;
        tones.push_back(std::move(tone));
        return true;
    });
    return tones;
}

void *Database::entryAt(int index, std::string *fileName) const
{
    if (index < 0)
        return nullptr;
    plist_t found = nullptr;
    int current = 0;
    const std::unordered_set<std::string> repeated = repeatedKeys(ringtones());
    forEachEntry(ringtones(), [&](const std::string &key, plist_t entry) {
        if (!isListable(ringtones(), key, entry, repeated))
            return true;
        if (current++ < index)
            return true;
        found = entry;
        if (fileName)
            *fileName = key;
        return false;
    });
    return found;
}

bool Database::hasFile(const std::string &fileName) const
{
    return ringtones() && plist_dict_get_item(ringtones(), fileName.c_str()) != nullptr;
}

bool Database::hasGuid(const std::string &guid) const
{
    bool found = false;
    forEachEntry(ringtones(), [&](const std::string &, plist_t entry) {
        if (plist_get_node_type(entry) == PLIST_DICT)
            found = stringValue(plist_dict_get_item(entry, "GUID")) == guid;
        return !found;
    });
    return found;
}

bool Database::rename(int index, const std::string &title)
{
    plist_t entry = entryAt(index, nullptr);
    if (!entry)
        return false;
    plist_dict_set_item(entry, "Name", plist_new_string(title.c_str()));
    return true;
}

std::string Database::remove(int index)
{
    std::string fileName;
    if (!entryAt(index, &fileName))
        return {};
    removeAll(ringtones(), fileName);
    return fileName;
}

void Database::append(const std::string &fileName,
                      const std::string &title,
                      const std::string &guid,
                      uint64_t pid,
                      uint64_t totalTimeMs)
{
    plist_t entry = plist_new_dict();
    plist_dict_set_item(entry, "Name", plist_new_string(title.c_str()));
    plist_dict_set_item(entry, "GUID", plist_new_string(guid.c_str()));
    plist_dict_set_item(entry, "PID", plist_new_uint(pid));
    plist_dict_set_item(entry, "Total Time", plist_new_uint(totalTimeMs));
    plist_dict_set_item(entry, "Protected Content", plist_new_bool(0));
    if (!ringtones())
        plist_dict_set_item(m_root, ringtonesKey, plist_new_dict());
    plist_dict_set_item(ringtones(), fileName.c_str(), entry);
}

void *Database::entryOf(const std::string &fileName) const
{
    plist_t entry = ringtones() ? plist_dict_get_item(ringtones(), fileName.c_str()) : nullptr;
    return entry && plist_get_node_type(entry) == PLIST_DICT ? entry : nullptr;
}

bool Database::renameFile(const std::string &fileName, const std::string &title)
{
    plist_t entry = entryOf(fileName);
    if (!entry)
        return false;
    plist_dict_set_item(entry, "Name", plist_new_string(title.c_str()));
    return true;
}

bool Database::removeFile(const std::string &fileName)
{
    if (!hasFile(fileName))
        return false;
    removeAll(ringtones(), fileName);
    return true;
}

bool Database::setTotalTime(const std::string &fileName, uint64_t totalTimeMs)
{
    plist_t entry = entryOf(fileName);
    if (!entry)
        return false;
    plist_dict_set_item(entry, "Total Time", plist_new_uint(totalTimeMs));
    return true;
}

bool Database::setFileKind(const std::string &fileName, bool tone)
{
    plist_t entry = entryOf(fileName);
    if (!entry)
        return false;
    const bool isTone = stringValue(plist_dict_get_item(entry, mediaKindKey)) == toneKind;
    if (tone && !isTone)
        plist_dict_set_item(entry, mediaKindKey, plist_new_string(toneKind));
    else if (!tone && isTone)
        plist_dict_remove_item(entry, mediaKindKey);
    return true;
}

Database Database::copy() const
{
    Database db;
    plist_free(db.m_root);
    db.m_root = plist_copy(m_root);
    db.m_origin = m_origin;
    db.m_binary = m_binary;
    db.m_parsed = m_parsed;
    db.m_writable = m_writable;
    return db;
}

std::string Database::toBinary() const
{
    return m_writable ? writeBinaryPlist(m_root, m_binary.get(), m_parsed.get()) : std::string();
}

} // namespace handvia
