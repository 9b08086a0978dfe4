#include "mainfixture.h"

#include "editor/volumelevels.h"

#include <QProcess>
#include <QRegularExpression>
#include <sonvix.h>

#include <cmath>

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void playClipFadesSeeksPlaysAndStopsPastEnd();
    void zoomedViewFollowsThePlayLine();
    void resumeAfterPause_data();
    void resumeAfterPause();
    void statesDriveButtons();
    void missingOutputIsTold_data();
    void missingOutputIsTold();
    void volumeReachesPlayerAndLabel_data();
    void volumeReachesPlayerAndLabel();
    void evenLoudnessSetsTheVolume();

private:
    void loadClip(double begin, double end);
    MainFixture f;
};

void TestPreview::initTestCase()
{
    MainFixture::isolateSettings();
    MainFixture::shortenPositionChecks();
    QVERIFY(f.dir.isValid());
}

// Each case starts from the form's values: a fade-in set by one would be kept for the next.
void TestPreview::init()
{
    MainFixture::isolateSettings();
    fakes::reset();
    f.open();
}

void TestPreview::cleanup()
{
    f.window.reset();
}

void TestPreview::loadClip(double begin, double end)
{
    f.loadAndWait(f.makeTone(QStringLiteral("preview.wav"), 20.0));
    emit f.slider()->clipChanged(begin, end);
    emit f.slider()->clipEditFinished();
    fakes::playerCalls().clear();
}

void TestPreview::playClipFadesSeeksPlaysAndStopsPastEnd()
{
    loadClip(5.0, 8.0);
    f.child<QSpinBox>("spinFadein")->setValue(2);
    auto *playClip = f.child<QPushButton>("btnPlayClip");
    playClip->click();
    QCOMPARE(fakes::playerCalls(), QStringList({"fadein 2", "seek 5", "play"}));
    QVERIFY(!playClip->isEnabled());

    fakes::raisePlayState(1);
    QVERIFY(f.child<QPushButton>("btnPause")->isEnabled());
    fakes::setPlayerPosition(8.0);
    // The label shows that a position check ran, and a check that stops does so at once.
    QTRY_COMPARE(f.child<QLabel>("labelPlayTime")->text(), QStringLiteral("00:00:08 / 00:00:20"));
    QVERIFY2(!fakes::playerCalls().contains(QStringLiteral("stop")), "the clip end itself plays");

    fakes::setPlayerPosition(8.4);
    QTRY_VERIFY(fakes::playerCalls().contains(QStringLiteral("stop")));
    fakes::raisePlayState(0);
    double position = -1;
    f.slider()->getPos(position);
    QCOMPARE(position, 0.0);
    QCOMPARE(f.child<QLabel>("labelPlayTime")->text(), QStringLiteral("00:00:00 / 00:00:20"));
    QVERIFY(playClip->isEnabled());
}

// Zoomed in, the strip turns to the next page when the play line runs out of it, and leaves a
// view the user moved elsewhere alone.
void TestPreview::zoomedViewFollowsThePlayLine()
{
    loadClip(0.0, 20.0);
    auto *strip = f.slider();
    strip->setView(2.0, 4.0);
    f.child<QPushButton>("btnPlay")->click();
    fakes::raisePlayState(1);
    fakes::setPlayerPosition(3.5);
    QTRY_VERIFY(strip->positionPixel() > strip->width() / 2);
    QCOMPARE(strip->viewStart(), 2.0);

    fakes::setPlayerPosition(4.25);
    QTRY_COMPARE(strip->viewStart(), 4.25);
    QCOMPARE(strip->viewEnd(), 6.25);
    QCOMPARE(strip->positionPixel(), 0);

    strip->setView(10.0, 12.0);
    fakes::setPlayerPosition(7.0);
    QTRY_VERIFY(f.child<QLabel>("labelPlayTime")->text().startsWith("00:00:07 "));
    QCOMPARE(strip->viewStart(), 10.0);
}

void TestPreview::resumeAfterPause_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("stopsAtClipEnd");

    QTest::newRow("Play resumes and runs on") << "btnPlay" << QStringList {"pause"} << false;
    // The paused playback's shaping is replaced by what is set now: here, none.
    QTest::newRow("Play Clip restarts the clip")
            << "btnPlayClip"
            << QStringList {"fadein 1", "fadeout 0 8", "loop 5 5", "seek 5", "pause"} << true;
}

void TestPreview::resumeAfterPause()
{
    QFETCH(QString, button);
    QFETCH(QStringList, calls);
    QFETCH(bool, stopsAtClipEnd);

    loadClip(5.0, 8.0);
    f.child<QSpinBox>("spinFadein")->setValue(1);
    f.child<QPushButton>("btnPlayClip")->click();
    fakes::raisePlayState(1);
    f.child<QPushButton>("btnPause")->click();
    fakes::raisePlayState(2);
    fakes::playerCalls().clear();

    f.child<QPushButton>(button.toLatin1().constData())->click();
    QCOMPARE(fakes::playerCalls(), calls);
    fakes::raisePlayState(1);
    fakes::setPlayerPosition(9.0);
    // A stop is waited for; its absence shows once a position check has put the label at 9 s.
    if (stopsAtClipEnd)
        QTRY_VERIFY(fakes::playerCalls().contains(QStringLiteral("stop")));
    else
        QTRY_VERIFY(f.child<QLabel>("labelPlayTime")->text().startsWith("00:00:09 "));
    QCOMPARE(fakes::playerCalls().contains(QStringLiteral("stop")), stopsAtClipEnd);
}

void TestPreview::statesDriveButtons()
{
    loadClip(0.0, 10.0);
    auto *play = f.child<QPushButton>("btnPlay");
    auto *pause = f.child<QPushButton>("btnPause");
    auto *clip = f.child<QPushButton>("btnPlayClip");
    play->click();
    QCOMPARE(fakes::playerCalls(), QStringList {"play"});
    QVERIFY(!play->isEnabled());

    const QList<std::tuple<int, bool, bool, bool>> table = {{1, false, true, false},
                                                            {2, true, false, true},
                                                            {1, false, true, false},
                                                            {0, true, false, true},
                                                            {7, true, false, true}};
    for (const auto &[state, playOn, pauseOn, clipOn] : table) {
        fakes::raisePlayState(state);
        QCOMPARE(play->isEnabled(), playOn);
        QCOMPARE(pause->isEnabled(), pauseOn);
        QCOMPARE(clip->isEnabled(), clipOn);
    }
    // Play while playing sends nothing.
    fakes::raisePlayState(1);
    fakes::playerCalls().clear();
    QMetaObject::invokeMethod(f.window.get(), "onBtnPlay");
    QVERIFY(fakes::playerCalls().isEmpty());
}

void TestPreview::missingOutputIsTold_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("status");

    const QString missing = QStringLiteral(
            "No audio output is available for the preview. Check the sound settings.");
    const QString loaded = QStringLiteral("File loaded.");
    QTest::newRow("play, no device") << "btnPlay" << SONVIX_E_NO_DEVICE << true << missing;
    QTest::newRow("clip, no device") << "btnPlayClip" << SONVIX_E_NO_DEVICE << true << missing;
    // A file the player cannot play waits for a state, as before.
    QTest::newRow("play, no file") << "btnPlay" << SONVIX_E_NO_FILE << false << loaded;
    QTest::newRow("clip, cannot open") << "btnPlayClip" << SONVIX_E_CANNOT_OPEN << false << loaded;
}

void TestPreview::missingOutputIsTold()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(bool, usable);
    loadClip(0.0, 10.0);
    fakes::setPlayResult(result);
    auto *pressed = f.window->findChild<QPushButton *>(button);
    pressed->click();
    QCOMPARE(pressed->isEnabled(), usable);
    QCOMPARE(f.child<QPushButton>("btnPause")->isEnabled(), false);
    QTEST(f.status(), "status");
    if (usable) {
        pressed->click();
        QCOMPARE(fakes::playerCalls().count(QStringLiteral("play")), 2);
    }
}

void TestPreview::volumeReachesPlayerAndLabel_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("label");

    // The player gets the gain N / 256 of the encoder's -vol N for the same position.
    QTest::newRow("unchanged") << 100 << "volume 1"
                               << "Volume: 1x";
    QTest::newRow("51: -vol 130") << 51 << "volume 0.507813"
                                  << "Volume: 0.5x";
    QTest::newRow("102: -vol 276") << 102 << "volume 1.07813"
                                   << "Volume: 1.1x";
    QTest::newRow("124: -vol 501") << 124 << "volume 1.95703"
                                   << "Volume: 2x";
    QTest::newRow("198: -vol 1259") << 198 << "volume 4.91797"
                                    << "Volume: 4.9x";
    QTest::newRow("0: -vol 0") << 0 << "volume 0"
                               << "Volume: 0x";
}

void TestPreview::volumeReachesPlayerAndLabel()
{
    QFETCH(int, position);
    fakes::playerCalls().clear();
    emit f.child<CVolumeSlider>("sliderVolume")->sliderMoved(position);
    QCOMPARE(fakes::playerCalls().size(), 1);
    QTEST(fakes::playerCalls().constFirst(), "call");
    QTEST(f.child<QLabel>("labelVolume")->text(), "label");
}

// The loudness a meter gives for the clip, to a tenth.
static double meteredLoudness(const QString &path, double begin, double length)
{
    QProcess meter;
    meter.start(QStringLiteral("/usr/bin/ffmpeg"),
                {"-nostats",
                 "-ss",
                 QString::number(begin),
                 "-t",
                 QString::number(length),
                 "-i",
                 path,
                 "-af",
                 "ebur128",
                 "-f",
                 "null",
                 "-"});
    meter.waitForFinished(60000);
    const QString text = QString::fromUtf8(meter.readAllStandardError());
    // The summary after the running values.
    const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral(R"(Integrated loudness:\s+I:\s+(-?[\d.]+) LUFS)"))
                      .match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 1000.0;
}

// The clip's loudness is shown beside the volume as a meter measures it; Even loudness sets the
// volume so that the ringtone reaches -14 LUFS from below, one undoable step.
void TestPreview::evenLoudnessSetsTheVolume()
{
    loadClip(5.0, 8.0);
    auto *label = f.child<QLabel>("labelLoudness");
    QTRY_VERIFY_WITH_TIMEOUT(!label->text().isEmpty(), 30000);
    const double shown = label->text().section(QLatin1Char(' '), 0, 0).toDouble();
    const double metered = meteredLoudness(f.dir.filePath(QStringLiteral("preview.wav")), 5.0, 3.0);
    QVERIFY2(std::abs(shown - metered) <= 0.15,
             qPrintable(QStringLiteral("%1 vs %2").arg(shown).arg(metered)));

    auto *volume = f.child<CVolumeSlider>("sliderVolume");
    QCOMPARE(volume->position(), 100);
    f.child<QCheckBox>("checkEvenLoudness")->setChecked(true);
    QVERIFY(volume->position() > 100);
    const double even = label->text().section(QLatin1Char(' '), 0, 0).toDouble();
    QVERIFY2(even <= -14.0 && even > -14.6, qPrintable(label->text()));
    QCOMPARE(fakes::playerCalls().constLast(),
             QStringLiteral("volume %1").arg(volumeGain(volume->position())));

    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(volume->position(), 100);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
