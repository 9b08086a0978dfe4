#ifndef OPENRECORDER_H
#define OPENRECORDER_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QUrl>

// Puts the stand-in xdg-open of this folder first on PATH, so a test sees every address and
// page the program opens and no browser starts. Each answer is read from the record file.
class OpenRecorder
{
public:
    OpenRecorder()
    {
        qputenv("PATH", QByteArray(OPENER_DIR ":") + qgetenv("PATH"));
        qputenv("VARDEL_OPENED", QFile::encodeName(record()));
        succeed(true);
    }

    // What the opener was asked for, in order: local pages as file URLs.
    QList<QUrl> opened() const
    {
        QList<QUrl> urls;
        QFile file(record());
        if (!file.open(QIODevice::ReadOnly))
            return urls;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line);
            if (!text.isEmpty())
                urls << (text.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(text)
                                                           : QUrl(text));
        }
        return urls;
    }
    void clear() { QFile::remove(record()); }
    // As xdg-open ends when it finds no program for the address.
    void succeed(bool yes) { qputenv("VARDEL_OPENER_STATUS", yes ? "0" : "3"); }

private:
    QString record() const { return dir.filePath(QStringLiteral("opened.txt")); }
    QTemporaryDir dir;
};

#endif
