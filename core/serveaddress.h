#ifndef SERVEADDRESS_H
#define SERVEADDRESS_H

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

// Where a tone may be served: only on this computer (loopback) or on the local network
// (10/8, 172.16/12, 192.168/16, 169.254/16, fc00::/7, fe80::/10), never on a public address.
bool isServableAddress(const QHostAddress &address);

// The private addresses of the interfaces that are up, IPv4 first. IPv6 link-local addresses
// are left out: a phone's browser cannot open an address that needs a zone.
QList<QHostAddress> privateAddresses();

// The private address of the interface that holds the default route; else the first private
// address; null when this computer is on no local network.
QHostAddress defaultServeAddress();

// The interface named in the first default route of a /proc/net/route table; empty when none.
QString defaultRouteInterface(const QByteArray &routeTable);

// "http://ADDRESS:PORT/TOKEN/", with an IPv6 address in brackets.
QString serveUrl(const QHostAddress &address, quint16 port, const QByteArray &token);

#endif
