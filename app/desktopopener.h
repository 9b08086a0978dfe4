#ifndef DESKTOPOPENER_H
#define DESKTOPOPENER_H

#include <QObject>
#include <QUrl>

// Opens web addresses and local pages with the desktop's own programs. Where xdg-open is
// found it runs it and watches its exit code, so "no browser" is noticed; elsewhere Qt's
// desktop services do the work. Every failure is announced by failed(), whoever asked.
class DesktopOpener : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopOpener)

public:
    static DesktopOpener *instance();
    void open(const QUrl &url);

signals:
    void failed(const QUrl &url);

private:
    DesktopOpener() = default;
    void runOpener(const QString &program, const QUrl &url);
};

#endif
