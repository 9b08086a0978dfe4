#ifndef ANALYSIS_LOUDNESSTRACK_H
#define ANALYSIS_LOUDNESSTRACK_H

#include <cstddef>
#include <vector>

namespace analysis {

// The loudness of a mono stream as it goes, one value per frame at a fixed rate: the mean
// K-weighted power of the 400 ms around the frame (EBU R128 momentary loudness, taken as
// power so that stretches can be averaged). Silence is 0.
class LoudnessTrack
{
public:
    LoudnessTrack(int sampleRate, int framesPerSecond);
    ~LoudnessTrack();
    LoudnessTrack(const LoudnessTrack &) = delete;
    LoudnessTrack &operator=(const LoudnessTrack &) = delete;

    void add(const float *samples, size_t count);
    // The powers, frame j centred on the time j / framesPerSecond.
    std::vector<float> finish();

private:
    struct Meter;
    Meter *m_meter;
    size_t m_hop;
    size_t m_untilNext;
    std::vector<float> m_power;
};

// Loudness in LUFS of a mean power from LoudnessTrack.
double powerToLufs(double power);

} // namespace analysis

#endif
