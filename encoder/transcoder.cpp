#include "transcoder.h"

#include "aacsink.h"
#include "audioinput.h"
#include "converter.h"
#include "failure.h"
#include "options.h"
#include "outputfile.h"
#include "progress.h"
#include "wavsink.h"

#include "shaping/fadein.h"
#include "shaping/limiter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

namespace {

std::unique_ptr<Sink> makeSink(const Options &options, OutputFile &file)
{
    if (options.format == OutputFormat::Wav) {
        return std::make_unique<WavSink>(
                file.takeDescriptor(), options.output, options.channels, options.sampleRate);
    }
    // The encoder's muxer writes by name; a later pass writes the same file again.
    if (const int fd = file.takeDescriptor(); fd >= 0)
        close(fd);
    return std::make_unique<AacSink>(file.temporaryPath(),
                                     options.output,
                                     options.channels,
                                     options.sampleRate,
                                     options.bitRate);
}

// Counts input samples against the wanted length and hands them on, shaped, to the sink.
class Pipeline
{
public:
    Pipeline(const Options &options, Sink &sink, double ceiling)
        : m_sink(sink)
        , m_channels(options.channels)
        , m_fade(options.fadeIn, options.sampleRate)
        , m_limit(options.length < 0 ? std::numeric_limits<int64_t>::max()
                                     : std::llround(options.length * options.sampleRate))
        , m_progress(options.sampleRate)
        , m_planes(size_t(options.channels))
        , m_buffers(size_t(options.channels))
    {
        if (options.limit) {
            m_limiter = std::make_unique<shaping::Limiter>(
                    options.channels, options.sampleRate, options.volume / 256.0, ceiling);
        }
    }

    bool full() const { return m_taken >= m_limit; }
    bool nothingTaken() const { return m_taken == 0 && m_limit > 0; }

    void put(const float *const *planes, int count)
    {
        const int64_t room = m_limit - m_taken;
        const int n = count < room ? count : int(room);
        if (n <= 0)
            return;
        m_taken += n;
        if (!m_limiter && m_fade.doneAt(m_written)) {
            write(planes, n);
            return;
        }
        reserve(n);
        if (m_limiter) {
            shape(m_limiter->process(planes, n, m_planes.data()));
            return;
        }
        for (int c = 0; c < m_channels; ++c)
            std::copy(planes[c], planes[c] + n, m_planes[size_t(c)]);
        shape(n);
    }

    void finish()
    {
        constexpr int chunk = 4096;
        reserve(chunk);
        while (m_limiter) {
            const int count = m_limiter->drain(m_planes.data(), chunk);
            if (count == 0)
                break;
            shape(count);
        }
        m_sink.finish();
        m_progress.finish(m_written, m_sink.bytesWritten());
    }

private:
    void reserve(int count)
    {
        for (int c = 0; c < m_channels; ++c) {
            std::vector<float> &buffer = m_buffers[size_t(c)];
            if (buffer.size() < size_t(count))
                buffer.resize(size_t(count));
            m_planes[size_t(c)] = buffer.data();
        }
    }

    // The fade-in goes on after the limiter, so it never changes what the limiter does.
    void shape(int count)
    {
        m_fade.apply(m_planes.data(), m_channels, count, m_written);
        write(m_planes.data(), count);
    }

    void write(const float *const *planes, int count)
    {
        if (count <= 0)
            return;
        m_sink.write(planes, count);
        m_written += count;
        m_progress.update(m_written, m_sink.bytesWritten());
    }

    Sink &m_sink;
    int m_channels;
    shaping::FadeIn m_fade;
    std::unique_ptr<shaping::Limiter> m_limiter;
    int64_t m_limit;
    int64_t m_taken = 0;
    int64_t m_written = 0;
    Progress m_progress;
    std::vector<float *> m_planes;
    std::vector<std::vector<float>> m_buffers;
};

void run(const Options &options, AudioInput &input, Pipeline &pipeline)
{
    Converter converter(options.channels, options.sampleRate);
    input.seek(options.start);
    bool positioned = false;
    int64_t position = 0;
    AVFrame *frame = nullptr;
    while (!pipeline.full() && input.next(frame)) {
        // The first frame fixes where decoding stands; later ones follow on without gaps.
        if (!positioned) {
            position = input.samplePosition(frame, 0);
            positioned = true;
        }
        const int64_t startSample = std::llround(options.start * frame->sample_rate);
        const int64_t before = startSample - position;
        const int skip = before <= 0          ? 0
                : before >= frame->nb_samples ? frame->nb_samples
                                              : int(before);
        position += frame->nb_samples;
        const int count = converter.convert(frame, skip);
        pipeline.put(converter.planes(), count);
    }
    while (!pipeline.full()) {
        const int count = converter.drain();
        if (count <= 0)
            break;
        pipeline.put(converter.planes(), count);
    }
    // Undecodable audio, or a clip where the input has none, makes no file at all.
    if (pipeline.nothingTaken())
        throw Failure("no audio could be decoded from input '" + options.input + "'");
    pipeline.finish();
}

// The loudest sample of an AAC file as a player decodes it.
float decodedPeak(const Options &options, const std::string &path)
{
    AudioInput input(path);
    Converter converter(options.channels, options.sampleRate);
    float peak = 0;
    AVFrame *frame = nullptr;
    while (input.next(frame)) {
        const int count = converter.convert(frame, 0);
        for (int c = 0; c < options.channels; ++c) {
            const float *plane = converter.planes()[c];
            for (int i = 0; i < count; ++i)
                peak = std::max(peak, std::abs(plane[i]));
        }
    }
    return peak;
}

void encode(const Options &options, AudioInput &input, OutputFile &file, double ceiling)
{
    std::unique_ptr<Sink> sink = makeSink(options, file);
    Pipeline pipeline(options, *sink, ceiling);
    run(options, input, pipeline);
}

} // namespace

// AAC's quantisation can lift peaks that the limiter kept under its ceiling past full scale,
// where a phone's decoder clips them. Such a ringtone is made again, with the ceiling lowered
// by what went over and a little more; a second retry is the last.
void transcode(const Options &options)
{
    OutputFile file(options.output, options.overwrite);
    auto input = std::make_unique<AudioInput>(options.input);
    file.create();
    constexpr float fullScale = 32767.0f / 32768.0f;
    double ceiling = shaping::Limiter::Ceiling;
    for (int pass = 1;; ++pass) {
        encode(options, *input, file, ceiling);
        if (options.format != OutputFormat::Mpeg4Audio || !options.limit || pass == 3)
            break;
        const float peak = decodedPeak(options, file.temporaryPath());
        if (peak <= fullScale)
            break;
        ceiling *= 0.97 * fullScale / peak;
        input = std::make_unique<AudioInput>(options.input);
    }
    file.commit();
}
