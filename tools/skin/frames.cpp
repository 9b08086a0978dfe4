#include "frames.h"

#include "canvas.h"
#include "glyphs.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace skin {

namespace {

// Sliced at 7: a bevelled blue frame whose middle matches the items' blue.
QImage menuFrame()
{
    QImage img = canvas(58, 58);
    QPainter p(&img);
    p.fillRect(img.rect(), ink::outline);
    QLinearGradient bevel(0, 0, 0, 58);
    bevel.setColorAt(0, QColor(70, 150, 225));
    bevel.setColorAt(1, QColor(1, 62, 122));
    p.fillRect(QRect(1, 1, 56, 56), bevel);
    p.fillRect(QRect(1, 1, 56, 1), QColor(150, 205, 255));
    p.fillRect(QRect(1, 1, 1, 56), QColor(120, 185, 245));
    p.fillRect(QRect(5, 5, 48, 48), QColor(1, 40, 82));
    p.fillRect(QRect(6, 6, 46, 46), ink::menuBlue);
    return img;
}

QImage menuSeparator()
{
    QImage img = canvas(106, 2);
    QPainter p(&img);
    QLinearGradient dark(0, 0, 106, 0);
    dark.setColorAt(0, QColor(1, 40, 82, 120));
    dark.setColorAt(0.5, QColor(1, 30, 64));
    dark.setColorAt(1, QColor(1, 40, 82, 120));
    p.fillRect(QRect(0, 0, 106, 1), dark);
    QLinearGradient light(0, 0, 106, 0);
    light.setColorAt(0, QColor(120, 190, 255, 60));
    light.setColorAt(0.5, QColor(150, 210, 255));
    light.setColorAt(1, QColor(120, 190, 255, 60));
    p.fillRect(QRect(0, 1, 106, 1), light);
    return img;
}

// Sliced at 8 and at 4: every corner detail stays inside the outer 4 pixels.
QImage editBorder()
{
    QImage img = canvas(89, 28);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, 89, 28);
    p.fillPath(roundedRect(r, 3.5), QColor(92, 136, 184));
    p.fillPath(roundedRect(r.adjusted(1, 1, -1, -1), 2.5), ink::outline);
    QLinearGradient well(0, 2, 0, 26);
    well.setColorAt(0, QColor(5, 13, 24));
    well.setColorAt(0.3, ink::field);
    well.setColorAt(1, QColor(12, 28, 48));
    p.fillPath(roundedRect(r.adjusted(2, 2, -2, -2), 1.5), well);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(2, 2, 85, 1), QColor(0, 0, 0, 110));
    p.fillRect(QRect(0, 0, 89, 1), QColor(40, 70, 104));
    return img;
}

void paintIcon(QPainter &p, const QPainterPath &glyph, const QColor &top, const QColor &bottom)
{
    QPainterPathStroker outline;
    outline.setWidth(1.6);
    outline.setJoinStyle(Qt::RoundJoin);
    p.fillPath(outline.createStroke(glyph).united(glyph), QColor(3, 20, 40, 210));
    const QRectF b = glyph.boundingRect();
    QLinearGradient face(b.topLeft(), b.bottomLeft());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.fillPath(glyph, face);
}

QImage badgeIcon(const QString &letter)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(8, 8);
    p.fillPath(circle(c, 7.6), QColor(3, 20, 40, 220));
    QRadialGradient face(c - QPointF(2, 3), 10);
    face.setColorAt(0, QColor(110, 200, 255));
    face.setColorAt(1, QColor(10, 80, 160));
    p.fillPath(circle(c, 6.8), face);
    p.fillPath(circle(c, 6.8).intersected(roundedRect(QRectF(2, 1, 12, 6), 3)),
               QColor(255, 255, 255, 60));
    p.fillPath(letterGlyph(letter, QRectF(1, 1, 14, 14), 11), Qt::white);
    return img;
}

QImage toolIcon()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(p, wrenchGlyph(QRectF(1, 1, 14, 14)), Qt::white, QColor(150, 185, 220));
    return img;
}

QImage homeIcon()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(p, houseGlyph(QRectF(1.5, 1.5, 13, 13)), Qt::white, QColor(140, 200, 250));
    return img;
}

// The manager's marks of an entry's kind: a note for a ringtone, a bubble for a text tone.
QImage kindIcon(const QPainterPath &glyph)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(p, glyph, QColor(110, 200, 255), QColor(10, 80, 160));
    return img;
}

} // namespace

void addFrames(Pictures &out)
{
    out.append({QStringLiteral("menu.png"), menuFrame()});
    out.append({QStringLiteral("menu_separator.png"), menuSeparator()});
    out.append({QStringLiteral("edit_border.png"), editBorder()});
}

void addIcons(Pictures &out)
{
    out.append({QStringLiteral("tool.png"), toolIcon()});
    out.append({QStringLiteral("help.png"), badgeIcon(QStringLiteral("?"))});
    out.append({QStringLiteral("home.png"), homeIcon()});
    out.append({QStringLiteral("about.png"), badgeIcon(QStringLiteral("i"))});
    out.append({QStringLiteral("kind_ringtone.png"), kindIcon(noteGlyph(QRectF(2, 1.5, 12, 13)))});
    out.append({QStringLiteral("kind_tone.png"), kindIcon(bubbleGlyph(QRectF(1.5, 2, 13, 12)))});
}

} // namespace skin
