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

private:
    void loadClip();
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

QTEST_MAIN(TestShapeControls)
#include "tst_shapecontrols.moc"
