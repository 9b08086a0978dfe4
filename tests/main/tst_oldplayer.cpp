// A player library older than the program, without the fade-out and loop calls: their controls
// are disabled, and what a newer library left in the settings reaches neither the preview nor
// the ringtone, so that the two still match. The encoder is the stand-in that writes its
// arguments down.
#include "mainfixture.h"

class TestOldPlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shapingControlsDisabled();
    void previewAndRingtoneWithoutThem();

private:
    MainFixture f;
    QString argsPath;
};

void TestOldPlayer::initTestCase()
{
    QVERIFY(f.dir.isValid());
    argsPath = f.standinArgumentsAndTone();
}

// As a newer player library left them: a fade-out and the loop on.
void TestOldPlayer::init()
{
    MainFixture::isolateSettings();
    QSettings settings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    settings.setValue(QStringLiteral("Setting/FadeOut"), QStringLiteral("3"));
    settings.setValue(QStringLiteral("Setting/Loop"), QStringLiteral("true"));
    settings.sync();
    fakes::reset();
    f.open();
}

void TestOldPlayer::cleanup()
{
    f.window.reset();
}

void TestOldPlayer::shapingControlsDisabled()
{
    QVERIFY(!f.child<QLabel>("labelFadeout")->isEnabled());
    QVERIFY(!f.child<QSpinBox>("spinFadeout")->isEnabled());
    auto *loop = f.child<QCheckBox>("checkLoop");
    QVERIFY(!loop->isEnabled());
    f.window->setFocus();
    QTest::keyClick(f.window.get(), Qt::Key_L);
    QVERIFY(loop->isChecked());
    QSettings settings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    QCOMPARE(settings.value(QStringLiteral("Setting/Loop")).toString(), QStringLiteral("true"));
    // The controls that every player library serves stay usable.
    QVERIFY(f.child<QSpinBox>("spinFadein")->isEnabled());
    QVERIFY(f.child<QCheckBox>("checkEvenLoudness")->isEnabled());
}

// Play Clip stops at the clip's end instead of going round, and Generate asks for no fade-out.
void TestOldPlayer::previewAndRingtoneWithoutThem()
{
    f.loadAndWait(f.dir.filePath(QStringLiteral("tone.wav")));
    emit f.slider()->clipChanged(5.0, 8.0);
    emit f.slider()->clipEditFinished();
    fakes::playerCalls().clear();

    f.child<QPushButton>("btnPlayClip")->click();
    QCOMPARE(fakes::playerCalls(), QStringList({"fadein 0", "seek 5", "play"}));
    fakes::raisePlayState(1);
    fakes::setPlayerPosition(8.4);
    QTRY_VERIFY(fakes::playerCalls().contains(QStringLiteral("stop")));
    fakes::raisePlayState(0);

    const QString line = f.generateArguments(argsPath).join(QLatin1Char(' '));
    QVERIFY2(line.contains(QStringLiteral("-vol 256 -fadein 0 -vn")), qPrintable(line));
}

QTEST_MAIN(TestOldPlayer)
#include "tst_oldplayer.moc"
