#ifndef ANALYSIS_WAVSTREAM_H
#define ANALYSIS_WAVSTREAM_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace analysis {

// Reads the samples of a RIFF/WAVE file (integer PCM of 8, 16, 24 or 32 bits, or 32-bit float)
// a block at a time, its channels mixed to one.
class WavStream
{
public:
    WavStream() = default;
    ~WavStream();
    WavStream(const WavStream &) = delete;
    WavStream &operator=(const WavStream &) = delete;

    // False with error() set when the file is not a WAV file this class reads.
    bool open(const std::string &path);
    // The same for a stream already open, a pipe for one, read front to back only; the object
    // closes it.
    bool open(std::FILE *stream, const std::string &name);
    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }
    // Writes up to count mono samples in [-1, 1]; 0 at the end of the data, or on a read error,
    // which error() then tells.
    size_t readMono(float *out, size_t count);
    // Empty while all is well.
    const std::string &error() const { return m_error; }

private:
    bool fail(const std::string &reason);
    bool readHeader(const std::string &name);
    bool readFormat(uint32_t size);
    bool skip(uint32_t bytes);
    float sample(const unsigned char *at) const;

    std::FILE *m_file = nullptr;
    std::string m_error;
    int m_sampleRate = 0;
    int m_channels = 0;
    int m_bytesPerSample = 0;
    bool m_float = false;
    uint64_t m_remaining = 0; // bytes of sample data not yet read
    std::vector<unsigned char> m_block;
};

} // namespace analysis

#endif
