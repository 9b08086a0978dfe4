#include "httpclient.h"

#include "core/ringtoneserver.h"
#include "core/serveaddress.h"
#include "core/servepage.h"
#include "core/servesession.h"
#include "core/servetoken.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

// The server on loopback: what each request gets, and that one client cannot hold the others.
class TestRingtoneServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requests_data();
    void requests();
    void tokensAreSecretAndPlain();
    void servableAddresses_data();
    void servableAddresses();
    void defaultRoute_data();
    void defaultRoute();
    void byteRanges_data();
    void byteRanges();
    void dispositions_data();
    void dispositions();
    void pageLanguage_data();
    void pageLanguage();
    void pageNamesTheToneSafely();
    void publicAddressIsRefused();
    void askedPortInUseIsRefused();
    void takenPreferredPortFallsBack();
    void slowClientIsDroppedOthersServed();
    void twoClientsAtOnce();
    void droppedDownloadThenNextWorks();
    void stopFreesThePort();
    void sessionTellsWhenNothingCame_data();
    void sessionTellsWhenNothingCame();
    void sessionWithoutNetworkServesNothing();

private:
    std::unique_ptr<RingtoneServer> startServer(const ServedTone &tone, unsigned timeout = 20);
    ServedTone tone;
};

void TestRingtoneServer::initTestCase()
{
    // Larger than the socket buffers, so a client can stop reading halfway through.
    tone.name = QStringLiteral("Morning Bell");
    tone.seconds = 29.5;
    tone.bytes.resize(6 * 1024 * 1024);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(tone.bytes.data()),
                                  tone.bytes.size() / 4);
}

std::unique_ptr<RingtoneServer> TestRingtoneServer::startServer(const ServedTone &served,
                                                                unsigned timeout)
{
    auto server = std::make_unique<RingtoneServer>();
    RingtoneServer::Limits limits;
    limits.timeoutSeconds = timeout;
    server->setLimits(limits);
    if (!server->start(served, QHostAddress::LocalHost))
        return nullptr;
    return server;
}

void TestRingtoneServer::requests_data()
{
    QTest::addColumn<QByteArray>("request"); // TOKEN stands for the server's token
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // "page", "tone", "none", or a range "first-last"

    QTest::newRow("page") << QByteArray("GET /TOKEN/ HTTP/1.1") << 200 << QByteArray("page");
    QTest::newRow("tone") << QByteArray("GET /TOKEN/tone.m4a HTTP/1.1") << 200
                          << QByteArray("tone");
    QTest::newRow("head of the tone")
            << QByteArray("HEAD /TOKEN/tone.m4a HTTP/1.1") << 200 << QByteArray("none");
    QTest::newRow("range") << QByteArray("GET /TOKEN/tone.m4a HTTP/1.1\r\nRange: bytes=100-1123")
                           << 206 << QByteArray("100-1123");
    QTest::newRow("open range") << QByteArray(
            "GET /TOKEN/tone.m4a HTTP/1.1\r\nRange: bytes=6291000-")
                                << 206 << QByteArray("6291000-6291455");
    QTest::newRow("suffix range") << QByteArray("GET /TOKEN/tone.m4a HTTP/1.1\r\nRange: bytes=-10")
                                  << 206 << QByteArray("6291446-6291455");
    QTest::newRow("range past the end")
            << QByteArray("GET /TOKEN/tone.m4a HTTP/1.1\r\nRange: bytes=7000000-") << 416
            << QByteArray("none");
    QTest::newRow("two ranges: the whole tone")
            << QByteArray("GET /TOKEN/tone.m4a HTTP/1.1\r\nRange: bytes=0-1,5-9") << 200
            << QByteArray("tone");
    QTest::newRow("root") << QByteArray("GET / HTTP/1.1") << 404 << QByteArray("none");
    QTest::newRow("wrong token") << QByteArray("GET /AAAAAAAAAAAAAAAAAAAAAAAA/ HTTP/1.1") << 404
                                 << QByteArray("none");
    QTest::newRow("token without slash")
            << QByteArray("GET /TOKEN HTTP/1.1") << 404 << QByteArray("none");
    QTest::newRow("token prefix") << QByteArray("GET /TOKEN/x/../ HTTP/1.1") << 404
                                  << QByteArray("none");
    QTest::newRow("dot dot") << QByteArray("GET /TOKEN/../../etc/passwd HTTP/1.1") << 404
                             << QByteArray("none");
    QTest::newRow("escaped dot dot") << QByteArray("GET /TOKEN/%2e%2e/%2e%2e/etc/passwd HTTP/1.1")
                                     << 404 << QByteArray("none");
    QTest::newRow("unknown name") << QByteArray("GET /TOKEN/tone.m4r HTTP/1.1") << 404
                                  << QByteArray("none");
    QTest::newRow("post") << QByteArray("POST /TOKEN/ HTTP/1.1\r\nContent-Length: 5") << 405
                          << QByteArray("none");
    QTest::newRow("put on the tone")
            << QByteArray("PUT /TOKEN/tone.m4a HTTP/1.1\r\nContent-Length: 5") << 405
            << QByteArray("none");
    QTest::newRow("delete") << QByteArray("DELETE /TOKEN/tone.m4a HTTP/1.1") << 405
                            << QByteArray("none");
}

void TestRingtoneServer::requests()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    const auto server = startServer(tone);
    QVERIFY(server);
    request.replace("TOKEN", server->token());
    const HttpAnswer answer = exchange(server->port(), request, "hello");
    QCOMPARE(answer.status, status);
    if (body == "page") {
        QCOMPARE(answer.headers.value("content-type"), QByteArray("text/html; charset=utf-8"));
        QVERIFY(answer.body.contains("<h1>Morning Bell</h1>"));
        QVERIFY(answer.body.contains("<audio controls"));
        QVERIFY(answer.body.contains("href=\"tone.m4a\""));
    } else if (body == "tone") {
        QCOMPARE(answer.headers.value("content-type"), QByteArray("audio/mp4"));
        QCOMPARE(answer.headers.value("content-disposition"),
                 QByteArray("attachment; filename=\"Morning Bell.m4a\""));
        QVERIFY(answer.body == tone.bytes);
    } else if (body == "none") {
        if (request.startsWith("HEAD"))
            QCOMPARE(answer.headers.value("content-length").toLongLong(), tone.bytes.size());
        QVERIFY(!answer.body.contains("Morning"));
        QVERIFY(answer.body.size() < 100);
    } else {
        const qint64 first = body.split('-').at(0).toLongLong();
        const qint64 last = body.split('-').at(1).toLongLong();
        QCOMPARE(answer.headers.value("content-range"),
                 "bytes " + body + '/' + QByteArray::number(tone.bytes.size()));
        QVERIFY(answer.body == tone.bytes.mid(first, last - first + 1));
    }
    if (status == 405)
        QCOMPARE(answer.headers.value("allow"), QByteArray("GET, HEAD"));
}

void TestRingtoneServer::tokensAreSecretAndPlain()
{
    const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]{24}$"));
    QSet<QByteArray> seen;
    for (int i = 0; i < 200; ++i) {
        const QByteArray token = newServeToken();
        QVERIFY2(plain.match(QString::fromLatin1(token)).hasMatch(), token.constData());
        seen.insert(token);
    }
    QCOMPARE(seen.size(), 200);
}

void TestRingtoneServer::servableAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("servable");
    const QList<std::pair<const char *, bool>> rows = {{"127.0.0.1", true},
                                                       {"::1", true},
                                                       {"10.1.2.3", true},
                                                       {"172.16.0.1", true},
                                                       {"172.31.255.254", true},
                                                       {"172.32.0.1", false},
                                                       {"192.168.1.23", true},
                                                       {"192.169.0.1", false},
                                                       {"169.254.10.1", true},
                                                       {"8.8.8.8", false},
                                                       {"0.0.0.0", false},
                                                       {"::", false},
                                                       {"fd12:3456::1", true},
                                                       {"fe80::1", true},
                                                       {"2001:db8::1", false},
                                                       {"224.0.0.1", false},
                                                       {"255.255.255.255", false}};
    for (const auto &[address, servable] : rows)
        QTest::newRow(address) << QString::fromLatin1(address) << servable;
}

void TestRingtoneServer::servableAddresses()
{
    QFETCH(QString, address);
    QTEST(isServableAddress(QHostAddress(address)), "servable");
}

void TestRingtoneServer::defaultRoute_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("interface");
    const QByteArray header = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t"
                              "\tMTU\tWindow\tIRTT\n";
    QTest::newRow("wifi after a local route") << header
                    + "eth0\t0011A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
                      "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                                              << QStringLiteral("wlan0");
    QTest::newRow("no default route")
            << header + "eth0\t0011A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
            << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestRingtoneServer::defaultRoute()
{
    QFETCH(QByteArray, table);
    QTEST(defaultRouteInterface(table), "interface");
}

void TestRingtoneServer::byteRanges_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");
    const int whole = ByteRange::Whole;
    const int part = ByteRange::Part;
    const int none = ByteRange::Unsatisfiable;
    QTest::newRow("absent") << QByteArray() << whole << 0ll << 0ll;
    QTest::newRow("closed") << QByteArray("bytes=0-99") << part << 0ll << 99ll;
    QTest::newRow("last clamped") << QByteArray("bytes=900-5000") << part << 900ll << 999ll;
    QTest::newRow("open") << QByteArray("bytes=10-") << part << 10ll << 999ll;
    QTest::newRow("suffix") << QByteArray("bytes=-1") << part << 999ll << 999ll;
    QTest::newRow("suffix longer than body") << QByteArray("bytes=-5000") << part << 0ll << 999ll;
    QTest::newRow("suffix zero") << QByteArray("bytes=-0") << none << 0ll << 0ll;
    QTest::newRow("first past end") << QByteArray("bytes=1000-") << none << 0ll << 0ll;
    QTest::newRow("backwards") << QByteArray("bytes=20-10") << none << 0ll << 0ll;
    QTest::newRow("several") << QByteArray("bytes=0-1,4-5") << whole << 0ll << 0ll;
    QTest::newRow("other unit") << QByteArray("items=0-1") << whole << 0ll << 0ll;
    QTest::newRow("garbage") << QByteArray("bytes=a-b") << whole << 0ll << 0ll;
    QTest::newRow("negative") << QByteArray("bytes=--3") << whole << 0ll << 0ll;
    QTest::newRow("dash only") << QByteArray("bytes=-") << whole << 0ll << 0ll;
}

void TestRingtoneServer::byteRanges()
{
    QFETCH(QByteArray, header);
    const ByteRange range = parseByteRange(header, 1000);
    QTEST(int(range.kind), "kind");
    if (range.kind == ByteRange::Part) {
        QTEST(range.first, "first");
        QTEST(range.last, "last");
    }
}

void TestRingtoneServer::dispositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("ascii") << QStringLiteral("Bell")
                           << QByteArray("attachment; filename=\"Bell.m4a\"");
    QTest::newRow("quote and backslash")
            << QStringLiteral("a\"b\\c")
            << QByteArray("attachment; filename=\"a_b_c.m4a\"; filename*=UTF-8''a%22b%5Cc.m4a");
    QTest::newRow("accents") << QStringLiteral("Café Noël")
                             << QByteArray("attachment; filename=\"Caf_ No_l.m4a\"; "
                                           "filename*=UTF-8''Caf%C3%A9%20No%C3%ABl.m4a");
    QTest::newRow("arabic") << QStringLiteral("نغمة")
                            << QByteArray("attachment; filename=\"____.m4a\"; "
                                          "filename*=UTF-8''%D9%86%D8%BA%D9%85%D8%A9.m4a");
}

void TestRingtoneServer::dispositions()
{
    QFETCH(QString, name);
    QTEST(attachmentDisposition(name), "value");
}

void TestRingtoneServer::pageLanguage_data()
{
    QTest::addColumn<QByteArray>("accept");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QString>("language");
    QTest::newRow("none") << QByteArray() << "de"
                          << "de";
    QTest::newRow("first known") << QByteArray("pt-BR,fr;q=0.8,en;q=0.5") << "en"
                                 << "fr";
    QTest::newRow("arabic region") << QByteArray("ar-EG") << "en"
                                   << "ar";
    QTest::newRow("taiwan") << QByteArray("zh-TW,zh;q=0.9") << "en"
                            << "zh_TW";
    QTest::newRow("traditional script") << QByteArray("zh-Hant") << "en"
                                        << "zh_TW";
    QTest::newRow("simplified") << QByteArray("zh-CN") << "en"
                                << "zh_CN";
    QTest::newRow("unknown only") << QByteArray("pt-BR, nl") << "ja"
                                  << "ja";
    QTest::newRow("unknown fallback") << QByteArray("pt") << "xx"
                                      << "en";
}

void TestRingtoneServer::pageLanguage()
{
    QFETCH(QByteArray, accept);
    QFETCH(QString, fallback);
    QTEST(servePageLanguage(accept, fallback), "language");
}

// A name is text on the page, never markup; Arabic turns the page right to left.
void TestRingtoneServer::pageNamesTheToneSafely()
{
    const QByteArray page = servePage(QStringLiteral("<script>x</script> & \"q\""),
                                      65.9,
                                      QStringLiteral("ar"),
                                      QStringLiteral("tone.m4a"));
    QVERIFY(!page.contains("<script>"));
    QVERIFY(page.contains("&lt;script&gt;x&lt;/script&gt; &amp; &quot;q&quot;"));
    QVERIFY(page.contains("dir=\"rtl\""));
    QVERIFY(page.contains("1:05"));
    QVERIFY(!page.contains("http"));
    QVERIFY(!page.contains("<script"));
}

void TestRingtoneServer::publicAddressIsRefused()
{
    RingtoneServer server;
    QVERIFY(!server.start(tone, QHostAddress(QStringLiteral("8.8.8.8"))));
    QCOMPARE(server.failure(), RingtoneServer::Failure::AddressRefused);
    QVERIFY(!server.isServing());
    QVERIFY(!server.start(tone, QHostAddress(QStringLiteral("10.254.253.252"))));
    QCOMPARE(server.failure(), RingtoneServer::Failure::AddressNotHere);
}

void TestRingtoneServer::askedPortInUseIsRefused()
{
    const auto first = startServer(tone);
    QVERIFY(first);
    RingtoneServer second;
    QVERIFY(!second.start(tone, QHostAddress::LocalHost, first->port()));
    QCOMPARE(second.failure(), RingtoneServer::Failure::PortInUse);
}

void TestRingtoneServer::takenPreferredPortFallsBack()
{
    QTcpServer holder;
    const bool held = holder.listen(QHostAddress::LocalHost, RingtoneServer::preferredPort);
    const auto server = startServer(tone);
    QVERIFY(server);
    if (held)
        QVERIFY(server->port() != RingtoneServer::preferredPort);
    QCOMPARE(exchange(server->port(), "GET /" + server->token() + "/ HTTP/1.1").status, 200);
}

// A client that opens a connection and says nothing is closed after the timeout; meanwhile
// the others are served at once.
void TestRingtoneServer::slowClientIsDroppedOthersServed()
{
    const auto server = startServer(tone, 4);
    QVERIFY(server);
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, server->port());
    QVERIFY(slow.waitForConnected(5000));
    slow.write("GET /" + server->token() + "/tone.m4a HTTP/1.1\r\nHost: x\r\n");
    QVERIFY(slow.waitForBytesWritten(5000));
    // Served while the slow request is still held open, not after it was given up.
    const HttpAnswer other = exchange(server->port(), "GET /" + server->token() + "/ HTTP/1.1");
    QCOMPARE(other.status, 200);
    QCOMPARE(slow.state(), QAbstractSocket::ConnectedState);
    QVERIFY(!slow.waitForReadyRead(100));
    QTRY_COMPARE_WITH_TIMEOUT(slow.state(), QAbstractSocket::UnconnectedState, 20000);
    QVERIFY(!slow.readAll().startsWith("HTTP/1.1 200"));
}

void TestRingtoneServer::twoClientsAtOnce()
{
    const auto server = startServer(tone);
    QVERIFY(server);
    QSignalSpy downloads(server.get(), &RingtoneServer::downloaded);
    const QByteArray request = "GET /" + server->token() + "/tone.m4a HTTP/1.1";
    const quint16 port = server->port();
    QFuture<HttpAnswer> first
            = QtConcurrent::run([port, request] { return exchange(port, request); });
    QFuture<HttpAnswer> second
            = QtConcurrent::run([port, request] { return exchange(port, request); });
    QVERIFY(first.result().body == tone.bytes);
    QVERIFY(second.result().body == tone.bytes);
    QTRY_COMPARE(downloads.size(), 2);
    QCOMPARE(downloads.at(0).at(0).toString(), QStringLiteral("127.0.0.1"));
}

// A phone that loses the network mid-download leaves nothing behind that stops the next one,
// and its broken download is not reported as a download.
void TestRingtoneServer::droppedDownloadThenNextWorks()
{
    const auto server = startServer(tone);
    QVERIFY(server);
    QSignalSpy downloads(server.get(), &RingtoneServer::downloaded);
    {
        QTcpSocket dropping;
        dropping.setReadBufferSize(4096);
        dropping.connectToHost(QHostAddress::LocalHost, server->port());
        QVERIFY(dropping.waitForConnected(5000));
        dropping.write("GET /" + server->token() + "/tone.m4a HTTP/1.1\r\nHost: x\r\n\r\n");
        QVERIFY(dropping.waitForReadyRead(5000));
        dropping.abort();
    }
    const HttpAnswer next
            = exchange(server->port(), "GET /" + server->token() + "/tone.m4a HTTP/1.1");
    QCOMPARE(next.status, 200);
    QVERIFY(next.body == tone.bytes);
    QTRY_COMPARE(downloads.size(), 1);
    QTest::qWait(200);
    QCOMPARE(downloads.size(), 1);
}

void TestRingtoneServer::stopFreesThePort()
{
    const auto server = startServer(tone);
    QVERIFY(server);
    const quint16 port = server->port();
    server->stop();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!socket.waitForConnected(2000));
    QTcpServer again;
    QVERIFY(again.listen(QHostAddress::LocalHost, port));
}

void TestRingtoneServer::sessionTellsWhenNothingCame_data()
{
    QTest::addColumn<bool>("visited");
    QTest::newRow("nothing came") << false;
    QTest::newRow("a phone came") << true;
}

// The window's hint that the phone may be on another network comes only when nothing at all
// reached the server in time; any request, even a wrong one, shows that the network works.
void TestRingtoneServer::sessionTellsWhenNothingCame()
{
    QFETCH(bool, visited);
    qputenv("VARDEL_SERVE_ADDRESSES", "127.0.0.1");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Bell.m4r")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("tone");
    file.close();
    ServeSession session;
    session.setQuietMs(1500);
    QSignalSpy quiet(&session, &ServeSession::quietTooLong);
    QSignalSpy reached(&session, &ServeSession::reached);
    QVERIFY(session.serve(file.fileName(), QStringLiteral("Bell"), 20));
    QCOMPARE(session.state(), ServeSession::State::Serving);
    QVERIFY(session.url().startsWith(QLatin1String("http://127.0.0.1:")));
    if (visited) {
        QCOMPARE(exchange(session.port(), "GET /nothing HTTP/1.1").status, 404);
        QTRY_COMPARE(reached.size(), 1);
    }
    QTest::qWait(2500);
    QCOMPARE(quiet.size(), visited ? 0 : 1);
    qunsetenv("VARDEL_SERVE_ADDRESSES");
}

void TestRingtoneServer::sessionWithoutNetworkServesNothing()
{
    qputenv("VARDEL_SERVE_ADDRESSES", "none");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Bell.m4r")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("tone");
    file.close();
    ServeSession session;
    QVERIFY(!session.serve(file.fileName(), QStringLiteral("Bell"), 20));
    QCOMPARE(session.state(), ServeSession::State::NoNetwork);
    QVERIFY(session.url().isEmpty());
    QVERIFY(session.addresses().isEmpty());
    qunsetenv("VARDEL_SERVE_ADDRESSES");
}

QTEST_GUILESS_MAIN(TestRingtoneServer)
#include "tst_ringtoneserver.moc"
