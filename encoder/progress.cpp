#include "progress.h"

#include <cstdio>

namespace {
constexpr std::chrono::milliseconds interval(250);
}

Progress::Progress(int sampleRate)
    : m_sampleRate(sampleRate)
    , m_started(Clock::now())
    , m_next(m_started + interval)
{ }

void Progress::update(int64_t samples, int64_t bytes)
{
    const auto now = Clock::now();
    if (now < m_next)
        return;
    m_next = now + interval;
    print(samples, bytes, '\r');
}

void Progress::finish(int64_t samples, int64_t bytes)
{
    print(samples, bytes, '\n');
}

void Progress::print(int64_t samples, int64_t bytes, char end)
{
    const double seconds = double(samples) / m_sampleRate;
    const double elapsed = std::chrono::duration<double>(Clock::now() - m_started).count();
    const double bitRate = seconds > 0 ? double(bytes) * 8 / seconds / 1000 : 0.0;
    const double speed = elapsed > 0 ? seconds / elapsed : 0.0;
    std::fprintf(stderr,
                 "size=%8lldkB time=%.2f bitrate=%6.1fkbits/s speed=%.3gx%c",
                 static_cast<long long>((bytes + 1023) / 1024),
                 seconds,
                 bitRate,
                 speed,
                 end);
    std::fflush(stderr);
}
