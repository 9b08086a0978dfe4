#include "aacsink.h"

#include "failure.h"

#include <algorithm>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

AacSink::AacSink(const std::string &temporaryPath,
                 const std::string &path,
                 int channels,
                 int sampleRate,
                 int bitRate,
                 const std::string &title)
    : m_path(path)
{
    m_packet = av_packet_alloc();
    m_frame = av_frame_alloc();
    if (!m_packet || !m_frame)
        throw Failure("out of memory");
    openEncoder(channels, sampleRate, bitRate);
    openMuxer(temporaryPath, sampleRate, title);
}

AacSink::~AacSink()
{
    if (m_muxer) {
        avio_closep(&m_muxer->pb);
        avformat_free_context(m_muxer);
    }
    avcodec_free_context(&m_encoder);
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
}

PeakCheck &AacSink::check(float floor)
{
    m_check = std::make_unique<PeakCheck>(m_stream->codecpar, floor);
    return *m_check;
}

void AacSink::openEncoder(int channels, int sampleRate, int bitRate)
{
    const AVCodec *codec = avcodec_find_encoder_by_name("aac");
    if (!codec)
        throw Failure("the AAC encoder is not available");
    m_encoder = avcodec_alloc_context3(codec);
    if (!m_encoder)
        throw Failure("out of memory");
    m_encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
    m_encoder->sample_rate = sampleRate;
    av_channel_layout_default(&m_encoder->ch_layout, channels);
    m_encoder->bit_rate = bitRate;
    m_encoder->profile = FF_PROFILE_AAC_LOW;
    m_encoder->time_base = AVRational {1, sampleRate};
    m_encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    check(avcodec_open2(m_encoder, codec, nullptr), "cannot open the AAC encoder");

    m_frame->format = AV_SAMPLE_FMT_FLTP;
    m_frame->sample_rate = sampleRate;
    m_frame->nb_samples = m_encoder->frame_size;
    check(av_channel_layout_copy(&m_frame->ch_layout, &m_encoder->ch_layout), "out of memory");
    check(av_frame_get_buffer(m_frame, 0), "out of memory");
}

void AacSink::openMuxer(const std::string &temporaryPath, int sampleRate, const std::string &title)
{
    check(avformat_alloc_output_context2(&m_muxer, nullptr, "ipod", nullptr),
          "cannot set up the MPEG-4 writer");
    // The muxer writes it as the iTunes-style name (©nam) that players and the phone show.
    if (!title.empty())
        check(av_dict_set(&m_muxer->metadata, "title", title.c_str(), 0), "out of memory");
    m_stream = avformat_new_stream(m_muxer, nullptr);
    if (!m_stream)
        throw Failure("out of memory");
    m_stream->time_base = AVRational {1, sampleRate};
    check(avcodec_parameters_from_context(m_stream->codecpar, m_encoder), "out of memory");
    // "file:" keeps a name with a colon from being read as a protocol.
    const int opened = avio_open(&m_muxer->pb, ("file:" + temporaryPath).c_str(), AVIO_FLAG_WRITE);
    if (opened < 0)
        throw Failure("cannot write output '" + m_path + "': " + avErrorText(opened));
    AVDictionary *options = nullptr;
    av_dict_set_int(&options, "movie_timescale", sampleRate, 0);
    const int result = avformat_write_header(m_muxer, &options);
    av_dict_free(&options);
    check(result, "cannot write output");
}

void AacSink::write(const float *const *planes, int count)
{
    const int channels = m_encoder->ch_layout.nb_channels;
    const int frameSize = m_encoder->frame_size;
    int done = 0;
    while (done < count) {
        if (m_filled == 0)
            check(av_frame_make_writable(m_frame), "out of memory");
        const int n = std::min(count - done, frameSize - m_filled);
        for (int c = 0; c < channels; ++c) {
            const float *in = planes[c] + done;
            float *out = reinterpret_cast<float *>(m_frame->extended_data[c]) + m_filled;
            for (int i = 0; i < n; ++i)
                out[i] = std::clamp(in[i], -1.0f, 1.0f);
        }
        m_filled += n;
        done += n;
        if (m_filled == frameSize) {
            m_frame->nb_samples = frameSize;
            sendFrame(m_frame);
        }
    }
}

void AacSink::sendFrame(AVFrame *frame)
{
    if (frame) {
        frame->pts = m_samples;
        m_samples += frame->nb_samples;
        m_filled = 0;
    }
    check(avcodec_send_frame(m_encoder, frame), "AAC encoding failed");
    for (;;) {
        const int result = avcodec_receive_packet(m_encoder, m_packet);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return;
        check(result, "AAC encoding failed");
        av_packet_rescale_ts(m_packet, m_encoder->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        if (m_check)
            m_check->take(m_packet);
        check(av_write_frame(m_muxer, m_packet), "cannot write output");
    }
}

void AacSink::finish()
{
    if (m_filled > 0) {
        m_frame->nb_samples = m_filled;
        sendFrame(m_frame);
    }
    sendFrame(nullptr);
    check(av_write_trailer(m_muxer), "cannot write output");
    m_finalBytes = avio_tell(m_muxer->pb);
    check(avio_closep(&m_muxer->pb), "cannot write output");
}

int64_t AacSink::bytesWritten() const
{
    return m_muxer && m_muxer->pb ? avio_tell(m_muxer->pb) : m_finalBytes;
}

void AacSink::check(int result, const char *what)
{
    if (result < 0)
        throw Failure(std::string(what) + " '" + m_path + "': " + avErrorText(result));
}
