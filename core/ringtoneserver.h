#ifndef RINGTONESERVER_H
#define RINGTONESERVER_H

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

struct MHD_Daemon;

// One tone as it is served: its bytes are read once, when serving starts, and never again.
struct ServedTone
{
    QString name; // the download is NAME.m4a
    double seconds = 0;
    QByteArray bytes;
};

// Serves one tone to phones on the local network over HTTP (libmicrohttpd, on a thread of its
// own): GET /TOKEN/ is the page, GET or HEAD /TOKEN/tone.m4a the file, whole or a byte range.
// Every other path is 404 and every other method 405; no path ever names a file.
class RingtoneServer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RingtoneServer)

public:
    enum class Failure { None, AddressRefused, AddressNotHere, PortInUse, NotStarted };

    // Connections are capped, and a connection that sends nothing for `timeoutSeconds` is
    // closed, so that a slow or silent client cannot hold the server.
    struct Limits
    {
        unsigned connections = 32;
        unsigned perClient = 8;
        unsigned timeoutSeconds = 20;
    };

    // Tried first when no port is asked for, so that a firewall rule made once keeps working.
    static constexpr quint16 preferredPort = 8765;

    explicit RingtoneServer(QObject *parent = nullptr);
    ~RingtoneServer() override;

    // Port 0: the preferred port, or any free one when it is taken. `language` is the page's
    // when the phone's browser asks for none of the program's languages.
    bool start(const ServedTone &tone,
               const QHostAddress &address,
               quint16 port = 0,
               const QString &language = QStringLiteral("en"));
    void stop();
    void setLimits(const Limits &limits) { m_limits = limits; }

    bool isServing() const { return m_daemon != nullptr; }
    Failure failure() const { return m_failure; }
    QString url() const;
    quint16 port() const { return m_port; }
    QHostAddress address() const { return m_address; }
    QByteArray token() const { return m_token; }

signals:
    // Emitted on the server's thread: connect with the default connection type.
    void contacted(const QString &client);
    void downloaded(const QString &client);

private:
    friend struct ServerCallbacks;

    int openListener(const QHostAddress &address, quint16 port);

    MHD_Daemon *m_daemon = nullptr;
    Limits m_limits;
    Failure m_failure = Failure::None;
    ServedTone m_tone;
    QByteArray m_token;
    QByteArray m_pagePath;
    QByteArray m_tonePath;
    QByteArray m_disposition;
    QString m_language;
    QHostAddress m_address;
    quint16 m_port = 0;
};

// The Content-Disposition of a download named NAME.m4a: an ASCII filename, and for any other
// name also filename*=UTF-8''... as RFC 6266 and RFC 5987 write it.
QByteArray attachmentDisposition(const QString &name);

// One byte range of a Range header for a body of `size` bytes.
struct ByteRange
{
    enum Kind { Whole, Part, Unsatisfiable } kind = Whole;
    qint64 first = 0;
    qint64 last = 0; // inclusive
};
// A header that is absent, malformed or asks for several ranges gets the whole body.
ByteRange parseByteRange(const QByteArray &header, qint64 size);

#endif
