#include "transcoder.h"

#include "aacsink.h"
#include "audioinput.h"
#include "converter.h"
#include "fadeoutsink.h"
#include "failure.h"
#include "options.h"
#include "outputfile.h"
#include "progress.h"
#include "wavsink.h"

#include "shaping/fadein.h"
#include "shaping/limiter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <memory>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

namespace {

// The limiter's ceiling for an AAC ringtone, as a part of the ceiling: room for what the
// encoder adds on music.
constexpr double AacRoom = 0.8413951416451951; // -1.5 dB
// The decoded ringtone's true peak aims a little under the ceiling, so that a meter that reads
// to a tenth of a decibel finds it at or under -1 dBTP.
constexpr double AacAim = 0.8810488730080141; // -1.1 dBTP
// The encoder's overshoot changes by some tenths of a decibel from one pass to the next, not
// always with the level: each further pass takes off the excess and more.
constexpr double AacAgain[] = {0.9440608762859234, 0.8912509381337456, 0.7943282347242815};
constexpr int AacPasses = 1 + int(std::size(AacAgain));

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
    bool nothingTaken() const { return m_taken == 0; }
    // The length asked for holds no whole sample.
    bool nothingWanted() const { return m_limit == 0; }

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
    // Undecodable audio, or a clip where the input has none, makes no file at all; nor does a
    // length too short for one sample.
    if (pipeline.nothingWanted())
        throw Failure("the length asked for holds no sample of input '" + options.input + "'");
    if (pipeline.nothingTaken())
        throw Failure("no audio could be decoded from input '" + options.input + "'");
    pipeline.finish();
}

// Writes the output once; for a ringtone whose peaks are checked, returns its decoded true peak
// and adds the time the check took to `checking`.
float encode(const Options &options,
             AudioInput &input,
             OutputFile &file,
             double ceiling,
             double &checking)
{
    std::unique_ptr<Sink> sink;
    PeakCheck *check = nullptr;
    if (options.format == OutputFormat::Wav) {
        sink = std::make_unique<WavSink>(
                file.takeDescriptor(), options.output, options.channels, options.sampleRate);
    } else {
        // The encoder's muxer writes by name; a later pass writes the same file again.
        if (const int fd = file.takeDescriptor(); fd >= 0)
            close(fd);
        auto aac = std::make_unique<AacSink>(file.temporaryPath(),
                                             options.output,
                                             options.channels,
                                             options.sampleRate,
                                             options.bitRate,
                                             options.title);
        if (options.limit)
            check = &aac->check(float(AacAim));
        sink = std::move(aac);
    }
    std::unique_ptr<Sink> faded;
    if (options.fadeOut > 0) {
        const int64_t most = options.length < 0 ? std::numeric_limits<int64_t>::max()
                                                : std::llround(options.length * options.sampleRate);
        faded = std::make_unique<FadeOutSink>(*sink,
                                              options.channels,
                                              shaping::FadeOut(options.fadeOut, options.sampleRate),
                                              most);
    }
    Pipeline pipeline(options, faded ? *faded : *sink, ceiling);
    run(options, input, pipeline);
    if (!check)
        return 0;
    const float peak = check->peak();
    checking += check->seconds();
    return peak;
}

} // namespace

// AAC's quantisation lifts the peaks that the limiter kept under its ceiling, by more on noise
// than on music. The first pass leaves room for that; a ringtone whose decoded true peak still
// passes the ceiling is made again with the limiter's ceiling lowered by the excess and a
// little more, up to four passes.
void transcode(const Options &options)
{
    const auto started = std::chrono::steady_clock::now();
    OutputFile file(options.output, options.overwrite);
    auto input = std::make_unique<AudioInput>(options.input);
    file.create();
    const bool checked = options.format == OutputFormat::Mpeg4Audio && options.limit;
    double ceiling = shaping::Limiter::Ceiling * (checked ? AacRoom : 1.0);
    double checking = 0; // seconds
    int pass = 1;
    for (;; ++pass) {
        const float peak = encode(options, *input, file, ceiling, checking);
        if (!checked || pass == AacPasses || peak <= AacAim)
            break;
        ceiling *= AacAim / peak * AacAgain[pass - 1];
        input = std::make_unique<AudioInput>(options.input);
    }
    file.commit();
    // For the benchmark, which weighs the check against the whole job.
    if (std::getenv("VARDEL_ENCODER_REPORT")) {
        const double seconds
                = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::fprintf(stderr, "passes=%d check=%.4f s of %.4f s\n", pass, checking, seconds);
    }
}
