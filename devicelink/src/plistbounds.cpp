#include "plistbounds.h"

#include "bplist.h"
#include "xmltags.h"

#include <algorithm>
#include <vector>

namespace handvia {

namespace {

// The longest chain of containers from the root and the size of the tree the references
// expand to, each object's figures computed once and walked without recursion.
bool binaryExceeds(const std::string &bytes, const ParseBounds &bounds)
{
    const BplistTrailer t = readBplistTrailer(bytes);
    if (!t.valid || t.root >= t.objects)
        return true;
    enum : unsigned char { Unseen, Open, Done };
    std::vector<unsigned char> state(t.objects, Unseen);
    std::vector<int> depth(t.objects, 0);
    std::vector<uint32_t> nodes(t.objects, 0);
    struct Frame
    {
        uint64_t object;
        BplistContainer c;
        uint64_t next;
        int deepest;
        uint32_t nodes;
    };
    std::vector<Frame> stack;
    auto open = [&](uint64_t object) {
        const BplistContainer c = bplistContainerAt(bytes, t, bplistObjectOffset(bytes, t, object));
        state[object] = Open;
        stack.push_back({object, c, 0, 0, 1});
        return c.ok && static_cast<int>(stack.size()) <= bounds.depth;
    };
    // Each child's nodes count once per reference; the sum stops growing past the bound.
    auto adopt = [&](Frame &parent, uint64_t child) {
        parent.deepest = std::max(parent.deepest, depth[child]);
        parent.nodes = static_cast<uint32_t>(std::min<uint64_t>(
                uint64_t(parent.nodes) + nodes[child], uint64_t(bounds.nodes) + 1));
        return static_cast<int>(stack.size()) + depth[child] <= bounds.depth
                && parent.nodes <= bounds.nodes;
    };
    if (!open(t.root))
        return true;
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.c.count) {
            const Frame done = top;
            depth[done.object] = done.deepest + 1;
            nodes[done.object] = done.nodes;
            state[done.object] = Done;
            stack.pop_back();
            if (!stack.empty() && !adopt(stack.back(), done.object))
                return true;
            continue;
        }
        const uint64_t child = bigEndian(bytes, top.c.refs + top.next * t.refSize, t.refSize);
        ++top.next;
        if (child >= t.objects || state[child] == Open)
            return true;
        if (state[child] == Done) {
            if (!adopt(top, child))
                return true;
        } else if (!open(child)) {
            return true;
        }
    }
    return depth[t.root] > bounds.depth || nodes[t.root] > bounds.nodes;
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

bool exceedsParseBounds(const std::string &bytes, const ParseBounds &bounds)
{
    if (bytes.compare(0, 6, "bplist") == 0)
        return binaryExceeds(bytes, bounds);
    // The XML form has no references: its nodes are bounded by its size.
    return xmlNestsDeeper(bytes, bounds.depth);
}

} // namespace handvia
