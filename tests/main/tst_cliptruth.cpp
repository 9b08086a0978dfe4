// Every number the window shows for the clip is what the clip preview plays and what the
// encoder is asked for, to the millisecond, after every kind of edit. The encoder here is the
// stand-in that writes its arguments down, so Generate shows exactly what would be made.
#include "mainfixture.h"

#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QShortcut>

class TestClipTruth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bandDragAtWholeFileZoom_data();
    void bandDragAtWholeFileZoom();
    void typedStartAfterTheEnd_data();
    void typedStartAfterTheEnd();
    void reloadKeepsTheFileLength();
    void newFileStartsWithItsFirstSeconds_data();
    void newFileStartsWithItsFirstSeconds();
    void undoAfterADrag();
    void undoCoversFadeAndVolume();
    void undoKeysBelongToATextField();
    void previewGainIsTheEncodersGain_data();
    void previewGainIsTheEncodersGain();

private:
    QString file(const QString &name, double seconds);
    QStringList generateArguments();
    void checkViewsAgree(qint64 beginMs, qint64 endMs);
    void dragBand(int from, int to);

    MainFixture f;
    QString argsPath;
};

void TestClipTruth::initTestCase()
{
    MainFixture::isolateSettings();
    QVERIFY(f.dir.isValid());
    argsPath = f.dir.filePath(QStringLiteral("encoder arguments"));
    qputenv("STANDIN_ARGS", QFile::encodeName(argsPath));
}

void TestClipTruth::init()
{
    fakes::reset();
    f.open();
}

void TestClipTruth::cleanup()
{
    f.window.reset();
}

// Long files are made small: an hour of near-silence at a low rate.
QString TestClipTruth::file(const QString &name, double seconds)
{
    const QString path = f.dir.filePath(name);
    if (!QFile::exists(path))
        MediaTool::make(
                {"-f",
                 "lavfi",
                 "-i",
                 QStringLiteral("sine=frequency=200:sample_rate=8000:duration=%1").arg(seconds),
                 "-ac",
                 "1",
                 "-b:a",
                 "8k",
                 path});
    return path;
}

// Presses Generate and reads what the encoder was asked for.
QStringList TestClipTruth::generateArguments()
{
    return f.generateArguments(argsPath);
}

static qint64 msOfArgument(const QStringList &args, const char *option)
{
    const int at = args.indexOf(QLatin1String(option));
    return at < 0 ? -1 : qRound64(args.value(at + 1).toDouble() * 1000.0);
}

static QTime timeOf(int ms)
{
    return QTime(0, 0).addMSecs(ms);
}

static qint64 msOfText(const QString &text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("h:mm:ss.zzz"));
    return time.isValid() ? QTime(0, 0).msecsTo(time) : -1;
}

// Fields, length, strip, clip preview and encoder all say beginMs .. endMs.
void TestClipTruth::checkViewsAgree(qint64 beginMs, qint64 endMs)
{
    QCOMPARE(msOfText(f.child<QTimeEdit>("editStartTime")->text()), beginMs);
    QCOMPARE(msOfText(f.child<QTimeEdit>("editEndTime")->text()), endMs);
    QCOMPARE(msOfText(f.child<QLabel>("labelLengthValue")->text().mid(1)), endMs - beginMs);
    QCOMPARE(qRound64(f.clip().first * 1000), beginMs);
    QCOMPARE(qRound64(f.clip().second * 1000), endMs);

    fakes::playerCalls().clear();
    f.child<QPushButton>("btnPlayClip")->click();
    const QStringList calls = fakes::playerCalls().filter(QStringLiteral("seek"));
    QCOMPARE(calls.size(), 1);
    QCOMPARE(qRound64(calls.constFirst().mid(5).toDouble() * 1000), beginMs);
    fakes::raisePlayState(0);

    const QStringList args = generateArguments();
    QCOMPARE(msOfArgument(args, "-ss"), beginMs);
    QCOMPARE(msOfArgument(args, "-t"), endMs - beginMs);
}

void TestClipTruth::dragBand(int from, int to)
{
    CClipSlider *strip = f.slider();
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(from, 25));
    for (int step = 1; step <= 8; ++step)
        QTest::mouseMove(strip, QPoint(from + (to - from) * step / 8, 25));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(to, 25));
}

void TestClipTruth::bandDragAtWholeFileZoom_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("end");
    QTest::addColumn<int>("pixels");

    QTest::newRow("1 s band, dragged past its length")
            << 12.0 << QTime(0, 0, 0) << QTime(0, 0, 1) << 300;
    QTest::newRow("typed 10 s clip on a song")
            << 181.3 << QTime(0, 1, 27, 300) << QTime(0, 1, 37, 300) << 77;
    QTest::newRow("25 s band on an hour") << 3600.0 << QTime(0, 20) << QTime(0, 20, 25) << 40;
    QTest::newRow("1 s band on an hour, under a pixel")
            << 3600.0 << QTime(0, 30) << QTime(0, 30, 1) << -61;
}

void TestClipTruth::bandDragAtWholeFileZoom()
{
    QFETCH(double, seconds);
    QFETCH(QTime, start);
    QFETCH(QTime, end);
    QFETCH(int, pixels);

    f.loadAndWait(file(QStringLiteral("drag %1.mp3").arg(seconds), seconds));
    auto *startField = f.child<QTimeEdit>("editStartTime");
    auto *endField = f.child<QTimeEdit>("editEndTime");
    endField->setTime(end);
    startField->setTime(start);
    const qint64 length = start.msecsTo(end);
    // The middle of the band as drawn, at least 3 pixels wide; the play line out of the way.
    f.slider()->setPos(seconds);
    const int grip = (f.slider()->beginPixel()
                      + qMax(f.slider()->endPixel(), f.slider()->beginPixel() + 3))
            / 2;
    dragBand(grip, grip + pixels);

    const qint64 begin = msOfText(startField->text());
    QVERIFY(begin != QTime(0, 0).msecsTo(start));
    QCOMPARE(msOfText(endField->text()) - begin, length);
    QVERIFY(f.child<QPushButton>("btnGenerate")->isEnabled());
    checkViewsAgree(begin, begin + length);
}

void TestClipTruth::typedStartAfterTheEnd_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("begin");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<bool>("told");
    QTest::addColumn<int>("enter");
    const int enter = Qt::Key_Return;
    const int tab = Qt::Key_Tab;

    // Start 0, end 10 on a 3-minute song: the end makes room and the length is kept.
    QTest::newRow("1:40 is taken")
            << "0:01:40.000" << qint64(100000) << qint64(110000) << false << enter;
    QTest::newRow("just before the end")
            << "0:00:09.950" << qint64(9950) << qint64(10050) << false << enter;
    QTest::newRow("near the file's end: held, and said")
            << "0:02:58.000" << qint64(170000) << qint64(180000) << true << enter;
    // Half typed, 0:02:55 would already push the clip about; only the whole time counts.
    QTest::newRow("entered with Tab, not digit by digit")
            << "0:02:55.500" << qint64(170000) << qint64(180000) << true << tab;
}

// Typed with the keyboard into the field, as a user does: select, type, Enter.
void TestClipTruth::typedStartAfterTheEnd()
{
    QFETCH(QString, typed);
    QFETCH(qint64, begin);
    QFETCH(qint64, end);
    QFETCH(bool, told);
    QFETCH(int, enter);

    f.loadAndWait(f.makeTone(QStringLiteral("song.wav"), 180.0, 1));
    const QString before = f.status();
    auto *field = f.child<QTimeEdit>("editStartTime");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key(enter));
    QCOMPARE(f.status() != before, told);
    if (enter == Qt::Key_Tab)
        QVERIFY(!field->hasFocus());
    checkViewsAgree(begin, end);
}

// A 7.8 s file, loaded twice: 7.800 s everywhere, both times.
void TestClipTruth::reloadKeepsTheFileLength()
{
    const QString path = f.makeTone(QStringLiteral("seven.wav"), 7.8);
    f.loadAndWait(path);
    checkViewsAgree(0, 7800);
    f.loadAndWait(path);
    checkViewsAgree(0, 7800);
}

void TestClipTruth::newFileStartsWithItsFirstSeconds_data()
{
    QTest::addColumn<double>("oldSeconds");
    QTest::addColumn<int>("oldBeginMs");
    QTest::addColumn<int>("oldEndMs");
    QTest::addColumn<double>("newSeconds");
    QTest::addColumn<int>("newEndMs");

    QTest::newRow("a 19-minute clip, then a 3-minute song")
            << 1200.0 << 0 << 1140000 << 180.0 << 10000;
    QTest::newRow("a clip late in a long file, then a 3-minute song")
            << 1200.0 << 1000000 << 1030000 << 180.0 << 10000;
    QTest::newRow("a clip past a short file's end") << 180.0 << 60000 << 70000 << 7.8 << 7800;
    QTest::newRow("a short clip at the start, then a long file")
            << 7.8 << 1000 << 2000 << 180.0 << 10000;
}

// Whatever the last clip was, a new file starts with its own first ten seconds, and undo has
// nothing of the old file to bring back.
void TestClipTruth::newFileStartsWithItsFirstSeconds()
{
    QFETCH(double, oldSeconds);
    QFETCH(int, oldBeginMs);
    QFETCH(int, oldEndMs);
    QFETCH(double, newSeconds);
    QFETCH(int, newEndMs);

    f.loadAndWait(file(QStringLiteral("old-%1.mp3").arg(oldSeconds), oldSeconds));
    auto *endField = f.child<QTimeEdit>("editEndTime");
    endField->setTime(timeOf(oldEndMs));
    f.child<QTimeEdit>("editStartTime")->setTime(timeOf(oldBeginMs));
    emit endField->editingFinished();
    QCOMPARE(msOfText(endField->text()), qint64(oldEndMs));

    // A short file as WAV, whose length is exact; an MP3's frames would pad it.
    f.loadAndWait(newSeconds < 10
                          ? f.makeTone(QStringLiteral("new-%1.wav").arg(newSeconds), newSeconds)
                          : file(QStringLiteral("new-%1.mp3").arg(newSeconds), newSeconds));
    checkViewsAgree(0, newEndMs);
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    checkViewsAgree(0, newEndMs);
}

void TestClipTruth::undoAfterADrag()
{
    f.loadAndWait(file(QStringLiteral("undo.mp3"), 180.0));
    auto *endField = f.child<QTimeEdit>("editEndTime");
    endField->setTime(QTime(0, 0, 12, 345));
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, 2, 345));
    const int grip = f.slider()->beginPixel() + 5;
    dragBand(grip, grip + 100);
    QVERIFY(msOfText(endField->text()) > 12345);
    QVERIFY(f.slider()->hasFocus() || f.slider()->focusWidget() == f.slider());

    // The whole drag is one step; the typed times before it come back, one field at a time.
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    checkViewsAgree(2345, 12345);
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    checkViewsAgree(0, 12345);
    QTest::keyClick(f.window.get(), Qt::Key_Y, Qt::ControlModifier);
    checkViewsAgree(2345, 12345);
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(msOfText(endField->text()) > 12345);
    QCOMPARE(msOfText(endField->text()) - msOfText(f.child<QTimeEdit>("editStartTime")->text()),
             qint64(10000));
}

void TestClipTruth::undoCoversFadeAndVolume()
{
    f.loadAndWait(file(QStringLiteral("levels.mp3"), 30.0));
    auto *fade = f.child<QSpinBox>("spinFadein");
    auto *volume = f.child<CVolumeSlider>("sliderVolume");
    fade->setValue(3);
    emit fade->editingFinished();
    QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(30, 8));
    const int lowered = volume->position();
    QVERIFY(lowered < 100);

    volume->setFocus();
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(volume->position(), 100);
    QCOMPARE(f.child<QLabel>("labelVolume")->text(), QStringLiteral("Volume: 1x"));
    QCOMPARE(fakes::playerCalls().constLast(), QStringLiteral("volume 1"));
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fade->value(), 0);
    QTest::keyClick(f.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(f.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(fade->value(), 3);
    QCOMPARE(volume->position(), lowered);
    QVERIFY(generateArguments().join(QLatin1Char(' ')).contains(QStringLiteral("-fadein 3")));

    // A new file starts a new history.
    f.loadAndWait(file(QStringLiteral("other.mp3"), 20.0));
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fade->value(), 3);
    QCOMPARE(volume->position(), lowered);
}

// Inside a text field Ctrl+Z undoes the typing, not the clip.
void TestClipTruth::undoKeysBelongToATextField()
{
    f.loadAndWait(file(QStringLiteral("text.mp3"), 30.0));
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, 4));
    auto *name = f.child<QLineEdit>("editOutputName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Ring"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name->text(), QStringLiteral("text"));
    QCOMPARE(f.clip().first, 4.0);
}

void TestClipTruth::previewGainIsTheEncodersGain_data()
{
    QTest::addColumn<int>("x");
    QTest::newRow("track start") << 15;
    QTest::newRow("below the middle") << 60;
    QTest::newRow("just above the middle") << 85;
    QTest::newRow("higher") << 90;
    QTest::newRow("higher still") << 100;
    QTest::newRow("track end") << 143;
}

// What the player is told for a slider position is the encoder's -vol N for it, over 256.
void TestClipTruth::previewGainIsTheEncodersGain()
{
    QFETCH(int, x);
    f.loadAndWait(file(QStringLiteral("gain.mp3"), 20.0));
    fakes::playerCalls().clear();
    QTest::mouseClick(f.child<CVolumeSlider>("sliderVolume"), Qt::LeftButton, {}, QPoint(x, 8));
    const QStringList volumes = fakes::playerCalls().filter(QStringLiteral("volume "));
    QCOMPARE(volumes.size(), 1);
    const double gain = volumes.constFirst().mid(7).toDouble();
    const QStringList args = generateArguments();
    const int vol = args.value(args.indexOf(QStringLiteral("-vol")) + 1).toInt();
    QVERIFY2(qAbs(gain - vol / 256.0) < 1e-5, qPrintable(volumes.constFirst()));
    const QString label = f.child<QLabel>("labelVolume")->text();
    const double shown
            = QString(label).remove(QRegularExpression(QStringLiteral("[^0-9.]"))).toDouble();
    QVERIFY2(qAbs(shown - vol / 256.0) <= 0.05 + 1e-9, qPrintable(label));
}

QTEST_MAIN(TestClipTruth)
#include "tst_cliptruth.moc"
