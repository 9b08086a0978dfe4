#ifndef ENCODER_AACSINK_H
#define ENCODER_AACSINK_H

#include "peakcheck.h"
#include "sink.h"

#include <memory>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// AAC-LC in an MPEG-4 audio file. The movie timescale equals the sample rate and the encoder's
// priming and the last frame's padding go into the edit list, so the duration reads back exactly.
class AacSink : public Sink
{
public:
    AacSink(const std::string &temporaryPath,
            const std::string &path,
            int channels,
            int sampleRate,
            int bitRate,
            const std::string &title = {});
    ~AacSink() override;
    // From now on every packet is decoded and measured as well; a peak below `floor` needs no
    // exact measure.
    PeakCheck &check(float floor);
    AacSink(const AacSink &) = delete;
    AacSink &operator=(const AacSink &) = delete;

    void write(const float *const *planes, int count) override;
    void finish() override;
    int64_t bytesWritten() const override;

private:
    void openEncoder(int channels, int sampleRate, int bitRate);
    void openMuxer(const std::string &temporaryPath, int sampleRate, const std::string &title);
    void sendFrame(AVFrame *frame);
    void check(int result, const char *what);

    std::string m_path;
    AVCodecContext *m_encoder = nullptr;
    AVFormatContext *m_muxer = nullptr;
    AVStream *m_stream = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    std::unique_ptr<PeakCheck> m_check;
    int m_filled = 0;
    int64_t m_samples = 0;
    int64_t m_finalBytes = 0;
};

#endif
