#ifndef ANALYSIS_FEATURES_H
#define ANALYSIS_FEATURES_H

#include "analysis/chroma.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace analysis {

class ChromaFrames;
class Decimator;
class LoudnessTrack;

// What the suggestion needs of a song, ten frames a second: a few hundred bytes a second, so
// that an hour of audio stays small.
struct Features
{
    static constexpr int FramesPerSecond = 10;

    std::vector<Chroma> chroma;
    std::vector<float> power; // loudness as power, per frame
    double duration = 0.0; // seconds of audio taken in
};

// Takes a mono stream in pieces of any size and makes its features, at a lowered sample rate
// (11-12 kHz) that still holds every note the chroma counts.
class FeatureExtractor
{
public:
    explicit FeatureExtractor(int sampleRate);
    ~FeatureExtractor();
    FeatureExtractor(const FeatureExtractor &) = delete;
    FeatureExtractor &operator=(const FeatureExtractor &) = delete;

    void add(const float *samples, size_t count);
    Features finish();

private:
    int m_sampleRate;
    size_t m_samples = 0;
    std::unique_ptr<Decimator> m_decimator;
    std::unique_ptr<ChromaFrames> m_chroma;
    std::unique_ptr<LoudnessTrack> m_loudness;
    std::vector<float> m_lowered;
    Features m_features;
};

// The features of a WAV file, read in small blocks. False with a one-line reason in error when
// the file cannot be read.
bool readWavFeatures(const std::string &path, Features &features, std::string &error);

} // namespace analysis

#endif
