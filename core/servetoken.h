#ifndef SERVETOKEN_H
#define SERVETOKEN_H

#include <QByteArray>

// A new secret for one serving: 144 bits from the system's random source, written in the
// base64url characters (A-Z a-z 0-9 - _) without padding, so it needs no escaping in an address.
QByteArray newServeToken();

#endif
