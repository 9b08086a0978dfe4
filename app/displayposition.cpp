#include "displayposition.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

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
