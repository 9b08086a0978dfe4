#include "rawobjects.h"

#include "bplist.h"

#include <vector>

using namespace handvia;

namespace {

class Walk
{
public:
    Walk(const std::string &bytes, size_t limit, std::map<std::string, std::string> &out)
        : m_bytes(bytes)
        , m_trailer(readBplistTrailer(bytes))
        , m_limit(limit)
        , m_out(out)
    { }

    bool run()
    {
        return m_trailer.valid && m_trailer.root < m_trailer.objects
                && object(m_trailer.root, std::string(), 0);
    }

private:
    std::string leaf(uint64_t index) const
    {
        const uint64_t offset = bplistObjectOffset(m_bytes, m_trailer, index);
        const size_t size = bplistLeafSize(m_bytes, m_trailer, offset);
        return size ? m_bytes.substr(offset, size) : std::string();
    }

    uint64_t ref(const BplistContainer &c, uint64_t i) const
    {
        return bigEndian(m_bytes, c.refs + i * m_trailer.refSize, m_trailer.refSize);
    }

    bool object(uint64_t index, const std::string &path, int depth)
    {
        if (index >= m_trailer.objects || depth > 100 || m_out.size() >= m_limit)
            return false;
        const BplistContainer c = bplistContainerAt(
                m_bytes, m_trailer, bplistObjectOffset(m_bytes, m_trailer, index));
        if (!c.ok)
            return false;
        if (!isBplistContainer(c.type)) {
            const std::string bytes = leaf(index);
            m_out[path] = bytes;
            return !bytes.empty();
        }
        m_out[path] = "container " + std::to_string(c.type);
        const uint64_t items = c.type == 0xD ? c.count / 2 : c.count;
        for (uint64_t i = 0; i < items; ++i) {
            const std::string step = path + '/' + std::to_string(i);
            if (c.type == 0xD && !object(ref(c, i), step + "/key", depth + 1))
                return false;
            const uint64_t value = c.type == 0xD ? ref(c, items + i) : ref(c, i);
            if (!object(value, step, depth + 1))
                return false;
        }
        return true;
    }

    const std::string &m_bytes;
    const BplistTrailer m_trailer;
    const size_t m_limit;
    std::map<std::string, std::string> &m_out;
};

} // namespace

bool rawObjects(const std::string &bytes, size_t limit, std::map<std::string, std::string> &out)
{
    out.clear();
    return Walk(bytes, limit, out).run();
}
