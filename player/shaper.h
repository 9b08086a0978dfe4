#ifndef SONVIX_SHAPER_H
#define SONVIX_SHAPER_H

#include "pcmqueue.h"

#include "shaping/fadein.h"
#include "shaping/fadeout.h"
#include "shaping/limiter.h"

#include <cstdint>
#include <vector>

namespace sonvix {

// Turns queued frames into what the device plays, the way the encoder shapes a ringtone: the
// volume through the limiter, then the fade-in and the fade-out, then 16 bits. At a loop's seam
// the limiter lets out what it holds and the next pass starts afresh, as the ringtone file does
// each time a phone plays it again. Runs with the player's lock held.
class Shaper
{
public:
    Shaper(int channels, int rate);

    void setVolume(double factor) { m_limiter.setGain(factor); }
    // Forgets what the limiter holds: playback goes on from another place.
    void restart() { m_limiter.reset(); }
    // A fade of this length begins with the next frame played.
    void startFade(double seconds);
    // The fade-out ends before file frame `end`; each new pass of a loop fades in over
    // `passFadeIn` seconds.
    void setClip(double fadeOut, int64_t end, double passFadeIn);
    // Writes up to `frames` frames from the queue, and once the decoder has ended, or a pass of
    // a loop, the frames the limiter still holds; returns how many it wrote. `position` is the
    // file frame of the first of them, and afterwards of the next frame to play.
    int fill(PcmQueue &queue, bool ended, int16_t *out, int frames, int64_t &position);

private:
    int shape(PcmQueue &queue, bool ended, int done, int room);
    void fade(int from, int count, int64_t position);
    void reserve(int frames);

    int m_channels;
    int m_rate;
    shaping::Limiter m_limiter;
    shaping::FadeIn m_fade;
    int64_t m_faded = 0; // frames played since the fade began
    double m_passFadeIn = 0;
    shaping::FadeOut m_fadeOut;
    int64_t m_end = 0; // the file frame before which the fade-out ends
    std::vector<float> m_interleaved;
    std::vector<std::vector<float>> m_in;
    std::vector<std::vector<float>> m_out;
    std::vector<const float *> m_inPlanes;
    std::vector<float *> m_outPlanes;
};

} // namespace sonvix

#endif
