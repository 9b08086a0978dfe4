#pragma once

#include "picture.h"

namespace skin {

// Backgrounds of the main window, the ringtone manager and the about box.
void addWindows(Pictures &out);

} // namespace skin
