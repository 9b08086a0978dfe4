// Our encoder against the Debian ffmpeg tool on the conversion job's real workloads.
// The two sides run alternately, round by round, so that other work on a shared machine
// falls on both alike; each prints the median processor time (user plus system) with its
// minimum and maximum, and the median system time. A ratio below 1 means ours is faster.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const std::string reference = "/usr/bin/ffmpeg";

using Command = std::vector<std::string>;

struct Times
{
    double total = -1.0; // user plus system, seconds; negative when the run failed
    double system = 0.0;
};

// Runs a program quietly and returns its processor times.
Times timed(const Command &command)
{
    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    struct rusage usage = {};
    if (!spawned || wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return {};
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), seconds(usage.ru_stime)};
}

struct Summary
{
    double median = -1.0;
    double low = 0.0;
    double high = 0.0;
    double system = 0.0; // median
};

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Summary summarize(const std::vector<Times> &runs)
{
    std::vector<double> totals;
    std::vector<double> systems;
    for (const Times &t : runs) {
        if (t.total < 0)
            return {};
        totals.push_back(t.total);
        systems.push_back(t.system);
    }
    return {medianOf(totals),
            *std::min_element(totals.begin(), totals.end()),
            *std::max_element(totals.begin(), totals.end()),
            medianOf(systems)};
}

// Runs both sides `rounds` times, alternating which goes first; outputs are removed after
// each run so that the disk never holds more than one.
void compare(const char *what, const Command &ours, const Command &theirs, int rounds, double goal)
{
    std::vector<Times> oursRuns;
    std::vector<Times> theirRuns;
    for (int round = 0; round < rounds; ++round) {
        for (int side = 0; side < 2; ++side) {
            const bool oursNow = (round + side) % 2 == 0;
            const Command &command = oursNow ? ours : theirs;
            (oursNow ? oursRuns : theirRuns).push_back(timed(command));
            std::remove(command.back().c_str());
        }
    }
    const Summary a = summarize(oursRuns);
    const Summary b = summarize(theirRuns);
    if (a.median < 0 || b.median < 0) {
        std::printf("%s: failed to run\n", what);
        return;
    }
    std::printf("%s (%d rounds)\n"
                "    ours     %8.3f s  [%8.3f .. %8.3f]  system %7.3f s\n"
                "    other    %8.3f s  [%8.3f .. %8.3f]  system %7.3f s\n"
                "    ratio    %8.2f (goal <= %.1f), system %.2f\n",
                what,
                rounds,
                a.median,
                a.low,
                a.high,
                a.system,
                b.median,
                b.low,
                b.high,
                b.system,
                a.median / b.median,
                goal,
                b.system > 0 ? a.system / b.system : 0.0);
}

Command decode(const std::string &program, const std::string &input, const std::string &output)
{
    if (program == reference)
        return {program, "-y", "-i", input, "-vn", "-ac", "2", "-ar", "44100", output};
    return {program, "-y", "-i", input, "-vn", "-ab", "192K", "-ac", "2", "-ar", "44100", output};
}

Command ringtone(const std::string &program,
                 const std::string &start,
                 const std::string &input,
                 const std::string &output,
                 const std::string &volume = "300")
{
    if (program == reference)
        return {reference, "-ss",  start, "-t",    "30",
                "-y",      "-i",   input, "-af",   "volume=300/256,afade=t=in:d=3",
                "-vn",     "-c:a", "aac", "-b:a",  "192k",
                "-ac",     "2",    "-ar", "44100", output};
    return {program,   "-ss", start, "-t",  "30",   "-y",  "-i", input, "-vol",  volume,
            "-fadein", "3",   "-vn", "-ab", "192K", "-ac", "2",  "-ar", "44100", output};
}

// Notes that change two or three times a second with a decaying attack, over a held tone and a
// little noise: closer to music than steady tones, so the MP3 and AAC encoders have real work.
// Commas inside the expressions are escaped for the filter graph.
bool makeSong(const std::string &path, int seconds)
{
    const std::string left = "0.3*sin(2*PI*(220+55*mod(floor(t*2)\\,5))*t)*(1-0.7*mod(t*2\\,1))"
                             "+0.1*sin(2*PI*330*t)+0.05*(2*random(0)-1)";
    const std::string right = "0.3*sin(2*PI*(330+66*mod(floor(t*3)\\,4))*t)*(1-0.7*mod(t*3\\,1))"
                              "+0.1*sin(2*PI*165*t)+0.05*(2*random(1)-1)";
    return timed({reference,
                  "-y",
                  "-f",
                  "lavfi",
                  "-i",
                  "aevalsrc=exprs=" + left + "|" + right + ":s=44100:d=" + std::to_string(seconds),
                  "-b:a",
                  "192k",
                  path})
                   .total
            >= 0;
}

// Two minutes of chords and bass under pink noise bursts, limited to full scale as mastered
// music is: at -vol 1280 the limiter works on almost every sample.
bool makeLoudSong(const std::string &path)
{
    return timed({reference,
                  "-y",
                  "-f",
                  "lavfi",
                  "-i",
                  "aevalsrc=exprs=0.4*sin(2*PI*110*t)+0.15*sin(2*PI*440*t)+0.12*sin(2*PI*554*t)"
                  "|0.4*sin(2*PI*82*t)+0.15*sin(2*PI*660*t)+0.1*sin(2*PI*990*t):s=44100:d=120",
                  "-f",
                  "lavfi",
                  "-i",
                  "anoisesrc=color=pink:amplitude=0.5:d=120:r=44100:seed=1",
                  "-filter_complex",
                  "[1]volume='0.6*exp(-30*mod(t,0.5))':eval=frame,aformat=channel_layouts=stereo[n]"
                  ";"
                  "[0][n]amix=inputs=2:normalize=0,alimiter=limit=1:level=false",
                  "-b:a",
                  "192k",
                  path})
                   .total
            >= 0;
}

} // namespace

int main()
{
    char pattern[] = "/tmp/vardel-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = pattern;
    const std::string song = dir + "/song.mp3";
    const std::string hour = dir + "/hour.mp3";
    const std::string ours = VARDEL_ENCODER;
    if (!makeSong(song, 240) || !makeSong(hour, 3600)) {
        std::printf("could not make the test files with %s\n", reference.c_str());
        std::system(("rm -rf '" + dir + "'").c_str());
        return 1;
    }

    compare("4-minute MP3 to WAV (ours / the tool)",
            decode(ours, song, dir + "/ours.wav"),
            decode(reference, song, dir + "/theirs.wav"),
            7,
            1.0);
    compare("60-minute MP3 to WAV (ours / the tool)",
            decode(ours, hour, dir + "/ours.wav"),
            decode(reference, hour, dir + "/theirs.wav"),
            3,
            1.0);
    for (const char *start : {"0", "60", "140", "205"}) {
        const std::string what = std::string("30 s ringtone at ") + start + " s (ours / the tool)";
        compare(what.c_str(),
                ringtone(ours, start, song, dir + "/ours.m4a"),
                ringtone(reference, start, song, dir + "/theirs.m4a"),
                5,
                1.0);
    }
    // The same cut five times louder: our limiter against the tool's.
    const std::string loud = dir + "/loud.mp3";
    if (!makeLoudSong(loud)) {
        std::printf("could not make the loud test file with %s\n", reference.c_str());
    } else {
        compare("30 s ringtone, -vol 1280, loud (ours / the tool)",
                ringtone(ours, "60", loud, dir + "/ours-loud.m4a", "1280"),
                {reference, "-ss",
                 "60",      "-t",
                 "30",      "-y",
                 "-i",      loud,
                 "-af",     "volume=1280/256,alimiter=limit=0.891:level=false,afade=t=in:d=3",
                 "-vn",     "-c:a",
                 "aac",     "-b:a",
                 "192k",    "-ac",
                 "2",       "-ar",
                 "44100",   dir + "/theirs-loud.m4a"},
                5,
                1.0);
    }
    compare("30 s ringtone at 205 s / at 0 s (ours)",
            ringtone(ours, "205", song, dir + "/late.m4a"),
            ringtone(ours, "0", song, dir + "/early.m4a"),
            5,
            1.2);

    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
