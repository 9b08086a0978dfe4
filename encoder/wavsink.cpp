#include "wavsink.h"

#include "failure.h"
#include "shaping/pcm16.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int headerBytes = 44;
// Without storage of its own, the C library falls back to writes of a few kilobytes, which
// cost a long decode much of its time in the kernel.
constexpr size_t bufferBytes = 1 << 20;

void put16(unsigned char *at, uint32_t value)
{
    at[0] = value & 0xff;
    at[1] = (value >> 8) & 0xff;
}

void put32(unsigned char *at, uint32_t value)
{
    put16(at, value & 0xffff);
    put16(at + 2, value >> 16);
}

} // namespace

WavSink::WavSink(int fd, const std::string &path, int channels, int sampleRate)
    : m_storage(new char[bufferBytes])
    , m_file(fdopen(fd, "wb"))
    , m_path(path)
    , m_channels(channels)
    , m_sampleRate(sampleRate)
    , m_seekable(lseek(fd, 0, SEEK_CUR) >= 0)
{
    if (!m_file) {
        close(fd);
        fail();
    }
    std::setvbuf(m_file, m_storage.get(), _IOFBF, bufferBytes);
    writeHeader(m_seekable ? 0 : UnknownSize);
}

WavSink::~WavSink()
{
    if (m_file)
        std::fclose(m_file);
}

void WavSink::write(const float *const *planes, int count)
{
    m_buffer.resize(size_t(count) * m_channels);
    shaping::toInterleavedPcm16(planes, m_channels, count, m_buffer.data());
    const size_t bytes = m_buffer.size() * sizeof(int16_t);
    if (std::fwrite(m_buffer.data(), 1, bytes, m_file) != bytes)
        fail();
    m_bytes += int64_t(bytes);
}

void WavSink::finish()
{
    if (m_seekable)
        writeHeader(dataSizeField(m_bytes));
    if (std::fflush(m_file) != 0)
        fail();
    std::FILE *file = m_file;
    m_file = nullptr;
    if (std::fclose(file) != 0)
        fail();
}

// A RIFF size cannot say more than 4 GiB.
uint32_t WavSink::dataSizeField(int64_t dataBytes)
{
    return dataBytes > int64_t(UnknownSize) - headerBytes ? UnknownSize : uint32_t(dataBytes);
}

void WavSink::writeHeader(uint32_t dataBytes)
{
    unsigned char header[headerBytes];
    const uint32_t blockAlign = uint32_t(m_channels) * 2;
    std::memcpy(header, "RIFF", 4);
    put32(header + 4, dataBytes == UnknownSize ? UnknownSize : dataBytes + headerBytes - 8);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    put32(header + 16, 16);
    put16(header + 20, 1);
    put16(header + 22, uint32_t(m_channels));
    put32(header + 24, uint32_t(m_sampleRate));
    put32(header + 28, uint32_t(m_sampleRate) * blockAlign);
    put16(header + 32, blockAlign);
    put16(header + 34, 16);
    std::memcpy(header + 36, "data", 4);
    put32(header + 40, dataBytes);
    if ((m_seekable && std::fseek(m_file, 0, SEEK_SET) != 0)
        || std::fwrite(header, 1, headerBytes, m_file) != headerBytes
        || (m_seekable && std::fseek(m_file, 0, SEEK_END) != 0))
        fail();
}

void WavSink::fail()
{
    throw Failure("cannot write output '" + m_path + "': " + std::strerror(errno));
}
