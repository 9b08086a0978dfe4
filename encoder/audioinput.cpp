#include "audioinput.h"

#include "failure.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {
// Decoding starts this long before a seek point: the first frames after a jump may lack
// the data they borrow from earlier frames (MP3's bit reservoir) and are dropped anyway.
constexpr double seekPreroll = 0.25;
} // namespace

AudioInput::AudioInput(const std::string &path)
    : m_path(path)
{
    // "file:" keeps a name with a colon from being read as a protocol.
    int result = avformat_open_input(&m_format, ("file:" + path).c_str(), nullptr, nullptr);
    if (result < 0)
        throw Failure("cannot open input '" + path + "': " + avErrorText(result));
    result = avformat_find_stream_info(m_format, nullptr);
    if (result < 0)
        throw Failure("cannot read input '" + path + "': " + avErrorText(result));
    const AVCodec *codec = nullptr;
    m_stream = av_find_best_stream(m_format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_stream < 0 || !codec)
        throw Failure("no audio stream in input '" + path + "'");
    for (unsigned i = 0; i < m_format->nb_streams; ++i) {
        if (int(i) != m_stream)
            m_format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVStream *stream = m_format->streams[m_stream];
    m_decoder = avcodec_alloc_context3(codec);
    m_packet = av_packet_alloc();
    m_frame = av_frame_alloc();
    if (!m_decoder || !m_packet || !m_frame)
        throw Failure("out of memory");
    result = avcodec_parameters_to_context(m_decoder, stream->codecpar);
    if (result >= 0) {
        m_decoder->pkt_timebase = stream->time_base;
        result = avcodec_open2(m_decoder, codec, nullptr);
    }
    if (result < 0)
        throw Failure("cannot decode input '" + path + "': " + avErrorText(result));
}

AudioInput::~AudioInput()
{
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    avcodec_free_context(&m_decoder);
    avformat_close_input(&m_format);
}

void AudioInput::seek(double seconds)
{
    const double from = seconds - seekPreroll;
    if (from <= 0.0)
        return;
    const AVStream *stream = m_format->streams[m_stream];
    int64_t target = av_rescale_q(int64_t(from * AV_TIME_BASE), AV_TIME_BASE_Q, stream->time_base);
    if (m_format->start_time != AV_NOPTS_VALUE)
        target += av_rescale_q(m_format->start_time, AV_TIME_BASE_Q, stream->time_base);
    // Seeking on the audio stream itself: a video stream's key frames may lie far back.
    if (avformat_seek_file(m_format, m_stream, INT64_MIN, target, target, 0) >= 0)
        avcodec_flush_buffers(m_decoder);
    // A failed seek leaves the file at its start; decoding from there is slower, not wrong.
}

bool AudioInput::next(AVFrame *&frame)
{
    for (;;) {
        if (receive()) {
            frame = m_frame;
            return true;
        }
        if (m_draining)
            return false;
        if (!feed()) {
            m_draining = true;
            avcodec_send_packet(m_decoder, nullptr);
        }
    }
}

bool AudioInput::receive()
{
    for (;;) {
        const int result = avcodec_receive_frame(m_decoder, m_frame);
        if (result >= 0)
            return true;
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return false;
        if (result != AVERROR_INVALIDDATA)
            throw Failure("cannot decode input '" + m_path + "': " + avErrorText(result));
        // A damaged frame is skipped, as players do.
    }
}

bool AudioInput::feed()
{
    for (;;) {
        const int read = av_read_frame(m_format, m_packet);
        if (read == AVERROR(EAGAIN))
            continue;
        if (read == AVERROR_EOF)
            return endOfFile();
        if (read < 0)
            throw Failure("cannot read input '" + m_path + "': " + avErrorText(read));
        if (m_packet->stream_index != m_stream) {
            av_packet_unref(m_packet);
            continue;
        }
        const int result = avcodec_send_packet(m_decoder, m_packet);
        av_packet_unref(m_packet);
        if (result >= 0 || result == AVERROR_INVALIDDATA)
            return true;
        if (result != AVERROR(EAGAIN))
            throw Failure("cannot decode input '" + m_path + "': " + avErrorText(result));
        return true;
    }
}

// Some demuxers report a failed read as the end of the file; the byte reader still knows.
bool AudioInput::endOfFile() const
{
    const int error = m_format->pb ? m_format->pb->error : 0;
    if (error < 0 && error != AVERROR_EOF)
        throw Failure("cannot read input '" + m_path + "': " + avErrorText(error));
    return false;
}

int64_t AudioInput::samplePosition(const AVFrame *frame, int64_t fallback) const
{
    if (frame->best_effort_timestamp == AV_NOPTS_VALUE || frame->sample_rate <= 0)
        return fallback;
    const AVStream *stream = m_format->streams[m_stream];
    const AVRational perSample {1, frame->sample_rate};
    int64_t position = av_rescale_q(frame->best_effort_timestamp, stream->time_base, perSample);
    if (m_format->start_time != AV_NOPTS_VALUE)
        position -= av_rescale_q(m_format->start_time, AV_TIME_BASE_Q, perSample);
    return position;
}
