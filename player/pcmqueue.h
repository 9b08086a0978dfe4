#ifndef SONVIX_PCMQUEUE_H
#define SONVIX_PCMQUEUE_H

#include "source.h"

#include <deque>

namespace sonvix {

// Decoded frames waiting for the audio device, in the order they are to be heard.
class PcmQueue
{
public:
    void setChannels(int count) { channels = count; }
    void push(PcmChunk &&chunk);
    // Copies up to `frames` frames out, never past a seam; returns how many it copied.
    int pull(float *out, int frames);
    // The end of a loop's pass is next.
    bool atSeam() const { return !chunks.empty() && chunks.front().seam; }
    // Passes the seam; returns the file position where the next pass begins.
    int64_t takeSeam();
    void clear();
    int64_t frames() const { return queued; }

private:
    std::deque<PcmChunk> chunks;
    size_t readOffset = 0; // samples already taken from the front chunk
    int64_t queued = 0;
    int channels = 2;
};

} // namespace sonvix

#endif
