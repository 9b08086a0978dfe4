#include "balladmaker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace balladmaker {

namespace {

using Tune = std::vector<std::vector<int>>; // per bar: a scale degree per eighth, -1 for a rest

double hz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// The band plays into one buffer, each instrument a plain function of time.
class Band
{
public:
    Band(int rate, double seconds, uint32_t seed)
        : m_rate(rate)
        , m_out(size_t((seconds + 3.0) * rate), 0.0f)
        , m_random(seed)
    { }

    // A string plucked and left to ring: a delay line that averages as it loops.
    void pluck(double at, double midi, float level)
    {
        const size_t period = std::max<size_t>(2, size_t(m_rate / hz(midi)));
        std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
        std::vector<float> line(period);
        for (float &v : line)
            v = noise(m_random);
        const size_t from = size_t(at * m_rate);
        for (size_t i = 0; i < size_t(1.6 * m_rate) && from + i < m_out.size(); ++i) {
            const size_t k = i % period;
            const float next = line[(k + 1) % period];
            m_out[from + i] += level * line[k];
            line[k] = 0.497f * (line[k] + next);
        }
    }

    // An electric piano: one sine modulating another, the modulation dying faster than the tone.
    void piano(double at, double length, double midi, float level)
    {
        const double f = hz(midi);
        const size_t from = size_t(at * m_rate);
        for (size_t i = 0; i < size_t((length + 0.3) * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const double index = 2.5 * std::exp(-t * 6.0) + 0.3;
            const double env = std::exp(-t * 1.2) * (t > length ? std::exp(-(t - length) * 20) : 1);
            const double v = std::sin(2 * M_PI * f * t + index * std::sin(2 * M_PI * f * t));
            m_out[from + i] += float(level * env * v);
        }
    }

    // A sung line: a soft sawtooth with vibrato that sets in after the note's start.
    void voice(double at, double length, double midi, float level, bool breathy)
    {
        const double f = hz(midi);
        const size_t from = size_t(at * m_rate);
        double phase = 0.0, low = 0.0;
        const double smooth = breathy ? 0.08 : 0.25;
        for (size_t i = 0; i < size_t(length * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const double vibrato = t > 0.15 ? 0.004 * std::sin(2 * M_PI * 5.5 * t) : 0.0;
            phase += f * (1.0 + vibrato) / m_rate;
            phase -= std::floor(phase);
            const double raw = breathy ? std::sin(2 * M_PI * phase) : 2.0 * phase - 1.0;
            low += smooth * (raw - low);
            const double env = std::min(1.0, t / 0.04) * std::min(1.0, (length - t) / 0.05);
            m_out[from + i] += float(level * env * low);
        }
    }

    void bass(double at, double length, double midi, float level)
    {
        const double f = hz(midi);
        const size_t from = size_t(at * m_rate);
        for (size_t i = 0; i < size_t(length * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const double env = std::min(1.0, t / 0.01) * std::exp(-t * 1.5);
            const double v = std::sin(2 * M_PI * f * t) + 0.3 * std::sin(4 * M_PI * f * t);
            m_out[from + i] += float(level * env * v);
        }
    }

    // Drums: a falling sine for the kick, noise with a tone for the snare, long soft noise for
    // brushes.
    void kick(double at, float level)
    {
        const size_t from = size_t(at * m_rate);
        double phase = 0.0;
        for (size_t i = 0; i < size_t(0.3 * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            phase += 2 * M_PI * (45.0 + 70.0 * std::exp(-t * 25.0)) / m_rate;
            m_out[from + i] += float(level * std::exp(-t * 10.0) * std::sin(phase));
        }
    }

    void snare(double at, float level, double decay)
    {
        std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
        const size_t from = size_t(at * m_rate);
        float last = 0.0f;
        for (size_t i = 0; i < size_t(6 * decay * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const float n = noise(m_random);
            const double tone = decay < 0.1 ? 0.5 * std::sin(2 * M_PI * 185.0 * t) : 0.0;
            m_out[from + i] += float(level * std::exp(-t / decay) * (n - 0.7f * last + tone));
            last = n;
        }
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

    std::mt19937 &random() { return m_random; }

private:
    int m_rate;
    std::vector<float> m_out;
    std::mt19937 m_random;
};

struct Ballad
{
    int key = 0;
    bool minor = false;
    int beats = 4; // a bar
    double beat = 0.7;
    std::vector<int> verseChords, chorusChords, bridgeChords;
    Tune verseTune, chorusTune, bridgeTune;
    std::vector<std::string> form;
    int verseBars = 8, chorusBars = 8;
    float verseLevel = 0.6f, chorusLevel = 1.0f, bridgeLevel = 0.7f;
    int keyChange = 0; // semitones, from the chorus numbered keyChangeFrom on
    int keyChangeFrom = 99;
    std::string order;
};

int note(const Ballad &b, int degree, int octave)
{
    static const int major[7] = {0, 2, 4, 5, 7, 9, 11};
    static const int minor[7] = {0, 2, 3, 5, 7, 8, 10};
    const int wrapped = ((degree % 7) + 7) % 7;
    const int octaves = (degree - wrapped) / 7;
    return b.key + 12 * (octave + octaves) + (b.minor ? minor : major)[wrapped];
}

// A tune over the chords, one bar per chord: chord tones on strong eighths, steps between.
Tune compose(std::mt19937 &random, const std::vector<int> &chords, int beats, int busy)
{
    std::uniform_int_distribution<int> die(0, 9);
    Tune tune;
    for (int chord : chords) {
        std::vector<int> bar(size_t(2 * beats), -1);
        int last = chord + 7 + 2 * (die(random) % 2);
        for (size_t s = 0; s < bar.size(); ++s) {
            if (s % 2 == 1 && die(random) >= busy)
                continue;
            last += die(random) % 3 - 1;
            bar[s] = s % 4 == 0 ? chord + 7 + 2 * (die(random) % 3) : last;
        }
        tune.push_back(bar);
    }
    return tune;
}

std::vector<int> chords(std::mt19937 &random)
{
    static const std::vector<std::vector<int>> common = {{0, 4, 5, 3},
                                                         {0, 5, 3, 4},
                                                         {5, 3, 0, 4},
                                                         {0, 3, 4, 4},
                                                         {1, 4, 0, 5},
                                                         {3, 0, 4, 5},
                                                         {0, 2, 3, 4},
                                                         {5, 4, 3, 4}};
    return common[random() % common.size()];
}

std::vector<std::string> form(std::mt19937 &random)
{
    static const std::vector<std::vector<std::string>> plans = {
            {"intro",
             "verse",
             "verse",
             "chorus",
             "verse",
             "chorus",
             "bridge",
             "chorus",
             "chorus",
             "outro"},
            {"verse",
             "prechorus",
             "chorus",
             "verse",
             "prechorus",
             "chorus",
             "bridge",
             "chorus",
             "chorus"},
            {"intro", "chorus", "verse", "chorus", "verse", "chorus", "chorus", "outro"},
            {"intro", "verse", "chorus", "verse", "chorus", "bridge", "chorus", "outro"},
            {"verse", "verse", "chorus", "bridge", "chorus", "chorus", "outro"},
            {"intro",
             "verse",
             "prechorus",
             "chorus",
             "verse",
             "prechorus",
             "chorus",
             "chorus",
             "outro"},
    };
    return plans[random() % plans.size()];
}

Ballad compose(uint32_t seed)
{
    std::mt19937 random(seed * 7919u + 17u);
    Ballad b;
    b.key = int(random() % 12);
    b.minor = random() % 3 == 0;
    b.beats = random() % 3 == 0 ? 3 : 4;
    b.beat = 60.0 / double(b.beats == 3 ? 84 + random() % 25 : 66 + random() % 31);
    b.verseChords = chords(random);
    b.chorusChords = random() % 4 == 0 ? b.verseChords : chords(random);
    b.bridgeChords = {3, 4, 5, 4};
    b.verseTune = compose(random, b.verseChords, b.beats, 6);
    b.chorusTune = compose(random, b.chorusChords, b.beats, 3);
    b.bridgeTune = compose(random, b.bridgeChords, b.beats, 5);
    b.form = form(random);
    b.verseBars = b.beats == 3 ? 12 : (random() % 3 == 0 ? 12 : 8);
    b.chorusBars = b.beats == 3 ? 12 : 8;
    switch (random() % 3) {
    case 0:
        b.order = "chorus loudest";
        break;
    case 1:
        b.order = "verse loudest";
        b.verseLevel = 1.0f;
        b.chorusLevel = 0.55f;
        break;
    default:
        b.order = "bridge loudest";
        b.bridgeLevel = 1.0f;
        b.chorusLevel = 0.75f;
        break;
    }
    const int choruses = int(std::count(b.form.begin(), b.form.end(), "chorus"));
    if (choruses >= 3 && random() % 5 < 2) {
        b.keyChange = 1 + int(random() % 2);
        const bool doubled = b.form[b.form.size() - 2] == "chorus" || b.form.back() == "chorus";
        b.keyChangeFrom = doubled ? choruses - 1 : choruses;
    }
    return b;
}

struct Context
{
    const Ballad &b;
    Band &band;
    double at;
    int transpose;
};

void drums(Context &c, const std::string &name, float level, double bar)
{
    const double beat = c.b.beat;
    const bool quiet = name == "verse" || name == "intro" || name == "outro";
    if (name == "chorus" && c.b.chorusLevel < 0.6f)
        return; // the quiet chorus has no drums at all
    for (int q = 0; q < c.b.beats; ++q) {
        const double t = bar + q * beat;
        if (quiet) {
            c.band.snare(t, 0.05f * level, 0.25);
            continue;
        }
        if (q == 0 || (c.b.beats == 4 && q == 2))
            c.band.kick(t, 0.6f * level);
        if ((c.b.beats == 4 && q % 2 == 1) || (c.b.beats == 3 && q == 2))
            c.band.snare(t, 0.3f * level, 0.05);
    }
}

void harmony(Context &c, const std::string &name, int chord, float level, double bar)
{
    const double beat = c.b.beat;
    const int root = note(c.b, chord, 2) + c.transpose;
    for (int half = 0; half < 2; ++half)
        c.band.bass(bar + half * c.b.beats * beat / 2, c.b.beats * beat / 2, root, 0.3f * level);
    if (name == "chorus" || name == "bridge") {
        for (int v = 0; v < 3; ++v)
            c.band.piano(bar,
                         c.b.beats * beat,
                         note(c.b, chord + 2 * v, 4) + c.transpose,
                         0.07f * level);
        return;
    }
    // Verses, intro and outro: the chord's notes picked one an eighth.
    for (int s = 0; s < 2 * c.b.beats; ++s) {
        const int degree = chord + 2 * (s % 3) + (s % 4 == 3 ? 7 : 0);
        c.band.pluck(bar + s * beat / 2, note(c.b, degree, 3) + c.transpose, 0.18f * level);
    }
}

void melody(Context &c, const std::string &name, int barIndex, float level, double bar)
{
    const Tune *tune = name == "chorus" ? &c.b.chorusTune
            : name == "verse"           ? &c.b.verseTune
            : name == "bridge"          ? &c.b.bridgeTune
                                        : nullptr;
    if (!tune)
        return;
    const std::vector<int> &steps = (*tune)[size_t(barIndex) % tune->size()];
    std::uniform_int_distribution<int> die(0, 9);
    for (size_t s = 0; s < steps.size(); ++s) {
        if (steps[s] < 0)
            continue;
        size_t to = s + 1;
        while (to < steps.size() && steps[to] < 0)
            ++to;
        // A verse is sung to nearly the same tune each time; its words move a note here and there.
        const int degree = steps[s] + (name == "verse" && die(c.band.random()) < 2 ? 1 : 0);
        const double midi = note(c.b, degree, 4) + c.transpose;
        c.band.voice(bar + double(s) * c.b.beat / 2,
                     double(to - s) * c.b.beat / 2 * 0.92,
                     midi,
                     (name == "chorus" ? 0.2f : 0.15f) * level,
                     name != "chorus");
    }
}

double section(Context &c, const std::string &name)
{
    const Ballad &b = c.b;
    const bool chorus = name == "chorus";
    const std::vector<int> &progression = chorus ? b.chorusChords
            : name == "bridge"                   ? b.bridgeChords
            : name == "prechorus"                ? std::vector<int> {3, 4}
                                                 : b.verseChords;
    const int bars = chorus       ? b.chorusBars
            : name == "verse"     ? b.verseBars
            : name == "bridge"    ? 8
            : name == "prechorus" ? 4
                                  : 4;
    const float level = chorus ? b.chorusLevel
            : name == "verse"  ? b.verseLevel
            : name == "bridge" ? b.bridgeLevel
                               : 0.5f;
    const double barLength = b.beats * b.beat;
    for (int i = 0; i < bars; ++i) {
        const double bar = c.at + i * barLength;
        const int chord = progression[size_t(i) % progression.size()];
        drums(c, name, level, bar);
        harmony(c, name, chord, level, bar);
        melody(c, name, i, level, bar);
    }
    return c.at + bars * barLength;
}

} // namespace

songmaker::Song makeSong(uint32_t seed, int sampleRate)
{
    const Ballad b = compose(seed);
    double seconds = 0.0;
    for (const std::string &name : b.form) {
        const int bars = name == "chorus" ? b.chorusBars
                : name == "verse"         ? b.verseBars
                : name == "bridge"        ? 8
                                          : 4;
        seconds += bars * b.beats * b.beat;
    }
    Band band(sampleRate, seconds, seed);
    songmaker::Song song;
    song.sampleRate = sampleRate;
    double at = 0.0;
    int chorus = 0;
    for (const std::string &name : b.form) {
        chorus += name == "chorus" ? 1 : 0;
        const int transpose = name == "chorus" && chorus >= b.keyChangeFrom ? b.keyChange : 0;
        Context c {b, band, at, transpose};
        const double end = section(c, name);
        song.sections.push_back({name, at, end});
        at = end;
    }
    song.samples = band.finish(at + 1.5);
    char text[160];
    std::snprintf(text,
                  sizeof text,
                  "ballad %u: %.0f bpm in %d, %d choruses, %s%s",
                  seed,
                  60.0 / b.beat,
                  b.beats,
                  chorus,
                  b.order.c_str(),
                  b.keyChange ? ", key change" : "");
    song.description = text;
    return song;
}

} // namespace balladmaker
