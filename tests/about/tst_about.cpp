#include "app/aboutdialog.h"
#include "app/qxlanguage.h"
#include "app/skin.h"
#include "app/weblinks.h"
#include "editor/maindialog.h"
#include "openrecorder.h"

#include <QApplication>
#include <QBitmap>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <memory>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void addressesFollowLanguage_data();
    void addressesFollowLanguage();
    void boxShowsVersionAndLinks();
    void boxKeepsItsAddressesAfterSwitch();
    void boxPaintsPictureAndShape();
    void linksAreLightOnDarkPicture();
    void linkClickOpensExactAddress_data();
    void linkClickOpensExactAddress();
    void keyboardReachesEveryLink_data();
    void keyboardReachesEveryLink();
    void releaseClosesBox_data();
    void releaseClosesBox();
    void dragMovesThenCloses();
    void mainWindowOpensPages_data();
    void mainWindowOpensPages();
    void aboutActionRunsModalBox();
    void failureToOpenIsTold_data();
    void failureToOpenIsTold();
    void helpFileIsCompiledBesideProgram();

private:
    QLabel *label(AboutDialog &box, int index) const;
    static QString plainText(const QLabel *label)
    {
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }
    std::unique_ptr<MainDialog> window;
    OpenRecorder recorder;
};

void TestAbout::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    // The window builds the language menu, without which no language can become current.
    window = std::make_unique<MainDialog>();
}

void TestAbout::cleanup()
{
    QxLanguage::instance()->loadLanguage(QStringLiteral("en"));
    recorder.clear();
    recorder.succeed(true);
}

void TestAbout::addressesFollowLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("site");

    const QString main = QStringLiteral("https://www.marvolen.com");
    const QString spanish = QStringLiteral("https://www.marvolen.es");
    QTest::newRow("english") << "en" << main;
    QTest::newRow("spanish") << "es" << spanish;
    QTest::newRow("french") << "fr" << main;
    QTest::newRow("simplified-chinese") << "zh_CN" << main;
    QTest::newRow("unlisted-keeps-last") << "xx" << main;
}

void TestAbout::addressesFollowLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, site);

    QxLanguage::instance()->loadLanguage(language);
    QCOMPARE(siteUrl(), site);
    QCOMPARE(productPageUrl(), site + QStringLiteral("/vardel.html"));
    QCOMPARE(supportUrl(), site + QStringLiteral("/support.html"));
}

QLabel *TestAbout::label(AboutDialog &box, int index) const
{
    const QList<QLabel *> labels = box.findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    if (labels.size() != 5)
        qFatal("the about box holds %d labels", int(labels.size()));
    return labels.at(index);
}

void TestAbout::boxShowsVersionAndLinks()
{
    AboutDialog box;
    QCOMPARE(box.objectName(), QStringLiteral("aboutDialog"));
    QCOMPARE(box.size(), QSize(400, 258));
    QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);

    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(productVersion())
                    .hasMatch());
    QLabel *version = label(box, 3);
    QCOMPARE(version->text(), QStringLiteral("Version: ") + productVersion());
    QCOMPARE(version->geometry(), QRect(150, 145, 240, 22));
    QVERIFY(version->alignment() & Qt::AlignRight);

    const QString page = QStringLiteral("https://www.marvolen.com/vardel.html");
    QCOMPARE(plainText(label(box, 0)), QStringLiteral("Home Page: ") + page);
    QVERIFY(label(box, 0)->text().contains(QStringLiteral("href=\"%1\"").arg(page)));
    QCOMPARE(label(box, 0)->geometry(), QRect(20, 195, 360, 22));
    const QString support = QStringLiteral("https://www.marvolen.com/support.html");
    QCOMPARE(plainText(label(box, 1)), QStringLiteral("Support: ") + support);
    QVERIFY(label(box, 1)->text().contains(QStringLiteral("href=\"%1\"").arg(support)));
    QCOMPARE(label(box, 1)->geometry(), QRect(20, 215, 360, 22));
    QVERIFY(label(box, 2)->text().contains(QStringLiteral("Marvolen")));
    QCOMPARE(plainText(label(box, 4)), QStringLiteral("Licences"));
}

void TestAbout::boxKeepsItsAddressesAfterSwitch()
{
    QxLanguage::instance()->loadLanguage(QStringLiteral("es"));
    AboutDialog box;
    QxLanguage::instance()->loadLanguage(QStringLiteral("en"));
    QVERIFY(label(box, 0)->text().contains(QStringLiteral("https://www.marvolen.es/vardel.html")));
    QVERIFY(label(box, 1)->text().contains(QStringLiteral("https://www.marvolen.es/support.html")));
    QCOMPARE(productPageUrl(), QStringLiteral("https://www.marvolen.com/vardel.html"));
}

// The picture is drawn under the labels, and the whole rectangle stays part of the window.
void TestAbout::boxPaintsPictureAndShape()
{
    AboutDialog box;
    const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture
            = QImage(QStringLiteral(":/images/about_bg.png")).convertToFormat(QImage::Format_RGB32);
    for (const QPoint point : {QPoint(5, 5), QPoint(200, 100), QPoint(395, 253)})
        QCOMPARE(shot.pixel(point), picture.pixel(point));
    QCOMPARE(box.mask(), QRegion(0, 0, 400, 258));
}

// With the program's style sheet, the link text must stand out from the dark picture: light
// blue pixels, none of the default pure blue.
void TestAbout::linksAreLightOnDarkPicture()
{
    QVERIFY(applySkin());
    AboutDialog box;
    const QLabel *link = label(box, 0);
    const QImage shot = box.grab(link->geometry()).toImage();
    qApp->setStyleSheet(QString());

    int light = 0;
    int darkBlue = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            light += c.blue() > 200 && c.green() > 150 && c.red() < 180;
            darkBlue += c.blue() > 200 && c.green() < 60 && c.red() < 60;
        }
    }
    QVERIFY(light > 20);
    QCOMPARE(darkBlue, 0);
}

void TestAbout::linkClickOpensExactAddress_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("labelIndex");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("url");

    QTest::newRow("home-en") << "en" << 0 << "Home Page: "
                             << "https://www.marvolen.com/vardel.html";
    QTest::newRow("support-en") << "en" << 1 << "Support: "
                                << "https://www.marvolen.com/support.html";
    QTest::newRow("home-es") << "es" << 0 << "Home Page: "
                             << "https://www.marvolen.es/vardel.html";
    QTest::newRow("support-es") << "es" << 1 << "Support: "
                                << "https://www.marvolen.es/support.html";
    QTest::newRow("maker-en") << "en" << 2 << "Vardel is made by "
                              << "https://www.marvolen.com";
    QTest::newRow("licences-fr") << "fr" << 4 << ""
                                 << QUrl::fromLocalFile(licencesPagePath()).toString();
}

// A real click on the link text, just past the words in front of it.
void TestAbout::linkClickOpensExactAddress()
{
    QFETCH(QString, language);
    QFETCH(int, labelIndex);
    QFETCH(QString, prefix);
    QFETCH(QString, url);

    QxLanguage::instance()->loadLanguage(language);
    AboutDialog box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QLabel *link = label(box, labelIndex);
    const QPoint at(link->fontMetrics().horizontalAdvance(prefix) + 12, link->height() / 2);
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, at);

    QTRY_COMPARE(recorder.opened(), QList<QUrl> {QUrl(url)});
}

void TestAbout::releaseClosesBox_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
}

void TestAbout::releaseClosesBox()
{
    QFETCH(Qt::MouseButton, button);

    AboutDialog box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mousePress(&box, button, Qt::NoModifier, QPoint(200, 60));
    QVERIFY(box.isVisible());
    QTest::mouseRelease(&box, button, Qt::NoModifier, QPoint(200, 60));
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
    // Links open at once when activated; whatever the release queued has run after this.
    QCoreApplication::processEvents();
    QVERIFY(recorder.opened().isEmpty());
}

void TestAbout::dragMovesThenCloses()
{
    AboutDialog box;
    box.move(100, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint start = box.pos();

    QTest::mousePress(&box, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseMove(&box, QPoint(70, 70));
    QCOMPARE(box.pos(), start);
    QTest::mouseRelease(&box, Qt::RightButton, Qt::NoModifier, QPoint(70, 70));
    box.show();

    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseMove(&box, QPoint(80, 90));
    QCOMPARE(box.pos(), start + QPoint(30, 40));
    QVERIFY(box.isVisible());
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QVERIFY(!box.isVisible());
}

void TestAbout::keyboardReachesEveryLink_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("labelIndex");
    QTest::addColumn<QString>("url");
    QTest::newRow("licences first") << 0 << 4 << QUrl::fromLocalFile(licencesPagePath()).toString();
    QTest::newRow("home page") << 1 << 0 << "https://www.marvolen.com/vardel.html";
    QTest::newRow("support") << 2 << 1 << "https://www.marvolen.com/support.html";
    QTest::newRow("maker") << 3 << 2 << "https://www.marvolen.com";
    QTest::newRow("round again") << 4 << 4 << QUrl::fromLocalFile(licencesPagePath()).toString();
}

// With the keyboard alone: the box opens on its first link, Tab goes down the links, Enter
// opens the one with the focus. Its title names it for assistive tools.
void TestAbout::keyboardReachesEveryLink()
{
    QFETCH(int, tabs);
    QFETCH(int, labelIndex);
    QFETCH(QString, url);
    AboutDialog box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About Vardel"));
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto *focused = qobject_cast<QLabel *>(QApplication::focusWidget());
    QVERIFY(focused);
    QCOMPARE(plainText(focused), plainText(label(box, labelIndex)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(recorder.opened(), QList<QUrl> {QUrl(url)});
    QVERIFY(box.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!box.isVisible());
}

void TestAbout::mainWindowOpensPages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QUrl>("url");

    const QUrl help = QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                          + QStringLiteral("/help/index.html"));
    QTest::newRow("home-en") << "en"
                             << "labelHome" << QUrl("https://www.marvolen.com/vardel.html");
    QTest::newRow("home-es") << "es"
                             << "labelHome" << QUrl("https://www.marvolen.es/vardel.html");
    QTest::newRow("help-en") << "en"
                             << "labelHelp" << help;
    QTest::newRow("help-es") << "es"
                             << "labelHelp" << help;
}

// The link target of the window's labels is a placeholder; the slot decides the address.
void TestAbout::mainWindowOpensPages()
{
    QFETCH(QString, language);
    QFETCH(QString, labelName);
    QFETCH(QUrl, url);

    QxLanguage::instance()->loadLanguage(language);
    QLabel *link = window->findChild<QLabel *>(labelName);
    QVERIFY(link);
    emit link->linkActivated(QStringLiteral("x"));
    QTRY_COMPARE(recorder.opened(), QList<QUrl> {url});
    QVERIFY(url.isLocalFile() || url.scheme() == QLatin1String("https"));
}

void TestAbout::aboutActionRunsModalBox()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QString seen;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = box->objectName();
        if (box->parentWidget() != window.get())
            seen += QStringLiteral(" without the window as parent");
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(200, 60));
    });
    emit window->findChild<QLabel *>(QStringLiteral("labelAbout"))
            ->linkActivated(QStringLiteral("x"));
    QCOMPARE(seen, QStringLiteral("aboutDialog"));
    QVERIFY(window->findChildren<AboutDialog *>().isEmpty());
    window->hide();
}

void TestAbout::failureToOpenIsTold_data()
{
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("status");

    QTest::newRow("help") << "labelHelp"
                          << "The help could not be opened: no web browser was found.";
    QTest::newRow("home") << "labelHome"
                          << "The web page could not be opened: no web browser was found.";
    QTest::newRow("about-support") << ""
                                   << "The web page could not be opened: no web browser was found.";
}

// The opener runs on after the click, so its failure arrives later, and for the about box's
// links after the box may be gone; the window's status line tells it all the same.
void TestAbout::failureToOpenIsTold()
{
    QFETCH(QString, labelName);
    recorder.succeed(false);
    QFETCH(QString, status);
    window->setStatus("Ready.");
    if (labelName.isEmpty()) {
        AboutDialog box(window.get());
        emit label(box, 1)->linkActivated(supportUrl());
    } else {
        emit window->findChild<QLabel *>(labelName)->linkActivated(QStringLiteral("x"));
    }
    QTRY_COMPARE(recorder.opened().size(), 1);
    QTRY_COMPARE(window->findChild<QLabel *>(QStringLiteral("labelStatus"))->text(), status);
}

void TestAbout::helpFileIsCompiledBesideProgram()
{
    QFile help(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/help.chm"));
    QVERIFY2(help.open(QIODevice::ReadOnly), qPrintable(help.fileName()));
    QCOMPARE(help.read(4), QByteArray("ITSF"));
    QVERIFY(help.size() > 4096);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
