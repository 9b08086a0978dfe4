#include "source.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>

namespace sonvix {

Source::Source(int rate, int channels)
    : rate(rate)
    , channels(channels)
{ }

Source::~Source()
{
    swr_free(&swr);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
}

std::unique_ptr<Source> Source::open(const char *path, int rate, int channels)
{
    std::unique_ptr<Source> source(new Source(rate, channels));
    if (!source->openFile(path))
        return nullptr;
    return source;
}

bool Source::openFile(const char *path)
{
    if (avformat_open_input(&format, path, nullptr, nullptr) < 0)
        return false;
    if (avformat_find_stream_info(format, nullptr) < 0)
        return false;
    const AVCodec *decoder = nullptr;
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (index < 0 || !decoder)
        return false;
    stream = format->streams[index];
    // Packets of other streams (video, subtitles) are never read into memory.
    for (unsigned i = 0; i < format->nb_streams; ++i)
        format->streams[i]->discard = int(i) == index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    codec = avcodec_alloc_context3(decoder);
    if (!codec || avcodec_parameters_to_context(codec, stream->codecpar) < 0)
        return false;
    codec->pkt_timebase = stream->time_base;
    if (avcodec_open2(codec, decoder, nullptr) < 0)
        return false;
    packet = av_packet_alloc();
    frame = av_frame_alloc();
    startPts = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
    return packet && frame;
}

bool Source::seek(int64_t target)
{
    const int64_t ts = startPts + av_rescale_q(target, AVRational {1, rate}, stream->time_base);
    if (av_seek_frame(format, stream->index, ts, AVSEEK_FLAG_BACKWARD) < 0
        && av_seek_frame(format, stream->index, ts, AVSEEK_FLAG_ANY | AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(codec);
    swr_free(&swr);
    nextFrame = target;
    dropBefore = target;
    needSync = true;
    draining = false;
    return true;
}

bool Source::decode(PcmChunk &chunk)
{
    for (;;) {
        const int received = avcodec_receive_frame(codec, frame);
        if (received == 0) {
            const bool produced = convert(chunk);
            av_frame_unref(frame);
            if (produced)
                return true;
            continue;
        }
        if (received != AVERROR(EAGAIN) || draining)
            return false;
        if (av_read_frame(format, packet) < 0) {
            draining = true;
            avcodec_send_packet(codec, nullptr);
            continue;
        }
        // A damaged packet is skipped; the stream goes on with the next one.
        if (packet->stream_index == stream->index)
            avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
    }
}

bool Source::configureResampler()
{
    AVChannelLayout in;
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&in, frame->ch_layout.nb_channels);
    else
        av_channel_layout_copy(&in, &frame->ch_layout);
    AVChannelLayout out;
    av_channel_layout_default(&out, channels);
    swr_free(&swr);
    inFormat = frame->format;
    inRate = frame->sample_rate;
    inChannels = frame->ch_layout.nb_channels;
    const int result = swr_alloc_set_opts2(&swr,
                                           &out,
                                           AV_SAMPLE_FMT_FLT,
                                           rate,
                                           &in,
                                           AVSampleFormat(frame->format),
                                           frame->sample_rate,
                                           0,
                                           nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    if (result < 0)
        return false;
    // Mono goes to every channel at full level, as the encoder writes it.
    if (inChannels == 1) {
        const std::vector<double> matrix(size_t(channels), 1.0);
        if (swr_set_matrix(swr, matrix.data(), 1) < 0)
            return false;
    }
    return swr_init(swr) >= 0;
}

// Resamples the decoded frame into the chunk and cuts what lies before a seek target.
bool Source::convert(PcmChunk &chunk)
{
    const bool changed = frame->format != inFormat || frame->sample_rate != inRate
            || frame->ch_layout.nb_channels != inChannels;
    if ((!swr || changed) && !configureResampler())
        return false;
    if (needSync && frame->best_effort_timestamp != AV_NOPTS_VALUE) {
        nextFrame = av_rescale_q(
                frame->best_effort_timestamp - startPts, stream->time_base, AVRational {1, rate});
    }
    needSync = false;
    const int capacity = swr_get_out_samples(swr, frame->nb_samples);
    if (capacity <= 0)
        return false;
    chunk.samples.resize(size_t(capacity) * channels);
    uint8_t *out = reinterpret_cast<uint8_t *>(chunk.samples.data());
    const int count = swr_convert(swr,
                                  &out,
                                  capacity,
                                  const_cast<const uint8_t **>(frame->extended_data),
                                  frame->nb_samples);
    if (count <= 0)
        return false;
    chunk.firstFrame = nextFrame;
    nextFrame += count;
    const int64_t skip = std::clamp<int64_t>(dropBefore - chunk.firstFrame, 0, count);
    chunk.samples.resize(size_t(count) * channels);
    chunk.samples.erase(chunk.samples.begin(), chunk.samples.begin() + skip * channels);
    chunk.firstFrame += skip;
    return skip < count;
}

} // namespace sonvix
