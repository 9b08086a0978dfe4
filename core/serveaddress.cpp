#include "serveaddress.h"

#include <QFile>
#include <QNetworkInterface>

bool isServableAddress(const QHostAddress &address)
{
    if (address.isNull() || address.isMulticast() || address.isBroadcast())
        return false;
    if (address.isLoopback() || address.isLinkLocal() || address.isUniqueLocalUnicast())
        return true;
    static const char *const privateRanges[] = {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"};
    for (const char *range : privateRanges) {
        if (address.isInSubnet(QHostAddress::parseSubnet(QString::fromLatin1(range))))
            return true;
    }
    return false;
}

namespace {

QList<QHostAddress> privateAddressesOf(const QNetworkInterface &interface)
{
    QList<QHostAddress> found;
    const auto flags = interface.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
        return found;
    for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
        const QHostAddress address = entry.ip();
        const bool zoned
                = address.protocol() == QAbstractSocket::IPv6Protocol && address.isLinkLocal();
        if (!zoned && !address.isLoopback() && isServableAddress(address))
            found << address;
    }
    return found;
}

void putIPv4First(QList<QHostAddress> &addresses)
{
    std::stable_sort(
            addresses.begin(), addresses.end(), [](const QHostAddress &a, const QHostAddress &b) {
                return a.protocol() == QAbstractSocket::IPv4Protocol
                        && b.protocol() != QAbstractSocket::IPv4Protocol;
            });
}

} // namespace

QList<QHostAddress> privateAddresses()
{
    QList<QHostAddress> found;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
        found << privateAddressesOf(interface);
    putIPv4First(found);
    return found;
}

QString defaultRouteInterface(const QByteArray &routeTable)
{
    // Columns: Iface Destination Gateway Flags RefCnt Use Metric Mask ...; hex, host order.
    const QList<QByteArray> lines = routeTable.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
        if (fields.size() >= 8 && fields.at(1) == "00000000" && fields.at(7) == "00000000")
            return QString::fromLatin1(fields.at(0));
    }
    return QString();
}

QHostAddress defaultServeAddress()
{
    QFile routes(QStringLiteral("/proc/net/route"));
    const QString name = routes.open(QIODevice::ReadOnly) ? defaultRouteInterface(routes.readAll())
                                                          : QString();
    if (!name.isEmpty()) {
        QList<QHostAddress> own = privateAddressesOf(QNetworkInterface::interfaceFromName(name));
        putIPv4First(own);
        if (!own.isEmpty())
            return own.first();
    }
    const QList<QHostAddress> all = privateAddresses();
    return all.isEmpty() ? QHostAddress() : all.first();
}

QString serveUrl(const QHostAddress &address, quint16 port, const QByteArray &token)
{
    QString host = address.toString();
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("http://%1:%2/%3/").arg(host).arg(port).arg(QString::fromLatin1(token));
}
