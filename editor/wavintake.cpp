#include "wavintake.h"

#include "analysis/features.h"
#include "media/wavereader.h"

#include <QFile>
#include <QtEndian>

#include <ctime>
#include <vector>

namespace {

double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The loudness blocks and the suggestion's mono features of 16-bit data, portion by portion.
class Analyser
{
public:
    Analyser(quint32 rate, int channels)
        : m_channels(channels)
        , m_blocks(std::make_shared<LoudnessBlocks>(rate, quint16(channels)))
        , m_features(int(rate))
    { }

    void add(const char *data, quint32 bytes)
    {
        const double started = threadSeconds();
        m_blocks->addSigned16(data, bytes);
        mix(data, bytes);
        m_seconds += threadSeconds() - started;
    }

    void finish(WavIntake &intake)
    {
        const double started = threadSeconds();
        m_blocks->finish();
        intake.blocks = m_blocks;
        intake.features = std::make_shared<analysis::Features>(m_features.finish());
        intake.analysisSeconds = m_seconds + threadSeconds() - started;
    }

private:
    // The channels mixed to one, as the suggestion hears a song. Portions of the reader's size
    // hold whole frames of mono and stereo; other layouts may lose a frame at a portion's end.
    void mix(const char *data, quint32 bytes)
    {
        const size_t frames = bytes / 2 / size_t(m_channels);
        m_mono.resize(frames);
        const float scale = 1.0f / (32768.0f * float(m_channels));
        for (size_t f = 0; f < frames; ++f) {
            int sum = 0;
            for (int c = 0; c < m_channels; ++c)
                sum += qFromLittleEndian<qint16>(data + 2 * (f * size_t(m_channels) + size_t(c)));
            m_mono[f] = float(sum) * scale;
        }
        m_features.add(m_mono.data(), frames);
    }

    int m_channels;
    std::shared_ptr<LoudnessBlocks> m_blocks;
    analysis::FeatureExtractor m_features;
    std::vector<float> m_mono;
    double m_seconds = 0.0;
};

} // namespace

WavIntake readWavIntake(const QString &path, QSize pixels)
{
    QFile file(path);
    CWaveReader reader(pixels.width(), pixels.height());
    reader.keepSummary();
    std::unique_ptr<Analyser> analyser;
    reader.passPortions([&](const char *data, quint32 bytes) {
        if (!analyser && reader.bitsPerSample() == 16 && reader.channels() > 0)
            analyser = std::make_unique<Analyser>(reader.sampleRate(), reader.channels());
        if (analyser)
            analyser->add(data, bytes);
    });
    reader.read(&file);
    WavIntake intake;
    intake.image = reader.image();
    intake.summary = reader.summary();
    if (analyser && !intake.image.isNull())
        analyser->finish(intake);
    return intake;
}
