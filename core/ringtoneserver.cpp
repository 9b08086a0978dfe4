#include "ringtoneserver.h"

#include "serveaddress.h"
#include "servepage.h"
#include "servetoken.h"

#include <QUrl>

#include <microhttpd.h>

#include <arpa/inet.h>
#include <cerrno>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char toneFile[] = "tone.m4a";
// The request is a whole download whose end is reported as a download.
char wholeDownload;

bool sameSecret(const char *url, const QByteArray &expected)
{
    // Compared in constant time, so the answer's timing tells nothing of the token.
    const size_t length = qstrlen(url);
    unsigned char difference = length == size_t(expected.size()) ? 0 : 1;
    for (size_t i = 0; i < length && i < size_t(expected.size()); ++i)
        difference |= static_cast<unsigned char>(url[i] ^ expected.at(qsizetype(i)));
    return difference == 0;
}

QString clientOf(MHD_Connection *connection)
{
    const MHD_ConnectionInfo *info
            = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (!info || !info->client_addr)
        return QString();
    QHostAddress address(info->client_addr);
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : address.toString();
}

MHD_Result queue(MHD_Connection *connection, unsigned status, MHD_Response *response)
{
    MHD_add_response_header(response, "Cache-Control", "no-store");
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
    const MHD_Result result = MHD_queue_response(connection, status, response);
    MHD_destroy_response(response);
    return result;
}

MHD_Result answerPlain(MHD_Connection *connection, unsigned status)
{
    static const char notFound[] = "Not found\n";
    static const char notAllowed[] = "Method not allowed\n";
    const char *body = status == MHD_HTTP_NOT_FOUND ? notFound : notAllowed;
    MHD_Response *response = MHD_create_response_from_buffer(
            strlen(body), const_cast<char *>(body), MHD_RESPMEM_PERSISTENT);
    MHD_add_response_header(response, "Content-Type", "text/plain; charset=utf-8");
    if (status == MHD_HTTP_METHOD_NOT_ALLOWED)
        MHD_add_response_header(response, "Allow", "GET, HEAD");
    return queue(connection, status, response);
}

QByteArray asciiFallback(const QString &name)
{
    QByteArray ascii;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        ascii += u >= 0x20 && u < 0x7f && u != u'"' && u != u'\\' ? char(u) : '_';
    }
    return ascii;
}

} // namespace

QByteArray attachmentDisposition(const QString &name)
{
    const QString file = name + QStringLiteral(".m4a");
    QByteArray value = "attachment; filename=\"" + asciiFallback(file) + '"';
    if (asciiFallback(file) != file.toUtf8())
        value += "; filename*=UTF-8''" + QUrl::toPercentEncoding(file, "!#$&+^`|~");
    return value;
}

ByteRange parseByteRange(const QByteArray &header, qint64 size)
{
    ByteRange range;
    const QByteArray value = header.trimmed();
    if (!value.startsWith("bytes=") || value.contains(','))
        return range;
    const QByteArray spec = value.mid(6).trimmed();
    const qsizetype dash = spec.indexOf('-');
    if (dash < 0)
        return range;
    bool okFirst = false;
    bool okLast = false;
    const QByteArray firstText = spec.left(dash).trimmed();
    const QByteArray lastText = spec.mid(dash + 1).trimmed();
    const qint64 first = firstText.toLongLong(&okFirst);
    const qint64 last = lastText.toLongLong(&okLast);
    if ((!firstText.isEmpty() && (!okFirst || first < 0))
        || (!lastText.isEmpty() && (!okLast || last < 0)) || (firstText.isEmpty() && !okLast))
        return range;
    range.kind = ByteRange::Unsatisfiable;
    if (firstText.isEmpty()) { // the last `last` bytes
        if (last == 0 || size == 0)
            return range;
        range.first = qMax<qint64>(0, size - last);
        range.last = size - 1;
    } else {
        if (first >= size || (okLast && last < first))
            return range;
        range.first = first;
        range.last = okLast ? qMin(last, size - 1) : size - 1;
    }
    range.kind = ByteRange::Part;
    return range;
}

// The daemon's callbacks, on its own thread; they read only what start() fixed.
struct ServerCallbacks
{
    static MHD_Result answer(void *cls,
                             MHD_Connection *connection,
                             const char *url,
                             const char *method,
                             const char *,
                             const char *,
                             size_t *,
                             void **requestState)
    {
        auto *server = static_cast<RingtoneServer *>(cls);
        emit server->contacted(clientOf(connection));
        const bool get = qstrcmp(method, MHD_HTTP_METHOD_GET) == 0;
        const bool head = qstrcmp(method, MHD_HTTP_METHOD_HEAD) == 0;
        if (!get && !head)
            return answerPlain(connection, MHD_HTTP_METHOD_NOT_ALLOWED);
        if (sameSecret(url, server->m_pagePath))
            return answerPage(server, connection);
        if (sameSecret(url, server->m_tonePath)) {
            const char *range = MHD_lookup_connection_value(
                    connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_RANGE);
            if (get && !range)
                *requestState = &wholeDownload;
            return answerTone(server, connection, range);
        }
        return answerPlain(connection, MHD_HTTP_NOT_FOUND);
    }

    static MHD_Result answerPage(RingtoneServer *server, MHD_Connection *connection)
    {
        const char *accept = MHD_lookup_connection_value(
                connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_ACCEPT_LANGUAGE);
        const QString language = servePageLanguage(QByteArray(accept), server->m_language);
        const QByteArray page = servePage(server->m_tone.name,
                                          server->m_tone.seconds,
                                          language,
                                          QString::fromLatin1(toneFile));
        MHD_Response *response = MHD_create_response_from_buffer(
                size_t(page.size()), const_cast<char *>(page.constData()), MHD_RESPMEM_MUST_COPY);
        MHD_add_response_header(response, "Content-Type", "text/html; charset=utf-8");
        MHD_add_response_header(response,
                                "Content-Security-Policy",
                                "default-src 'none'; style-src 'unsafe-inline'; "
                                "media-src 'self'");
        return queue(connection, MHD_HTTP_OK, response);
    }

    static MHD_Result answerTone(RingtoneServer *server,
                                 MHD_Connection *connection,
                                 const char *rangeHeader)
    {
        const QByteArray &bytes = server->m_tone.bytes;
        const qint64 size = bytes.size();
        const ByteRange range = parseByteRange(QByteArray(rangeHeader), size);
        if (rangeHeader && range.kind == ByteRange::Unsatisfiable) {
            MHD_Response *response
                    = MHD_create_response_from_buffer(0, nullptr, MHD_RESPMEM_PERSISTENT);
            MHD_add_response_header(response,
                                    "Content-Range",
                                    QByteArray("bytes */" + QByteArray::number(size)).constData());
            return queue(connection, MHD_HTTP_RANGE_NOT_SATISFIABLE, response);
        }
        const bool part = range.kind == ByteRange::Part;
        const qint64 first = part ? range.first : 0;
        const qint64 length = part ? range.last - range.first + 1 : size;
        MHD_Response *response
                = MHD_create_response_from_buffer(size_t(length),
                                                  const_cast<char *>(bytes.constData() + first),
                                                  MHD_RESPMEM_PERSISTENT);
        MHD_add_response_header(response, "Content-Type", "audio/mp4");
        MHD_add_response_header(response, "Content-Disposition", server->m_disposition.constData());
        MHD_add_response_header(response, "Accept-Ranges", "bytes");
        if (part) {
            const QByteArray contentRange = "bytes " + QByteArray::number(range.first) + '-'
                    + QByteArray::number(range.last) + '/' + QByteArray::number(size);
            MHD_add_response_header(response, "Content-Range", contentRange.constData());
        }
        return queue(connection, part ? MHD_HTTP_PARTIAL_CONTENT : MHD_HTTP_OK, response);
    }

    static void completed(void *cls,
                          MHD_Connection *connection,
                          void **requestState,
                          MHD_RequestTerminationCode code)
    {
        if (*requestState == &wholeDownload && code == MHD_REQUEST_TERMINATED_COMPLETED_OK)
            emit static_cast<RingtoneServer *>(cls)->downloaded(clientOf(connection));
        *requestState = nullptr;
    }
};

RingtoneServer::RingtoneServer(QObject *parent)
    : QObject(parent)
{ }

RingtoneServer::~RingtoneServer()
{
    stop();
}

int RingtoneServer::openListener(const QHostAddress &address, quint16 port)
{
    sockaddr_storage storage {};
    socklen_t length = 0;
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    if (v6) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&storage);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        memcpy(&in6->sin6_addr, bytes.c, sizeof bytes.c);
        in6->sin6_scope_id = if_nametoindex(address.scopeId().toLocal8Bit().constData());
        length = sizeof *in6;
    } else {
        auto *in4 = reinterpret_cast<sockaddr_in *>(&storage);
        in4->sin_family = AF_INET;
        in4->sin_port = htons(port);
        in4->sin_addr.s_addr = htonl(address.toIPv4Address());
        length = sizeof *in4;
    }
    const int fd = socket(v6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (v6)
        setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
    if (bind(fd, reinterpret_cast<sockaddr *>(&storage), length) != 0 || listen(fd, 32) != 0) {
        const int error = errno;
        close(fd);
        m_failure = error == EADDRINUSE  ? Failure::PortInUse
                : error == EADDRNOTAVAIL ? Failure::AddressNotHere
                                         : Failure::NotStarted;
        return -1;
    }
    return fd;
}

bool RingtoneServer::start(const ServedTone &tone,
                           const QHostAddress &address,
                           quint16 port,
                           const QString &language)
{
    stop();
    m_failure = Failure::None;
    if (!isServableAddress(address)) {
        m_failure = Failure::AddressRefused;
        return false;
    }
    int fd = openListener(address, port ? port : preferredPort);
    if (fd < 0 && port == 0 && m_failure == Failure::PortInUse)
        fd = openListener(address, 0);
    if (fd < 0)
        return false;
    sockaddr_storage bound {};
    socklen_t boundLength = sizeof bound;
    getsockname(fd, reinterpret_cast<sockaddr *>(&bound), &boundLength);
    m_port = ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6 *>(&bound)->sin6_port
                                               : reinterpret_cast<sockaddr_in *>(&bound)->sin_port);
    m_tone = tone;
    m_token = newServeToken();
    m_pagePath = '/' + m_token + '/';
    m_tonePath = m_pagePath + toneFile;
    m_disposition = attachmentDisposition(tone.name);
    m_language = language;
    m_address = address;
    const unsigned flags = MHD_USE_AUTO_INTERNAL_THREAD
            | (address.protocol() == QAbstractSocket::IPv6Protocol ? MHD_USE_IPv6 : 0);
    m_daemon = MHD_start_daemon(flags,
                                0,
                                nullptr,
                                nullptr,
                                &ServerCallbacks::answer,
                                this,
                                MHD_OPTION_LISTEN_SOCKET,
                                fd,
                                MHD_OPTION_CONNECTION_LIMIT,
                                m_limits.connections,
                                MHD_OPTION_PER_IP_CONNECTION_LIMIT,
                                m_limits.perClient,
                                MHD_OPTION_CONNECTION_TIMEOUT,
                                m_limits.timeoutSeconds,
                                MHD_OPTION_NOTIFY_COMPLETED,
                                &ServerCallbacks::completed,
                                this,
                                MHD_OPTION_END);
    if (!m_daemon) {
        close(fd);
        m_failure = Failure::NotStarted;
        return false;
    }
    return true;
}

void RingtoneServer::stop()
{
    if (!m_daemon)
        return;
    // Also closes the listening socket: the port is free once this returns.
    MHD_stop_daemon(m_daemon);
    m_daemon = nullptr;
}

QString RingtoneServer::url() const
{
    return isServing() ? serveUrl(m_address, m_port, m_token) : QString();
}
