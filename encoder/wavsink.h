#ifndef ENCODER_WAVSINK_H
#define ENCODER_WAVSINK_H

#include "sink.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// 16-bit PCM WAV with the plain 44-byte header; sizes are filled in at the end.
class WavSink : public Sink
{
public:
    // Takes ownership of fd; path only names the file in messages.
    WavSink(int fd, const std::string &path, int channels, int sampleRate);
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
    int64_t m_bytes = 0;
    std::vector<int16_t> m_buffer;
};

#endif
