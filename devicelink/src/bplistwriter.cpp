#include "bplistwriter.h"

#include "bplist.h"
#include "plistdict.h"
#include "text.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace handvia {

namespace {

const uint64_t none = ~uint64_t(0);

// 1, 2, 4 or 8: the fewest bytes that hold value.
size_t widthFor(uint64_t value)
{
    size_t width = 1;
    while (width < 8 && (value >> (8 * width)) != 0)
        width *= 2;
    return width;
}

void appendBigEndian(std::string &out, uint64_t value, size_t width)
{
    for (size_t i = width; i-- > 0;)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A non-negative integer below 2^63 in the fewest bytes.
void appendInteger(std::string &out, uint64_t value)
{
    const size_t width = widthFor(value);
    unsigned log = 0;
    while ((size_t(1) << log) < width)
        ++log;
    out += static_cast<char>(0x10 | log);
    appendBigEndian(out, value, width);
}

void appendMarker(std::string &out, unsigned type, uint64_t count)
{
    if (count < 0x0F) {
        out += static_cast<char>(type << 4 | count);
        return;
    }
    out += static_cast<char>(type << 4 | 0x0F);
    appendInteger(out, count);
}

// ASCII text as bytes, any other text as UTF-16; false, with nothing written, for text that is
// not UTF-8.
bool appendString(std::string &out, const char *text, size_t length)
{
    size_t i = 0;
    while (i < length && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    if (i == length) {
        appendMarker(out, 0x5, length);
        out.append(text, length);
        return true;
    }
    if (!isValidUtf8(std::string(text, length)))
        return false;
    std::vector<uint16_t> units;
    for (i = 0; i < length;) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += 1 + extra;
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(static_cast<uint16_t>(0xD800 | code >> 10));
            units.push_back(static_cast<uint16_t>(0xDC00 | (code & 0x3FF)));
        } else {
            units.push_back(static_cast<uint16_t>(code));
        }
    }
    appendMarker(out, 0x6, units.size());
    for (const uint16_t unit : units)
        appendBigEndian(out, unit, 2);
    return true;
}

// The one object that the plist library writes for node: values this writer does not encode
// itself are written as the library always wrote them.
bool appendByLibrary(std::string &out, plist_t node)
{
    plist_t copy = plist_copy(node);
    char *data = nullptr;
    uint32_t length = 0;
    plist_to_bin(copy, &data, &length);
    plist_free(copy);
    const std::string bytes = data ? std::string(data, length) : std::string();
    plist_to_bin_free(data);
    const BplistTrailer t = readBplistTrailer(bytes);
    if (!t.valid || t.objects != 1)
        return false;
    const uint64_t offset = bplistObjectOffset(bytes, t, 0);
    if (offset >= t.table)
        return false;
    out.append(bytes, offset, t.table - offset);
    return true;
}

bool appendValue(std::string &out, plist_t node)
{
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        out += value ? '\x09' : '\x08';
        return true;
    }
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        if (value >> 63) // negative or above 2^63: only the library knows which
            return appendByLibrary(out, node);
        appendInteger(out, value);
        return true;
    }
    case PLIST_STRING: {
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        return (text && appendString(out, text, length)) || appendByLibrary(out, node);
    }
    default:
        return appendByLibrary(out, node);
    }
}

// An upper bound of the objects written for node: one per node and per key.
uint64_t countObjects(plist_t node)
{
    uint64_t count = 1;
    if (plist_get_node_type(node) == PLIST_ARRAY) {
        for (uint32_t i = 0, n = plist_array_get_size(node); i < n; ++i)
            count += countObjects(plist_array_get_item(node, i));
    } else if (plist_get_node_type(node) == PLIST_DICT) {
        forEachEntry(node, [&](const std::string &, plist_t value) {
            count += 1 + countObjects(value);
            return true;
        });
    }
    return count;
}

// One item of a dictionary as read: its key, its value as the library read it, and the objects
// of both in the original.
struct Item
{
    std::string key;
    plist_t value;
    uint64_t keyObject;
    uint64_t valueObject;
};

// Pairs each key of a dictionary with the same key as read, in order, so that repeated keys each
// find their own value; in the usual case (same order) without a lookup.
class KeyMatcher
{
public:
    explicit KeyMatcher(const std::vector<Item> &items)
        : m_items(items)
        , m_used(items.size(), false)
    { }

    const Item *take(const std::string &key)
    {
        while (m_next < m_items.size() && m_used[m_next])
            ++m_next;
        const size_t at
                = m_next < m_items.size() && m_items[m_next].key == key ? m_next : find(key);
        if (at == none)
            return nullptr;
        m_used[at] = true;
        return &m_items[at];
    }

private:
    size_t find(const std::string &key)
    {
        if (m_first.empty()) {
            m_later.assign(m_items.size(), none);
            for (size_t i = m_items.size(); i-- > 0;) {
                const auto added = m_first.emplace(m_items[i].key, i);
                if (!added.second) {
                    m_later[i] = added.first->second;
                    added.first->second = i;
                }
            }
        }
        const auto found = m_first.find(key);
        if (found == m_first.end())
            return none;
        size_t at = found->second;
        while (at != none && m_used[at])
            at = m_later[at];
        found->second = at; // the used ones are never looked at again
        return at;
    }

    const std::vector<Item> &m_items;
    std::vector<bool> m_used;
    size_t m_next = 0;
    std::unordered_map<std::string_view, size_t> m_first;
    std::vector<size_t> m_later;
};

class Writer
{
public:
    Writer(const std::string *original, const std::string *parsed)
        : m_original(original)
        , m_parsed(parsed ? parsed : original)
        , m_leaves(0, Hash {this}, Same {this})
    { }

    std::string write(plist_t root);

private:
    struct Hash
    {
        const Writer *writer;
        size_t operator()(uint64_t i) const { return writer->m_hashes[i]; }
    };
    struct Same
    {
        const Writer *writer;
        bool operator()(uint64_t a, uint64_t b) const
        {
            return writer->objectBytes(a) == writer->objectBytes(b);
        }
    };

    uint64_t node(plist_t node, plist_t read, uint64_t object);
    uint64_t array(plist_t node, plist_t read, uint64_t object);
    uint64_t dict(plist_t node, plist_t read, uint64_t object);
    uint64_t copied(uint64_t object);
    uint64_t container(unsigned type, const std::vector<uint64_t> &refs, uint64_t count);
    uint64_t leafFrom(size_t start);
    std::vector<Item> itemsAsRead(plist_t read, uint64_t object) const;
    BplistContainer originalContainer(uint64_t object) const;
    uint64_t originalRef(const BplistContainer &c, uint64_t i) const;
    std::string_view objectBytes(uint64_t i) const;

    const std::string *m_original;
    const std::string *m_parsed;
    BplistTrailer m_trailer;
    std::string m_out = "bplist00";
    std::vector<uint64_t> m_offsets;
    std::vector<size_t> m_hashes;
    // Leaves are written once and referred to wherever they recur, as the phone's files do.
    std::unordered_set<uint64_t, Hash, Same> m_leaves;
    size_t m_refSize = 1;
    bool m_failed = false;
};

std::string_view Writer::objectBytes(uint64_t i) const
{
    const uint64_t end = i + 1 < m_offsets.size() ? m_offsets[i + 1] : m_out.size();
    return std::string_view(m_out).substr(m_offsets[i], end - m_offsets[i]);
}

// The object just written from start, or the same one written before.
uint64_t Writer::leafFrom(size_t start)
{
    m_offsets.push_back(start);
    m_hashes.push_back(std::hash<std::string_view>()(std::string_view(m_out).substr(start)));
    const uint64_t index = m_offsets.size() - 1;
    const auto found = m_leaves.find(index);
    if (found == m_leaves.end()) {
        m_leaves.insert(index);
        return index;
    }
    m_offsets.pop_back();
    m_hashes.pop_back();
    m_out.resize(start);
    return *found;
}

uint64_t Writer::container(unsigned type, const std::vector<uint64_t> &refs, uint64_t count)
{
    m_offsets.push_back(m_out.size());
    m_hashes.push_back(0);
    appendMarker(m_out, type, count);
    for (const uint64_t ref : refs)
        appendBigEndian(m_out, ref, m_refSize);
    return m_offsets.size() - 1;
}

BplistContainer Writer::originalContainer(uint64_t object) const
{
    if (!m_original || object == none)
        return {};
    return bplistContainerAt(
            *m_original, m_trailer, bplistObjectOffset(*m_original, m_trailer, object));
}

uint64_t Writer::originalRef(const BplistContainer &c, uint64_t i) const
{
    const uint64_t ref = bigEndian(*m_original, c.refs + i * m_trailer.refSize, m_trailer.refSize);
    return ref < m_trailer.objects ? ref : none;
}

uint64_t Writer::copied(uint64_t object)
{
    if (!m_original || object == none)
        return none;
    const uint64_t offset = bplistObjectOffset(*m_original, m_trailer, object);
    const size_t size = bplistLeafSize(*m_original, m_trailer, offset);
    if (size == 0)
        return none;
    const size_t start = m_out.size();
    m_out.append(*m_original, offset, size);
    return leafFrom(start);
}

uint64_t Writer::node(plist_t node, plist_t read, uint64_t object)
{
    const plist_type type = plist_get_node_type(node);
    if (!read || plist_get_node_type(read) != type) {
        read = nullptr;
        object = none;
    }
    if (type == PLIST_DICT)
        return dict(node, read, object);
    if (type == PLIST_ARRAY)
        return array(node, read, object);
    // Unchanged since read: the original's bytes, whatever the library made of them.
    if (read && plist_compare_node_value(node, read)) {
        const uint64_t index = copied(object);
        if (index != none)
            return index;
    }
    const size_t start = m_out.size();
    if (!appendValue(m_out, node)) {
        m_failed = true;
        return 0;
    }
    return leafFrom(start);
}

uint64_t Writer::array(plist_t node, plist_t read, uint64_t object)
{
    const BplistContainer c = originalContainer(object);
    // A set or an ordered set reads as an array; it keeps its kind.
    const bool mapped = read && c.ok && isBplistContainer(c.type) && c.type != 0xD
            && c.count == plist_array_get_size(read);
    std::vector<uint64_t> refs;
    for (uint32_t i = 0, n = plist_array_get_size(node); i < n; ++i) {
        const bool kept = mapped && i < c.count;
        refs.push_back(this->node(plist_array_get_item(node, i),
                                  kept ? plist_array_get_item(read, i) : nullptr,
                                  kept ? originalRef(c, i) : none));
    }
    return container(mapped ? c.type : 0xA, refs, refs.size());
}

std::vector<Item> Writer::itemsAsRead(plist_t read, uint64_t object) const
{
    std::vector<Item> items;
    const BplistContainer c = originalContainer(object);
    if (!read || !c.ok || c.type != 0xD || c.count / 2 != plist_dict_get_size(read))
        return items;
    const uint64_t count = c.count / 2;
    forEachEntry(read, [&](const std::string &key, plist_t value) {
        const uint64_t i = items.size();
        items.push_back({key, value, originalRef(c, i), originalRef(c, count + i)});
        return true;
    });
    return items;
}

uint64_t Writer::dict(plist_t node, plist_t read, uint64_t object)
{
    const std::vector<Item> items = itemsAsRead(read, object);
    KeyMatcher matcher(items);
    std::vector<uint64_t> refs, values;
    forEachEntry(node, [&](const std::string &key, plist_t value) {
        const Item *match = matcher.take(key);
        uint64_t keyIndex = match ? copied(match->keyObject) : none;
        if (keyIndex == none) {
            const size_t start = m_out.size();
            if (appendString(m_out, key.data(), key.size()))
                keyIndex = leafFrom(start);
            else
                m_failed = true;
        }
        refs.push_back(keyIndex);
        values.push_back(this->node(
                value, match ? match->value : nullptr, match ? match->valueObject : none));
        return !m_failed;
    });
    const uint64_t count = values.size();
    refs.insert(refs.end(), values.begin(), values.end());
    return container(0xD, refs, count);
}

std::string Writer::write(plist_t root)
{
    plist_t read = nullptr;
    if (m_original) {
        // Read again as when the database was read: what the library made of each object.
        m_trailer = readBplistTrailer(*m_original);
        plist_from_memory(m_parsed->data(), static_cast<uint32_t>(m_parsed->size()), &read);
        if (!read || !m_trailer.valid || m_trailer.root >= m_trailer.objects) {
            if (read)
                plist_free(read);
            return {};
        }
    }
    m_refSize = widthFor(countObjects(root));
    const uint64_t top = node(root, read, read ? m_trailer.root : none);
    if (read)
        plist_free(read);
    if (m_failed)
        return {};
    const uint64_t table = m_out.size();
    const size_t offsetSize = widthFor(m_offsets.back());
    for (const uint64_t offset : m_offsets)
        appendBigEndian(m_out, offset, offsetSize);
    m_out.append(6, '\0');
    m_out += static_cast<char>(offsetSize);
    m_out += static_cast<char>(m_refSize);
    appendBigEndian(m_out, m_offsets.size(), 8);
    appendBigEndian(m_out, top, 8);
    appendBigEndian(m_out, table, 8);
    return std::move(m_out);
}

} // namespace

std::string writeBinaryPlist(plist_t root, const std::string *original, const std::string *parsed)
{
    if (!root)
        return {};
    return Writer(original, parsed).write(root);
}

} // namespace handvia
