#include "songmaker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// `vardel --suggest` run as a user runs it, with the program's own encoder beside it and no
// display at all.
class TestSuggestCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void suggest_data();
    void suggest();
    void unreadable_data();
    void unreadable();
    void nothingWrittenToDisk();

private:
    struct Result
    {
        int exitCode = -1;
        QStringList lines; // standard output
        QStringList errors; // standard error
    };
    Result run(const QStringList &arguments, const QStringList &setting = {});

    QTemporaryDir dir;
    QString songPath;
    songmaker::Song song;
};

// A song none of the analysis's own tests or measurements use, written as a WAV, and a short
// clip of it as a second file.
void TestSuggestCommand::initTestCase()
{
    QVERIFY(dir.isValid());
    song = songmaker::makeSong(777, 44100);
    songPath = dir.filePath(QStringLiteral("song.wav"));
    QVERIFY(songmaker::writeWav(songPath.toStdString(), song));
    songmaker::Song shortSong = song;
    shortSong.samples.resize(size_t(12 * song.sampleRate));
    QVERIFY(songmaker::writeWav(dir.filePath(QStringLiteral("short.wav")).toStdString(),
                                shortSong));
}

TestSuggestCommand::Result TestSuggestCommand::run(const QStringList &arguments,
                                                   const QStringList &setting)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    for (const QString &pair : setting)
        environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"), arguments);
    Result result;
    if (!program.waitForFinished(120000))
        return result;
    result.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
    result.lines = QString::fromLocal8Bit(program.readAllStandardOutput())
                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    result.errors = QString::fromLocal8Bit(program.readAllStandardError())
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return result;
}

void TestSuggestCommand::suggest_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("length");
    QTest::addColumn<bool>("firstInChorus");

    // The song lasts 103 s: two stretches of 30 s fit without overlapping.
    QTest::newRow("three asked, two fit") << "song.wav" << QStringList() << 2 << 30.0 << true;
    QTest::newRow("one of 20 s") << "song.wav" << QStringList {"--length", "20", "--count", "1"}
                                 << 1 << 20.0 << true;
    QTest::newRow("five of 7.5 s")
            << "song.wav" << QStringList {"--length=7.5", "--count=5"} << 5 << 7.5 << false;
    QTest::newRow("file shorter than asked")
            << "short.wav" << QStringList {"--count", "4"} << 1 << 12.0 << false;
}

// Lines of "START END SCORE" with three decimals, the stretches as long as asked (or the whole
// of a shorter file), none overlapping another, best first.
void TestSuggestCommand::suggest()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QFETCH(double, length);

    const Result result = run(QStringList {"--suggest", dir.filePath(file)} + options);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.errors, QStringList());
    QTEST(int(result.lines.size()), "lines");
    static const QRegularExpression line(QStringLiteral("^(\\d+\\.\\d{3}) (\\d+\\.\\d{3}) "
                                                        "(\\d+\\.\\d{3})$"));
    QList<QPair<double, double>> stretches;
    double lastScore = 2.0;
    for (const QString &text : result.lines) {
        const QRegularExpressionMatch match = line.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const double start = match.captured(1).toDouble();
        const double end = match.captured(2).toDouble();
        const double score = match.captured(3).toDouble();
        QVERIFY2(qAbs(end - start - length) < 0.002, qPrintable(text));
        QVERIFY(score <= lastScore && score <= 1.0);
        lastScore = score;
        for (const auto &other : stretches)
            QVERIFY2(end <= other.first + 0.001 || start >= other.second - 0.001, qPrintable(text));
        stretches << qMakePair(start, end);
    }
    QFETCH(bool, firstInChorus);
    if (firstInChorus) {
        const auto [start, end] = stretches.first();
        QVERIFY2(song.insideChorus(start, end) >= 0.5 * (end - start), qPrintable(result.lines[0]));
    }
}

void TestSuggestCommand::unreadable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");

    QTest::newRow("missing") << "gone.mp3" << QByteArray() << "cannot be read";
    QTest::newRow("a folder") << "folder.mp3" << QByteArray() << "not a file";
    QTest::newRow("text") << "notes.mp3" << QByteArray("not a song, just a few words\n")
                          << "not an audio or video file";
    QTest::newRow("half a second") << "blip.wav" << QByteArray() << "half a second";
}

// Exit 1, nothing on standard output, and one line naming the file and why.
void TestSuggestCommand::unreadable()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString path = dir.filePath(name);
    if (name.startsWith(QLatin1String("folder")))
        QVERIFY(QDir(dir.path()).mkdir(name));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    if (name.startsWith(QLatin1String("blip"))) {
        songmaker::Song blip = song;
        blip.samples.resize(size_t(song.sampleRate / 4));
        QVERIFY(songmaker::writeWav(path.toStdString(), blip));
    }

    const Result result = run({"--suggest", path});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.lines, QStringList());
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors[0].startsWith(QStringLiteral("vardel: %1: ").arg(name)),
             qPrintable(result.errors[0]));
    QFETCH(QString, says);
    QVERIFY2(result.errors[0].contains(says), qPrintable(result.errors[0]));
}

// The song goes from the encoder to the analysis through a pipe: with no folder anywhere to
// write a file into, the suggestion is the same.
void TestSuggestCommand::nothingWrittenToDisk()
{
    const QStringList arguments = {QStringLiteral("--suggest"), songPath};
    const Result usual = run(arguments);
    QCOMPARE(usual.exitCode, 0);
    const QString notAFolder = dir.filePath(QStringLiteral("short.wav"));
    const Result nowhere = run(arguments,
                               {QStringLiteral("TMPDIR=") + notAFolder,
                                QStringLiteral("XDG_CACHE_HOME=") + notAFolder,
                                QStringLiteral("HOME=") + notAFolder});
    QCOMPARE(nowhere.errors, QStringList());
    QCOMPARE(nowhere.exitCode, 0);
    QCOMPARE(nowhere.lines, usual.lines);
}

QTEST_GUILESS_MAIN(TestSuggestCommand)
#include "tst_suggestcommand.moc"
