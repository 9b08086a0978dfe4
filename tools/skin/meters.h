#pragma once

#include "picture.h"

#include <QPointF>

class QPainter;

namespace skin {

// Volume slider parts, the two level bars and the turning disc.
void addVolume(Pictures &out);
void addLevelBars(Pictures &out);
void addDisc(Pictures &out);

// A record whose label and sheen turn with it, so its rotation shows.
void paintDisc(QPainter &p, QPointF centre, qreal radius);

} // namespace skin
