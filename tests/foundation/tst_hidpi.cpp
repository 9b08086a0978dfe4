#include "app/aboutdialog.h"
#include "app/skin.h"
#include "app/skinpicture.h"
#include "editor/clipslider.h"
#include "editor/maindialog.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <functional>

// The program on a screen that scales by two (QT_SCALE_FACTOR=2 in this test's environment):
// every skin picture has a twin of twice its pixels, and the windows show the twins.
class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureHasTwin_data();
    void everyPictureHasTwin();
    void twinChosenAboveOne_data();
    void twinChosenAboveOne();
    void windowKeepsLogicalLayout();
    void windowShowsSharpPictures_data();
    void windowShowsSharpPictures();
    void aboutBoxShowsSharpPicture();
    void stripCornersAreSmooth();
};

namespace {

// The share of pixels unlike both neighbours in their row or in their column: none where 1x
// pictures were only scaled up (each of their pixels covers two or more each way), many where
// a twin holds detail of its own.
qreal lonePixels(const QImage &image)
{
    auto lone = [&image](int x, int y, int dx, int dy) {
        const QRgb px = image.pixel(x, y);
        return image.pixel(x - dx, y - dy) != px && image.pixel(x + dx, y + dy) != px;
    };
    int count = 0;
    int all = 0;
    for (int y = 1; y + 1 < image.height(); ++y) {
        for (int x = 1; x + 1 < image.width(); ++x) {
            ++all;
            if (lone(x, y, 1, 0) || lone(x, y, 0, 1))
                ++count;
        }
    }
    return all ? qreal(count) / all : 0.0;
}

} // namespace

void TestHiDpi::initTestCase()
{
    QVERIFY(applySkin());
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void TestHiDpi::everyPictureHasTwin_data()
{
    QTest::addColumn<QString>("path");
    const QDir images(QStringLiteral(":/images"));
    const QStringList names = images.entryList({QStringLiteral("*.png")}, QDir::Files);
    QVERIFY(names.size() > 100);
    for (const QString &name : names) {
        if (!name.contains(QLatin1String("@2x")))
            QTest::newRow(qPrintable(name)) << images.filePath(name);
    }
}

void TestHiDpi::everyPictureHasTwin()
{
    QFETCH(QString, path);
    const QImage picture(path);
    const QImage twin(twinPath(path));
    QVERIFY2(!twin.isNull(), qPrintable(twinPath(path)));
    QCOMPARE(twin.size(), picture.size() * 2);
    QCOMPARE(twin.hasAlphaChannel(), picture.hasAlphaChannel());
}

void TestHiDpi::twinChosenAboveOne_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<qreal>("pictureRatio");
    QTest::newRow("plain screen") << 1.0 << 1.0;
    QTest::newRow("a quarter more") << 1.25 << 2.0;
    QTest::newRow("half again") << 1.5 << 2.0;
    QTest::newRow("double") << 2.0 << 2.0;
    QTest::newRow("triple") << 3.0 << 2.0;
}

void TestHiDpi::twinChosenAboveOne()
{
    QFETCH(qreal, ratio);
    const QString path = QStringLiteral(":/images/disc.png");
    const QPixmap picture = skinPixmap(path, ratio);
    QTEST(picture.devicePixelRatio(), "pictureRatio");
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(165, 165));
    QCOMPARE(picturePart(picture, QRect(10, 20, 30, 40)),
             QRect(QPoint(10, 20) * picture.devicePixelRatio(),
                   QSize(30, 40) * picture.devicePixelRatio()));
}

void TestHiDpi::windowKeepsLogicalLayout()
{
    MainDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), 2.0);
    QCOMPARE(window.size(), QSize(750, 531));
    // The shape comes from the 1x picture and stays in logical pixels.
    const QRegion mask = window.mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(mask.contains(QPoint(375, 300)));
    QVERIFY(!mask.contains(QPoint(749, 300)));
    QCOMPARE(mask.boundingRect().right(), 748);
    auto *play = window.findChild<QPushButton *>(QStringLiteral("btnPlay"));
    QVERIFY(play);
    QCOMPARE(play->geometry(), QRect(294, 343, 92, 38));
}

// Each area holds pictures only: the logo and panels of the background, a painted level
// bar, the turning disc, the volume slider, and buttons drawn by the style sheet.
void TestHiDpi::windowShowsSharpPictures_data()
{
    QTest::addColumn<QRect>("area");
    QTest::newRow("logo") << QRect(46, 70, 200, 56);
    QTest::newRow("level bar") << QRect(2, 90, 22, 300);
    QTest::newRow("disc") << QRect(610, 20, 110, 110);
    QTest::newRow("volume") << QRect(450, 290, 160, 16);
    QTest::newRow("play button") << QRect(294, 343, 92, 38);
    QTest::newRow("generate button") << QRect(543, 450, 60, 60);
    QTest::newRow("close button") << QRect(634, 169, 29, 29);
}

void TestHiDpi::windowShowsSharpPictures()
{
    QFETCH(QRect, area);
    MainDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPixmap shot = window.grab(area);
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    const QImage pixels = shot.toImage();
    QCOMPARE(pixels.size(), area.size() * 2);
    const qreal share = lonePixels(pixels);
    QVERIFY2(share > 0.2, qPrintable(QString::number(share)));
}

void TestHiDpi::aboutBoxShowsSharpPicture()
{
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.size(), QSize(400, 258));
    // The disc and the name, where no label lies.
    const QImage pixels = about.grab(QRect(22, 24, 360, 110)).toImage();
    QCOMPARE(pixels.size(), QSize(720, 220));
    const qreal share = lonePixels(pixels);
    QVERIFY2(share > 0.2, qPrintable(QString::number(share)));
}

// The strip's cut corners blend into what lies behind them along the cut, where a mask alone
// would draw them in steps of two pixels, each wholly one colour or the other.
void TestHiDpi::stripCornersAreSmooth()
{
    QWidget behind;
    behind.resize(530, 50);
    QPalette white;
    white.setColor(QPalette::Window, Qt::white);
    behind.setPalette(white);
    behind.setAutoFillBackground(true);
    CClipSlider strip(&behind);
    strip.setGeometry(0, 0, 530, 50);
    strip.setCornerCut(10);
    behind.show();
    QVERIFY(QTest::qWaitForWindowExposed(&behind));
    const QImage pixels = behind.grab().toImage();
    QCOMPARE(pixels.size(), QSize(1060, 100));
    const QRgb inside = pixels.pixel(530, 50);
    const QRgb clear = pixels.pixel(0, 0);
    QCOMPARE(clear, QColor(Qt::white).rgb());
    QVERIFY(inside != clear);
    // The cut runs through the middle of the screen pixels where x + y = 19 near each corner.
    const QList<std::function<QPoint(int)>> corners
            = {[](int i) { return QPoint(i, 19 - i); },
               [](int i) { return QPoint(1059 - i, 19 - i); },
               [](int i) { return QPoint(i, 80 + i); },
               [](int i) { return QPoint(1059 - i, 80 + i); }};
    for (const auto &along : corners) {
        int blended = 0;
        for (int i = 0; i < 20; ++i) {
            const QRgb px = pixels.pixel(along(i));
            if (px != inside && px != clear)
                ++blended;
        }
        QVERIFY2(blended >= 15, qPrintable(QString::number(blended)));
    }
    // Presses still find the strip only inside the cut.
    QVERIFY(!strip.mask().contains(QPoint(2, 2)));
    QVERIFY(strip.mask().contains(QPoint(10, 10)));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
