#include "plistdepth.h"

#include "bplist.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace handvia {

namespace {

// One container of the binary form: where its references start and how many there are.
struct Container
{
    bool ok = false;
    size_t refs = 0;
    uint64_t count = 0;
};

Container containerAt(const std::string &bytes, const BplistTrailer &t, uint64_t offset)
{
    Container c;
    if (offset >= t.table)
        return c;
    const unsigned char marker = static_cast<unsigned char>(bytes[offset]);
    const unsigned type = marker >> 4;
    c.ok = true;
    if (type != 0xA && type != 0xB && type != 0xC && type != 0xD)
        return c; // a leaf: no references
    uint64_t count = marker & 0x0F;
    size_t pos = offset + 1;
    if (count == 0x0F) {
        const unsigned char sizeMarker = pos < t.table ? static_cast<unsigned char>(bytes[pos]) : 0;
        const size_t width = size_t(1) << (sizeMarker & 0x0F);
        if ((sizeMarker >> 4) != 1 || width > 8 || pos + 1 + width > t.table)
            return Container();
        count = bigEndian(bytes, pos + 1, width);
        pos += 1 + width;
    }
    if (type == 0xD)
        count *= 2; // keys, then values
    if (t.refSize < 1 || t.refSize > 8 || count > t.table || pos + count * t.refSize > t.table)
        return Container();
    c.refs = pos;
    c.count = count;
    return c;
}

// The longest chain of containers from the root, walked without recursion.
bool binaryNestsDeeper(const std::string &bytes, int limit)
{
    const BplistTrailer t = readBplistTrailer(bytes);
    if (!t.valid || t.root >= t.objects)
        return true;
    enum : unsigned char { Unseen, Open, Done };
    std::vector<unsigned char> state(t.objects, Unseen);
    std::vector<int> depth(t.objects, 0);
    struct Frame
    {
        uint64_t object;
        Container c;
        uint64_t next;
        int deepest;
    };
    std::vector<Frame> stack;
    auto open = [&](uint64_t object) {
        const Container c = containerAt(
                bytes, t, bigEndian(bytes, t.table + object * t.offsetSize, t.offsetSize));
        state[object] = Open;
        stack.push_back({object, c, 0, 0});
        return c.ok && static_cast<int>(stack.size()) <= limit;
    };
    if (!open(t.root))
        return true;
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.c.count) {
            depth[top.object] = top.deepest + 1;
            state[top.object] = Done;
            const int finished = depth[top.object];
            stack.pop_back();
            if (!stack.empty())
                stack.back().deepest = std::max(stack.back().deepest, finished);
            continue;
        }
        const uint64_t child = bigEndian(bytes, top.c.refs + top.next * t.refSize, t.refSize);
        ++top.next;
        if (child >= t.objects || state[child] == Open)
            return true;
        if (state[child] == Done) {
            top.deepest = std::max(top.deepest, depth[child]);
            if (static_cast<int>(stack.size()) + depth[child] > limit)
                return true;
        } else if (!open(child)) {
            return true;
        }
    }
    return depth[t.root] > limit;
}

bool startsWith(const std::string &bytes, size_t at, const char *prefix)
{
    return bytes.compare(at, std::strlen(prefix), prefix) == 0;
}

// Counts open elements; comments, processing instructions, declarations and character data
// sections are skipped as the parser skips them.
bool xmlNestsDeeper(const std::string &bytes, int limit)
{
    int depth = 0;
    for (size_t at = bytes.find('<'); at != std::string::npos; at = bytes.find('<', at + 1)) {
        const char *end = ">";
        if (startsWith(bytes, at, "<!--"))
            end = "-->";
        else if (startsWith(bytes, at, "<![CDATA["))
            end = "]]>";
        else if (startsWith(bytes, at, "<?"))
            end = "?>";
        const size_t close = bytes.find(end, at + 1);
        if (close == std::string::npos)
            return false; // unterminated: the parser stops here
        const bool skipped = std::strcmp(end, ">") != 0 || startsWith(bytes, at, "<!");
        if (!skipped) {
            if (bytes[at + 1] == '/')
                depth = std::max(depth - 1, 0);
            else if (bytes[close - 1] != '/' && ++depth > limit)
                return true;
        }
        at = close;
    }
    return false;
}

} // namespace

bool nestsDeeperThan(const std::string &bytes, int limit)
{
    if (bytes.compare(0, 6, "bplist") == 0)
        return binaryNestsDeeper(bytes, limit);
    return xmlNestsDeeper(bytes, limit);
}

} // namespace handvia
