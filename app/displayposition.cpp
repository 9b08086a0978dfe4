#include "displayposition.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

#ifdef VARDEL_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>
#endif

namespace {

#ifdef VARDEL_HAVE_XCB
template<typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The client area's top-left corner in the root window's coordinates.
std::optional<QPoint> x11Position(const QWidget *window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window->windowHandle())
        return std::nullopt;
    xcb_connection_t *connection = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const XcbReply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr),
            &std::free);
    if (!geometry)
        return std::nullopt;
    const XcbReply<xcb_translate_coordinates_reply_t> root(
            xcb_translate_coordinates_reply(
                    connection,
                    xcb_translate_coordinates(connection, id, geometry->root, 0, 0),
                    nullptr),
            &std::free);
    if (!root)
        return std::nullopt;
    return QPoint(root->dst_x, root->dst_y) / window->devicePixelRatioF();
}
#endif

} // namespace

QMargins drawnFrameMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || (window->windowFlags() & Qt::FramelessWindowHint))
        return {};
    const QMargins margins = handle->frameMargins();
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return {};
    return margins;
}

namespace {

// Waits for the window's first exposure, then runs the action once and goes.
class ExposureWait : public QObject
{
public:
    ExposureWait(QWidget *window, std::function<void()> action)
        : QObject(window)
        , action(std::move(action))
    {
        window->windowHandle()->installEventFilter(this);
        QTimer::singleShot(2000, this, &ExposureWait::fire);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            QTimer::singleShot(0, this, &ExposureWait::fire);
        return false;
    }

private:
    void fire()
    {
        if (!action)
            return;
        const std::function<void()> run = std::exchange(action, nullptr);
        deleteLater();
        run();
    }

    std::function<void()> action;
};

} // namespace

void afterFirstExposure(QWidget *window, std::function<void()> action)
{
    if (window->windowHandle() && window->windowHandle()->isExposed()) {
        QTimer::singleShot(0, window, std::move(action));
        return;
    }
    window->winId(); // makes the native window whose exposure is awaited
    new ExposureWait(window, std::move(action));
}

QRect frameOnDisplay(const QWidget *window)
{
    QRect client = window->geometry();
#ifdef VARDEL_HAVE_XCB
    if (window->isVisible()) {
        if (const std::optional<QPoint> position = x11Position(window))
            client.moveTopLeft(*position);
    }
#endif
    return client.marginsAdded(drawnFrameMargins(window));
}
