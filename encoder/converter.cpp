#include "converter.h"

#include "failure.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

Converter::Converter(int channels, int sampleRate)
    : m_channels(channels)
    , m_sampleRate(sampleRate)
    , m_planes(size_t(channels), nullptr)
    , m_buffers(size_t(channels))
{ }

Converter::~Converter()
{
    swr_free(&m_swr);
}

int Converter::convert(const AVFrame *frame, int skip)
{
    const int count = frame->nb_samples - skip;
    if (count <= 0)
        return 0;
    const int inChannels = frame->ch_layout.nb_channels;
    if (canPassThrough(frame)) {
        for (int c = 0; c < m_channels; ++c) {
            const int from = inChannels == 1 ? 0 : c;
            m_planes[size_t(c)]
                    = reinterpret_cast<const float *>(frame->extended_data[from]) + skip;
        }
        return count;
    }
    if (!m_swr || frame->format != m_inFormat || frame->sample_rate != m_inRate
        || inChannels != m_inChannels)
        configure(frame);
    const auto format = AVSampleFormat(frame->format);
    const int bytesPerSample = av_get_bytes_per_sample(format);
    const bool planar = av_sample_fmt_is_planar(format);
    std::vector<const uint8_t *> input(size_t(planar ? inChannels : 1));
    for (size_t c = 0; c < input.size(); ++c)
        input[c] = frame->extended_data[c]
                + size_t(skip) * size_t(bytesPerSample) * (planar ? 1 : size_t(inChannels));
    return resample(input.data(), count);
}

int Converter::drain()
{
    return m_swr ? resample(nullptr, 0) : 0;
}

bool Converter::canPassThrough(const AVFrame *frame) const
{
    const int inChannels = frame->ch_layout.nb_channels;
    return !m_swr && frame->format == AV_SAMPLE_FMT_FLTP && frame->sample_rate == m_sampleRate
            && (inChannels == m_channels || inChannels == 1);
}

void Converter::configure(const AVFrame *frame)
{
    swr_free(&m_swr);
    m_inFormat = frame->format;
    m_inRate = frame->sample_rate;
    m_inChannels = frame->ch_layout.nb_channels;
    AVChannelLayout inLayout;
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&inLayout, m_inChannels);
    else
        av_channel_layout_copy(&inLayout, &frame->ch_layout);
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, m_channels);
    int result = swr_alloc_set_opts2(&m_swr,
                                     &outLayout,
                                     AV_SAMPLE_FMT_FLTP,
                                     m_sampleRate,
                                     &inLayout,
                                     AVSampleFormat(m_inFormat),
                                     m_inRate,
                                     0,
                                     nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    if (result >= 0 && m_inChannels == 1) {
        // Mono goes to every channel unchanged instead of the default -3 dB centre mix.
        const std::vector<double> matrix(size_t(m_channels), 1.0);
        result = swr_set_matrix(m_swr, matrix.data(), 1);
    }
    if (result >= 0)
        result = swr_init(m_swr);
    if (result < 0)
        throw Failure("cannot convert the input's audio: " + avErrorText(result));
}

int Converter::resample(const uint8_t **input, int count)
{
    const int capacity = swr_get_out_samples(m_swr, count);
    if (capacity <= 0)
        return 0;
    std::vector<uint8_t *> output(static_cast<size_t>(m_channels));
    for (int c = 0; c < m_channels; ++c) {
        auto &buffer = m_buffers[size_t(c)];
        if (buffer.size() < size_t(capacity))
            buffer.resize(size_t(capacity));
        output[size_t(c)] = reinterpret_cast<uint8_t *>(buffer.data());
        m_planes[size_t(c)] = buffer.data();
    }
    const int produced = swr_convert(m_swr, output.data(), capacity, input, count);
    if (produced < 0)
        throw Failure("cannot convert the input's audio: " + avErrorText(produced));
    return produced;
}
