#include "standin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace Standin {

bool available()
{
    return !qEnvironmentVariableIsEmpty("STANDIN_CONTROL");
}

QByteArray command(const QByteArray &line)
{
    const QByteArray where = qgetenv("STANDIN_CONTROL");
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (where.isEmpty() || size_t(where.size()) >= sizeof address.sun_path)
        return {};
    std::memcpy(address.sun_path, where.constData(), size_t(where.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return {};
    QByteArray answer;
    const QByteArray request = line + '\n';
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::write(fd, request.constData(), size_t(request.size())) == request.size()) {
        char c = 0;
        while (::read(fd, &c, 1) == 1 && c != '\n')
            answer += c;
    }
    ::close(fd);
    return answer;
}

QByteArray udid()
{
    return qgetenv("STANDIN_UDID");
}

QStringList notifications()
{
    const QString all = QString::fromUtf8(command("notifications"));
    return all.isEmpty() ? QStringList() : all.split(QLatin1Char('\t'));
}

int count(const QByteArray &prefix)
{
    return command("count " + prefix).toInt();
}

QString path(const QString &relative)
{
    return QFile::decodeName(qgetenv("STANDIN_ROOT")) + QLatin1Char('/') + relative;
}

void write(const QString &relative, const QByteArray &bytes)
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray read(const QString &relative)
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool exists(const QString &relative)
{
    return QFileInfo::exists(path(relative));
}

} // namespace Standin
