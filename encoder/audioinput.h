#ifndef ENCODER_AUDIOINPUT_H
#define ENCODER_AUDIOINPUT_H

#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;

// The best audio stream of a media file, decoded frame by frame; other streams are skipped.
class AudioInput
{
public:
    explicit AudioInput(const std::string &path);
    ~AudioInput();
    AudioInput(const AudioInput &) = delete;
    AudioInput &operator=(const AudioInput &) = delete;

    // Jumps to a point at or shortly before seconds (from the start of the file).
    void seek(double seconds);
    // The next decoded frame, or false at the end of the stream. The frame stays valid until
    // the next call.
    bool next(AVFrame *&frame);
    // Position of a decoded frame's first sample in samples at its own rate from the start of
    // the file, or fallback when the frame carries no time.
    int64_t samplePosition(const AVFrame *frame, int64_t fallback) const;

private:
    bool receive();
    bool feed();
    bool endOfFile() const;

    std::string m_path;
    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_decoder = nullptr;
    AVPacket *m_packet = nullptr;
    AVFrame *m_frame = nullptr;
    int m_stream = -1;
    bool m_draining = false;
};

#endif
