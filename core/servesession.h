#ifndef SERVESESSION_H
#define SERVESESSION_H

#include "ringtoneserver.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTime>
#include <QTimer>

// One tone offered to phones while a window shows its address: which of this computer's
// private addresses it is served on, the downloads so far, and whether anything has reached it
// yet. Serving again (another address, another file) gives a new token, so an address shown
// before no longer opens anything.
class ServeSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServeSession)

public:
    enum class State { Stopped, Serving, NoNetwork, Failed };

    // After this long without any request, the phone is probably on another network.
    static constexpr int quietMs = 60 * 1000;

    explicit ServeSession(QObject *parent = nullptr);
    ~ServeSession() override;

    // Reads `file` now and serves it as NAME.m4a; false when it cannot be read or served.
    bool serve(const QString &file, const QString &name, double seconds);
    // Serves the same tone on another of addresses().
    void chooseAddress(const QHostAddress &address);
    void stop();

    void setLanguage(const QString &language) { m_language = language; }
    void setQuietMs(int ms) { m_quiet.setInterval(ms); }

    State state() const { return m_state; }
    QString file() const { return m_file; }
    QString name() const { return m_tone.name; }
    double seconds() const { return m_tone.seconds; }
    QString url() const { return m_server.url(); }
    quint16 port() const { return m_server.port(); }
    QHostAddress address() const { return m_address; }
    // This computer's private addresses, the default route's first. VARDEL_SERVE_ADDRESSES
    // (addresses separated by commas) replaces them, so that tests stay on loopback.
    QList<QHostAddress> addresses() const { return m_addresses; }

signals:
    void changed();
    void downloaded(const QString &client, const QTime &at);
    void quietTooLong();
    // The first request since serving began, from whatever client: the network works.
    void reached();

private:
    void start();
    static QList<QHostAddress> findAddresses();

    RingtoneServer m_server;
    QTimer m_quiet;
    ServedTone m_tone;
    QString m_file;
    QString m_language = QStringLiteral("en");
    QList<QHostAddress> m_addresses;
    QHostAddress m_address;
    State m_state = State::Stopped;
    bool m_reached = false;
};

#endif
