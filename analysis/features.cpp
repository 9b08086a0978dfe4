#include "analysis/features.h"

#include "analysis/decimator.h"
#include "analysis/loudnesstrack.h"
#include "analysis/wavstream.h"

#include <algorithm>

namespace analysis {

namespace {

// Every note the chroma counts lies under 2.1 kHz; 11 kHz keeps them with room to spare.
constexpr int LoweredRate = 11025;

int decimation(int sampleRate)
{
    return std::max(1, sampleRate / LoweredRate);
}

} // namespace

FeatureExtractor::FeatureExtractor(int sampleRate)
    : m_sampleRate(sampleRate)
    , m_decimator(std::make_unique<Decimator>(decimation(sampleRate)))
    , m_chroma(std::make_unique<ChromaFrames>(sampleRate / m_decimator->factor(),
                                              Features::FramesPerSecond))
    , m_loudness(std::make_unique<LoudnessTrack>(sampleRate / m_decimator->factor(),
                                                 Features::FramesPerSecond))
{ }

FeatureExtractor::~FeatureExtractor() = default;

void FeatureExtractor::add(const float *samples, size_t count)
{
    m_samples += count;
    m_lowered.clear();
    m_decimator->process(samples, count, m_lowered);
    m_chroma->add(m_lowered.data(), m_lowered.size(), m_features.chroma);
    m_loudness->add(m_lowered.data(), m_lowered.size());
}

Features FeatureExtractor::finish()
{
    m_chroma->finish(m_features.chroma);
    m_features.power = m_loudness->finish();
    m_features.power.resize(m_features.chroma.size(),
                            m_features.power.empty() ? 0.0f : m_features.power.back());
    m_features.duration = double(m_samples) / m_sampleRate;
    Features done = std::move(m_features);
    m_features = Features();
    m_samples = 0;
    return done;
}

bool readWavFeatures(const std::string &path, Features &features, std::string &error)
{
    WavStream wav;
    if (!wav.open(path)) {
        error = wav.error();
        return false;
    }
    FeatureExtractor extractor(wav.sampleRate());
    std::vector<float> block(16384);
    for (;;) {
        const size_t got = wav.readMono(block.data(), block.size());
        if (got == 0)
            break;
        extractor.add(block.data(), got);
    }
    if (!wav.error().empty()) {
        error = wav.error();
        return false;
    }
    features = extractor.finish();
    return true;
}

} // namespace analysis
