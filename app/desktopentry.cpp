#include "desktopentry.h"

#include <QFileInfo>
#include <QUrl>

QIcon vardelIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vardel-%1.png").arg(size), QSize(size, size));
    return icon;
}

QString commandLineFile(const QStringList &arguments)
{
    bool optionsEnded = false;
    for (const QString &argument : arguments.mid(1)) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            continue;
        if (argument.startsWith(QLatin1String("file:")))
            return QUrl(argument).toLocalFile();
        return QFileInfo(argument).absoluteFilePath();
    }
    return QString();
}
