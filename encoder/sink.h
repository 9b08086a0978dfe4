#ifndef ENCODER_SINK_H
#define ENCODER_SINK_H

#include <cstdint>

class Shaper;

// Where shaped output samples go: planar float, one pointer per output channel.
class Sink
{
public:
    virtual ~Sink() = default;
    // first: index of planes[c][0] among all output samples, for the shaper's ramp.
    virtual void write(const float *const *planes, int count, int64_t first, const Shaper &shaper)
            = 0;
    virtual void finish() = 0;
    virtual int64_t bytesWritten() const = 0;
};

#endif
