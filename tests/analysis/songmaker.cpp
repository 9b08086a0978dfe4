#include "songmaker.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>

namespace songmaker {

namespace {

constexpr int TableSize = 4096;
constexpr std::array<int, 7> Major = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> Minor = {0, 2, 3, 5, 7, 8, 10};

// One period of a tone with the given harmonic amplitudes.
std::vector<float> wavetable(const std::vector<double> &harmonics)
{
    std::vector<float> table(TableSize);
    for (int i = 0; i < TableSize; ++i) {
        double v = 0.0;
        for (size_t h = 0; h < harmonics.size(); ++h)
            v += harmonics[h] * std::sin(2 * M_PI * double(h + 1) * i / TableSize);
        table[size_t(i)] = float(v);
    }
    return table;
}

double midiHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

struct Note
{
    double start; // seconds
    double length;
    double pitch; // MIDI
    float level;
};

class Mixer
{
public:
    Mixer(int rate, double seconds)
        : m_rate(rate)
        , m_out(size_t(seconds * rate) + size_t(rate), 0.0f)
    { }

    void tone(const std::vector<float> &table, const Note &n, double release)
    {
        const size_t from = size_t(n.start * m_rate);
        const size_t count = size_t((n.length + release) * m_rate);
        const double step = midiHz(n.pitch) * TableSize / m_rate;
        const double attack = 0.01 * m_rate;
        const double hold = n.length * m_rate;
        double phase = 0.0;
        for (size_t i = 0; i < count && from + i < m_out.size(); ++i) {
            double env = i < attack ? i / attack : 1.0 - 0.3 * std::min(1.0, (i - attack) / hold);
            if (double(i) > hold)
                env *= std::max(0.0, 1.0 - (double(i) - hold) / (release * m_rate));
            m_out[from + i] += float(n.level * env) * table[size_t(phase) & (TableSize - 1)];
            phase += step;
            if (phase >= TableSize)
                phase -= TableSize;
        }
    }

    void kick(double at, float level)
    {
        const size_t from = size_t(at * m_rate);
        double phase = 0.0;
        for (size_t i = 0; i < size_t(0.25 * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            phase += 2 * M_PI * (50.0 + 90.0 * std::exp(-t * 30.0)) / m_rate;
            m_out[from + i] += float(level * std::exp(-t * 14.0) * std::sin(phase));
        }
    }

    void noiseBurst(double at, float level, double decay, bool bright, std::mt19937 &random)
    {
        std::uniform_real_distribution<float> white(-1.0f, 1.0f);
        const size_t from = size_t(at * m_rate);
        float previous = 0.0f;
        for (size_t i = 0; i < size_t(5 * decay * m_rate) && from + i < m_out.size(); ++i) {
            const float w = white(random);
            const float v = bright ? w - previous : w;
            previous = w;
            m_out[from + i] += float(level * std::exp(-double(i) / (decay * m_rate))) * v;
        }
    }

    void hiss(float level, std::mt19937 &random)
    {
        std::uniform_real_distribution<float> white(-1.0f, 1.0f);
        for (float &v : m_out)
            v += level * white(random);
    }

    std::vector<float> finish(double seconds)
    {
        m_out.resize(size_t(seconds * m_rate));
        float peak = 1e-9f;
        for (float v : m_out)
            peak = std::max(peak, std::fabs(v));
        for (float &v : m_out)
            v *= 0.9f / peak;
        return std::move(m_out);
    }

private:
    int m_rate;
    std::vector<float> m_out;
};

// A song's fixed material, drawn once from its seed.
struct Plan
{
    int key;
    const std::array<int, 7> *scale;
    double beat; // seconds
    std::vector<int> verseChords, chorusChords, bridgeChords; // scale degrees, one a bar
    std::vector<std::vector<int>> chorusTune; // per bar of one progression: (step, degree) pairs
    int chorusBars, verseBars;
    std::vector<std::string> form;
    float chorusLevel, verseLevel, bridgeLevel;
    bool keyChange;
    double drift;
};

int scaleNote(const Plan &plan, int degree, int octave)
{
    const int wrapped = ((degree % 7) + 7) % 7;
    const int octaves = (degree - wrapped) / 7;
    return plan.key + 12 * (octave + octaves) + (*plan.scale)[size_t(wrapped)];
}

std::vector<int> progression(std::mt19937 &random, bool fromTonic)
{
    std::uniform_int_distribution<int> degree(0, 5);
    std::vector<int> chords(4);
    for (int &c : chords)
        c = degree(random);
    if (fromTonic)
        chords[0] = 0;
    for (size_t i = 1; i < chords.size(); ++i)
        if (chords[i] == chords[i - 1])
            chords[i] = (chords[i] + 3) % 6;
    return chords;
}

// One bar of tune: eight eighth-note steps, each silent (-1) or a scale degree near the chord.
std::vector<int> tuneBar(std::mt19937 &random, int chord)
{
    std::uniform_int_distribution<int> pick(0, 9);
    std::vector<int> bar(8, -1);
    int last = chord + 7;
    for (int &step : bar) {
        const int r = pick(random);
        if (r < 3)
            continue;
        last += r < 6 ? (r - 4) : (r < 8 ? 2 * (r - 7) + 1 : 0);
        last = std::clamp(last, chord + 4, chord + 12);
        step = r == 9 ? chord + 7 + 2 * (pick(random) % 2) : last;
    }
    return bar;
}

Plan plan(std::mt19937 &random)
{
    Plan p;
    p.key = int(random() % 12);
    p.scale = random() % 3 == 0 ? &Minor : &Major;
    p.beat = 60.0 / (84 + int(random() % 57));
    p.verseChords = progression(random, true);
    do {
        p.chorusChords = progression(random, random() % 2 == 0);
    } while (p.chorusChords == p.verseChords);
    do {
        p.bridgeChords = progression(random, false);
    } while (p.bridgeChords == p.verseChords || p.bridgeChords == p.chorusChords);
    for (int chord : p.chorusChords)
        p.chorusTune.push_back(tuneBar(random, chord));
    const double bar = 4 * p.beat;
    p.chorusBars = bar >= 2.0 ? 8 : 12;
    p.verseBars = random() % 2 ? 8 : 12;
    const int choruses = 2 + int(random() % 3);
    p.form = {"verse", "chorus", "verse", "chorus"};
    if (random() % 4 != 0)
        p.form.insert(p.form.begin(), "intro");
    if (choruses == 2) {
        p.form.push_back("bridge");
    } else if (choruses == 3) {
        p.form.insert(p.form.end(), {"bridge", "chorus"});
    } else if (random() % 2) {
        p.form.insert(p.form.end(), {"bridge", "chorus", "chorus"});
    } else {
        p.form.insert(p.form.end(), {"verse", "chorus", "bridge", "chorus"});
    }
    p.form.push_back("outro");
    // A third of the songs have their chorus quieter than verse and bridge.
    const bool quietChorus = random() % 3 == 0;
    p.chorusLevel = quietChorus ? 0.55f : 1.0f;
    p.verseLevel = quietChorus ? 1.0f : 0.7f + 0.1f * float(random() % 3);
    p.bridgeLevel = quietChorus ? 1.0f : 0.6f + 0.2f * float(random() % 3);
    p.keyChange = choruses >= 3 && random() % 4 == 0;
    p.drift = random() % 3 == 0 ? 0.02 : 0.0;
    return p;
}

struct Voices
{
    std::vector<float> pad = wavetable({1.0, 0.5, 0.33, 0.25, 0.2, 0.16});
    std::vector<float> lead = wavetable({1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14});
    std::vector<float> bass = wavetable({1.0, 0.6, 0.3});
};

// Renders bars of one section from `at`; returns the time after it.
double section(Mixer &mix,
               const Voices &voices,
               const Plan &p,
               const std::string &name,
               double at,
               double beat,
               int transpose,
               std::mt19937 &random)
{
    const bool chorus = name == "chorus";
    const std::vector<int> &chords = chorus ? p.chorusChords
            : name == "bridge"              ? p.bridgeChords
                                            : p.verseChords;
    const int bars = chorus    ? p.chorusBars
            : name == "verse"  ? p.verseBars
            : name == "bridge" ? 8
                               : 4;
    const float level = chorus ? p.chorusLevel
            : name == "verse"  ? p.verseLevel
            : name == "bridge" ? p.bridgeLevel
                               : 0.6f;
    const bool tune = name != "intro" && name != "outro";
    for (int b = 0; b < bars; ++b) {
        const double barStart = at + b * 4 * beat;
        const int chord = chords[size_t(b % 4)];
        const float fade = name == "outro" ? float(bars - b) / bars : 1.0f;
        for (int voice = 0; voice < 3; ++voice) {
            const double pitch = scaleNote(p, chord + 2 * voice, 4) + transpose;
            mix.tone(voices.pad, {barStart, 4 * beat, pitch, 0.07f * level * fade}, 0.1);
        }
        for (int q = 0; q < 4; ++q) {
            const double pitch = scaleNote(p, chord, 2) + transpose;
            mix.tone(voices.bass,
                     {barStart + q * beat, 0.9 * beat, pitch, 0.2f * level * fade},
                     0.05);
        }
        for (int q = 0; q < 4; ++q) {
            const double t = barStart + q * beat;
            mix.kick(t, (q % 2 == 0 ? 0.5f : 0.2f) * level * fade);
            if (q % 2 == 1)
                mix.noiseBurst(t, 0.25f * level * fade, 0.06, false, random);
            mix.noiseBurst(t, 0.06f * level * fade, 0.02, true, random);
            mix.noiseBurst(t + beat / 2, 0.05f * level * fade, 0.02, true, random);
        }
        if (!tune)
            continue;
        const std::vector<int> bar = chorus ? p.chorusTune[size_t(b % 4)] : tuneBar(random, chord);
        for (size_t s = 0; s < bar.size(); ++s) {
            if (bar[s] < 0)
                continue;
            const double pitch = scaleNote(p, bar[s], 4) + transpose;
            mix.tone(voices.lead,
                     {barStart + s * beat / 2, 0.45 * beat, pitch, 0.16f * level},
                     0.05);
        }
    }
    return at + bars * 4 * beat;
}

} // namespace

double Song::insideChorus(double start, double end) const
{
    double inside = 0.0;
    for (const Section &s : sections)
        if (s.name == "chorus")
            inside += std::max(0.0, std::min(end, s.end) - std::max(start, s.start));
    return inside;
}

Song makeSong(uint32_t seed, int sampleRate)
{
    std::mt19937 random(seed);
    const Plan p = plan(random);
    Song song;
    song.sampleRate = sampleRate;
    double length = 0.0;
    for (const std::string &name : p.form) {
        const int bars = name == "chorus" ? p.chorusBars
                : name == "verse"         ? p.verseBars
                : name == "bridge"        ? 8
                                          : 4;
        length += bars * 4 * p.beat * (1.0 + p.drift);
    }
    Mixer mix(sampleRate, length + 1.0);
    Voices voices;
    double at = 0.0;
    int chorusesLeft = int(std::count(p.form.begin(), p.form.end(), std::string("chorus")));
    for (size_t i = 0; i < p.form.size(); ++i) {
        const std::string &name = p.form[i];
        const bool chorus = name == "chorus";
        chorusesLeft -= chorus ? 1 : 0;
        const int transpose = p.keyChange && chorus && chorusesLeft == 0 ? 1 + int(seed % 2) : 0;
        // The tempo wanders by up to the drift, section by section.
        const double beat = p.beat * (1.0 + p.drift * (double(i % 3) - 1.0));
        const double end = section(mix, voices, p, name, at, beat, transpose, random);
        song.sections.push_back({name, at, end});
        at = end;
    }
    mix.hiss(0.004f, random);
    song.samples = mix.finish(at + 0.5);
    char text[160];
    std::snprintf(text,
                  sizeof text,
                  "seed %u: key %d %s, %.0f bpm, %d choruses%s%s%s",
                  seed,
                  p.key,
                  p.scale == &Major ? "major" : "minor",
                  60.0 / p.beat,
                  int(std::count(p.form.begin(), p.form.end(), std::string("chorus"))),
                  p.chorusLevel < 1.0f ? ", quiet chorus" : "",
                  p.keyChange ? ", key change" : "",
                  p.drift > 0 ? ", tempo drift" : "");
    song.description = text;
    return song;
}

Song makeSpeech(uint32_t seed, int sampleRate, double seconds)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Song song;
    song.sampleRate = sampleRate;
    song.samples.assign(size_t(seconds * sampleRate), 0.0f);
    double t = 0.0;
    double phase = 0.0;
    // Two resonators as formants, retuned for every syllable.
    double y1[2] = {0, 0}, y2[2] = {0, 0};
    while (t < seconds) {
        const double syllable = 0.12 + 0.2 * unit(random);
        const double pitchFrom = 95 + 80 * unit(random), pitchTo = 95 + 80 * unit(random);
        const double formants[2] = {300 + 600 * unit(random), 900 + 1600 * unit(random)};
        const size_t from = size_t(t * sampleRate);
        const size_t count = size_t(syllable * sampleRate);
        for (size_t i = 0; i < count && from + i < song.samples.size(); ++i) {
            const double x = double(i) / count;
            phase += (pitchFrom + (pitchTo - pitchFrom) * x) / sampleRate;
            const double buzz = phase - std::floor(phase) - 0.5;
            double v = 0.0;
            for (int f = 0; f < 2; ++f) {
                const double r = 0.97, w = 2 * M_PI * formants[f] / sampleRate;
                const double y = buzz + 2 * r * std::cos(w) * y1[f] - r * r * y2[f];
                y2[f] = y1[f];
                y1[f] = y;
                v += y;
            }
            song.samples[from + i] = float(0.02 * v * std::sin(M_PI * x));
        }
        t += syllable + (unit(random) < 0.2 ? 0.3 + 0.5 * unit(random) : 0.03);
    }
    return song;
}

Song makeNoise(uint32_t seed, int sampleRate, double seconds, double loudAt, double loud)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> white(-1.0f, 1.0f);
    Song song;
    song.sampleRate = sampleRate;
    song.samples.resize(size_t(seconds * sampleRate));
    for (size_t i = 0; i < song.samples.size(); ++i) {
        const double t = double(i) / sampleRate;
        const bool inLoud = t >= loudAt && t < loudAt + loud;
        const double level = inLoud ? 0.5 : 0.08 + 0.06 * std::sin(t * 0.7);
        song.samples[i] = float(level) * white(random);
    }
    return song;
}

bool writeWav(const std::string &path, const Song &song)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const uint32_t dataBytes = uint32_t(song.samples.size() * 4);
    const auto put32 = [file](uint32_t v) {
        const unsigned char b[4]
                = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        std::fwrite(b, 1, 4, file);
    };
    const auto put16 = [file](uint16_t v) {
        const unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)};
        std::fwrite(b, 1, 2, file);
    };
    std::fwrite("RIFF", 1, 4, file);
    put32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, file);
    put32(16);
    put16(1);
    put16(2);
    put32(uint32_t(song.sampleRate));
    put32(uint32_t(song.sampleRate) * 4);
    put16(4);
    put16(16);
    std::fwrite("data", 1, 4, file);
    put32(dataBytes);
    for (float v : song.samples) {
        const auto s = uint16_t(int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)));
        put16(s);
        put16(s);
    }
    return std::fclose(file) == 0;
}

} // namespace songmaker
