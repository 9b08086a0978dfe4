#include "httpclient.h"
#include "mainfixture.h"
#include "qrpicture.h"

#include "editor/qrcodeview.h"
#include "editor/wifisenddialog.h"

#include <QComboBox>
#include <QRegularExpression>

// The window's way to a phone over Wi-Fi, on loopback (VARDEL_SERVE_ADDRESSES) and the real
// encoder: after a Generate the dialog serves the ringtone at the address it shows and codes,
// offers a 30 s version of a longer clip and serves that in its place; closing it stops serving.
class TestWifiWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonWaitsForARingtone();
    void dialogServesTheRingtone();
    void qrCodeStaysSharp_data();
    void qrCodeStaysSharp();

private:
    // Runs `inspect` on the dialog once it is shown; the dialog is modal.
    void withDialog(const std::function<void(WifiSendDialog *)> &inspect);

    MainFixture f;
};

void TestWifiWindow::initTestCase()
{
    MainFixture::isolateSettings();
    QVERIFY(f.dir.isValid());
    f.open();
}

void TestWifiWindow::buttonWaitsForARingtone()
{
    auto *button = f.child<QPushButton>("btnWifi");
    QVERIFY(!button->isEnabled());
    QVERIFY(button->toolTip().contains(QLatin1String("Wi")));
    QVERIFY(!button->accessibleName().isEmpty());
}

void TestWifiWindow::withDialog(const std::function<void(WifiSendDialog *)> &inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<WifiSendDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<WifiSendDialog *>(QApplication::activeModalWidget());
        inspect(dialog);
        seen = true;
        dialog->reject();
    });
    f.child<QPushButton>("btnWifi")->click();
    QVERIFY(seen);
}

void TestWifiWindow::dialogServesTheRingtone()
{
    f.loadAndWait(f.makeTone(QStringLiteral("Long Song.wav"), 40));
    f.child<QTimeEdit>("editEndTime")->setTime(QTime(0, 0, 35));
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, 2));
    f.child<QLineEdit>("editOutputName")->setText(QStringLiteral("Wake"));
    f.child<QSpinBox>("spinFadein")->setValue(2);
    f.child<QLineEdit>("editOutputFolder")->setText(f.dir.filePath(QStringLiteral("out")));
    f.child<QPushButton>("btnGenerate")->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 60000);
    const QString made = f.dir.filePath(QStringLiteral("out/Wake.m4r"));
    QVERIFY(QFile::exists(made));
    QVERIFY(f.child<QPushButton>("btnWifi")->isEnabled());

    quint16 port = 0;
    withDialog([&](WifiSendDialog *dialog) {
        const QString url = dialog->findChild<QLabel *>(QStringLiteral("labelAddress"))->text();
        const QRegularExpression shape(
                QStringLiteral("^http://127\\.0\\.0\\.1:(\\d+)/([A-Za-z0-9_-]{24})/$"));
        const QRegularExpressionMatch match = shape.match(url);
        QVERIFY2(match.hasMatch(), qPrintable(url));
        port = quint16(match.captured(1).toUInt());
        auto *qr = dialog->findChild<QrCodeView *>(QStringLiteral("qrCode"));
        QCOMPARE(decodeQr(qr->grab().toImage()), QStringList {url});
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("labelToneName"))->text(),
                 QStringLiteral("Wake"));
        QVERIFY(!dialog->findChild<QComboBox *>(QStringLiteral("comboAddress"))->isVisible());
        // Pictures to look at, beside the test's build folder.
        dialog->grab().save(QStringLiteral("wifi-dialog.png"));
        f.window->grab().save(QStringLiteral("wifi-window.png"));

        const QByteArray token = match.captured(2).toLatin1();
        const HttpAnswer page = exchange(port, "GET /" + token + "/ HTTP/1.1");
        QVERIFY(page.body.contains("<h1>Wake</h1>"));
        QFile file(made);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(exchange(port, "GET /" + token + "/tone.m4a HTTP/1.1").body == file.readAll());
        QTRY_VERIFY(dialog->findChild<QLabel *>(QStringLiteral("labelDownloads"))
                            ->text()
                            .contains(QLatin1String("Downloaded by 127.0.0.1 at ")));

        // 33 s: the offer of a 30 s version, made beside the first and served instead.
        auto *offer = dialog->findChild<QPushButton *>(QStringLiteral("btnShortVersion"));
        QVERIFY(offer->isVisible());
        offer->click();
        QTRY_VERIFY_WITH_TIMEOUT(
                dialog->findChild<QLabel *>(QStringLiteral("labelToneName"))->text()
                        == QLatin1String("Wake 30 s"),
                60000);
        const QString shortUrl
                = dialog->findChild<QLabel *>(QStringLiteral("labelAddress"))->text();
        QVERIFY(shortUrl != url);
        QCOMPARE(decodeQr(qr->grab().toImage()), QStringList {shortUrl});
        QVERIFY(!offer->isVisible());
        // The old address serves nothing: its token is unknown (404) where the new server took
        // the same port, or nothing listens there any more (no answer) where it took another.
        const int oldStatus = exchange(port, "GET /" + token + "/ HTTP/1.1").status;
        QVERIFY2(oldStatus == 404 || oldStatus == 0, qPrintable(QString::number(oldStatus)));
        QFile shortFile(f.dir.filePath(QStringLiteral("out/Wake 30 s.m4r")));
        QVERIFY(shortFile.open(QIODevice::ReadOnly));
        const quint16 shortPort = quint16(shape.match(shortUrl).captured(1).toUInt());
        const QByteArray shortToken = shape.match(shortUrl).captured(2).toLatin1();
        QVERIFY(exchange(shortPort, "GET /" + shortToken + "/tone.m4a HTTP/1.1").body
                == shortFile.readAll());
        port = shortPort;
    });
    QVERIFY(QFile::exists(made));
    QTcpSocket closed;
    closed.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!closed.waitForConnected(2000));
}

void TestWifiWindow::qrCodeStaysSharp_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("modules");
    QTest::addColumn<int>("unit");
    // Modules plus a quiet zone of four on each side, in whole device pixels.
    QTest::newRow("210 at 1x, 29 modules") << 210 << 29 << 5;
    QTest::newRow("210 at 2x, 29 modules") << 420 << 29 << 11;
    QTest::newRow("315 at 1.5x, 33 modules") << 315 << 33 << 7;
    QTest::newRow("too small still draws") << 20 << 33 << 1;
}

void TestWifiWindow::qrCodeStaysSharp()
{
    QFETCH(int, side);
    QFETCH(int, modules);
    QTEST(QrCodeView::modulePixels(side, modules), "unit");
}

QTEST_MAIN(TestWifiWindow)
#include "tst_wifiwindow.moc"
