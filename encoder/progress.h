#ifndef ENCODER_PROGRESS_H
#define ENCODER_PROGRESS_H

#include <chrono>
#include <cstdint>

// Status lines on standard error: "size=<n>kB time=<seconds> bitrate=<x>kbits/s speed=<x>x",
// four times a second and once at the end; time is always plain seconds, never clock form.
class Progress
{
public:
    explicit Progress(int sampleRate);

    void update(int64_t samples, int64_t bytes);
    void finish(int64_t samples, int64_t bytes);

private:
    void print(int64_t samples, int64_t bytes, char end);

    using Clock = std::chrono::steady_clock;
    int m_sampleRate;
    Clock::time_point m_started;
    Clock::time_point m_next;
};

#endif
