#include "app/settings.h"
#include "app/skin.h"
#include "editor/clipslider.h"
#include "editor/maindialog.h"
#include "mediatool.h"
#include "windowstatus.h"

#include <handvia.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <cmath>

// The whole road of one ringtone on a real display, with the real encoder, player and
// device library: browse, type the clip, generate, and find the tone on the "phone".
class TestRealWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void browseLoadsAndShowsWaveform();
    void typedClipBecomesRingtoneOnPhone();
    void hourLongFileClipPlacedWithKeys();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QString status() const { return child<QLabel>("labelStatus")->text(); }
    bool generateIsBack() const { return windowstatus::generateIsBack(window.get()); }

    QTemporaryDir dir;
    QString input;
    QString outputFolder;
    QString phoneRoot;
    std::unique_ptr<MainDialog> window;
};

void TestRealWindow::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    outputFolder = dir.filePath(QStringLiteral("Ringtones"));
    writeSetting(QStringLiteral("OutputFolder"), outputFolder);

    phoneRoot = dir.filePath(QStringLiteral("phone"));
    QVERIFY(QDir().mkpath(phoneRoot + QStringLiteral("/iTunes_Control")));
    qputenv("HANDVIA_ROOT", phoneRoot.toUtf8());

    input = dir.filePath(QStringLiteral("Clip Song.mp3"));
    QVERIFY(MediaTool::make({"-f",
                             "lavfi",
                             "-i",
                             "sine=frequency=330:duration=60",
                             "-ac",
                             "2",
                             "-ar",
                             "44100",
                             input}));

    QVERIFY(applySkin());
    window = std::make_unique<MainDialog>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestRealWindow::browseLoadsAndShowsWaveform()
{
    // The open dialog is modal: fill it in once it is up. A loaded machine may take longer
    // than any fixed delay to show it, so look until it is there. A completion list that
    // opens late takes a Return for itself, so Return is pressed until the dialog has gone.
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *name
                = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!name || !name->isVisible())
            return;
        if (name->text() != input) {
            name->clear();
            QTest::keyClicks(name, input);
        }
        QTest::keyClick(name, Qt::Key_Return);
    });
    poll->start(50);
    QTest::mouseClick(child<QPushButton>("btnBrowseIn"), Qt::LeftButton);
    poll->stop();
    poll->deleteLater();

    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("File loaded."), 60000);
    QCOMPARE(child<QLineEdit>("editInputFile")->text(), input);
    QCOMPARE(readSetting(QStringLiteral("InputDir"), QString()), dir.path());
    auto *slider = child<CClipSlider>("sliderBar");
    QVERIFY(slider->isVisible());

    // Waveform bars are drawn yellow over the strip.
    const QImage strip = slider->grab().toImage();
    int yellow = 0;
    for (int x = 0; x < strip.width(); ++x) {
        const QColor c = strip.pixelColor(x, strip.height() / 2);
        yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80;
    }
    QVERIFY2(yellow > strip.width() / 4, qPrintable(QString::number(yellow)));
}

static double rms(const QVector<qint16> &samples, double from, double length)
{
    const int begin = int(from * 44100);
    const int count = int(length * 44100);
    double sum = 0;
    for (int i = begin; i < begin + count && i < samples.size(); ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / count);
}

static void typeTime(QTimeEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->setCurrentSection(QDateTimeEdit::HourSection);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void TestRealWindow::typedClipBecomesRingtoneOnPhone()
{
    QTRY_VERIFY_WITH_TIMEOUT(child<QCheckBox>("checkExport")->isChecked(), 10000);
    typeTime(child<QTimeEdit>("editEndTime"), QStringLiteral("0:00:40.500"));
    typeTime(child<QTimeEdit>("editStartTime"), QStringLiteral("0:00:13.000"));
    QCOMPARE(child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:27.500"));
    auto *fade = child<QSpinBox>("spinFadein");
    fade->setFocus();
    QTest::keyClick(fade, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(fade, QStringLiteral("3"));
    QCOMPARE(fade->value(), 3);

    QTest::mouseClick(child<QPushButton>("btnGenerate"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(generateIsBack(), 60000);
    const QLabel *label = child<QLabel>("labelStatus");
    // The phone works on a thread of its own: the window says it is sending until it is done.
    QTRY_VERIFY_WITH_TIMEOUT(!label->text().startsWith(QStringLiteral("Sending to the iPhone")),
                             60000);
    QCOMPARE(windowstatus::wholeStatus(window.get()),
             QStringLiteral(
                     "Transfer succeed. New tones show up on the iPhone once it has restarted."));

    const QString ringtone = QDir(outputFolder).filePath(QStringLiteral("Clip Song.m4r"));
    // AAC, 44.1 kHz stereo, 27.5 s.
    QCOMPARE(MediaTool::probe(ringtone,
                              QStringLiteral("stream=codec_name,sample_rate,channels"
                                             ":format=duration")),
             QStringLiteral("aac\n44100\n2\n27.500000"));

    // A linear fade over 3 s: a quarter, half and three quarters of the way up.
    const QVector<qint16> samples = MediaTool::decode(ringtone, 1);
    const double full = rms(samples, 5.0, 1.0);
    QVERIFY(full > 1000);
    for (const double t : {0.75, 1.5, 2.25}) {
        const double level = rms(samples, t - 0.05, 0.1) / full;
        QVERIFY2(qAbs(level - t / 3.0) < 0.05,
                 qPrintable(QStringLiteral("%1: %2").arg(t).arg(level)));
    }

    HandviaApi *api = handvia_get_api();
    char title[256];
    char file[256];
    QCOMPARE(api->get_ringtone(0, 0, title, 256, file, 256), 0);
    QCOMPARE(QString::fromUtf8(title), QStringLiteral("Clip Song"));
    QVERIFY(QFile::exists(phoneRoot + QStringLiteral("/iTunes_Control/Ringtones/")
                          + QString::fromUtf8(file)));
    QVERIFY(QFile::exists(phoneRoot + QStringLiteral("/iTunes_Control/iTunes/Ringtones.plist")));
    QVERIFY(api->get_ringtone(0, 1, title, 256, file, 256) < 0);
}

// An hour of silence with a 1 kHz tone from 3587.700 to 3588.200 s; the clip placed with the
// strip's keys starts 45 ms before it, to the millisecond, and lasts 12.345 s.
void TestRealWindow::hourLongFileClipPlacedWithKeys()
{
    const QString hour = dir.filePath(QStringLiteral("Hour.wav"));
    QVERIFY(MediaTool::make(
            {"-f",
             "lavfi",
             "-i",
             "aevalsrc=exprs='if(between(t,3587.7,3588.2),0.8*sin(2*PI*1000*t),0)':s=8000:d=3600",
             "-ac",
             "1",
             hour}));
    window->loadFile(hour);
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("File loaded."), 120000);

    auto *strip = child<CClipSlider>("sliderBar");
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(528, 25));
    QTRY_VERIFY(strip->hasFocus());
    QCOMPARE(strip->activeEdge(), clipview::Edge::Begin);
    QTest::keyClick(strip, Qt::Key_BracketLeft);
    QTest::keyClick(strip, Qt::Key_BracketRight);
    QTest::keyClick(strip, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(strip, Qt::Key_BracketLeft);
    QCOMPARE(child<QTimeEdit>("editStartTime")->time(), QTime(0, 59, 46, 415));
    QCOMPARE(child<QTimeEdit>("editEndTime")->time(), QTime(1, 0));
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(strip, Qt::Key_Plus);
    QVERIFY(strip->isZoomed());
    QCOMPARE(strip->viewEnd() - strip->viewStart(), 1.0);
    QTest::keyClick(strip, Qt::Key_Right, Qt::ControlModifier);
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(strip, Qt::Key_Right, Qt::ShiftModifier);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(strip, Qt::Key_Right);
    QCOMPARE(child<QTimeEdit>("editStartTime")->time(), QTime(0, 59, 47, 655));
    QCOMPARE(child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:12.345"));

    child<QSpinBox>("spinFadein")->setValue(0);
    QTest::mouseClick(child<QPushButton>("btnGenerate"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(generateIsBack(), 60000);
    const QString ringtone = QDir(outputFolder).filePath(QStringLiteral("Hour.m4r"));
    // -t 12.345: round(12.345 * 44100) samples.
    QCOMPARE(MediaTool::probe(ringtone, QStringLiteral("format=duration")),
             QStringLiteral("12.345011"));
    // -ss 3587.655: the tone begins 45 ms in (1984.5 samples); 3587.66 would put it at 40 ms.
    const QVector<qint16> samples = MediaTool::decode(ringtone, 1);
    int onset = 0;
    while (onset < samples.size() && std::abs(int(samples[onset])) < 8000)
        ++onset;
    QVERIFY2(std::abs(onset - 1984) < 60, qPrintable(QString::number(onset)));
}

QTEST_MAIN(TestRealWindow)
#include "tst_realwindow.moc"
