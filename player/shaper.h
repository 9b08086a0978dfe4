#ifndef SONVIX_SHAPER_H
#define SONVIX_SHAPER_H

#include "pcmqueue.h"

#include "shaping/fadein.h"
#include "shaping/limiter.h"

#include <cstdint>
#include <vector>

namespace sonvix {

// Turns queued frames into what the device plays, the way the encoder shapes a ringtone: the
// volume through the limiter, then the fade-in, then 16 bits. Runs with the player's lock held.
class Shaper
{
public:
    Shaper(int channels, int rate);

    void setVolume(double factor) { m_limiter.setGain(factor); }
    // Forgets what the limiter holds: playback goes on from another place.
    void restart() { m_limiter.reset(); }
    // A fade of this length begins with the next frame played.
    void startFade(double seconds);
    // Writes up to `frames` frames from the queue, and once the decoder has ended the frames
    // the limiter still holds; returns how many it wrote.
    int fill(PcmQueue &queue, bool ended, int16_t *out, int frames);

private:
    int shape(PcmQueue &queue, bool ended, int done, int room);
    void reserve(int frames);

    int m_channels;
    int m_rate;
    shaping::Limiter m_limiter;
    shaping::FadeIn m_fade;
    int64_t m_faded = 0; // frames played since the fade began
    std::vector<float> m_interleaved;
    std::vector<std::vector<float>> m_in;
    std::vector<std::vector<float>> m_out;
    std::vector<const float *> m_inPlanes;
    std::vector<float *> m_outPlanes;
};

} // namespace sonvix

#endif
