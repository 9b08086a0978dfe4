// Measures the part suggestion on synthesised songs: how often the first suggestion, and the
// best of the first three, lies at least half inside a chorus; the processor time per minute of
// audio, beside a plain read of the same WAV files as the reference; and the peak memory of a
// process that analyses a 10-minute song (with --hour also a 60-minute one). Prints figures
// only. Goals: first 85 %, best of three 95 %, 0.1 s a minute, 20 MB for 10 minutes.

#include "analysis/features.h"
#include "analysis/suggest.h"
#include "songmaker.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int SongCount = 30;
constexpr int Rate = 44100;
constexpr double Length = 30.0;

double cpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The reference: every byte of the file read once, as the analysis must at least do.
void plainRead(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return;
    std::vector<char> block(1 << 16);
    volatile char sink = 0;
    while (std::fread(block.data(), 1, block.size(), file) > 0)
        sink = sink + block[0];
    std::fclose(file);
}

int analyseOnly(const char *path)
{
    analysis::Features features;
    std::string error;
    if (!analysis::readWavFeatures(path, features, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const auto found = analysis::suggest(features, Length, 3);
    // The high-water mark of resident memory, as the kernel kept it for this process.
    std::FILE *status = std::fopen("/proc/self/status", "r");
    char line[256];
    while (status && std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            std::printf("%ld\n", std::atol(line + 6));
    if (status)
        std::fclose(status);
    return found.empty() ? 1 : 0;
}

// Peak resident memory in kB of this program analysing one file in a process of its own.
long peakOfAnalysis(const char *self, const std::string &path)
{
    const std::string command = std::string(self) + " --analyse '" + path + "'";
    std::FILE *child = popen(command.c_str(), "r");
    if (!child)
        return -1;
    long peak = -1;
    if (std::fscanf(child, "%ld", &peak) != 1)
        peak = -1;
    return pclose(child) == 0 ? peak : -1;
}

songmaker::Song longSong(double seconds)
{
    songmaker::Song song;
    song.sampleRate = Rate;
    for (uint32_t seed = 1000; song.duration() < seconds; ++seed) {
        const songmaker::Song part = songmaker::makeSong(seed, Rate);
        song.samples.insert(song.samples.end(), part.samples.begin(), part.samples.end());
    }
    song.samples.resize(size_t(seconds * Rate));
    return song;
}

void memoryFor(const char *self, const std::string &folder, double minutes)
{
    const std::string path = folder + "/long.wav";
    songmaker::writeWav(path, longSong(60.0 * minutes));
    const std::string tiny = folder + "/tiny.wav";
    songmaker::writeWav(tiny, longSong(1.0));
    const long base = peakOfAnalysis(self, tiny);
    const long peak = peakOfAnalysis(self, path);
    std::printf("%.0f-minute song: peak memory %.1f MB (%.1f MB above a 1-second file's %.1f MB)\n",
                minutes,
                peak / 1024.0,
                (peak - base) / 1024.0,
                base / 1024.0);
    std::remove(path.c_str());
    std::remove(tiny.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--analyse") == 0)
        return analyseOnly(argv[2]);
    const bool hour = argc == 2 && std::strcmp(argv[1], "--hour") == 0;
    char folderName[] = "/tmp/bench_suggest_XXXXXX";
    if (!mkdtemp(folderName))
        return 1;
    const std::string folder = folderName;

    int first = 0, bestOfThree = 0;
    double minutes = 0.0, analysisCpu = 0.0, readCpu = 0.0;
    for (int i = 0; i < SongCount; ++i) {
        const songmaker::Song song = songmaker::makeSong(uint32_t(1 + i), Rate);
        const std::string path = folder + "/song.wav";
        songmaker::writeWav(path, song);
        double t = cpuSeconds();
        plainRead(path);
        readCpu += cpuSeconds() - t;
        t = cpuSeconds();
        analysis::Features features;
        std::string error;
        analysis::readWavFeatures(path, features, error);
        const auto found = analysis::suggest(features, Length, 3);
        analysisCpu += cpuSeconds() - t;
        minutes += song.duration() / 60.0;
        std::remove(path.c_str());
        std::string marks;
        bool any = false;
        for (size_t k = 0; k < found.size(); ++k) {
            const bool hit = song.insideChorus(found[k].start, found[k].end)
                    >= 0.5 * (found[k].end - found[k].start);
            any = any || hit;
            if (k == 0 && hit)
                ++first;
            char text[80];
            std::snprintf(text,
                          sizeof text,
                          " %.1f-%.1f %.3f %s%s",
                          found[k].start,
                          found[k].end,
                          found[k].score,
                          analysis::ruleName(found[k].rule),
                          hit ? " hit" : "");
            marks += text;
        }
        bestOfThree += any ? 1 : 0;
        std::printf(
                "%-60s %5.0f s |%s\n", song.description.c_str(), song.duration(), marks.c_str());
    }
    std::printf("\n%d songs, %.1f minutes\n", SongCount, minutes);
    std::printf("first suggestion in a chorus: %.1f %% (goal 85 %%)\n", 100.0 * first / SongCount);
    std::printf("best of three in a chorus:    %.1f %% (goal 95 %%)\n",
                100.0 * bestOfThree / SongCount);
    std::printf("processor time: %.3f s a minute of audio (goal 0.1 s), %.1f times a plain read "
                "of the WAV (%.3f s a minute)\n",
                analysisCpu / minutes,
                analysisCpu / std::max(readCpu, 1e-9),
                readCpu / minutes);
    memoryFor(argv[0], folder, 10.0);
    if (hour)
        memoryFor(argv[0], folder, 60.0);
    rmdir(folder.c_str());
    return 0;
}
