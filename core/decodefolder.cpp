#include "decodefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <signal.h>
#include <unistd.h>

namespace {

QString parentFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .filePath(QStringLiteral("vardel"));
}

QString folderOf(qint64 pid)
{
    return QDir(parentFolder()).filePath(QString::number(pid));
}

// A real folder of this user: a link or someone else's folder is never written into nor
// removed.
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
    if (!QFileInfo::exists(path) && QDir().mkpath(path))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return isOwnFolder(path) ? path : parentFolder();
}

void removeDecodeFolder()
{
    const QString path = folderOf(QCoreApplication::applicationPid());
    if (isOwnFolder(path))
        QDir(path).removeRecursively();
}

void removeOrphanDecodeFolders()
{
    static const QRegularExpression name(QStringLiteral("^[1-9][0-9]{0,9}$"));
    const QDir parent(parentFolder());
    const QStringList entries = parent.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const QString path = parent.filePath(entry);
        if (name.match(entry).hasMatch() && processIsGone(entry.toLongLong()) && isOwnFolder(path))
            QDir(path).removeRecursively();
    }
}
