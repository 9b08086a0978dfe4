#include "analysis/wavstream.h"

#include <cstring>

namespace analysis {

namespace {

uint32_t le32(const unsigned char *b)
{
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

uint16_t le16(const unsigned char *b)
{
    return uint16_t(b[0] | b[1] << 8);
}

// The data size a writer gives when it cannot tell, or this size less the 44 bytes of a plain
// header, as writers that cap the size at 4 GiB leave it: the data runs to the end.
constexpr uint32_t UnknownDataSize = 0xffffffffu - 44;

constexpr uint16_t FormatPcm = 1;
constexpr uint16_t FormatFloat = 3;
constexpr uint16_t FormatExtensible = 0xFFFE;

} // namespace

WavStream::~WavStream()
{
    if (m_file)
        std::fclose(m_file);
}

bool WavStream::fail(const std::string &reason)
{
    m_error = reason;
    return false;
}

bool WavStream::open(const std::string &path)
{
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file)
        return fail("cannot open " + path + ": " + std::strerror(errno));
    return readHeader(path);
}

bool WavStream::open(std::FILE *stream, const std::string &name)
{
    m_file = stream;
    return readHeader(name);
}

bool WavStream::readHeader(const std::string &path)
{
    unsigned char header[12];
    if (std::fread(header, 1, 12, m_file) != 12 || std::memcmp(header, "RIFF", 4) != 0
        || std::memcmp(header + 8, "WAVE", 4) != 0)
        return fail("not a WAV file: " + path);
    bool haveFormat = false;
    for (;;) {
        unsigned char chunk[8];
        if (std::fread(chunk, 1, 8, m_file) != 8)
            return fail("no sample data in " + path);
        const uint32_t size = le32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (!readFormat(size))
                return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return fail("no format before the sample data in " + path);
            // A writer that cannot tell the size (on a pipe, or past 4 GiB) leaves it 0 or at
            // its largest: the data then runs to the end.
            m_remaining = size == 0 || size >= UnknownDataSize ? UINT64_MAX : size;
            return true;
        } else if (!skip(size + (size & 1))) {
            return fail("no sample data in " + path);
        }
    }
}

// Read past rather than sought, so that a pipe works too.
bool WavStream::skip(uint32_t bytes)
{
    unsigned char scrap[4096];
    while (bytes > 0) {
        const size_t n = bytes < sizeof scrap ? bytes : sizeof scrap;
        if (std::fread(scrap, 1, n, m_file) != n)
            return false;
        bytes -= uint32_t(n);
    }
    return true;
}

bool WavStream::readFormat(uint32_t size)
{
    if (size < 16 || size > 4096)
        return fail("unreadable WAV format");
    std::vector<unsigned char> format(size + (size & 1));
    if (std::fread(format.data(), 1, format.size(), m_file) != format.size())
        return fail("unreadable WAV format");
    uint16_t tag = le16(&format[0]);
    if (tag == FormatExtensible && size >= 26)
        tag = le16(&format[24]);
    m_channels = le16(&format[2]);
    m_sampleRate = int(le32(&format[4]));
    const int bits = le16(&format[14]);
    m_bytesPerSample = (bits + 7) / 8;
    m_float = tag == FormatFloat;
    const bool integer = tag == FormatPcm && m_bytesPerSample >= 1 && m_bytesPerSample <= 4;
    const bool real = m_float && m_bytesPerSample == 4;
    if (!integer && !real)
        return fail("unsupported WAV sample format");
    if (m_channels < 1 || m_channels > 64 || m_sampleRate < 1000 || m_sampleRate > 768000)
        return fail("unsupported WAV channel count or sample rate");
    return true;
}

float WavStream::sample(const unsigned char *at) const
{
    if (m_float) {
        float value;
        std::memcpy(&value, at, 4);
        return value;
    }
    switch (m_bytesPerSample) {
    case 1:
        return (float(at[0]) - 128.0f) / 128.0f;
    case 2:
        return float(int16_t(le16(at))) / 32768.0f;
    case 3:
        return float(int32_t(uint32_t(at[0]) << 8 | uint32_t(at[1]) << 16 | uint32_t(at[2]) << 24))
                / 2147483648.0f;
    default:
        return float(int32_t(le32(at))) / 2147483648.0f;
    }
}

size_t WavStream::readMono(float *out, size_t count)
{
    if (!m_file || !m_error.empty() || m_remaining == 0)
        return 0;
    const size_t frameBytes = size_t(m_bytesPerSample) * size_t(m_channels);
    uint64_t want = uint64_t(count) * frameBytes;
    if (want > m_remaining)
        want = m_remaining - m_remaining % frameBytes;
    m_block.resize(size_t(want));
    const size_t got = std::fread(m_block.data(), 1, m_block.size(), m_file);
    if (got < m_block.size()) {
        if (std::ferror(m_file))
            m_error = "read error in the WAV data";
        m_remaining = 0;
    } else if (m_remaining != UINT64_MAX) {
        m_remaining -= got;
    }
    const size_t frames = got / frameBytes;
    const float scale = 1.0f / float(m_channels);
    for (size_t f = 0; f < frames; ++f) {
        const unsigned char *at = m_block.data() + f * frameBytes;
        float sum = 0.0f;
        for (int c = 0; c < m_channels; ++c)
            sum += sample(at + size_t(c) * size_t(m_bytesPerSample));
        out[f] = sum * scale;
    }
    return frames;
}

} // namespace analysis
