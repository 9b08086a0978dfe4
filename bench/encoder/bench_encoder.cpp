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
    double check = -1.0; // the part of our encoder's time spent checking peaks, if it said
};

// Where our encoder says how long its check took (VARDEL_ENCODER_REPORT).
std::string reportFile;

// The check's part of the job, from the encoder's "check=X s of Y s".
double checkShare()
{
    FILE *file = std::fopen(reportFile.c_str(), "r");
    if (!file)
        return -1.0;
    char line[256];
    double share = -1.0;
    while (std::fgets(line, sizeof line, file)) {
        double check = 0;
        double whole = 0;
        if (std::sscanf(line, "passes=%*d check=%lf s of %lf s", &check, &whole) == 2 && whole > 0)
            share = check / whole;
    }
    std::fclose(file);
    return share;
}

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
    const bool ours = command[0] != reference && !reportFile.empty();
    posix_spawn_file_actions_addopen(&actions,
                                     2,
                                     ours ? reportFile.c_str() : "/dev/null",
                                     O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    int status = -1;
    const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    struct rusage usage = {};
    if (!spawned || wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return {};
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime),
            seconds(usage.ru_stime),
            ours ? checkShare() : -1.0};
}

struct Summary
{
    double median = -1.0;
    double low = 0.0;
    double high = 0.0;
    double system = 0.0; // median
    double check = -1.0; // median
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
    std::vector<double> checks;
    for (const Times &t : runs) {
        if (t.total < 0)
            return {};
        totals.push_back(t.total);
        systems.push_back(t.system);
        if (t.check >= 0)
            checks.push_back(t.check);
    }
    return {medianOf(totals),
            *std::min_element(totals.begin(), totals.end()),
            *std::max_element(totals.begin(), totals.end()),
            medianOf(systems),
            checks.empty() ? -1.0 : medianOf(checks)};
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
    if (a.check > 0)
        std::printf("    check    %8.1f %% of our job (goal <= 3 %%)\n", 100 * a.check);
}

Command decode(const std::string &program, const std::string &input, const std::string &output)
{
    if (program == reference)
        return {program, "-y", "-i", input, "-vn", "-ac", "2", "-ar", "44100", output};
    return {program, "-y", "-i", input, "-vn", "-ab", "192K", "-ac", "2", "-ar", "44100", output};
}

// A 30 s ringtone with a 3 s fade-in: ours at -vol N, the tool with the same gain and the
// filters given (its limiter where ours limits).
Command ringtone(const std::string &program,
                 const std::string &start,
                 const std::string &input,
                 const std::string &output,
                 int volume,
                 const std::string &limiter)
{
    if (program == reference) {
        std::string filters = volume == 256 ? "" : "volume=" + std::to_string(volume) + "/256,";
        filters += limiter.empty() ? "" : limiter + ",";
        return {reference, "-ss",  start, "-t",    "30",
                "-y",      "-i",   input, "-af",   filters + "afade=t=in:d=3",
                "-vn",     "-c:a", "aac", "-b:a",  "192k",
                "-ac",     "2",    "-ar", "44100", output};
    }
    return {program,   "-ss", start, "-t",    "30",
            "-y",      "-i",  input, "-vol",  std::to_string(volume),
            "-fadein", "3",   "-vn", "-ab",   "192K",
            "-ac",     "2",   "-ar", "44100", output};
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

// Four minutes of chords and bass under pink noise bursts, limited to full scale as mastered
// music is: even at -vol 256 the limiter has work, at -vol 1280 on almost every sample.
bool makeLoudSong(const std::string &path)
{
    return timed({reference,
                  "-y",
                  "-f",
                  "lavfi",
                  "-i",
                  "aevalsrc=exprs=0.4*sin(2*PI*110*t)+0.15*sin(2*PI*440*t)+0.12*sin(2*PI*554*t)"
                  "|0.4*sin(2*PI*82*t)+0.15*sin(2*PI*660*t)+0.1*sin(2*PI*990*t):s=44100:d=240",
                  "-f",
                  "lavfi",
                  "-i",
                  "anoisesrc=color=pink:amplitude=0.5:d=240:r=44100:seed=1",
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
    reportFile = dir + "/report.txt";
    setenv("VARDEL_ENCODER_REPORT", "1", 1);
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
    // Like for like: where our limiter has nothing to do the tool makes a plain cut; where
    // ours limits, the tool's limiter works too.
    const std::string loud = dir + "/loud.mp3";
    if (!makeLoudSong(loud)) {
        std::printf("could not make the loud test file with %s\n", reference.c_str());
        std::system(("rm -rf '" + dir + "'").c_str());
        return 1;
    }
    const std::string alimiter = "alimiter=limit=0.891:level=false";
    struct Row
    {
        const char *what;
        const std::string &input;
        int volume;
        std::string limiter; // the tool's
        double goal;
    };
    const Row rows[] = {{"1x, limiter idle / plain cut", song, 256, "", 0.9},
                        {"1x, loud master / alimiter", loud, 256, alimiter, 1.0},
                        {"5x, loud master / alimiter", loud, 1280, alimiter, 1.0}};
    for (const Row &row : rows) {
        for (const char *start : {"0", "200"}) {
            const std::string what = std::string("30 s ringtone at ") + start + " s, " + row.what;
            compare(what.c_str(),
                    ringtone(ours, start, row.input, dir + "/ours.m4a", row.volume, row.limiter),
                    ringtone(reference,
                             start,
                             row.input,
                             dir + "/theirs.m4a",
                             row.volume,
                             row.limiter),
                    7,
                    row.goal);
        }
    }
    compare("30 s ringtone at 205 s / at 0 s (ours)",
            ringtone(ours, "205", song, dir + "/late.m4a", 256, ""),
            ringtone(ours, "0", song, dir + "/early.m4a", 256, ""),
            5,
            1.2);

    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
