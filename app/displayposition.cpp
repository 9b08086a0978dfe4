#include "displayposition.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

#ifdef VARDEL_HAVE_XCB
#include <xcb/xcb.h>

#include <dlfcn.h>

#include <cstdlib>
#include <memory>
#include <optional>
#endif

namespace {

#ifdef VARDEL_HAVE_XCB
template<typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The few xcb calls the placement needs, taken from the xcb library that Qt's X11 plugin has
// already loaded. The program itself does not link xcb, so it starts where xcb is absent.
struct XcbCalls
{
    decltype(&xcb_get_geometry) getGeometry;
    decltype(&xcb_get_geometry_reply) getGeometryReply;
    decltype(&xcb_translate_coordinates) translate;
    decltype(&xcb_translate_coordinates_reply) translateReply;

    static std::optional<XcbCalls> loaded()
    {
        XcbCalls calls {resolve<decltype(getGeometry)>("xcb_get_geometry"),
                        resolve<decltype(getGeometryReply)>("xcb_get_geometry_reply"),
                        resolve<decltype(translate)>("xcb_translate_coordinates"),
                        resolve<decltype(translateReply)>("xcb_translate_coordinates_reply")};
        if (!calls.getGeometry || !calls.getGeometryReply || !calls.translate
            || !calls.translateReply)
            return std::nullopt;
        return calls;
    }

private:
    template<typename Call>
    static Call resolve(const char *name)
    {
        return reinterpret_cast<Call>(::dlsym(RTLD_DEFAULT, name));
    }
};

// The client area's top-left corner in the root window's coordinates, on X11 only.
std::optional<QPoint> x11Position(const QWidget *window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    static const std::optional<XcbCalls> xcb = XcbCalls::loaded();
    if (!x11 || !xcb || !window->windowHandle())
        return std::nullopt;
    xcb_connection_t *connection = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const XcbReply<xcb_get_geometry_reply_t> geometry(
            xcb->getGeometryReply(connection, xcb->getGeometry(connection, id), nullptr),
            &std::free);
    if (!geometry)
        return std::nullopt;
    const XcbReply<xcb_translate_coordinates_reply_t> root(
            xcb->translateReply(
                    connection, xcb->translate(connection, id, geometry->root, 0, 0), nullptr),
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

void settlePosition(QWidget *window)
{
#ifdef VARDEL_HAVE_XCB
    QWindow *handle = window->windowHandle();
    if (!handle || !window->isVisible())
        return;
    if (const std::optional<QPoint> position = x11Position(window);
        position && *position != handle->position())
        handle->setPosition(*position);
#else
    Q_UNUSED(window)
#endif
}
