// Times CreateWaveImage on the WAV of a 4-minute and of a 60-minute stereo song against a plain
// sequential read of the same file, and measures how much the peak memory grows during the call.
// Prints figures only; the goal is at most 1.5 times the plain read and a growth that does not
// depend on the file's length.
// Then reads the same file keeping its summary, and draws zoomed views from the summary alone:
// goals under 5 ms a view and a summary of at most 1/128 of the WAV's size.

#include "media/wavereader.h"
#include "media/wavesummary.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int sampleRate = 44100;
constexpr int channels = 2;

void put32(QByteArray &out, quint32 v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray &out, quint16 v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

// A song-like signal written a second at a time, so making the file needs little memory.
bool writeSong(const QString &path, int seconds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 dataSize = quint32(seconds) * sampleRate * channels * 2;
    QByteArray header("RIFF");
    put32(header, dataSize + 36);
    header.append("WAVEfmt ");
    put32(header, 16);
    put16(header, 1);
    put16(header, channels);
    put32(header, sampleRate);
    put32(header, sampleRate * channels * 2);
    put16(header, channels * 2);
    put16(header, 16);
    header.append("data");
    put32(header, dataSize);
    file.write(header);
    std::vector<qint16> second(size_t(sampleRate) * channels);
    quint32 noise = 12345;
    for (int s = 0; s < seconds; ++s) {
        const double loudness = 0.2 + 0.7 * std::fabs(std::sin(s * 0.37));
        for (int i = 0; i < sampleRate; ++i) {
            noise = noise * 1664525u + 1013904223u;
            const double t = double(s) + double(i) / sampleRate;
            const double v = loudness
                    * (0.8 * std::sin(2 * M_PI * 220 * t)
                       + 0.2 * (double(noise >> 16) / 32768.0 - 1.0));
            second[size_t(i) * 2] = qToLittleEndian(qint16(v * 32000));
            second[size_t(i) * 2 + 1] = qToLittleEndian(qint16(-v * 32000));
        }
        const qint64 bytes = qint64(second.size() * sizeof(qint16));
        if (file.write(reinterpret_cast<const char *>(second.data()), bytes) != bytes)
            return false;
    }
    return true;
}

// The floor: the same file read front to back in the reader's portion size.
double plainReadMs(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    std::vector<char> buffer(0x80000);
    quint64 sum = 0;
    qint64 got = 0;
    while ((got = file.read(buffer.data(), qint64(buffer.size()))) > 0)
        sum += uchar(buffer[size_t(got - 1)]);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (sum == 1)
        std::printf(" ");
    return ms;
}

long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Hands freed memory back and resets the kernel's peak resident size of this process to its
// current size, so the peak that follows counts only what the call itself touches.
void resetPeakMemory()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct WaveRun
{
    double ms;
    long peakGrowthKiB;
};

WaveRun waveRun(const QString &path)
{
    resetPeakMemory();
    const long before = statusKiB("VmRSS");
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    const QImage image = CreateWaveImage(&file, 530, 50);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const long growth = statusKiB("VmHWM") - before;
    if (image.isNull())
        std::printf("  (no picture made)\n");
    return {ms, growth};
}

// The best run: on a shared machine the others mostly measure the neighbours.
double best(const std::vector<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

// The best of `repeats` reads that keep the summary; the summary of the last one.
std::shared_ptr<const CWaveSummary> readSummary(const QString &path, int repeats, double &bestMs)
{
    std::vector<double> runs;
    std::shared_ptr<const CWaveSummary> summary;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        QFile file(path);
        summary = ReadWaveOverview(&file, 530, 50).summary;
        runs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    bestMs = best(runs);
    return summary;
}

// Views from one second to ten minutes long at spread-out places, as zooming and scrolling
// ask for them; the first few warm the caches and are not counted.
std::vector<double> viewTimes(const CWaveSummary &summary)
{
    const double length = summary.duration();
    const double spans[] = {1.0, 3.0, 10.0, 60.0, 600.0};
    std::vector<double> perView;
    for (int i = 0; i < 220; ++i) {
        const double span = std::min(spans[i % 5], length);
        const double from = std::fmod(i * 97.31, length - span);
        QElapsedTimer timer;
        timer.start();
        const QImage image = paintWaveView(summary, from, from + span, 530, 50);
        if (i >= 20)
            perView.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (image.isNull())
            std::printf("  (no view drawn)\n");
    }
    std::sort(perView.begin(), perView.end());
    return perView;
}

void benchViews(const QString &path, int minutes, int repeats, double plainMs)
{
    double readMs = 0;
    const std::shared_ptr<const CWaveSummary> summary = readSummary(path, repeats, readMs);
    if (!summary) {
        std::printf("  (no summary made)\n");
        return;
    }
    const std::vector<double> perView = viewTimes(*summary);
    double sum = 0;
    for (double ms : perView)
        sum += ms;
    const double fileBytes = double(QFile(path).size());
    std::printf("%2d min: read keeping the summary %.1f ms (ratio %.2f to the plain read); "
                "zoomed view from the summary %.2f ms mean, %.2f ms median, %.2f ms 95th "
                "percentile (goal < 5); summary %zu bytes = 1/%.0f of the WAV (goal <= 1/128)\n",
                minutes,
                readMs,
                readMs / plainMs,
                sum / double(perView.size()),
                perView[perView.size() / 2],
                perView[perView.size() * 95 / 100],
                summary->memoryBytes(),
                fileBytes / double(summary->memoryBytes()));
}

void bench(const QString &folder, int minutes, int repeats)
{
    const QString path = folder + QStringLiteral("/song%1.wav").arg(minutes);
    if (!writeSong(path, minutes * 60)) {
        std::printf("%d min: could not write %s\n", minutes, qPrintable(path));
        return;
    }
    const double mb = double(QFile(path).size()) / (1024.0 * 1024.0);
    // The first call also pages in the painting code; only later calls are measured.
    plainReadMs(path);
    waveRun(path);
    std::vector<double> wave;
    std::vector<double> plain;
    long growth = 0;
    for (int r = 0; r < repeats; ++r) {
        plain.push_back(plainReadMs(path));
        const WaveRun run = waveRun(path);
        wave.push_back(run.ms);
        growth = std::max(growth, run.peakGrowthKiB);
    }
    const double waveMs = best(wave);
    const double plainMs = best(plain);
    std::printf("%2d min stereo, %.1f MiB: CreateWaveImage %.1f ms (%.3f ms/MiB), plain read "
                "%.1f ms (%.3f ms/MiB), ratio %.2f (goal <= 1.5), peak memory growth %ld KiB\n",
                minutes,
                mb,
                waveMs,
                waveMs / mb,
                plainMs,
                plainMs / mb,
                waveMs / plainMs,
                growth);
    benchViews(path, minutes, repeats, plainMs);
    QFile::remove(path);
}

} // namespace

int main()
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::printf("no temporary folder\n");
        return 1;
    }
    std::printf("Best of several runs each, files in the page cache.\n");
    bench(folder.path(), 4, 15);
    bench(folder.path(), 60, 5);
    return 0;
}
