#include "core/ringtoneserver.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The page in a real browser (Debian's headless chromium) at a phone's size, on loopback: it
// shows the tone's name, the player and the download link, in English and right to left in
// Arabic. The screenshots stay in the build folder to be looked at.
class TestServeBrowser : public QObject
{
    Q_OBJECT

private slots:
    void page_data();
    void page();

private:
    QByteArray chromium(const QStringList &arguments, const QString &url);
};

QByteArray TestServeBrowser::chromium(const QStringList &arguments, const QString &url)
{
    QTemporaryDir profile;
    QProcess browser;
    browser.setProcessChannelMode(QProcess::SeparateChannels);
    browser.start(QStringLiteral(CHROMIUM),
                  QStringList {"--headless",
                               "--no-sandbox",
                               "--disable-gpu",
                               "--disable-quic",
                               "--no-first-run",
                               "--disable-background-networking",
                               "--disable-component-update",
                               "--disable-sync",
                               "--user-data-dir=" + profile.path(),
                               "--window-size=390,844"}
                          + arguments + QStringList {url});
    if (!browser.waitForFinished(120000)) {
        browser.kill();
        browser.waitForFinished();
        return {};
    }
    return browser.readAllStandardOutput();
}

void TestServeBrowser::page_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("download");
    QTest::addColumn<QString>("direction");
    QTest::newRow("en") << "en-US"
                        << "Morning Bell"
                        << "Download"
                        << "ltr";
    QTest::newRow("ar") << "ar" << QStringLiteral("جرس الصباح") << QStringLiteral("تنزيل") << "rtl";
}

void TestServeBrowser::page()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QString, download);
    QFETCH(QString, direction);
    QFile fixture(QStringLiteral(FIXTURE));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    RingtoneServer server;
    QVERIFY(server.start({name, 28.4, fixture.readAll()}, QHostAddress::LocalHost));
    const QString accept = QStringLiteral("--accept-lang=") + language;

    const QString dom = QString::fromUtf8(chromium({accept, "--dump-dom"}, server.url()));
    QVERIFY2(dom.contains(QStringLiteral("<h1>%1</h1>").arg(name)), qPrintable(dom));
    QVERIFY(dom.contains(QLatin1String("<audio controls")));
    QVERIFY(dom.contains(QStringLiteral("href=\"tone.m4a\"")));
    QVERIFY(dom.contains(QStringLiteral(">%1</a>").arg(download)));
    QVERIFY(dom.contains(QStringLiteral("dir=\"%1\"").arg(direction)));

    const QString shot
            = QDir::current().filePath(QStringLiteral("page-%1.png").arg(QTest::currentDataTag()));
    QFile::remove(shot);
    chromium({accept, "--screenshot=" + shot}, server.url());
    const QImage image(shot);
    QVERIFY2(!image.isNull(), qPrintable(shot));
    QCOMPARE(image.size(), QSize(390, 844));
    // The download button's blue is on the page.
    bool blue = false;
    for (int y = 0; y < image.height() && !blue; y += 2) {
        for (int x = 0; x < image.width() && !blue; x += 2)
            blue = image.pixelColor(x, y) == QColor(0x17, 0x69, 0xe0);
    }
    QVERIFY(blue);
}

QTEST_GUILESS_MAIN(TestServeBrowser)
#include "tst_servebrowser.moc"
