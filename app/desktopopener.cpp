#include "desktopopener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

DesktopOpener *DesktopOpener::instance()
{
    static DesktopOpener opener;
    return &opener;
}

void DesktopOpener::open(const QUrl &url)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!program.isEmpty()) {
        runOpener(program, url);
        return;
    }
    if (!QDesktopServices::openUrl(url))
        emit failed(url);
}

// xdg-open may stay until the browser it started ends; a process still running when the
// program quits is left alone (no parent), so quitting never takes the browser with it.
void DesktopOpener::runOpener(const QString &program, const QUrl &url)
{
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process,
            &QProcess::finished,
            this,
            [this, process, url](int code, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit || code != 0)
                    emit failed(url);
                process->deleteLater();
            });
    connect(process,
            &QProcess::errorOccurred,
            this,
            [this, process, url](QProcess::ProcessError e) {
                if (e != QProcess::FailedToStart)
                    return;
                emit failed(url);
                process->deleteLater();
            });
    process->start();
}
