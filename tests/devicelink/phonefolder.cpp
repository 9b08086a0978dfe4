#include "phonefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PhoneFolder::PhoneFolder(Layout layout)
{
    QDir().mkpath(m_dir.path() + QStringLiteral("/local"));
    if (layout == WithControl)
        QDir().mkpath(path(QStringLiteral("iTunes_Control")));
    qputenv("HANDVIA_ROOT", QFile::encodeName(root()));
}

QString PhoneFolder::localPath(const QString &name) const
{
    return m_dir.path() + QStringLiteral("/local/") + name;
}

void PhoneFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray PhoneFolder::read(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool PhoneFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}

QString PhoneFolder::writeLocal(const QString &name, const QByteArray &bytes) const
{
    QFile file(localPath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}
