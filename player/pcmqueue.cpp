#include "pcmqueue.h"

#include <algorithm>
#include <cstring>

namespace sonvix {

void PcmQueue::push(PcmChunk &&chunk)
{
    queued += int64_t(chunk.samples.size()) / channels;
    chunks.push_back(std::move(chunk));
}

int PcmQueue::pull(float *out, int frames)
{
    const size_t wanted = size_t(frames) * channels;
    size_t copied = 0;
    while (copied < wanted && !chunks.empty() && !chunks.front().seam) {
        const std::vector<float> &front = chunks.front().samples;
        const size_t count = std::min(wanted - copied, front.size() - readOffset);
        std::memcpy(out + copied, front.data() + readOffset, count * sizeof(float));
        copied += count;
        readOffset += count;
        if (readOffset == front.size()) {
            chunks.pop_front();
            readOffset = 0;
        }
    }
    const int pulled = int(copied / channels);
    queued -= pulled;
    return pulled;
}

int64_t PcmQueue::takeSeam()
{
    const int64_t next = chunks.front().firstFrame;
    chunks.pop_front();
    return next;
}

void PcmQueue::clear()
{
    chunks.clear();
    readOffset = 0;
    queued = 0;
}

} // namespace sonvix
