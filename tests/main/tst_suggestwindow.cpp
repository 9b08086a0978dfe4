// Suggest in the window: ready once the song is analysed, the clip set to the best part of its
// own length, the next candidate on each press, one undo step each, and the same stretches as
// `vardel --suggest` prints. The encoder is the program's own.
#include "core/decodefolder.h"
#include "mainfixture.h"
#include "songmaker.h"

#include <QProcess>

class TestSuggestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void readyOnceAnalysed();
    void pressesStepLikeTheCommandLine();
    void lengthFromTheClip_data();
    void lengthFromTheClip();
    void rules_data();
    void rules();

private:
    void load(const QString &name, bool again = false);
    // Presses S and waits for the suggestion it asked for.
    void pressS();
    QPushButton *suggestButton() const { return f.child<QPushButton>("btnSuggest"); }

    MainFixture f;
    songmaker::Song song;
};

void TestSuggestWindow::initTestCase()
{
    QVERIFY(f.dir.isValid());
    MainFixture::isolateSettings();
    fakes::reset();
    // A song none of the analysis's own tests or measurements use.
    song = songmaker::makeSong(777, 44100);
    QVERIFY(songmaker::writeWav(f.dir.filePath(QStringLiteral("song.wav")).toStdString(), song));
    const songmaker::Song noise = songmaker::makeNoise(3, 44100, 90.0, 50.0, 20.0);
    QVERIFY(songmaker::writeWav(f.dir.filePath(QStringLiteral("noise.wav")).toStdString(), noise));
    songmaker::Song shortSong = song;
    shortSong.samples.resize(size_t(8 * song.sampleRate));
    QVERIFY(songmaker::writeWav(f.dir.filePath(QStringLiteral("short.wav")).toStdString(),
                                shortSong));
    f.open();
}

void TestSuggestWindow::cleanupTestCase()
{
    f.window.reset();
}

// A file already loaded stays as it is, unless asked for again.
void TestSuggestWindow::load(const QString &name, bool again)
{
    const QString path = QDir::toNativeSeparators(f.dir.filePath(name));
    if (again || f.child<QLineEdit>("editInputFile")->text() != path)
        f.loadAndWait(path);
    QTRY_VERIFY_WITH_TIMEOUT(suggestButton()->isEnabled(), 60000);
}

void TestSuggestWindow::pressS()
{
    f.window->setStatus("Ready.");
    QTest::keyClick(f.window.get(), Qt::Key_S);
    QTRY_VERIFY_WITH_TIMEOUT(f.status().startsWith(QLatin1String("Suggestion ")), 30000);
}

// Nothing to press before the song is analysed, and a new file waits for its own analysis.
void TestSuggestWindow::readyOnceAnalysed()
{
    QVERIFY(!suggestButton()->isEnabled());
    QCOMPARE(suggestButton()->accessibleName(), QStringLiteral("Suggest"));
    QVERIFY(suggestButton()->toolTip().contains(QLatin1String("open a file")));
    f.window->loadFile(f.dir.filePath(QStringLiteral("song.wav")));
    QVERIFY(!suggestButton()->isEnabled());
    QVERIFY(suggestButton()->toolTip().contains(QLatin1String("analysed")));
    const auto before = f.clip();
    QTest::keyClick(f.window.get(), Qt::Key_S);
    QCOMPARE(f.clip(), before);
    QTRY_VERIFY_WITH_TIMEOUT(suggestButton()->isEnabled(), 60000);
    QVERIFY(suggestButton()->toolTip().contains(QLatin1String("(S)")));
    // The WAV decoded for the waveform stays while its file is loaded and goes with the next.
    const QString wav = QDir(decodeFolder()).filePath(QStringLiteral("song.wav"));
    QVERIFY(QFile::exists(wav));
    f.loadAndWait(f.makeTone(QStringLiteral("next.wav"), 2.0));
    QVERIFY(!QFile::exists(wav));
}

// The opening ten seconds become thirty on the chorus; each press shows the command line's
// next line, then the first again; each press is one step of undo.
void TestSuggestWindow::pressesStepLikeTheCommandLine()
{
    load(QStringLiteral("song.wav"));
    QProcess program;
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"),
                  {"--suggest", f.dir.filePath(QStringLiteral("song.wav")), "--count", "5"});
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.exitCode(), 0);
    const QStringList lines
            = QString::fromLatin1(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 2);

    const auto opening = f.clip();
    QCOMPARE(opening, qMakePair(0.0, 10.0));
    QList<QPair<double, double>> shown;
    for (int press = 0; press <= lines.size(); ++press) {
        pressS();
        shown << f.clip();
        const QStringList expected = lines[press % lines.size()].split(' ');
        QVERIFY2(qAbs(shown.last().first - expected[0].toDouble()) < 0.0015,
                 qPrintable(f.status()));
        QVERIFY2(qAbs(shown.last().second - expected[1].toDouble()) < 0.0015,
                 qPrintable(f.status()));
        QCOMPARE(
                f.status().left(14),
                QStringLiteral("Suggestion %1/%2").arg(press % lines.size() + 1).arg(lines.size()));
    }
    const auto first = shown.first();
    QCOMPARE(first.second - first.first, 30.0);
    QVERIFY2(song.insideChorus(first.first, first.second) >= 15.0, song.description.c_str());

    for (int step = int(shown.size()) - 2; step >= 0; --step) {
        QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.clip(), shown[step]);
    }
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.clip(), opening);
}

void TestSuggestWindow::lengthFromTheClip_data()
{
    QTest::addColumn<double>("begin");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("length");

    QTest::newRow("twelve seconds stay twelve") << 40.0 << 52.0 << 12.0;
    QTest::newRow("ten seconds chosen stay ten") << 30.0 << 40.0 << 10.0;
    QTest::newRow("two seconds become five") << 60.0 << 62.0 << 5.0;
    QTest::newRow("25.5 seconds") << 1.0 << 26.5 << 25.5;
}

void TestSuggestWindow::lengthFromTheClip()
{
    QFETCH(double, begin);
    QFETCH(double, end);
    QFETCH(double, length);
    load(QStringLiteral("song.wav"));
    emit f.slider()->clipChanged(begin, end);
    emit f.slider()->clipEditFinished();
    pressS();
    const auto clip = f.clip();
    QCOMPARE(clip.second - clip.first, length);
    QVERIFY(clip != qMakePair(begin, end));
}

void TestSuggestWindow::rules_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("says");
    QTest::addColumn<double>("length");

    QTest::newRow("song: what repeats") << "song.wav"
                                        << "repeats" << 30.0;
    QTest::newRow("noise: the loudest") << "noise.wav"
                                        << "loudest" << 30.0;
    QTest::newRow("short file: all of it") << "short.wav"
                                           << "whole song" << 8.0;
}

// The status line says which rule chose the clip.
void TestSuggestWindow::rules()
{
    QFETCH(QString, file);
    load(file, true);
    pressS();
    QFETCH(QString, says);
    QVERIFY2(f.status().contains(says), qPrintable(f.status()));
    const auto clip = f.clip();
    QTEST(qRound((clip.second - clip.first) * 1000) / 1000.0, "length");
}

QTEST_MAIN(TestSuggestWindow)
#include "tst_suggestwindow.moc"
