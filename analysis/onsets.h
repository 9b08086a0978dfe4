#ifndef ANALYSIS_ONSETS_H
#define ANALYSIS_ONSETS_H

#include <cstddef>
#include <cstdint>
#include <vector>

struct kiss_fftr_state;

namespace analysis {

// How sharply new sound sets in, a hundred times a second: the rise of the log spectrum from
// one short window to the next, summed over the bins (spectral flux). A drum hit or a chord
// struck shows as a peak; a held note as nothing.
class OnsetTrack
{
public:
    static constexpr int PerSecond = 100;

    explicit OnsetTrack(int sampleRate);
    ~OnsetTrack();
    OnsetTrack(const OnsetTrack &) = delete;
    OnsetTrack &operator=(const OnsetTrack &) = delete;

    void add(const float *samples, size_t count);
    // The strengths, value j for the time j / PerSecond; the stream's last window is padded.
    std::vector<float> finish();

private:
    // Every window that fits m_buffer and starts before startsBelow (an index into it).
    void windows(size_t startsBelow);
    void frame();

    int m_sampleRate;
    int m_size;
    uint64_t m_consumed = 0; // samples of the stream, its padding included, before m_buffer
    kiss_fftr_state *m_fft;
    std::vector<float> m_window;
    std::vector<float> m_buffer;
    std::vector<float> m_input;
    std::vector<float> m_previous; // log magnitudes of the window before
    std::vector<float> m_strength;
};

// The time of the strongest onset within `reach` seconds of `time`, the nearer one preferred
// among peaks of like strength; `time` itself where none stands out. A little before the peak,
// so that a clip starting there keeps the note's attack whole.
double snapToOnset(const std::vector<float> &onset, double time, double reach);

} // namespace analysis

#endif
