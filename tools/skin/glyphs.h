#pragma once

#include "canvas.h"

#include <QPainterPath>
#include <QRectF>

namespace skin {

// Glyphs are filled paths fitted into a box, so one painter gives them shadow and state.
QPainterPath playGlyph(const QRectF &box);
QPainterPath pauseGlyph(const QRectF &box);
QPainterPath clipGlyph(const QRectF &box);
QPainterPath crossGlyph(const QRectF &box, qreal width);
QPainterPath dashGlyph(const QRectF &box, qreal width);
QPainterPath menuGlyph(const QRectF &box, qreal width);
QPainterPath noteGlyph(const QRectF &box);
QPainterPath stopGlyph(const QRectF &box);
QPainterPath sparkleGlyph(const QRectF &box);
QPainterPath wifiGlyph(const QRectF &box);
QPainterPath tickGlyph(const QRectF &box, qreal width);
QPainterPath plusGlyph(const QRectF &box, qreal width);
QPainterPath arrowGlyph(const QRectF &box, bool up);
QPainterPath wrenchGlyph(const QRectF &box);
QPainterPath houseGlyph(const QRectF &box);
// A speech bubble with three dots: a message, for the text tone.
QPainterPath bubbleGlyph(const QRectF &box);
QPainterPath letterGlyph(const QString &letter, const QRectF &box, qreal pixelSize);

// Fills the glyph with a soft dark shadow below it; pressed glyphs sit one pixel lower.
void paintGlyph(QPainter &p, const QPainterPath &glyph, const QColor &color, State state);

} // namespace skin
