#pragma once

#include "picture.h"

namespace skin {

// Every picture on a checkerboard, small ones enlarged, to judge the set at a glance.
QImage contactSheet(const Pictures &pictures);

// The three windows put together from the pictures, with stand-in texts.
QImage windowPreview(const Pictures &pictures);

} // namespace skin
