#ifndef ENCODER_SINK_H
#define ENCODER_SINK_H

#include <cstdint>

// Where the finished output samples go: planar float, one pointer per output channel.
class Sink
{
public:
    virtual ~Sink() = default;
    virtual void write(const float *const *planes, int count) = 0;
    virtual void finish() = 0;
    virtual int64_t bytesWritten() const = 0;
};

#endif
