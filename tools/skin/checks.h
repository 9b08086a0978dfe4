#pragma once

#include "picture.h"

#include <QStringList>

namespace skin {

// Names and exact sizes the program loads, each size times `ratio` (and each name a twin's at 2);
// an empty list means every picture fits.
QStringList sizeProblems(const Pictures &pictures, qreal ratio);

// Every widget, level bar and the turning disc of the main window must lie on opaque
// pixels of its background, or the window's shape would cut them. Positions are logical
// pixels; at a ratio of 2 every pixel under a logical one must be opaque.
QStringList layoutProblems(const QImage &mainBackground);

} // namespace skin
