#ifndef BALLADMAKER_H
#define BALLADMAKER_H

#include "songmaker.h"

#include <cstdint>

// Slow songs played by a small band, made by rules of their own: plucked strings under the
// verse, an electric piano and a singing lead in the chorus, brushes or no drums at all. The
// verse's tune comes back nearly the same each time, the chorus's exactly; a pre-chorus, a
// chorus that opens the song, a double chorus at the end and a key change in the last choruses
// come with some seeds, and the loudest section may be the verse, the chorus or the bridge.
namespace balladmaker {

songmaker::Song makeSong(uint32_t seed, int sampleRate);

} // namespace balladmaker

#endif
