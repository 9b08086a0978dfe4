// The clip strip's wheel and keys: zooming and scrolling the view, moving the clip's edges from
// the keyboard, and the tooltip that says where the view and the pointer are.
#include "clipslider.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QTime>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

using clipview::Edge;
using clipview::Span;

namespace {

// One wheel notch zooms by this factor; + and - by a factor of 2.
constexpr double wheelZoom = 0.8;
// One notch of a horizontal wheel scrolls a tenth of the view.
constexpr double wheelScroll = 0.1;
// How much of the view stays beside an edge that a key has moved out of sight.
constexpr double followMargin = 0.1;

QString clockText(double seconds)
{
    const qint64 ms = qint64(std::floor(seconds * 1000.0 + 1e-6));
    return QTime(0, 0).addMSecs(int(qMax<qint64>(ms, 0))).toString(QStringLiteral("h:mm:ss.zzz"));
}

bool isKey(const QKeyEvent *event, Qt::Key key, QChar text)
{
    return event->key() == key || event->text() == text;
}

bool isStripKey(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
    case Qt::Key_0:
    case Qt::Key_BracketLeft:
    case Qt::Key_BracketRight:
        return true;
    default:
        break;
    }
    const QString text = key->text();
    return text == QLatin1String("+") || text == QLatin1String("-") || text == QLatin1String("0")
            || text == QLatin1String("[") || text == QLatin1String("]");
}

} // namespace

void CClipSlider::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const QPoint delta = event->angleDelta();
    const bool scroll = delta.x() != 0 || event->modifiers() & Qt::ShiftModifier;
    const double notches = (delta.x() != 0 ? delta.x() : delta.y()) / 120.0;
    if (notches == 0)
        return;
    if (scroll) {
        applyView(clipview::scrolled(m_view, range(), -notches * wheelScroll * m_view.length()));
        return;
    }
    const double anchor = clipview::secondsAt(m_view, rect().width(), event->position().x());
    applyView(clipview::zoomed(m_view, range(), anchor, std::pow(wheelZoom, notches)));
}

// Keys zoom around the edge that the keys move when it is in sight, else around the middle.
bool CClipSlider::zoomKey(QKeyEvent *event)
{
    double factor = 0;
    if (isKey(event, Qt::Key_Plus, QLatin1Char('+')) || event->key() == Qt::Key_Equal)
        factor = 0.5;
    else if (isKey(event, Qt::Key_Minus, QLatin1Char('-')))
        factor = 2.0;
    else if (!isKey(event, Qt::Key_0, QLatin1Char('0')))
        return false;
    if (factor == 0) {
        applyView(range());
        return true;
    }
    const double edge = m_activeEdge == Edge::Begin ? m_clipBegin : m_clipEnd;
    const bool inSight = m_view.from <= edge && edge <= m_view.to;
    const double anchor = inSight ? edge : (m_view.from + m_view.to) / 2;
    applyView(clipview::zoomed(m_view, range(), anchor, factor));
    return true;
}

bool CClipSlider::clipKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    Span moved = clip();
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && !(mods & Qt::AltModifier)) {
        const double step = mods & Qt::ControlModifier ? 1.0
                : mods & Qt::ShiftModifier             ? 0.1
                                                       : 0.01;
        moved = clipview::movedEdge(
                clip(), m_activeEdge, key == Qt::Key_Left ? -step : step, range());
    } else if ((key == Qt::Key_Home || key == Qt::Key_End) && mods == Qt::ShiftModifier) {
        const double at = key == Qt::Key_Home ? m_rangeMin : m_rangeMax;
        moved = clipview::placedEdge(clip(), m_activeEdge, at, range());
    } else if (isKey(event, Qt::Key_BracketLeft, QLatin1Char('['))) {
        m_activeEdge = Edge::Begin;
        moved = clipview::placedEdge(clip(), Edge::Begin, playPosition(), range());
    } else if (isKey(event, Qt::Key_BracketRight, QLatin1Char(']'))) {
        m_activeEdge = Edge::End;
        moved = clipview::placedEdge(clip(), Edge::End, playPosition(), range());
    } else {
        return false;
    }
    if (!(m_rangeMin < m_rangeMax))
        return true;
    applyClip(moved);
    emit clipEditFinished();
    const double edge = m_activeEdge == Edge::Begin ? m_clipBegin : m_clipEnd;
    applyView(clipview::showing(m_view, range(), edge, followMargin * m_view.length()));
    update();
    return true;
}

double CClipSlider::playPosition() const
{
    return m_playPositionSource ? m_playPositionSource() : m_position;
}

void CClipSlider::keyPressEvent(QKeyEvent *event)
{
    if (zoomKey(event) || clipKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void CClipSlider::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CClipSlider::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

QString CClipSlider::toolTipAt(int x) const
{
    return tr("Showing %1 to %2\nPointer at %3")
            .arg(clockText(m_view.from),
                 clockText(m_view.to),
                 clockText(clipview::secondsAt(m_view, rect().width(), x)));
}

// The strip's own keys are never taken by a shortcut of the window while it has the focus.
bool CClipSlider::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const bool ours = isStripKey(static_cast<QKeyEvent *>(event));
        if (ours) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int x = qBound(0, help->pos().x(), rect().width() - 1);
        QToolTip::showText(help->globalPos(), toolTipAt(x), this);
        return true;
    }
    return QWidget::event(event);
}
