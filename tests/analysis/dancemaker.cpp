#include "dancemaker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace dancemaker {

namespace {

double hz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// Oscillators that keep no tables: phase accumulators read as saw, square or triangle.
double saw(double phase)
{
    return 2.0 * (phase - std::floor(phase)) - 1.0;
}

double square(double phase)
{
    return phase - std::floor(phase) < 0.5 ? 1.0 : -1.0;
}

class Rack
{
public:
    Rack(int rate, double seconds, uint32_t seed)
        : m_rate(rate)
        , m_out(size_t((seconds + 2.0) * rate), 0.0f)
        , m_random(seed)
    { }

    // Three detuned saws through a gentle low-pass: the wide pad of a breakdown or a drop.
    void pad(double at, double length, double midi, float level)
    {
        const size_t from = size_t(at * m_rate);
        const double f = hz(midi);
        double low = 0.0;
        for (size_t i = 0; i < size_t(length * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const double v = saw(f * t) + saw(f * 1.007 * t + 0.3) + saw(f * 0.993 * t + 0.6);
            low += 0.12 * (v - low);
            const double env = std::min(1.0, t / 0.2) * std::min(1.0, (length - t) / 0.1);
            m_out[from + i] += float(level * env * low / 3.0);
        }
    }

    // A short plucked square, bright at once and dull a moment later.
    void pluck(double at, double midi, float level)
    {
        const size_t from = size_t(at * m_rate);
        const double f = hz(midi);
        double low = 0.0;
        for (size_t i = 0; i < size_t(0.22 * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            low += (0.05 + 0.6 * std::exp(-t * 30.0)) * (square(f * t) - low);
            m_out[from + i] += float(level * std::exp(-t * 14.0) * low);
        }
    }

    // The hook: a square lead that glides into each note from the one before.
    void lead(double at, double length, double fromMidi, double midi, float level)
    {
        const size_t from = size_t(at * m_rate);
        double phase = 0.0;
        for (size_t i = 0; i < size_t(length * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const double glide = std::min(1.0, t / 0.04);
            phase += hz(fromMidi + (midi - fromMidi) * glide) / m_rate;
            const double env = std::min(1.0, t / 0.005) * std::min(1.0, (length - t) / 0.02);
            m_out[from + i] += float(level * env * (0.7 * square(phase) + 0.3 * saw(2 * phase)));
        }
    }

    void subBass(double at, double length, double midi, float level)
    {
        const size_t from = size_t(at * m_rate);
        const double f = hz(midi);
        for (size_t i = 0; i < size_t(length * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const double duck = 1.0 - 0.8 * std::exp(-std::fmod(t, length / 2) * 12.0);
            m_out[from + i] += float(level * duck * std::sin(2 * M_PI * f * t));
        }
    }

    void kick(double at, float level)
    {
        const size_t from = size_t(at * m_rate);
        double phase = 0.0;
        for (size_t i = 0; i < size_t(0.2 * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            phase += (55.0 + 200.0 * std::exp(-t * 45.0)) / m_rate;
            m_out[from + i] += float(level * std::exp(-t * 18.0) * std::sin(2 * M_PI * phase));
        }
    }

    // Claps, hats and the build-up's rising sweep are all noise, shaped differently.
    void noise(double at, double length, float level, double decay, double brightness)
    {
        std::uniform_real_distribution<float> white(-1.0f, 1.0f);
        const size_t from = size_t(at * m_rate);
        float last = 0.0f;
        for (size_t i = 0; i < size_t(length * m_rate) && from + i < m_out.size(); ++i) {
            const double t = double(i) / m_rate;
            const double env = decay > 0 ? std::exp(-t / decay) : std::pow(t / length, 2.0);
            const float w = white(m_random);
            m_out[from + i] += float(level * env * (w - float(brightness) * last));
            last = w;
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

private:
    int m_rate;
    std::vector<float> m_out;
    std::mt19937 m_random;
};

struct Track
{
    int key = 0;
    double beat = 0.5;
    std::vector<int> dropChords, buildChords, breakChords; // semitones above the key, a bar each
    std::vector<int> hook; // semitones, per eighth over two bars; 99 holds the note before
    std::vector<std::string> form;
    int introBars = 8, buildBars = 8, breakBars = 8;
    float buildLevel = 0.7f, dropLevel = 1.0f;
    int keyChange = 0;
};

std::vector<std::string> form(std::mt19937 &random)
{
    static const std::vector<std::vector<std::string>> plans = {
            {"intro", "verse", "chorus", "breakdown", "verse", "chorus", "chorus", "outro"},
            {"intro", "chorus", "verse", "chorus", "breakdown", "chorus", "outro"},
            {"verse", "chorus", "verse", "chorus", "breakdown", "chorus", "chorus"},
            {"intro", "verse", "verse", "chorus", "breakdown", "verse", "chorus", "outro"},
            {"intro", "verse", "chorus", "breakdown", "chorus", "outro"},
    };
    return plans[random() % plans.size()];
}

Track compose(uint32_t seed)
{
    std::mt19937 random(seed * 104729u + 5u);
    static const std::vector<std::vector<int>> minorLoops
            = {{0, 8, 3, 10}, {0, 5, 8, 7}, {9 - 12, 5, 0, 7}, {0, 3, 8, 10}, {5, 7, 0, 0}};
    Track t;
    t.key = 45 + int(random() % 12);
    t.beat = 60.0 / double(118 + random() % 17);
    t.dropChords = minorLoops[random() % minorLoops.size()];
    t.buildChords = random() % 2 ? t.dropChords : minorLoops[random() % minorLoops.size()];
    t.breakChords = {8, 10, 0, 0};
    static const int scale[] = {0, 2, 3, 5, 7, 8, 10, 12, 14, 15};
    int degree = 4;
    for (int s = 0; s < 16; ++s) {
        if (s > 0 && random() % 4 == 0) {
            t.hook.push_back(99);
            continue;
        }
        degree = std::clamp(degree + int(random() % 5) - 2, 0, 9);
        t.hook.push_back(scale[degree]);
    }
    t.form = form(random);
    t.introBars = random() % 2 ? 8 : 16;
    t.buildBars = random() % 3 == 0 ? 16 : 8;
    t.breakBars = random() % 2 ? 8 : 16;
    if (random() % 2) {
        t.buildLevel = 1.0f;
        t.dropLevel = 0.6f;
    }
    if (std::count(t.form.begin(), t.form.end(), "chorus") >= 3 && random() % 3 == 0)
        t.keyChange = 1;
    return t;
}

int bars(const Track &t, const std::string &name)
{
    if (name == "chorus")
        return 16;
    if (name == "verse")
        return t.buildBars;
    if (name == "breakdown")
        return t.breakBars;
    return name == "intro" ? t.introBars : 8;
}

void beatBar(Rack &rack, const Track &t, const std::string &name, double bar, float level)
{
    for (int q = 0; q < 4; ++q) {
        const double at = bar + q * t.beat;
        if (name != "breakdown")
            rack.kick(at, 0.7f * level);
        if (name == "chorus" || name == "outro")
            rack.noise(at + t.beat / 2, 0.05, 0.08f * level, 0.015, 0.9);
        if ((name == "chorus" || name == "verse") && q % 2 == 1)
            rack.noise(at, 0.2, 0.25f * level, 0.04, 0.3);
    }
}

void drop(Rack &rack, const Track &t, int i, double bar, int root, float level)
{
    rack.pad(bar, 4 * t.beat, root + 12, 0.1f * level);
    rack.pad(bar, 4 * t.beat, root + 19, 0.07f * level);
    rack.subBass(bar, 4 * t.beat, root - 12, 0.3f * level);
    const size_t half = size_t(i % 2) * 8;
    int last = t.hook[0];
    for (size_t s = 0; s < 8; ++s) {
        const int n = t.hook[half + s];
        if (n == 99)
            continue;
        size_t hold = 1;
        while (s + hold < 8 && t.hook[half + s + hold] == 99)
            ++hold;
        const double from = t.key + 12 + last, to = t.key + 12 + n;
        rack.lead(bar + double(s) * t.beat / 2,
                  double(hold) * t.beat / 2 * 0.9,
                  from,
                  to,
                  0.12f * level);
        last = n;
    }
}

void build(Rack &rack, const Track &t, int i, int count, double bar, int root, float level)
{
    rack.subBass(bar, 4 * t.beat, root - 12, 0.2f * level);
    static const int arp[] = {0, 7, 12, 3, 7, 12, 15, 12};
    for (int s = 0; s < 16; ++s)
        rack.pluck(bar + s * t.beat / 4, root + 12 + arp[(s + i) % 8], 0.1f * level);
    if (i == count - 4)
        rack.noise(bar, 16 * t.beat, 0.15f * level, 0.0, 0.95);
}

double section(Rack &rack, const Track &t, const std::string &name, double at, int transpose)
{
    const int count = bars(t, name);
    const float level = name == "chorus" ? t.dropLevel
            : name == "verse"            ? t.buildLevel
            : name == "breakdown"        ? 0.6f
                                         : 0.5f;
    const std::vector<int> &loop = name == "chorus" ? t.dropChords
            : name == "breakdown"                   ? t.breakChords
                                                    : t.buildChords;
    for (int i = 0; i < count; ++i) {
        const double bar = at + i * 4 * t.beat;
        const int root = t.key + loop[size_t(i) % loop.size()] + transpose;
        beatBar(rack, t, name, bar, level);
        if (name == "chorus") {
            Track moved = t;
            moved.key += transpose;
            drop(rack, moved, i, bar, root, level);
        } else if (name == "verse") {
            build(rack, t, i, count, bar, root, level);
        } else if (name == "breakdown") {
            rack.pad(bar, 4 * t.beat, root + 12, 0.2f * level);
            rack.pad(bar, 4 * t.beat, root + 15, 0.15f * level);
        } else if (name == "outro" || i >= count / 2) {
            rack.subBass(bar, 4 * t.beat, root - 12, 0.15f * level);
        }
    }
    return at + count * 4 * t.beat;
}

} // namespace

songmaker::Song makeSong(uint32_t seed, int sampleRate)
{
    const Track t = compose(seed);
    double seconds = 0.0;
    for (const std::string &name : t.form)
        seconds += bars(t, name) * 4 * t.beat;
    Rack rack(sampleRate, seconds, seed);
    songmaker::Song song;
    song.sampleRate = sampleRate;
    const int choruses = int(std::count(t.form.begin(), t.form.end(), "chorus"));
    double at = 0.0;
    int chorus = 0;
    for (const std::string &name : t.form) {
        chorus += name == "chorus" ? 1 : 0;
        const int transpose = name == "chorus" && chorus == choruses ? t.keyChange : 0;
        const double end = section(rack, t, name, at, transpose);
        song.sections.push_back({name, at, end});
        at = end;
    }
    song.samples = rack.finish(at + 1.0);
    char text[160];
    std::snprintf(text,
                  sizeof text,
                  "dance %u: %.0f bpm, %d drops, %s%s",
                  seed,
                  60.0 / t.beat,
                  choruses,
                  t.dropLevel < 1.0f ? "build louder" : "drop loudest",
                  t.keyChange ? ", key change" : "");
    song.description = text;
    return song;
}

} // namespace dancemaker
