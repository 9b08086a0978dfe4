#include "support.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Capture::Capture(const QString &pipePath)
    : path(pipePath + QStringLiteral(".frames"))
{
    const QByteArray name = QFile::encodeName(pipePath);
    QFile frames(path);
    if (!frames.open(QIODevice::WriteOnly) || mkfifo(name.constData(), 0600) != 0)
        return;
    // Open for reading without waiting for a writer, so the driver's opening never waits.
    const int pipe = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    if (pipe >= 0)
        reader = std::thread(&Capture::drain, this, pipe);
}

Capture::~Capture()
{
    quit = true;
    if (reader.joinable())
        reader.join();
}

// A read of 0 bytes means no writer has the pipe open and nothing is left in it.
void Capture::drain(int pipe)
{
    std::FILE *out = std::fopen(QFile::encodeName(path).constData(), "ab");
    char buffer[65536];
    while (!quit && out) {
        const ssize_t got = ::read(pipe, buffer, sizeof buffer);
        if (got > 0) {
            std::fwrite(buffer, 1, size_t(got), out);
            std::fflush(out);
            continue;
        }
        if (got == 0)
            ++closedReads;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (out)
        std::fclose(out);
    ::close(pipe);
}

int64_t Capture::framesWritten() const
{
    return QFile(path).size() / qint64(sizeof(Frame));
}

void Capture::mark()
{
    offset = QFile(path).size() / qint64(sizeof(Frame)) * qint64(sizeof(Frame));
}

std::vector<Frame> Capture::framesSinceMark() const
{
    QFile file(path);
    std::vector<Frame> frames;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return frames;
    const QByteArray bytes = file.readAll();
    const qsizetype count = bytes.size() / qsizetype(sizeof(Frame));
    for (qsizetype i = 0; i < count; ++i) {
        const char *p = bytes.constData() + i * sizeof(Frame);
        frames.push_back({qFromLittleEndian<int16_t>(p), qFromLittleEndian<int16_t>(p + 2)});
    }
    return frames;
}

std::vector<Frame> Capture::soundSinceMark() const
{
    std::vector<Frame> frames = framesSinceMark();
    frames.erase(std::remove_if(frames.begin(),
                                frames.end(),
                                [](const Frame &f) { return f.left == 0 && f.right == 0; }),
                 frames.end());
    return frames;
}

namespace {

// Generous: a device that stalls for seconds is a failure of its own kind.
// Checks a condition the device's output will make true, every `step`.
template<typename Condition>
bool pollUntil(Condition done, std::chrono::milliseconds step)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(step);
    }
    return true;
}

} // namespace

bool Capture::waitForGrowth(int64_t frames) const
{
    const qint64 wanted = QFile(path).size() + frames * qint64(sizeof(Frame));
    return pollUntil([&] { return QFile(path).size() >= wanted; }, std::chrono::milliseconds(2));
}

bool Capture::waitForClosed() const
{
    const uint64_t before = closedReads;
    return pollUntil([&] { return closedReads > before + 1; }, std::chrono::milliseconds(2));
}

bool Capture::waitForSound(size_t frames) const
{
    return pollUntil([&] { return soundSinceMark().size() >= frames; },
                     std::chrono::milliseconds(20));
}

int StateLog::callback(int state, void *user)
{
    StateLog *log = static_cast<StateLog *>(user);
    std::lock_guard<std::mutex> lock(log->mutex);
    log->received.push_back(state);
    log->threads.push_back(std::this_thread::get_id());
    log->changed.notify_all();
    return 0;
}

void StateLog::clear()
{
    std::lock_guard<std::mutex> lock(mutex);
    received.clear();
    threads.clear();
}

// Generous: a state change that takes seconds is a failure of its own kind.
bool StateLog::waitFor(const std::vector<int> &states)
{
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(20), [&] {
        return received.size() >= states.size();
    }) && std::equal(states.begin(), states.end(), received.begin());
}

std::vector<int> StateLog::states()
{
    std::lock_guard<std::mutex> lock(mutex);
    return received;
}

bool StateLog::onlyFromOtherThreads(std::thread::id caller)
{
    std::lock_guard<std::mutex> lock(mutex);
    return std::find(threads.begin(), threads.end(), caller) == threads.end();
}

void writeWav(const QString &path, int rate, int channels, const std::vector<int16_t> &samples)
{
    QByteArray data;
    auto put32 = [&data](quint32 v) { data.append(reinterpret_cast<const char *>(&v), 4); };
    auto put16 = [&data](quint16 v) { data.append(reinterpret_cast<const char *>(&v), 2); };
    const quint32 bytes = quint32(samples.size() * 2);
    data.append("RIFF");
    put32(36 + bytes);
    data.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(quint16(channels));
    put32(quint32(rate));
    put32(quint32(rate * channels * 2));
    put16(quint16(channels * 2));
    put16(16);
    data.append("data");
    put32(bytes);
    data.append(reinterpret_cast<const char *>(samples.data()), qsizetype(bytes));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

bool runProgram(const QString &program, const QStringList &arguments)
{
    std::vector<QByteArray> bytes {program.toLocal8Bit()};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
