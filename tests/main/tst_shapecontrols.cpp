// The fade-out and the loop preview: what Play Clip asks of the player and Generate of the
// encoder, only when they are set; kept in the settings and, for the fade-out, in undo. The
// encoder here is the stand-in that writes its arguments down.
#include "mainfixture.h"

class TestShapeControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reachPlayerAndEncoder_data();
    void reachPlayerAndEncoder();
    void keptInSettingsAndUndo();
    void fadeInIsKept();
    void keptShapingIsToldOnce_data();
    void keptShapingIsToldOnce();
    void pausedPreviewTakesWhatIsSet_data();
    void pausedPreviewTakesWhatIsSet();
    void stopEndsALoopingPreview_data();
    void stopEndsALoopingPreview();

private:
    void loadClip();
    void playClipAndPause();
    QStringList generateArguments();

    MainFixture f;
    QString argsPath;
};

void TestShapeControls::initTestCase()
{
    QVERIFY(f.dir.isValid());
    argsPath = f.standinArgumentsAndTone();
    MainFixture::shortenPositionChecks();
}

void TestShapeControls::init()
{
    MainFixture::isolateSettings();
    fakes::reset();
    f.open();
}

void TestShapeControls::cleanup()
{
    f.window.reset();
}

void TestShapeControls::loadClip()
{
    f.loadAndWait(f.dir.filePath(QStringLiteral("tone.wav")));
    emit f.slider()->clipChanged(5.0, 8.0);
    emit f.slider()->clipEditFinished();
    fakes::playerCalls().clear();
}

QStringList TestShapeControls::generateArguments()
{
    return f.generateArguments(argsPath);
}

void TestShapeControls::reachPlayerAndEncoder_data()
{
    QTest::addColumn<int>("fadeOut");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("options"); // after the volume

    QTest::newRow("defaults: the calls and command line as ever")
            << 0 << false << QStringList {"fadein 0", "seek 5", "play"} << "-fadein 0 -vn";
    QTest::newRow("fade-out") << 3 << false
                              << QStringList {"fadein 0", "fadeout 3 8", "seek 5", "play"}
                              << "-fadein 0 -fadeout 3 -vn";
    QTest::newRow("loop") << 0 << true << QStringList {"fadein 0", "loop 5 8", "seek 5", "play"}
                          << "-fadein 0 -vn";
    QTest::newRow("both") << 10 << true
                          << QStringList {"fadein 0", "fadeout 10 8", "loop 5 8", "seek 5", "play"}
                          << "-fadein 0 -fadeout 10 -vn";
}

// A looped preview is not stopped at the clip's end: the player goes round until Pause or a
// stop.
void TestShapeControls::reachPlayerAndEncoder()
{
    QFETCH(int, fadeOut);
    QFETCH(bool, loop);
    QFETCH(QStringList, calls);
    QFETCH(QString, options);

    loadClip();
    auto *spin = f.child<QSpinBox>("spinFadeout");
    auto *check = f.child<QCheckBox>("checkLoop");
    QVERIFY(spin->isEnabled() && check->isEnabled());
    spin->setValue(fadeOut);
    check->setChecked(loop);
    f.child<QPushButton>("btnPlayClip")->click();
    QCOMPARE(fakes::playerCalls(), calls);

    fakes::raisePlayState(1);
    fakes::setPlayerPosition(8.4);
    // The label shows that a position check ran, and a check that stops does so at once.
    QTRY_VERIFY(f.child<QLabel>("labelPlayTime")->text().startsWith("00:00:08 "));
    QCOMPARE(fakes::playerCalls().contains(QStringLiteral("stop")), !loop);
    fakes::raisePlayState(0);

    const QString line = generateArguments().join(QLatin1Char(' '));
    QVERIFY2(line.contains(QStringLiteral("-vol 256 ") + options), qPrintable(line));
}

void TestShapeControls::keptInSettingsAndUndo()
{
    loadClip();
    auto *spin = f.child<QSpinBox>("spinFadeout");
    spin->setValue(4);
    emit spin->editingFinished();
    f.window->setFocus();
    QTest::keyClick(f.window.get(), Qt::Key_L);
    QVERIFY(f.child<QCheckBox>("checkLoop")->isChecked());
    QVERIFY(!f.child<QCheckBox>("checkEvenLoudness")->isChecked());
    f.child<QCheckBox>("checkEvenLoudness")->setChecked(true);

    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(spin->value(), 0);
    QTest::keyClick(f.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(spin->value(), 4);

    f.window.reset();
    f.open();
    QCOMPARE(f.child<QSpinBox>("spinFadeout")->value(), 4);
    QVERIFY(f.child<QCheckBox>("checkLoop")->isChecked());
    QVERIFY(f.child<QCheckBox>("checkEvenLoudness")->isChecked());
    QSettings settings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    QCOMPARE(settings.value(QStringLiteral("Setting/FadeOut")).toString(), QStringLiteral("4"));
    QCOMPARE(settings.value(QStringLiteral("Setting/Loop")).toString(), QStringLiteral("true"));
    QCOMPARE(settings.value(QStringLiteral("Setting/EvenLoudness")).toString(),
             QStringLiteral("true"));
}

void TestShapeControls::playClipAndPause()
{
    f.child<QPushButton>("btnPlayClip")->click();
    fakes::raisePlayState(1);
    f.child<QPushButton>("btnPause")->click();
    fakes::raisePlayState(2);
    fakes::playerCalls().clear();
}

void TestShapeControls::pausedPreviewTakesWhatIsSet_data()
{
    QTest::addColumn<int>("fadeOutBefore");
    QTest::addColumn<bool>("loopBefore");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("a later end")
            << 0 << false << "end 9"
            << QStringList {"fadein 0", "fadeout 0 9", "loop 5 5", "seek 5", "pause"};
    QTest::newRow("a fade-out set")
            << 0 << false << "fadeout 3"
            << QStringList {"fadein 0", "fadeout 3 8", "loop 5 5", "seek 5", "pause"};
    QTest::newRow("Loop ticked")
            << 0 << false << "loop"
            << QStringList {"fadein 0", "fadeout 0 8", "loop 5 8", "seek 5", "pause"};
    QTest::newRow("Loop and fade-out cleared")
            << 2 << true << "loop fadeout 0"
            << QStringList {"fadein 0", "fadeout 0 8", "loop 5 5", "seek 5", "pause"};
    QTest::newRow("a fade-in and a later start")
            << 0 << false << "fadein 2 begin 6"
            << QStringList {"fadein 2", "fadeout 0 8", "loop 6 6", "seek 6", "pause"};
}

// Play Clip, Pause, a change, Play Clip: the preview resumes from the clip's start with what
// is set now, and what is no longer set is cleared; a loop is not stopped at the clip's end.
void TestShapeControls::pausedPreviewTakesWhatIsSet()
{
    QFETCH(int, fadeOutBefore);
    QFETCH(bool, loopBefore);
    QFETCH(QString, change);
    QFETCH(QStringList, calls);

    loadClip();
    auto *spin = f.child<QSpinBox>("spinFadeout");
    auto *check = f.child<QCheckBox>("checkLoop");
    spin->setValue(fadeOutBefore);
    check->setChecked(loopBefore);
    playClipAndPause();

    const QStringList words = change.split(QLatin1Char(' '));
    for (int i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word == QLatin1String("loop"))
            check->toggle();
        else if (word == QLatin1String("fadeout"))
            spin->setValue(words[++i].toInt());
        else if (word == QLatin1String("fadein"))
            f.child<QSpinBox>("spinFadein")->setValue(words[++i].toInt());
        else if (word == QLatin1String("end"))
            emit f.slider()->clipChanged(f.clip().first, words[++i].toDouble());
        else if (word == QLatin1String("begin"))
            emit f.slider()->clipChanged(words[++i].toDouble(), f.clip().second);
    }
    f.child<QPushButton>("btnPlayClip")->click();
    QCOMPARE(fakes::playerCalls(), calls);

    fakes::raisePlayState(1);
    const double end = f.clip().second;
    fakes::setPlayerPosition(end + 0.4);
    QTRY_VERIFY(f.child<QLabel>("labelPlayTime")
                        ->text()
                        .startsWith(QStringLiteral("00:00:0%1 ").arg(int(end + 0.4))));
    QCOMPARE(fakes::playerCalls().contains(QStringLiteral("stop")), !check->isChecked());
    fakes::raisePlayState(0);
}

void TestShapeControls::stopEndsALoopingPreview_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<bool>("paused");
    QTest::newRow("Stop while looping") << false << false;
    QTest::newRow("Esc while looping") << true << false;
    QTest::newRow("Esc while paused") << true << true;
}

// A loop goes round until stopped: Stop and Esc end it, and the next Play Clip starts afresh.
void TestShapeControls::stopEndsALoopingPreview()
{
    QFETCH(bool, byKey);
    QFETCH(bool, paused);

    loadClip();
    f.child<QCheckBox>("checkLoop")->setChecked(true);
    auto *stop = f.child<QPushButton>("btnStop");
    QVERIFY(!stop->isEnabled());
    f.child<QPushButton>("btnPlayClip")->click();
    fakes::raisePlayState(1);
    QTRY_VERIFY(stop->isEnabled());
    if (paused) {
        f.child<QPushButton>("btnPause")->click();
        fakes::raisePlayState(2);
    }
    fakes::playerCalls().clear();
    if (byKey) {
        f.window->setFocus();
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
    } else {
        stop->click();
    }
    QCOMPARE(fakes::playerCalls(), QStringList {"stop"});
    QVERIFY(f.window->isVisible());
    fakes::raisePlayState(0);
    QTRY_VERIFY(!stop->isEnabled());

    fakes::playerCalls().clear();
    f.child<QPushButton>("btnPlayClip")->click();
    QCOMPARE(fakes::playerCalls(), (QStringList {"fadein 0", "loop 5 8", "seek 5", "play"}));
    fakes::raisePlayState(1);
    fakes::raisePlayState(0);
}

void TestShapeControls::fadeInIsKept()
{
    loadClip();
    f.child<QSpinBox>("spinFadein")->setValue(3);
    f.window.reset();
    f.open();
    QCOMPARE(f.child<QSpinBox>("spinFadein")->value(), 3);
    QSettings settings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    QCOMPARE(settings.value(QStringLiteral("Setting/FadeIn")).toString(), QStringLiteral("3"));
    loadClip();
    f.child<QPushButton>("btnPlayClip")->click();
    QCOMPARE(fakes::playerCalls().constFirst(), QStringLiteral("fadein 3"));
    fakes::raisePlayState(0);
}

void TestShapeControls::keptShapingIsToldOnce_data()
{
    QTest::addColumn<QStringList>("kept"); // key=value in [Setting]
    QTest::addColumn<QString>("told");

    QTest::newRow("nothing kept") << QStringList() << "File loaded.";
    QTest::newRow("fade-out and loop") << QStringList {"FadeOut=2", "Loop=true"}
                                       << "File loaded. Fade-out 2 s, Loop on, from last time";
    QTest::newRow("everything") << QStringList {"FadeIn=1",
                                                "FadeOut=4",
                                                "Loop=true",
                                                "EvenLoudness=true"}
                                << "File loaded. Fade-in 1 s, Fade-out 4 s, Loop on, Even "
                                   "loudness on, from last time";
    QTest::newRow("kept at the form's values")
            << QStringList {"FadeIn=0", "Loop=false"} << "File loaded.";
}

// A fade or a loop from yesterday applies to today's song: the first file loaded says so.
void TestShapeControls::keptShapingIsToldOnce()
{
    QFETCH(QStringList, kept);
    QFETCH(QString, told);

    f.window.reset();
    {
        QSettings settings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
        for (const QString &pair : kept)
            settings.setValue(QStringLiteral("Setting/") + pair.section(QLatin1Char('='), 0, 0),
                              pair.section(QLatin1Char('='), 1));
    }
    f.open();
    const QString tone = f.dir.filePath(QStringLiteral("tone.wav"));
    f.loadAndWait(tone);
    QCOMPARE(f.wholeStatus(), told);
    f.loadAndWait(tone);
    QCOMPARE(f.wholeStatus(), QStringLiteral("File loaded."));
}

QTEST_MAIN(TestShapeControls)
#include "tst_shapecontrols.moc"
