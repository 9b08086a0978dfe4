#ifndef PLAYER_TEST_SUPPORT_H
#define PLAYER_TEST_SUPPORT_H

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

// What SDL's disk driver wrote: every frame handed to the device, silence included.
struct Frame
{
    int16_t left;
    int16_t right;
};

// The driver's file is a pipe that a thread of the capture drains into a file of its own: the
// player opens the device only while it plays, and the driver starts its file afresh at every
// opening, so a plain file would lose what an earlier playback wrote.
class Capture
{
public:
    explicit Capture(const QString &pipePath);
    ~Capture();
    Capture(const Capture &) = delete;
    Capture &operator=(const Capture &) = delete;

    // Marks the start of what the next read returns.
    void mark();
    // Frames written since the mark, without the silent ones (the device's idle time).
    std::vector<Frame> soundSinceMark() const;
    // All frames written since the mark, silence included.
    std::vector<Frame> framesSinceMark() const;
    // All frames the device ever wrote.
    int64_t framesWritten() const;
    // Waits until the device has written `frames` more frames, sound or silence: it writes one
    // buffer after another in real time, so this is how the test knows the device has moved on.
    bool waitForGrowth(int64_t frames) const;
    // Waits until the device is closed and everything it wrote is in the capture.
    bool waitForClosed() const;
    // Waits until at least `frames` frames with sound were written since the mark.
    bool waitForSound(size_t frames) const;

private:
    void drain(int pipe);

    QString path; // the drained frames
    qint64 offset = 0;
    std::atomic<bool> quit {false};
    std::atomic<uint64_t> closedReads {0}; // reads that found the pipe empty and unwritten
    std::thread reader;
};

// The player's reports, in order, with the thread each arrived on.
class StateLog
{
public:
    static int callback(int state, void *user);
    void clear();
    bool waitFor(const std::vector<int> &states);
    std::vector<int> states();
    bool onlyFromOtherThreads(std::thread::id caller);

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> received;
    std::vector<std::thread::id> threads;
};

void writeWav(const QString &path, int rate, int channels, const std::vector<int16_t> &samples);
// Runs a program and waits for it; spawned without Qt's process machinery, which sanitizers
// cannot follow.
bool runProgram(const QString &program, const QStringList &arguments);

#endif
