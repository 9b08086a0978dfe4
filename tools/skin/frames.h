#pragma once

#include "picture.h"

namespace skin {

// Pictures the style sheet slices as border images, and the 16 x 16 menu icons.
void addFrames(Pictures &out);
void addIcons(Pictures &out);

} // namespace skin
