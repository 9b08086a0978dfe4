#ifndef SONVIX_SOURCE_H
#define SONVIX_SOURCE_H

#include <cstdint>
#include <memory>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwrContext;

namespace sonvix {

// Interleaved float samples at the device's rate and channel count, as the encoder sees them
// before shaping; firstFrame is the file position of the first frame, counted in frames of the
// device's rate.
struct PcmChunk
{
    std::vector<float> samples;
    int64_t firstFrame = 0;
    // No samples: a loop's pass ends here, and the next begins at firstFrame.
    bool seam = false;
};

// The best audio stream of one file, decoded and resampled to the device's rate and channels. Used
// by one thread at a time.
class Source
{
public:
    // Reads the file's headers only; null when the file has no decodable audio.
    static std::unique_ptr<Source> open(const char *path, int rate, int channels);
    ~Source();
    Source(const Source &) = delete;
    Source &operator=(const Source &) = delete;

    // The next chunk starts exactly at the frame given, however coarse the container's seeking.
    bool seek(int64_t frame);
    // False at the end of the stream, or on an error that ends it.
    bool decode(PcmChunk &chunk);

private:
    Source(int rate, int channels);
    bool openFile(const char *path);
    bool convert(PcmChunk &chunk);
    bool configureResampler();

    int rate;
    int channels;
    AVFormatContext *format = nullptr;
    AVCodecContext *codec = nullptr;
    AVStream *stream = nullptr;
    SwrContext *swr = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr;
    int64_t startPts = 0;
    int inFormat = -1;
    int inRate = 0;
    int inChannels = 0;
    int64_t nextFrame = 0;
    int64_t dropBefore = 0;
    bool needSync = true;
    bool draining = false;
};

} // namespace sonvix

#endif
