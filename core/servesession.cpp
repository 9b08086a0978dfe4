#include "servesession.h"

#include "serveaddress.h"

#include <QFile>

ServeSession::ServeSession(QObject *parent)
    : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    connect(&m_quiet, &QTimer::timeout, this, &ServeSession::quietTooLong);
    // The server reports from its own thread; these arrive queued, on this object's.
    connect(&m_server, &RingtoneServer::contacted, this, [this] {
        if (!m_reached) {
            m_reached = true;
            m_quiet.stop();
            emit reached();
        }
    });
    connect(&m_server, &RingtoneServer::downloaded, this, [this](const QString &client) {
        emit downloaded(client, QTime::currentTime());
    });
}

ServeSession::~ServeSession()
{
    // Before the members go, so that no report of the server's thread is left half sent.
    m_server.stop();
}

QList<QHostAddress> ServeSession::findAddresses()
{
    const QString given = qEnvironmentVariable("VARDEL_SERVE_ADDRESSES");
    if (!given.isEmpty()) {
        QList<QHostAddress> addresses;
        for (const QString &text : given.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QHostAddress address(text.trimmed());
            if (!address.isNull())
                addresses << address;
        }
        return addresses;
    }
    QList<QHostAddress> addresses = privateAddresses();
    const QHostAddress preferred = defaultServeAddress();
    if (addresses.removeAll(preferred) > 0)
        addresses.prepend(preferred);
    return addresses;
}

bool ServeSession::serve(const QString &file, const QString &name, double seconds)
{
    stop();
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        m_state = State::Failed;
        emit changed();
        return false;
    }
    m_file = file;
    m_tone = {name, seconds, source.readAll()};
    m_addresses = findAddresses();
    if (!m_addresses.contains(m_address))
        m_address = m_addresses.value(0);
    start();
    return m_state == State::Serving;
}

void ServeSession::chooseAddress(const QHostAddress &address)
{
    if (address == m_address && m_state == State::Serving)
        return;
    m_address = address;
    start();
}

void ServeSession::start()
{
    m_server.stop();
    if (m_address.isNull())
        m_state = State::NoNetwork;
    else if (m_server.start(m_tone, m_address, 0, m_language))
        m_state = State::Serving;
    else
        m_state = State::Failed;
    m_reached = false;
    if (m_state == State::Serving)
        m_quiet.start();
    else
        m_quiet.stop();
    emit changed();
}

void ServeSession::stop()
{
    m_quiet.stop();
    m_server.stop();
    if (m_state != State::Stopped) {
        m_state = State::Stopped;
        emit changed();
    }
}
