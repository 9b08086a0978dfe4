#include "peakcheck.h"

#include "failure.h"

#include <chrono>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// Adds the time of its scope to a total. Wall time, since the processor time of a process costs
// a system call to read, which would weigh on the check more than the check itself.
class Timed
{
public:
    explicit Timed(double &total)
        : m_total(total)
        , m_start(std::chrono::steady_clock::now())
    { }
    ~Timed()
    {
        m_total += std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start)
                           .count();
    }
    Timed(const Timed &) = delete;
    Timed &operator=(const Timed &) = delete;

private:
    double &m_total;
    std::chrono::steady_clock::time_point m_start;
};

} // namespace

PeakCheck::PeakCheck(const AVCodecParameters *stream, float floor)
    : m_meter(stream->ch_layout.nb_channels, floor)
{
    const Timed timed(m_seconds);
    const AVCodec *codec = avcodec_find_decoder(stream->codec_id);
    m_decoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    m_frame = av_frame_alloc();
    if (!m_decoder || !m_frame || avcodec_parameters_to_context(m_decoder, stream) < 0)
        throw Failure("cannot check the ringtone: out of memory");
    m_decoder->request_sample_fmt = AV_SAMPLE_FMT_FLTP;
    const int opened = avcodec_open2(m_decoder, codec, nullptr);
    if (opened < 0)
        throw Failure("cannot check the ringtone: " + avErrorText(opened));
}

PeakCheck::~PeakCheck()
{
    av_frame_free(&m_frame);
    avcodec_free_context(&m_decoder);
}

void PeakCheck::take(const AVPacket *packet)
{
    const Timed timed(m_seconds);
    const int sent = avcodec_send_packet(m_decoder, packet);
    if (sent < 0)
        throw Failure("cannot check the ringtone: " + avErrorText(sent));
    receive();
}

float PeakCheck::peak()
{
    const Timed timed(m_seconds);
    avcodec_send_packet(m_decoder, nullptr);
    receive();
    return m_meter.peak();
}

void PeakCheck::receive()
{
    for (;;) {
        const int result = avcodec_receive_frame(m_decoder, m_frame);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return;
        if (result < 0)
            throw Failure("cannot check the ringtone: " + avErrorText(result));
        if (m_frame->format != AV_SAMPLE_FMT_FLTP)
            throw Failure("cannot check the ringtone: unexpected sample format");
        m_meter.add(reinterpret_cast<const float *const *>(m_frame->extended_data),
                    m_frame->nb_samples);
        av_frame_unref(m_frame);
    }
}
