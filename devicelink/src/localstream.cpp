#include "storage.h"

#include <cstdio>

namespace handvia {

namespace {

class LocalStream : public Stream
{
public:
    explicit LocalStream(std::FILE *file)
        : m_file(file)
    { }
    ~LocalStream() override
    {
        if (m_file)
            std::fclose(m_file);
    }

    long read(char *data, size_t size) override
    {
        const size_t count = std::fread(data, 1, size, m_file);
        if (count == 0 && std::ferror(m_file))
            return -1;
        return static_cast<long>(count);
    }
    bool write(const char *data, size_t size) override
    {
        return std::fwrite(data, 1, size, m_file) == size;
    }
    bool close() override
    {
        const bool ok = std::fclose(m_file) == 0;
        m_file = nullptr;
        return ok;
    }

private:
    std::FILE *m_file;
};

std::unique_ptr<Stream> open(const std::string &path, const char *mode)
{
    std::FILE *file = std::fopen(path.c_str(), mode);
    if (!file)
        return nullptr;
    return std::make_unique<LocalStream>(file);
}

} // namespace

std::unique_ptr<Stream> openLocalRead(const std::string &path)
{
    return open(path, "rb");
}

std::unique_ptr<Stream> openLocalWrite(const std::string &path)
{
    return open(path, "wb");
}

bool pump(Stream &from, Stream &to)
{
    char buffer[64 * 1024];
    for (;;) {
        const long count = from.read(buffer, sizeof buffer);
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        if (!to.write(buffer, static_cast<size_t>(count)))
            return false;
    }
}

} // namespace handvia
