#include "fadein.h"

#include <cmath>

namespace shaping {

FadeIn::FadeIn(double seconds, int sampleRate)
    : m_frames(seconds > 0 ? std::llround(seconds * sampleRate) : 0)
{ }

} // namespace shaping
