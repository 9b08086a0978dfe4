#include "volumeslider.h"

#include "app/skinpicture.h"
#include "editor/volumeslidermath.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace volumeslider;

CVolumeSlider::CVolumeSlider(QWidget *parent)
    : QWidget(parent)
    , m_rangeMin(volumeslider::rangeMin)
    , m_rangeMax(volumeslider::rangeMax)
{
    m_thumbX = volumeslider::thumbX(m_position, width());
    setFocusPolicy(Qt::StrongFocus);
}

CVolumeSlider::~CVolumeSlider() = default;

int CVolumeSlider::position() const
{
    return int(m_position);
}

void CVolumeSlider::setPos(double dPos)
{
    m_position = dPos;
    m_thumbX = volumeslider::thumbX(m_position, width());
    tellScreenReader();
    update();
}

void CVolumeSlider::tellScreenReader()
{
    QAccessibleValueChangeEvent changed(this, position());
    QAccessible::updateAccessibility(&changed);
}

void CVolumeSlider::positionFromThumb()
{
    m_position = positionAt(m_thumbX, width());
    tellScreenReader();
    emit sliderMoved(int(m_position));
}

// A press on the thumb only grabs it; anywhere else the thumb jumps there without snapping,
// and holding the button on does not drag.
void CVolumeSlider::mousePressEvent(QMouseEvent *event)
{
    const int x = clampToTrack(logicalX(event->position().toPoint().x()), width());
    if (m_thumbX - 2 <= x && x <= m_thumbX + 2) {
        m_lastX = x;
        m_dragging = 1;
        return;
    }
    m_thumbX = x;
    update();
    positionFromThumb();
    m_lastX = x;
}

void CVolumeSlider::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = 0;
    emit editFinished();
}

void CVolumeSlider::mouseMoveEvent(QMouseEvent *event)
{
    const int x = snapToMiddle(clampToTrack(logicalX(event->position().toPoint().x()), width()),
                               width());
    if (x == m_lastX)
        return;
    if (m_dragging == 1) {
        m_thumbX = x;
        positionFromThumb();
        update();
    }
    m_lastX = x;
}

// The arrow keys move the thumb one pixel, as the finest drag does; Page keys ten. Left and
// Right move it the way they point, also where the slider is mirrored.
void CVolumeSlider::keyPressEvent(QKeyEvent *event)
{
    int x = m_thumbX;
    const int right = isRightToLeft() ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        x -= right;
        break;
    case Qt::Key_Right:
        x += right;
        break;
    case Qt::Key_Down:
        x -= 1;
        break;
    case Qt::Key_Up:
        x += 1;
        break;
    case Qt::Key_PageDown:
        x -= 10;
        break;
    case Qt::Key_PageUp:
        x += 10;
        break;
    case Qt::Key_Home:
        x = 0;
        break;
    case Qt::Key_End:
        x = width();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    x = clampToTrack(x, width());
    if (x != m_thumbX) {
        m_thumbX = x;
        update();
        positionFromThumb();
        emit editFinished();
    }
}

// Right to left, the louder end is on the left: the whole slider is drawn mirrored about its
// track, and presses are mirrored back.
int CVolumeSlider::logicalX(int x) const
{
    return isRightToLeft() ? m_track.left() + m_track.right() - x : x;
}

void CVolumeSlider::paintEvent(QPaintEvent *)
{
    // Loaded at each paint, so a window moved to a screen of another scale gets the right ones.
    const qreal ratio = devicePixelRatioF();
    auto picture = [ratio](const char *name) {
        return skinPixmap(QStringLiteral(":/images/%1.png").arg(QLatin1String(name)), ratio);
    };
    QPainter painter(this);
    filterFractionalScaling(painter, ratio);
    if (isRightToLeft()) {
        painter.translate(m_track.left() + m_track.right() + 1, 0);
        painter.scale(-1, 1);
    }
    const int left = m_track.left();
    const int right = left + trackWidth - 1;
    painter.drawPixmap(left, 2, picture("volume_right"));
    const int filled = m_thumbX - left;
    if (filled > 0) {
        const QPixmap fill = picture("volume_left");
        painter.drawPixmap(QRect(left, 2, filled, trackHeight),
                           fill,
                           picturePart(fill, QRect(0, 0, filled, trackHeight)));
    }
    painter.drawPixmap(left - 9, 5, picture("volume_sub"));
    painter.drawPixmap(
            right + 4, 5, picture(showsStrongPlus(m_position) ? "volume_add2" : "volume_add"));
    painter.drawPixmap(m_thumbX - 2, 0, picture("volume_thumb"));
    if (hasFocus()) {
        painter.setPen(QPen(QColor(255, 200, 60), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CVolumeSlider::resizeEvent(QResizeEvent *)
{
    m_track = QRect(trackLeft(width()), 2, trackWidth, trackHeight);
    m_thumbX = volumeslider::thumbX(m_position, width());
}
