#include "encoderleftovers.h"

#include <QDir>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>

int sweepEncoderLeftovers(const QString &folder)
{
    static const QRegularExpression name(QStringLiteral("^\\.encoding-(\\d{10})-[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    int removed = 0;
    const QStringList entries = dir.entryList({QStringLiteral(".encoding-*")},
                                              QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = name.match(entry);
        if (!match.hasMatch())
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        if (pid <= 0 || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        removed += QFile::remove(dir.filePath(entry)) ? 1 : 0;
    }
    return removed;
}
