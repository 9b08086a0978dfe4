#ifndef DANCEMAKER_H
#define DANCEMAKER_H

#include "songmaker.h"

#include <cstdint>

// Fast electronic tracks on a four-on-the-floor kick: a long drums-only intro, build-ups of
// plucked arpeggios and a rising noise sweep as verses, a drop with a square-wave hook as the
// chorus, a breakdown of bare pads. Sections run in eights and sixteens of bars; the build-up
// is often louder than the drop, and a last drop may be doubled or a semitone higher.
namespace dancemaker {

songmaker::Song makeSong(uint32_t seed, int sampleRate);

} // namespace dancemaker

#endif
