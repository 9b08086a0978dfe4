#include "displayopening.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previous = nullptr;
QList<HeldMessage> held;

// A fatal message while the display opens is the toolkit giving up on it.
void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs("vardel: no display could be opened (is DISPLAY or WAYLAND_DISPLAY set?)\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.append({type, QByteArray(context.category), text});
}

} // namespace

DisplayOpening::DisplayOpening()
{
    previous = qInstallMessageHandler(holdMessage);
}

DisplayOpening::~DisplayOpening()
{
    qInstallMessageHandler(previous);
    const QList<HeldMessage> messages = std::exchange(held, {});
    for (const HeldMessage &message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}
