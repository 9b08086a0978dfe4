#ifndef HTTPCLIENT_H
#define HTTPCLIENT_H

#include <QByteArray>
#include <QMap>
#include <QTcpSocket>

// A raw HTTP/1.1 exchange over loopback, so that a test controls every byte sent and sees
// every byte answered (and can stall or drop a connection on purpose).
struct HttpAnswer
{
    int status = 0;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

inline HttpAnswer parseAnswer(const QByteArray &raw)
{
    HttpAnswer answer;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (end < 0)
        return answer;
    const QList<QByteArray> lines = raw.left(end).split('\n');
    answer.status = lines.first().split(' ').value(1).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        answer.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                              lines.at(i).mid(colon + 1).trimmed());
    }
    answer.body = raw.mid(end + 4);
    return answer;
}

// Sends `request` (the request line and headers, without the blank line) and reads until the
// server closes the connection.
inline HttpAnswer exchange(quint16 port, const QByteArray &request, const QByteArray &body = {})
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(request + "\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n" + body);
    QByteArray raw;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(10000))
        raw += socket.readAll();
    raw += socket.readAll();
    return parseAnswer(raw);
}

#endif
