#include "plistdepth.h"

#include "bplist.h"
#include "xmltags.h"

#include <algorithm>
#include <vector>

namespace handvia {

namespace {

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
        BplistContainer c;
        uint64_t next;
        int deepest;
    };
    std::vector<Frame> stack;
    auto open = [&](uint64_t object) {
        const BplistContainer c = bplistContainerAt(bytes, t, bplistObjectOffset(bytes, t, object));
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

// Counts open elements.
bool xmlNestsDeeper(const std::string &bytes, int limit)
{
    int depth = 0;
    bool deeper = false;
    forEachXmlTag(bytes, [&](size_t at, size_t close) {
        if (bytes[at + 1] == '/')
            depth = std::max(depth - 1, 0);
        else if (bytes[close - 1] != '/' && ++depth > limit)
            deeper = true;
        return !deeper;
    });
    return deeper;
}

} // namespace

bool nestsDeeperThan(const std::string &bytes, int limit)
{
    if (bytes.compare(0, 6, "bplist") == 0)
        return binaryNestsDeeper(bytes, limit);
    return xmlNestsDeeper(bytes, limit);
}

} // namespace handvia
