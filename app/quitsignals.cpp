#include "quitsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalSocket[2] = {-1, -1};

// Only what a signal handler may do: one byte down a socket, read back on the event loop.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_signalSocket[0], &byte, 1);
}

} // namespace

void quitOnTerminationSignals()
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSocket) != 0)
        return;
    auto *notifier = new QSocketNotifier(
            g_signalSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte;
        while (read(g_signalSocket[1], &byte, 1) > 0) { }
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
