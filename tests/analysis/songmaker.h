#ifndef SONGMAKER_H
#define SONGMAKER_H

#include <cstdint>
#include <string>
#include <vector>

// Songs synthesised from a seed for measuring the part suggestion: chords, bass, melody, drums
// and noise in intro, verse, chorus, bridge and outro sections. Key, mode and tempo vary with the
// seed; the chorus comes two to four times with the same tune each time, while each verse has a
// tune of its own over the same chords; in some songs the chorus is quieter than the rest, the
// last chorus a tone higher or the tempo drifts a little between sections.
namespace songmaker {

struct Section
{
    std::string name; // "intro", "verse", "chorus", "bridge", "outro"
    double start; // seconds
    double end;
};

struct Song
{
    int sampleRate = 0;
    std::vector<float> samples; // mono, peak 0.9
    std::vector<Section> sections;
    std::string description;

    double duration() const { return double(samples.size()) / sampleRate; }
    // Seconds of [start, end) that lie inside a chorus.
    double insideChorus(double start, double end) const;
};

Song makeSong(uint32_t seed, int sampleRate);

// Sounds without repetition, for the fallback: a talking voice (buzz through moving formants,
// in syllables and pauses), and noise whose level wanders with one loud stretch of `loud`
// seconds from `loudAt`.
Song makeSpeech(uint32_t seed, int sampleRate, double seconds);
Song makeNoise(uint32_t seed, int sampleRate, double seconds, double loudAt, double loud);

// Writes 16-bit stereo PCM (both channels the same); false when the file cannot be written.
bool writeWav(const std::string &path, const Song &song);

} // namespace songmaker

#endif
