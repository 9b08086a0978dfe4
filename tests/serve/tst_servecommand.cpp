#include "httpclient.h"
#include "qrpicture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>

// `vardel --serve` as a user runs it from a terminal without a display, on loopback only.
class TestServeCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusals_data();
    void refusals();
    void servesUntilSignalled_data();
    void servesUntilSignalled();

private:
    QProcessEnvironment environment() const;
    QString program() const;

    QTemporaryDir dir;
    QString tonePath;
    QByteArray toneBytes;
};

// Two seconds of a tone as a WAV: any sound file is served as it is.
void TestServeCommand::initTestCase()
{
    QVERIFY(dir.isValid());
    const int rate = 8000;
    QByteArray samples;
    for (int i = 0; i < 2 * rate; ++i) {
        const qint16 value = qint16(8000 * std::sin(2 * M_PI * 440 * i / rate));
        samples.append(reinterpret_cast<const char *>(&value), 2);
    }
    const auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    const auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
    toneBytes = "RIFF" + le32(36 + samples.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1)
            + le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(samples.size())
            + samples;
    tonePath = dir.filePath(QStringLiteral("Bell.wav"));
    QFile file(tonePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toneBytes);
    file.close();
    QFile text(dir.filePath(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a sound\n");
}

QProcessEnvironment TestServeCommand::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    return environment;
}

QString TestServeCommand::program() const
{
    return qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel");
}

void TestServeCommand::refusals_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE, DIR and BUSY stand for test values
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("named"); // a text the one line of standard error holds

    const QString loop = QStringLiteral("127.0.0.1");
    QTest::newRow("missing file") << QStringList {"--serve", "DIR/gone.m4a"} << 1 << "gone.m4a";
    QTest::newRow("folder") << QStringList {"--serve", "DIR"} << 1 << "not a file";
    QTest::newRow("not a sound") << QStringList {"--serve", "DIR/notes.txt"} << 1
                                 << "not a sound file";
    QTest::newRow("public address")
            << QStringList {"--serve", "FILE", "--address", "8.8.8.8"} << 2 << "8.8.8.8";
    QTest::newRow("private address of another computer")
            << QStringList {"--serve", "FILE", "--address", "10.254.253.252"} << 2
            << "10.254.253.252";
    QTest::newRow("not an address")
            << QStringList {"--serve", "FILE", "--address", "phone.local"} << 2 << "phone.local";
    QTest::newRow("port zero") << QStringList {"--serve", "FILE", "--address", loop, "--port", "0"}
                               << 2 << "--port";
    QTest::newRow("port too high")
            << QStringList {"--serve", "FILE", "--port", "65536"} << 2 << "65536";
    QTest::newRow("port in use")
            << QStringList {"--serve", "FILE", "--address", loop, "--port", "BUSY"} << 2
            << "in use";
    QTest::newRow("minutes zero") << QStringList {"--serve", "FILE", "--minutes", "0"} << 2
                                  << "--minutes";
    QTest::newRow("minutes a fraction")
            << QStringList {"--serve", "FILE", "--minutes", "1.5"} << 2 << "1.5";
}

void TestServeCommand::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, named);
    QTcpServer busy;
    QVERIFY(busy.listen(QHostAddress::LocalHost));
    for (QString &argument : arguments) {
        argument.replace(QLatin1String("FILE"), tonePath);
        argument.replace(QLatin1String("DIR"), dir.path());
        argument.replace(QLatin1String("BUSY"), QString::number(busy.serverPort()));
    }
    QProcess vardel;
    vardel.setProcessEnvironment(environment());
    vardel.start(program(), arguments);
    QVERIFY(vardel.waitForFinished(60000));
    QCOMPARE(vardel.exitCode(), exitCode);
    QVERIFY(vardel.readAllStandardOutput().isEmpty());
    const QStringList errors = QString::fromLocal8Bit(vardel.readAllStandardError())
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(named), qPrintable(errors.first()));
}

void TestServeCommand::servesUntilSignalled_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

// The address comes first, at once, though standard output is a pipe; the QR code below it
// reads back as that address; the page and the file are served there until the signal.
void TestServeCommand::servesUntilSignalled()
{
    QFETCH(int, signal);
    QProcess vardel;
    vardel.setProcessEnvironment(environment());
    vardel.start(program(), {"--serve", tonePath, "--address", "127.0.0.1"});
    QVERIFY(vardel.waitForStarted());
    QByteArray printed;
    while (printed.count('\n') < 2 && vardel.waitForReadyRead(60000))
        printed += vardel.readAllStandardOutput();
    QTest::qWait(300);
    printed += vardel.readAllStandardOutput();
    const QStringList lines
            = QString::fromUtf8(printed).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 10);
    const QRegularExpression address(
            QStringLiteral("^http://127\\.0\\.0\\.1:(\\d+)/([A-Za-z0-9_-]{24})/$"));
    const QRegularExpressionMatch match = address.match(lines.first());
    QVERIFY2(match.hasMatch(), qPrintable(lines.first()));
    QCOMPARE(decodeQr(terminalPicture(lines.mid(1))), QStringList {lines.first()});

    const quint16 port = quint16(match.captured(1).toUInt());
    const QByteArray token = match.captured(2).toLatin1();
    const HttpAnswer page = exchange(port, "GET /" + token + "/ HTTP/1.1");
    QCOMPARE(page.status, 200);
    QVERIFY(page.body.contains("<h1>Bell</h1>"));
    const HttpAnswer tone = exchange(port, "GET /" + token + "/tone.m4a HTTP/1.1");
    QVERIFY(tone.body == toneBytes);
    QCOMPARE(tone.headers.value("content-disposition"),
             QByteArray("attachment; filename=\"Bell.m4a\""));
    QTRY_VERIFY(
            (printed += vardel.readAllStandardOutput()).contains("Downloaded by 127.0.0.1 at "));

    ::kill(pid_t(vardel.processId()), signal);
    QVERIFY(vardel.waitForFinished(10000));
    QCOMPARE(vardel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vardel.exitCode(), 0);
    QTcpSocket closed;
    closed.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!closed.waitForConnected(2000));
}

QTEST_GUILESS_MAIN(TestServeCommand)
#include "tst_servecommand.moc"
