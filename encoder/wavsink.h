#ifndef ENCODER_WAVSINK_H
#define ENCODER_WAVSINK_H

#include "sink.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// 16-bit PCM WAV with the plain 44-byte header; sizes are filled in at the end. Where they
// cannot be told (past 4 GiB, or on a pipe, which cannot go back to the header) both say
// UnknownSize, which every reader here takes as "to the end of the file".
class WavSink : public Sink
{
public:
    // Takes ownership of fd; path only names the file in messages.
    static constexpr uint32_t UnknownSize = 0xffffffff;

    WavSink(int fd, const std::string &path, int channels, int sampleRate);
    // The header's data size for this many bytes of samples.
    static uint32_t dataSizeField(int64_t dataBytes);
    ~WavSink() override;

    void write(const float *const *planes, int count) override;
    void finish() override;
    int64_t bytesWritten() const override { return m_bytes; }

private:
    void writeHeader(uint32_t dataBytes);
    [[noreturn]] void fail();

    // Declared before the file, so it outlives it.
    std::unique_ptr<char[]> m_storage;
    std::FILE *m_file;
    std::string m_path;
    int m_channels;
    int m_sampleRate;
    bool m_seekable;
    int64_t m_bytes = 0;
    std::vector<int16_t> m_buffer;
};

#endif
