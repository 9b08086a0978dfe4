#ifndef ANALYSIS_CHROMA_H
#define ANALYSIS_CHROMA_H

#include <array>
#include <cstddef>
#include <vector>

struct kiss_fftr_state;

namespace analysis {

// How much of each of the twelve pitch classes (C, C#, ... B) sounds in one frame, as a vector
// of length 1. Near-silent frames are the even vector, so silence is like silence.
using Chroma = std::array<float, 12>;

// Turns a mono stream into chroma frames at a fixed frame rate: frame j is centred on the
// time j / frameRate(). Notes from about 65 Hz to 2.1 kHz count; loudness is compressed
// logarithmically first, so that a quiet melody still shows beside loud chords.
class ChromaFrames
{
public:
    ChromaFrames(int sampleRate, int framesPerSecond);
    ~ChromaFrames();
    ChromaFrames(const ChromaFrames &) = delete;
    ChromaFrames &operator=(const ChromaFrames &) = delete;

    double frameRate() const { return double(m_sampleRate) / m_hop; }
    void add(const float *samples, size_t count, std::vector<Chroma> &out);
    // Frames up to the end of the stream, the last window padded with silence.
    void finish(std::vector<Chroma> &out);

private:
    void frame(std::vector<Chroma> &out);

    int m_sampleRate;
    int m_size;
    int m_hop;
    kiss_fftr_state *m_fft;
    std::vector<float> m_window;
    std::vector<int> m_pitchClass; // per FFT bin, -1 outside the notes' range
    std::vector<float> m_buffer; // samples from m_start on are not yet past the window
    size_t m_start = 0;
    std::vector<float> m_input;
};

} // namespace analysis

#endif
