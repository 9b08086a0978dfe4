#pragma once

#include "picture.h"

#include <QStringList>

namespace skin {

// Names and exact sizes the program loads; an empty list means every picture fits.
QStringList sizeProblems(const Pictures &pictures);

// Every widget, level bar and the turning disc of the main window must lie on opaque
// pixels of its background, or the window's shape would cut them.
QStringList layoutProblems(const QImage &mainBackground);

} // namespace skin
