#ifndef SKINPICTURE_H
#define SKINPICTURE_H

#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QString>

// ":/images/disc.png" becomes ":/images/disc@2x.png", the name of its twin of twice the pixels.
QString twinPath(const QString &path);

// The skin picture at `path` for a screen of `ratio` device pixels per logical pixel: above 1
// its "@2x" twin, whose ratio is set so that it keeps the picture's logical size. Style sheets
// and icons pick the twin themselves; a plain QPixmap does not.
QPixmap skinPixmap(const QString &path, qreal ratio);

// A part of a picture given in logical pixels, in the picture's own pixels, which is what
// QPainter's source rectangles count.
QRect picturePart(const QPixmap &picture, const QRect &logical);

// On a screen of a fractional ratio the twins are scaled down as they are drawn, which looks
// jagged unless filtered; at whole ratios they are drawn pixel for pixel as before.
void filterFractionalScaling(QPainter &painter, qreal ratio);

#endif
