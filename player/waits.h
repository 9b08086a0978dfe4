// How often the output asks for sound, which bounds how soon the player notices and reports an
// end. Builds made for tests let the environment shorten it, so tests need not sit through it.
#ifndef SONVIX_WAITS_H
#define SONVIX_WAITS_H

namespace sonvix {

// Frames per device buffer asked of SDL (1024, about 23 ms at 44.1 kHz): a power of two.
int deviceFrames();

} // namespace sonvix

#endif
