#include "decodefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <signal.h>
#include <unistd.h>

namespace {

const QString prefix = QStringLiteral("vardel-");

QString folderOf(qint64 pid)
{
    return QDir::temp().filePath(prefix + QString::number(pid));
}

// A real folder of this user: a link or someone else's folder in a shared temporary folder is
// never written into nor removed.
bool isOwnFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() && info.ownerId() == uint(getuid());
}

bool processIsGone(qint64 pid)
{
    return kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

QString decodeFolder()
{
    const QString path = folderOf(QCoreApplication::applicationPid());
    if (!QFileInfo::exists(path) && QDir().mkdir(path))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return isOwnFolder(path) ? path : QDir::tempPath();
}

void removeDecodeFolder()
{
    const QString path = folderOf(QCoreApplication::applicationPid());
    if (isOwnFolder(path))
        QDir(path).removeRecursively();
}

void removeOrphanDecodeFolders()
{
    static const QRegularExpression name(QStringLiteral("^vardel-([1-9][0-9]{0,9})$"));
    const QDir temp = QDir::temp();
    const QStringList entries = temp.entryList({prefix + QLatin1Char('*')},
                                               QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = name.match(entry);
        const QString path = temp.filePath(entry);
        if (match.hasMatch() && processIsGone(match.captured(1).toLongLong()) && isOwnFolder(path))
            QDir(path).removeRecursively();
    }
}
