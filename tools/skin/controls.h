#pragma once

#include "picture.h"

namespace skin {

// Push-button families, check-box indicators and spin-box arrows, one picture per state.
void addButtons(Pictures &out);
void addCheckBoxes(Pictures &out);
void addSpinArrows(Pictures &out);

} // namespace skin
