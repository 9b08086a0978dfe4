#include "servecommand.h"

#include "commandline.h"
#include "qrmatrix.h"
#include "ringtoneserver.h"
#include "serveaddress.h"
#include "servepage.h"

#include "media/inputcheck.h"
#include "media/mediaprobe.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace {

int refuse(int code, const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return code;
}

QString fileRefusal(const InputCheck &check)
{
    switch (check.verdict) {
    case InputCheck::NotAFile:
        return QStringLiteral("not a file");
    case InputCheck::Unreadable:
        return QStringLiteral("cannot be read: %1").arg(check.reason);
    case InputCheck::NotMedia:
    case InputCheck::NoAudio:
        return QStringLiteral("not a sound file");
    case InputCheck::TooShort:
    case InputCheck::Accepted:
        break;
    }
    return QStringLiteral("lasts half a second or less");
}

// Standard output is shared with the server's thread, which reports downloads.
std::mutex outputLock;

void printNow(const QString &text)
{
    const std::lock_guard<std::mutex> hold(outputLock);
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

// The program's language of this system's locale, for phones that ask for none of them.
QString systemPageLanguage()
{
    const QString name = QLocale::system().name();
    const QStringList known = servePageLanguages();
    if (known.contains(name))
        return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language == QLatin1String("zh"))
        return QStringLiteral("zh_CN");
    return known.contains(language) ? language : QStringLiteral("en");
}

QString serverRefusal(const RingtoneServer &server,
                      const CommandLine &command,
                      const QHostAddress &address)
{
    switch (server.failure()) {
    case RingtoneServer::Failure::PortInUse:
        return QStringLiteral("vardel: --port %1 is in use; choose another or leave it out.")
                .arg(command.servePort);
    case RingtoneServer::Failure::AddressNotHere:
        return QStringLiteral("vardel: --address %1 is not an address of this computer.")
                .arg(address.toString());
    case RingtoneServer::Failure::AddressRefused:
        return QStringLiteral("vardel: --address %1 is neither loopback nor private; a tone is "
                              "served only on this computer or the local network.")
                .arg(address.toString());
    case RingtoneServer::Failure::None:
    case RingtoneServer::Failure::NotStarted:
        break;
    }
    return QStringLiteral("vardel: the server could not start on %1.").arg(address.toString());
}

// Waits for SIGINT or SIGTERM, blocked in every thread since before the server started, or
// for the time to run out.
void waitForStop(const sigset_t &stopSignals, int minutes)
{
    timespec left {time_t(minutes) * 60, 0};
    const timespec end = [&left] {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return timespec {now.tv_sec + left.tv_sec, now.tv_nsec};
    }();
    while (sigtimedwait(&stopSignals, nullptr, &left) < 0 && errno == EINTR) {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        left.tv_sec = end.tv_sec - now.tv_sec;
        if (left.tv_sec <= 0)
            return;
    }
}

} // namespace

int runServeCommand(const CommandLine &command)
{
    CMediaProbe::silenceLibrary();
    const InputCheck check = checkInput(command.file);
    if (check.verdict != InputCheck::Accepted)
        return refuse(1,
                      QStringLiteral("vardel: %1: %2")
                              .arg(QFileInfo(command.file).fileName(), fileRefusal(check)));
    QFile file(command.file);
    ServedTone tone {QFileInfo(command.file).completeBaseName(), check.duration, {}};
    if (!file.open(QIODevice::ReadOnly))
        return refuse(1,
                      QStringLiteral("vardel: %1: cannot be read: %2")
                              .arg(QFileInfo(command.file).fileName(), file.errorString()));
    tone.bytes = file.readAll();

    const QHostAddress address = command.serveAddress.isEmpty()
            ? defaultServeAddress()
            : QHostAddress(command.serveAddress.trimmed());
    if (address.isNull())
        return refuse(2,
                      command.serveAddress.isEmpty()
                              ? QStringLiteral("vardel: this computer is on no local network; "
                                               "--address 127.0.0.1 serves it to this "
                                               "computer alone.")
                              : QStringLiteral("vardel: --address %1 is not an address.")
                                        .arg(command.serveAddress));

    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    RingtoneServer server;
    QObject::connect(
            &server,
            &RingtoneServer::downloaded,
            &server,
            [](const QString &client) {
                printNow(QStringLiteral("Downloaded by %1 at %2\n")
                                 .arg(client,
                                      QTime::currentTime().toString(QStringLiteral("HH:mm"))));
            },
            Qt::DirectConnection);
    if (!server.start(tone, address, quint16(command.servePort), systemPageLanguage()))
        return refuse(2, serverRefusal(server, command, address));
    printNow(server.url() + QLatin1Char('\n') + terminalQrText(QrMatrix::encode(server.url())));
    waitForStop(stopSignals, command.serveMinutes);
    server.stop();
    return 0;
}
