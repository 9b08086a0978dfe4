#include "controls.h"

#include "canvas.h"
#include "glyphs.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <functional>

namespace skin {

namespace {

struct Tone
{
    QColor top;
    QColor bottom;
    QColor rim;
    QColor glyph;
    int gloss;
    QColor glow; // invalid: a drop shadow instead
};

Tone blueTone(State s)
{
    switch (s) {
    case State::Hover:
        return {{98, 182, 255}, {22, 104, 194}, {3, 33, 63}, Qt::white, 150, {120, 215, 255, 170}};
    case State::Down:
        return {{11, 56, 110}, {28, 94, 168}, {2, 20, 40}, {214, 234, 255}, 45, {}};
    case State::Disabled:
        return {{108, 117, 128}, {62, 69, 78}, {27, 31, 36}, {166, 173, 181}, 60, {}};
    case State::Normal:
        break;
    }
    return {{61, 143, 224}, {11, 74, 148}, {3, 26, 51}, Qt::white, 130, {}};
}

// Light faces carry the black text that Qt draws on hovered and pressed buttons.
Tone lightTone(State s)
{
    switch (s) {
    case State::Hover:
        return {{255, 255, 255},
                {196, 229, 255},
                {47, 134, 214},
                ink::navy,
                170,
                {120, 215, 255, 170}};
    case State::Down:
        return {{160, 190, 222}, {210, 227, 243}, {37, 77, 120}, ink::navy, 50, {}};
    case State::Disabled:
        return {{216, 219, 223}, {172, 178, 186}, {112, 119, 128}, {130, 136, 144}, 80, {}};
    case State::Normal:
        break;
    }
    return {{242, 247, 252}, {180, 203, 229}, {53, 94, 140}, ink::navy, 160, {}};
}

Tone steelTone(State s)
{
    switch (s) {
    case State::Hover:
        return blueTone(State::Hover);
    case State::Down:
        return blueTone(State::Down);
    case State::Disabled:
        return blueTone(State::Disabled);
    case State::Normal:
        break;
    }
    return {{72, 108, 148}, {19, 44, 74}, {2, 10, 20}, {226, 238, 250}, 110, {}};
}

Tone closeTone(State s)
{
    if (s == State::Hover)
        return {{255, 128, 118}, {178, 34, 40}, {54, 6, 8}, Qt::white, 150, {255, 120, 110, 170}};
    if (s == State::Down)
        return {{110, 20, 26}, {170, 48, 52}, {40, 4, 6}, {255, 220, 220}, 45, {}};
    return steelTone(s);
}

// Keyboard focus: an amber ring just inside the rim, bright against every face and state.
const QColor focusInk(255, 200, 60);

void paintFocusRing(QPainter &p, const QPainterPath &ring)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(focusInk, 110), 3.2));
    p.drawPath(ring);
    p.setPen(QPen(focusInk, 1.4));
    p.drawPath(ring);
    p.restore();
}

void paintBacking(QPainter &p, const QPainterPath &shape, const Tone &tone, State s)
{
    if (tone.glow.isValid())
        softShadow(p, shape, {0, 0}, 2, tone.glow);
    else if (s != State::Down)
        softShadow(p, shape, {0, 1.5}, 1, QColor(0, 0, 0, 150));
}

void paintGloss(QPainter &p, const QPainterPath &body, const QRectF &bounds, const Tone &tone)
{
    QLinearGradient face(bounds.topLeft(), bounds.bottomLeft());
    face.setColorAt(0, tone.top);
    face.setColorAt(1, tone.bottom);
    p.fillPath(body, face);

    // Light bounced up from below gives the face its glassy depth.
    QRadialGradient bounce(QPointF(bounds.center().x(), bounds.bottom()), bounds.width() * 0.5);
    bounce.setColorAt(0, withAlpha(mix(tone.top, Qt::white, 0.3), 90));
    bounce.setColorAt(1, withAlpha(tone.top, 0));
    p.fillPath(body, bounce);

    const QRectF upper = bounds.adjusted(1.5, 1, -1.5, -bounds.height() * 0.48);
    const qreal r = std::min(upper.height(), upper.width()) / 2;
    QLinearGradient shine(upper.topLeft(), upper.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, tone.gloss));
    shine.setColorAt(1, QColor(255, 255, 255, tone.gloss / 8));
    p.fillPath(body.intersected(roundedRect(upper, r)), shine);
}

// A shape with a dark rim, a face and a gloss, moved down one pixel when pressed.
void paintFace(QPainter &p, const QPainterPath &outer, const Tone &tone, State s, qreal inset)
{
    const QPainterPath shape = outer.translated(0, s == State::Down ? 1 : 0);
    paintBacking(p, shape, tone, s);
    p.fillPath(shape, tone.rim);
    QPainterPathStroker thin;
    thin.setWidth(inset * 2);
    const QPainterPath body = shape.subtracted(thin.createStroke(shape));
    paintGloss(p, body, body.boundingRect(), tone);
}

QImage pill(QSize size,
            const QRectF &r,
            qreal radius,
            const Tone &tone,
            State s,
            bool focused,
            const QPainterPath &glyph = {})
{
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintFace(p, roundedRect(r, radius), tone, s, 1.0);
    const qreal drop = s == State::Down ? 1 : 0;
    if (focused)
        paintFocusRing(p,
                       roundedRect(r.adjusted(2.5, 2.5 + drop, -2.5, -2.5 + drop), radius - 2.5));
    if (!glyph.isEmpty())
        paintGlyph(p, glyph, tone.glyph, s);
    return img;
}

QImage orb(QSize size,
           QPointF c,
           qreal radius,
           const Tone &tone,
           State s,
           bool focused,
           const QPainterPath &glyph)
{
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintFace(p, circle(c, radius), tone, s, 1.0);
    if (focused)
        paintFocusRing(p, circle(c + QPointF(0, s == State::Down ? 1 : 0), radius - 2.5));
    paintGlyph(p, glyph, tone.glyph, s);
    return img;
}

// Generate's stop face while a ringtone is being made: red, as a stop sign.
Tone stopTone(State s)
{
    switch (s) {
    case State::Hover:
        return closeTone(State::Hover);
    case State::Down:
        return closeTone(State::Down);
    case State::Disabled:
        return blueTone(State::Disabled);
    case State::Normal:
        break;
    }
    return {{236, 96, 86}, {160, 28, 34}, {50, 5, 8}, Qt::white, 130, {}};
}

const QPointF orbCentre(30, 29.5);

// The main action: a chrome bezel around a glowing orb with a glyph; focus turns the bezel
// amber.
QImage orbButton(State s, bool focused, const Tone &tone, const QPainterPath &glyph)
{
    QImage img = canvas(60, 60);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = orbCentre;
    const QPainterPath bezel = circle(c, 27);
    paintBacking(p, bezel, tone, State::Normal);
    QLinearGradient chrome(0, 3, 0, 57);
    const bool gray = s == State::Disabled;
    if (focused) {
        chrome.setColorAt(0, QColor(255, 236, 170));
        chrome.setColorAt(0.5, focusInk);
        chrome.setColorAt(1, QColor(150, 96, 10));
    } else {
        chrome.setColorAt(0, gray ? QColor(190, 194, 199) : QColor(225, 238, 252));
        chrome.setColorAt(0.5, gray ? QColor(110, 116, 123) : QColor(92, 126, 164));
        chrome.setColorAt(1, gray ? QColor(60, 64, 70) : QColor(24, 44, 70));
    }
    p.fillPath(bezel, ink::outline);
    p.fillPath(circle(c, 26), chrome);
    p.fillPath(circle(c, 23.5), ink::outline);
    paintFace(p, circle(c + QPointF(0, 0.5), 23), tone, s, 1.0);
    paintGlyph(p, glyph, tone.glyph, s);
    return img;
}

QImage generateButton(State s, bool focused)
{
    const QRectF box(orbCentre.x() - 11, orbCentre.y() - 11.5, 22, 23);
    return orbButton(s, focused, blueTone(s), noteGlyph(box.translated(-0.5, 0)));
}

QImage stopButton(State s, bool focused)
{
    const QRectF box(orbCentre.x() - 10, orbCentre.y() - 9.5, 20, 20);
    return orbButton(s, focused, stopTone(s), stopGlyph(box));
}

QString fileName(const QString &stem, State s)
{
    switch (s) {
    case State::Hover:
        return stem + QStringLiteral("_hover.png");
    case State::Down:
        return stem + QStringLiteral("_down.png");
    case State::Disabled:
        return stem + QStringLiteral("_disable.png");
    case State::Normal:
        break;
    }
    return stem == QLatin1String("button") ? QStringLiteral("button.png")
                                           : stem + QStringLiteral("_button.png");
}

// A focused button is drawn in each state it can be in while focused.
QString focusFileName(const QString &stem, State s)
{
    switch (s) {
    case State::Hover:
        return stem + QStringLiteral("_focus_hover.png");
    case State::Down:
        return stem + QStringLiteral("_focus_down.png");
    case State::Disabled:
    case State::Normal:
        break;
    }
    return stem + QStringLiteral("_focus.png");
}

const State allStates[] = {State::Normal, State::Hover, State::Down, State::Disabled};
const State focusStates[] = {State::Normal, State::Hover, State::Down};

void addFamily(Pictures &out,
               const QString &stem,
               const std::function<QImage(State, bool)> &draw,
               bool withDisabled = true)
{
    for (State s : allStates) {
        if (s != State::Disabled || withDisabled)
            out.append({fileName(stem, s), draw(s, false)});
    }
    for (State s : focusStates)
        out.append({focusFileName(stem, s), draw(s, true)});
}

QImage transportButton(State s, bool focused, const QPainterPath &glyph)
{
    return pill({92, 38}, QRectF(2.5, 1.5, 87, 33), 16.5, blueTone(s), s, focused, glyph);
}

// Browse shows Qt's text: white on the blue face, black on the light hover and pressed faces.
QImage browseButton(State s, bool focused)
{
    const Tone tone = (s == State::Hover || s == State::Down) ? lightTone(s) : blueTone(s);
    return pill({89, 29}, QRectF(2.5, 1.5, 84, 24), 12, tone, s, focused);
}

} // namespace

void addButtons(Pictures &out)
{
    addFamily(out, QStringLiteral("generate"), generateButton);
    addFamily(out, QStringLiteral("stop"), stopButton);
    addFamily(out, QStringLiteral("play"), [](State s, bool focused) {
        return transportButton(s, focused, playGlyph(QRectF(40, 11, 13, 14)));
    });
    addFamily(out, QStringLiteral("pause"), [](State s, bool focused) {
        return transportButton(s, focused, pauseGlyph(QRectF(40, 11, 12, 14)));
    });
    addFamily(out, QStringLiteral("clip"), [](State s, bool focused) {
        return transportButton(s, focused, clipGlyph(QRectF(34, 11, 24, 14)));
    });
    // Suggest sits beside Play in the same blue, round as the window's own buttons.
    addFamily(out, QStringLiteral("suggest"), [](State s, bool focused) {
        return orb({36, 36},
                   {18, 17},
                   15.5,
                   blueTone(s),
                   s,
                   focused,
                   sparkleGlyph(QRectF(10, 9.5, 16, 16)));
    });
    // Sending over Wi-Fi sits right of Generate, whose result it hands on, in the same blue.
    addFamily(out, QStringLiteral("wifi"), [](State s, bool focused) {
        return orb({32, 32},
                   {16, 15},
                   13.5,
                   blueTone(s),
                   s,
                   focused,
                   wifiGlyph(QRectF(8.5, 7, 15, 15)));
    });
    // The preview's Stop sits right of Play Clip as Suggest sits left of Play.
    addFamily(out, QStringLiteral("halt"), [](State s, bool focused) {
        QPainterPath square;
        square.addRoundedRect(QRectF(12.5, 11.5, 11, 11), 1.5, 1.5);
        return orb({36, 36}, {18, 17}, 15.5, blueTone(s), s, focused, square);
    });
    addFamily(out, QStringLiteral("browse"), browseButton);
    addFamily(out, QStringLiteral("button"), [](State s, bool focused) {
        return pill({88, 29}, QRectF(2.5, 1.5, 83, 24), 7, lightTone(s), s, focused);
    });
    addFamily(out, QStringLiteral("close"), [](State s, bool focused) {
        return orb({29, 29},
                   {14.5, 13.5},
                   12,
                   closeTone(s),
                   s,
                   focused,
                   crossGlyph(QRectF(10.5, 9.5, 8, 8), 2.2));
    });
    addFamily(out, QStringLiteral("minimize"), [](State s, bool focused) {
        return orb({31, 31},
                   {15.5, 14.5},
                   13,
                   steelTone(s),
                   s,
                   focused,
                   dashGlyph(QRectF(10, 14.5, 11, 2), 2.4));
    });
    addFamily(out, QStringLiteral("menu"), [](State s, bool focused) {
        return orb({28, 28},
                   {14, 13},
                   12,
                   steelTone(s),
                   s,
                   focused,
                   menuGlyph(QRectF(9, 9.5, 10, 7), 1.8));
    });
    // The manager's close button: Esc closes the manager too, but Tab reaches the button.
    addFamily(
            out,
            QStringLiteral("dlg_close"),
            [](State s, bool focused) {
                return orb({24, 24},
                           {12, 11.5},
                           10,
                           closeTone(s),
                           s,
                           focused,
                           crossGlyph(QRectF(8.75, 8.25, 6.5, 6.5), 2));
            },
            false);
}

namespace {

QImage checkIndicator(State s, bool focused)
{
    QImage img = canvas(22, 24);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(3.5, 4.5, 15, 15);
    const QPainterPath outer = roundedRect(box, 3.5);
    if (focused)
        softShadow(p, outer, {0, 0}, 2, withAlpha(focusInk, 220));
    else if (s == State::Hover)
        softShadow(p, outer, {0, 0}, 2, QColor(120, 215, 255, 190));
    else
        softShadow(p, outer, {0, 1}, 1, QColor(0, 0, 0, 150));
    const bool checked = s == State::Down;
    const QColor rim = s == State::Disabled ? QColor(104, 110, 118)
            : s == State::Normal            ? QColor(104, 146, 192)
                                            : ink::cyan;
    p.fillPath(outer, focused ? focusInk : rim);
    const QPainterPath inner = roundedRect(box.adjusted(1.2, 1.2, -1.2, -1.2), 2.5);
    if (checked) {
        paintGloss(p, inner, inner.boundingRect(), blueTone(State::Normal));
        paintGlyph(p, tickGlyph(box.adjusted(3.6, 3.8, -3.4, -3.6), 2.3), Qt::white, State::Normal);
        return img;
    }
    QLinearGradient well(box.topLeft(), box.bottomLeft());
    const bool disabled = s == State::Disabled;
    well.setColorAt(0,
                    disabled                    ? QColor(36, 40, 45)
                            : s == State::Hover ? QColor(12, 30, 50)
                                                : ink::deep);
    well.setColorAt(1,
                    disabled                    ? QColor(54, 59, 65)
                            : s == State::Hover ? QColor(30, 60, 96)
                                                : ink::navy);
    p.fillPath(inner, well);
    // Shade under the top rim makes the box read as sunk into the panel.
    p.fillPath(inner.intersected(roundedRect(box.adjusted(1, 1, -1, -11), 2)), QColor(0, 0, 0, 70));
    return img;
}

struct ArrowLook
{
    QColor top;
    QColor bottom;
    QColor arrow;
};

ArrowLook arrowLook(State s)
{
    switch (s) {
    case State::Hover:
        return {{92, 170, 240}, {30, 94, 165}, Qt::white};
    case State::Down:
        return {{16, 50, 88}, {36, 78, 124}, {200, 226, 255}};
    case State::Disabled:
        return {{80, 86, 94}, {52, 57, 63}, {128, 135, 143}};
    case State::Normal:
        break;
    }
    return {{62, 102, 146}, {26, 54, 88}, {230, 240, 252}};
}

QImage spinArrow(bool up, State s)
{
    QImage img = canvas(18, 8);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const ArrowLook look = arrowLook(s);
    p.fillRect(QRectF(0, 0, 18, 8), ink::outline);
    QLinearGradient face(0, 1, 0, 7);
    face.setColorAt(0, look.top);
    face.setColorAt(1, look.bottom);
    p.fillRect(QRectF(1, 1, 16, 6), face);
    p.fillRect(QRectF(1, 1, 16, 1), QColor(255, 255, 255, s == State::Down ? 20 : 60));
    const qreal drop = s == State::Down ? 0.6 : 0;
    const QRectF box(6, 2.2 + drop, 6, 3.4);
    p.fillPath(arrowGlyph(box, up), look.arrow);
    return img;
}

} // namespace

void addCheckBoxes(Pictures &out)
{
    addFamily(out, QStringLiteral("check"), checkIndicator);
}

void addSpinArrows(Pictures &out)
{
    const std::pair<State, const char *> states[] = {{State::Normal, ""},
                                                     {State::Hover, "hover"},
                                                     {State::Down, "pressed"},
                                                     {State::Disabled, "disabled"}};
    for (bool up : {true, false}) {
        for (const auto &[state, suffix] : states) {
            const QString name
                    = QStringLiteral("spinbox%1%2.png")
                              .arg(QLatin1String(up ? "up" : "down"), QLatin1String(suffix));
            out.append({name, spinArrow(up, state)});
        }
    }
}

} // namespace skin
