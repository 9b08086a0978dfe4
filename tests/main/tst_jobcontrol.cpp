// The ringtone job while it runs, on the stand-in encoder: its percent in the status line, and
// its stop by Esc or by the Generate button, which leaves nothing in the output folder and
// sends nothing to the phone.
#include "mainfixture.h"

class TestJobControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void runningJobShowsItsPercentAfresh();
    void cancelLeavesNothing_data();
    void cancelLeavesNothing();

private:
    void startHeldJob();
    QStringList outputEntries() const;

    MainFixture f;
    QString outputFolder;
    QString progressPath;
};

void TestJobControl::initTestCase()
{
    MainFixture::isolateSettings();
    QVERIFY(f.dir.isValid());
    progressPath = f.dir.filePath(QStringLiteral("progress.txt"));
    qputenv("STANDIN_OUTPUT", QFile::encodeName(progressPath));
}

void TestJobControl::init()
{
    fakes::reset();
    qunsetenv("STANDIN_HOLD");
    qunsetenv("STANDIN_EXIT");
    outputFolder = f.dir.filePath(QStringLiteral("out"));
    QDir(outputFolder).removeRecursively();
    QDir().mkpath(outputFolder);
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("Song.wav"), 10.0));
    f.child<QLineEdit>("editOutputFolder")->setText(outputFolder);
    // The encoder reports 42.5 % of the clip, then works on until it is stopped.
    const double length = f.clip().second - f.clip().first;
    QFile progress(progressPath);
    QVERIFY(progress.open(QIODevice::WriteOnly));
    progress.write(QStringLiteral("size=1kB time=%1 bitrate=1kbits/s speed=1x\n")
                           .arg(length * 0.425, 0, 'f', 3)
                           .toLatin1());
}

void TestJobControl::cleanup()
{
    f.window.reset();
}

QStringList TestJobControl::outputEntries() const
{
    return QDir(outputFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Generate with a phone attached, on an encoder that has begun its unfinished file.
void TestJobControl::startHeldJob()
{
    fakes::raiseDeviceEvent(0, "connect");
    QTRY_VERIFY(f.child<QCheckBox>("checkExport")->isChecked());
    qputenv("STANDIN_HOLD", "1");
    f.child<QPushButton>("btnGenerate")->click();
    QTRY_COMPARE_WITH_TIMEOUT(f.status(), QStringLiteral("Making the ringtone: 42 %"), 10000);
    QTRY_COMPARE(outputEntries().size(), 1);
}

// An earlier failure does not stand in the status line while the next job runs.
void TestJobControl::runningJobShowsItsPercentAfresh()
{
    qputenv("STANDIN_EXIT", "1");
    f.child<QPushButton>("btnGenerate")->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 10000);
    QCOMPARE(f.status(), QStringLiteral("Conversion failed."));

    auto *generate = f.child<QPushButton>("btnGenerate");
    const QString idleName = generate->accessibleName();
    startHeldJob();
    QVERIFY(generate->isEnabled());
    QCOMPARE(generate->accessibleName(), QStringLiteral("Stop making the ringtone"));
    QCOMPARE(generate->toolTip(), QStringLiteral("Stop making the ringtone (Esc)"));
    QVERIFY(generate->styleSheet().contains(QLatin1String("stop_button.png")));

    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 10000);
    QVERIFY(generate->styleSheet().contains(QLatin1String("generate_button.png")));
    QCOMPARE(generate->accessibleName(), idleName);
    QVERIFY(generate->toolTip().startsWith(QLatin1String("Generate the ringtone")));
}

void TestJobControl::cancelLeavesNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("byButton");

    QTest::newRow("Stop button") << "btnGenerate" << true;
    QTest::newRow("Esc on Generate") << "btnGenerate" << false;
    QTest::newRow("Esc on the clip strip") << "sliderBar" << false;
    QTest::newRow("Esc in the name field") << "editOutputName" << false;
    QTest::newRow("Esc in a time field") << "editStartTime" << false;
    QTest::newRow("Esc in the fade-in field") << "spinFadein" << false;
    QTest::newRow("Esc on the volume") << "sliderVolume" << false;
}

void TestJobControl::cancelLeavesNothing()
{
    QFETCH(QString, focus);
    QFETCH(bool, byButton);
    startHeldJob();
    auto *focused = f.child<QWidget>(focus.toLatin1().constData());
    focused->setFocus();
    QTRY_VERIFY(focused->hasFocus());
    if (byButton)
        QTest::mouseClick(f.child<QPushButton>("btnGenerate"), Qt::LeftButton);
    else
        QTest::keyClick(focused, Qt::Key_Escape);

    QTRY_VERIFY_WITH_TIMEOUT(f.generateIsBack(), 10000);
    QCOMPARE(f.status(), QStringLiteral("Making the ringtone was cancelled; nothing was saved."));
    QCOMPARE(outputEntries(), QStringList());
    for (const QString &call : fakes::deviceCalls())
        QVERIFY2(!call.startsWith(QLatin1String("add_ringtone")), qPrintable(call));
    QVERIFY(f.window->isVisible());
}

QTEST_MAIN(TestJobControl)
#include "tst_jobcontrol.moc"
