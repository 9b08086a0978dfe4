#include "transcoder.h"

#include "aacsink.h"
#include "audioinput.h"
#include "converter.h"
#include "failure.h"
#include "options.h"
#include "outputfile.h"
#include "progress.h"
#include "shaper.h"
#include "wavsink.h"

#include <cmath>
#include <limits>
#include <memory>
#include <unistd.h>

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
    close(file.takeDescriptor());
    return std::make_unique<AacSink>(file.temporaryPath(),
                                     options.output,
                                     options.channels,
                                     options.sampleRate,
                                     options.bitRate);
}

// Counts output samples against the wanted length and hands them on, shaped, to the sink.
class Pipeline
{
public:
    Pipeline(const Options &options, Sink &sink)
        : m_sink(sink)
        , m_shaper(options.volume, shaping::FadeIn(options.fadeIn, options.sampleRate))
        , m_limit(options.length < 0 ? std::numeric_limits<int64_t>::max()
                                     : std::llround(options.length * options.sampleRate))
        , m_progress(options.sampleRate)
    { }

    bool full() const { return m_written >= m_limit; }
    bool nothingWritten() const { return m_written == 0 && m_limit > 0; }

    void put(const float *const *planes, int count)
    {
        const int64_t room = m_limit - m_written;
        const int n = count < room ? count : int(room);
        if (n <= 0)
            return;
        m_sink.write(planes, n, m_written, m_shaper);
        m_written += n;
        m_progress.update(m_written, m_sink.bytesWritten());
    }

    void finish()
    {
        m_sink.finish();
        m_progress.finish(m_written, m_sink.bytesWritten());
    }

private:
    Sink &m_sink;
    Shaper m_shaper;
    int64_t m_limit;
    int64_t m_written = 0;
    Progress m_progress;
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
    if (pipeline.nothingWritten())
        throw Failure("no audio could be decoded from input '" + options.input + "'");
    pipeline.finish();
}

} // namespace

void transcode(const Options &options)
{
    OutputFile file(options.output, options.overwrite);
    AudioInput input(options.input);
    file.create();
    std::unique_ptr<Sink> sink = makeSink(options, file);
    Pipeline pipeline(options, *sink);
    run(options, input, pipeline);
    sink.reset();
    file.commit();
}
