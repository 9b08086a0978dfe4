// Loading a file, `vardel --suggest` and a clip edit's loudness, timed as processor time (user
// plus system, child processes included) against the Debian tool's plain decode of the same
// file (`ffmpeg -threads 1 -i X -f null -`). The sides alternate round by round, so that the
// load of a shared machine falls on both alike; medians are printed with their ratios.
//   bench_load [MINUTES...] [--rounds N] [--before DIR]
// DIR holds another build's vardel, whose --suggest runs as a third side.
#include "analysis/features.h"
#include "editor/cliploudness.h"
#include "editor/wavintake.h"
#include "media/loudness.h"
#include "media/wavereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const QString tool = QStringLiteral("/usr/bin/ffmpeg");
const QString bin = QStringLiteral(VARDEL_BIN);

double seconds(const timeval &t)
{
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

// This thread's processor time, to the nanosecond as the kernel counts it.
double threadCpu()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Runs a program quietly with extra environment; its processor time, grandchildren included,
// or -1 when it failed.
double timed(const QStringList &command, const QStringList &extraEnvironment = {})
{
    std::vector<QByteArray> args;
    for (const QString &part : command)
        args.push_back(QFile::encodeName(part));
    std::vector<char *> argv;
    for (QByteArray &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> pairs;
    for (char **e = environ; *e; ++e)
        pairs.emplace_back(*e);
    for (const QString &pair : extraEnvironment)
        pairs.push_back(pair.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &pair : pairs)
        envp.push_back(pair.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    const bool spawned
            = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    rusage usage {};
    if (!spawned || wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return -1.0;
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

qint64 bytesUnder(const QString &folder)
{
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

// The most that the folder held while `work` ran, looked at every 20 ms.
template<typename Work>
qint64 peakBytes(const QString &folder, Work work)
{
    std::atomic<bool> done {false};
    std::atomic<qint64> peak {0};
    std::thread watcher([&] {
        while (!done) {
            peak = std::max(peak.load(), bytesUnder(folder));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    work();
    done = true;
    watcher.join();
    return std::max(peak.load(), bytesUnder(folder));
}

// A song-like MP3 of the given length, made once with the tool.
QString input(const QString &folder, int minutes)
{
    const QString path = QDir(folder).filePath(QStringLiteral("song-%1min.mp3").arg(minutes));
    if (QFile::exists(path))
        return path;
    const QString d = QString::number(minutes * 60);
    timed({tool,
           "-y",
           "-f",
           "lavfi",
           "-i",
           "sine=f=220:r=44100:d=" + d,
           "-f",
           "lavfi",
           "-i",
           "sine=f=330:r=44100:d=" + d,
           "-f",
           "lavfi",
           "-i",
           "anoisesrc=c=pink:a=0.15:r=44100:d=" + d,
           "-filter_complex",
           "[0][1]amerge=inputs=2[s];[2]aformat=channel_layouts=stereo[n];"
           "[s][n]amix=normalize=0,volume='0.6+0.3*sin(t/7)':eval=frame",
           "-c:a",
           "libmp3lame",
           "-b:a",
           "192k",
           path + ".part.mp3"});
    QFile::rename(path + ".part.mp3", path);
    return path;
}

struct Side
{
    const char *name;
    std::vector<double> cpu;
    std::vector<double> extra; // a part reported apart
    qint64 disk = 0;
};

void print(const char *what, const Side &reference, const std::vector<Side> &sides)
{
    const double base = median(reference.cpu);
    std::printf("%s\n    %-28s %8.3f s\n", what, reference.name, base);
    for (const Side &s : sides) {
        std::printf("    %-28s %8.3f s  ratio %.2f", s.name, median(s.cpu), median(s.cpu) / base);
        if (!s.extra.empty())
            std::printf("  (+ %.3f s reported apart)", median(s.extra));
        if (s.disk > 0 || s.name[0] == '-')
            std::printf("  disk at most %.1f MB", double(s.disk) / 1e6);
        std::printf("\n");
    }
    std::fflush(stdout);
}

QStringList decodeLine(const QString &in, const QString &out)
{
    return {bin + "/ffmpeg", "-y", "-i", in, "-vn", "-ab", "192K", "-ac", "2", "-ar", "44100", out};
}

// One round of loading: the decode job, then the one read (new) or the two reads of before.
void loadRound(const QString &song, const QString &cache, Side &now, Side &before)
{
    const QString wav = QDir(cache).filePath(QStringLiteral("song.wav"));
    const double decode = timed(decodeLine(song, wav));
    double started = threadCpu();
    const WavIntake intake = readWavIntake(wav, QSize(530, 50));
    now.cpu.push_back(decode + threadCpu() - started - intake.analysisSeconds);
    now.extra.push_back(intake.analysisSeconds);
    started = threadCpu();
    QFile file(wav);
    ReadWaveOverview(&file, 530, 50);
    const double picture = threadCpu() - started;
    analysis::Features features;
    std::string error;
    analysis::readWavFeatures(QFile::encodeName(wav).toStdString(), features, error);
    before.cpu.push_back(decode + picture);
    before.extra.push_back(threadCpu() - started - picture);
    QFile::remove(wav);
}

void benchFile(const QString &folder, int minutes, int rounds, const QString &beforeBin)
{
    const QString song = input(folder, minutes);
    Side reference {"tool's decode to null", {}, {}, 0};
    Side suggest {"--suggest", {}, {}, 0};
    Side suggestBefore {"--suggest, before", {}, {}, 0};
    Side load {"load to waveform", {}, {}, 0};
    Side loadBefore {"load to waveform, before", {}, {}, 0};
    for (int round = 0; round < rounds; ++round) {
        for (int side = 0; side < 4; ++side) {
            switch ((round + side) % 4) {
            case 0:
                reference.cpu.push_back(
                        timed({tool, "-threads", "1", "-nostdin", "-i", song, "-f", "null", "-"}));
                break;
            case 1: {
                QTemporaryDir cache;
                const QStringList env
                        = {"XDG_CACHE_HOME=" + cache.path(), "TMPDIR=" + cache.path()};
                suggest.disk = std::max(
                        suggest.disk, peakBytes(cache.path(), [&] {
                            suggest.cpu.push_back(timed({bin + "/vardel", "--suggest", song}, env));
                        }));
                break;
            }
            case 2:
                if (!beforeBin.isEmpty()) {
                    QTemporaryDir cache;
                    const QStringList env
                            = {"XDG_CACHE_HOME=" + cache.path(), "TMPDIR=" + cache.path()};
                    suggestBefore.disk = std::max(
                            suggestBefore.disk, peakBytes(cache.path(), [&] {
                                suggestBefore.cpu.push_back(
                                        timed({beforeBin + "/vardel", "--suggest", song}, env));
                            }));
                }
                break;
            default: {
                QTemporaryDir cache;
                loadRound(song, cache.path(), load, loadBefore);
            }
            }
        }
    }
    std::vector<Side> sides = {suggest, load, loadBefore};
    if (!beforeBin.isEmpty())
        sides.insert(sides.begin() + 1, suggestBefore);
    print(qPrintable(QStringLiteral("%1 minutes, %2 rounds").arg(minutes).arg(rounds)),
          reference,
          sides);
}

// A clip edit's loudness: from the blocks, through the limiter, and as before (the encoder
// decodes the clip, a meter reads its WAV).
void benchClipEdit(const QString &folder, int rounds)
{
    const QString song = input(folder, 20);
    QTemporaryDir cache;
    const QString wav = QDir(cache.path()).filePath(QStringLiteral("song.wav"));
    timed(decodeLine(song, wav));
    const WavIntake intake = readWavIntake(wav, QSize(530, 50));
    std::vector<double> blocks, limited, before;
    for (int round = 0; round < rounds; ++round) {
        const qint64 begin = 60000 + round * 7037;
        double started = threadCpu();
        volatile double sink = intake.blocks->loudness(begin, begin + 30000);
        blocks.push_back(threadCpu() - started);
        started = threadCpu();
        sink = limitedLoudness(
                wav, begin * 441 / 10, 30 * 44100, 1.0, ClipLoudness::RingtoneCeiling);
        limited.push_back(threadCpu() - started);
        const QString clip = QDir(cache.path()).filePath(QStringLiteral("clip.wav"));
        started = threadCpu();
        QStringList line = decodeLine(song, clip);
        line.insert(1, QString::number(begin / 1000.0));
        line.insert(1, QStringLiteral("-ss"));
        line.insert(3, QStringLiteral("30"));
        line.insert(3, QStringLiteral("-t"));
        const double decode = timed(line);
        sink = integratedLoudness(clip);
        before.push_back(decode + threadCpu() - started);
        QFile::remove(clip);
        (void)sink;
    }
    std::printf("clip edit, loudness of a 30 s clip (%d rounds, 0 encoder runs but before)\n"
                "    from the blocks             %8.3f ms\n"
                "    through the limiter         %8.3f ms\n"
                "    before: encoder + meter     %8.3f ms\n",
                rounds,
                median(blocks) * 1e3,
                median(limited) * 1e3,
                median(before) * 1e3);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int rounds = 3;
    QString beforeBin;
    std::vector<int> minutes;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = args[++i].toInt();
        else if (args[i] == QLatin1String("--before") && i + 1 < args.size())
            beforeBin = args[++i];
        else
            minutes.push_back(args[i].toInt());
    }
    if (minutes.empty())
        minutes = {20, 60};
    const QString folder = QDir(bin).filePath(QStringLiteral("../bench/inputs"));
    QDir().mkpath(folder);
    char load[64] = {};
    if (FILE *f = std::fopen("/proc/loadavg", "r")) {
        std::fgets(load, sizeof load, f);
        std::fclose(f);
    }
    std::printf("load average at start: %s", load);
    benchClipEdit(folder, 9);
    for (int m : minutes)
        benchFile(folder, m, rounds, beforeBin);
    return 0;
}
