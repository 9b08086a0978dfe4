#include "waits.h"

#include <cstdlib>

namespace sonvix {

int deviceFrames()
{
    constexpr int standard = 1024;
#ifdef SONVIX_TEST_WAITS
    // SDL wants a power of two; anything else is ignored rather than handed on.
    if (const char *value = std::getenv("SONVIX_TEST_DEVICE_FRAMES")) {
        char *end = nullptr;
        const long frames = std::strtol(value, &end, 10);
        if (end != value && *end == '\0' && frames >= 64 && frames <= 8192
            && (frames & (frames - 1)) == 0)
            return int(frames);
    }
#endif
    return standard;
}

} // namespace sonvix
