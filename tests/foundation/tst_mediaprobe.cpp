#include "media/mediaprobe.h"
#include "mediatool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>

class TestMediaProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void durations_data();
    void durations();
    void failureKeepsZero_data();
    void failureKeepsZero();
    void failureKeepsPreviousDuration();

private:
    QString makeMedia(const QString &fileName, const QStringList &arguments);
    QTemporaryDir dir;
};

void TestMediaProbe::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(QFile::exists(QStringLiteral("/usr/bin/ffmpeg")), "the ffmpeg tool makes fixtures");
}

// Fixtures come from the distribution's ffmpeg tool, not from the program's own encoder.
QString TestMediaProbe::makeMedia(const QString &fileName, const QStringList &arguments)
{
    const QString path = dir.filePath(fileName);
    MediaTool::make(arguments + QStringList {path});
    return path;
}

void TestMediaProbe::durations_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("duration");

    const QStringList tone {"-f", "lavfi", "-i", "sine=frequency=440:duration=0.4", "-ar", "44100"};
    QTest::newRow("0.4 s wav") << "short.wav" << tone << 0.4;
    QTest::newRow("non-ASCII name") << QString::fromUtf8("Klingelton für dich.wav") << tone << 0.4;
    QTest::newRow("2 s mp3") << "two.mp3"
                             << QStringList {"-f", "lavfi", "-i", "sine=duration=2", "-ar", "44100"}
                             << 2.0;
}

void TestMediaProbe::durations()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, arguments);
    QFETCH(double, duration);

    const QString path = makeMedia(fileName, arguments);
    CMediaProbe probe;
    QCOMPARE(probe.probe(QDir::toNativeSeparators(path).toUtf8().constData()), 0);
    QVERIFY2(qAbs(probe.duration() - duration) < 0.06,
             qPrintable(QString::number(probe.duration())));
}

void TestMediaProbe::failureKeepsZero_data()
{
    QTest::addColumn<QString>("path");

    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(text);
    if (file.open(QIODevice::WriteOnly))
        file.write("These are words, not sound.\n");
    QTest::newRow("text file") << text;
    QTest::newRow("missing file") << dir.filePath(QStringLiteral("missing.mp3"));
}

void TestMediaProbe::failureKeepsZero()
{
    QFETCH(QString, path);
    CMediaProbe probe;
    QVERIFY(probe.probe(path.toUtf8().constData()) < 0);
    QCOMPARE(probe.duration(), 0.0);
}

void TestMediaProbe::failureKeepsPreviousDuration()
{
    // A stream whose container does not know its length reports the library's no-value
    // marker, which the window then rejects as too short.
    const QString raw = makeMedia(
            QStringLiteral("raw.mjpeg"),
            {"-f", "lavfi", "-i", "testsrc=d=1:s=64x48:r=25", "-c:v", "mjpeg", "-f", "mjpeg"});
    CMediaProbe probe;
    QCOMPARE(probe.probe(raw.toUtf8().constData()), 0);
    QCOMPARE(probe.duration(), double(INT64_MIN) * 0.000001);

    const QString wav = makeMedia(QStringLiteral("keep.wav"),
                                  {"-f", "lavfi", "-i", "sine=duration=1", "-ar", "44100"});
    QCOMPARE(probe.probe(wav.toUtf8().constData()), 0);
    const double good = probe.duration();
    QVERIFY(probe.probe(dir.filePath(QStringLiteral("missing.mp3")).toUtf8().constData()) < 0);
    QCOMPARE(probe.duration(), good);
}

QTEST_GUILESS_MAIN(TestMediaProbe)
#include "tst_mediaprobe.moc"
