#include "media/encoderleftovers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Only unfinished outputs of encoders that are gone are swept; anything else in the output
// folder stays, a running encoder's file above all.
class TestEncoderLeftovers : public QObject
{
    Q_OBJECT

private slots:
    void sweepsOnlyTheDeadEncodersFiles();
};

static QString pidText(qint64 pid)
{
    return QStringLiteral("%1").arg(pid, 10, 10, QLatin1Char('0'));
}

void TestEncoderLeftovers::sweepsOnlyTheDeadEncodersFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 4194399;
    const QString alive = pidText(QCoreApplication::applicationPid());
    const QString dead = pidText(deadPid > 0 ? deadPid : 4194399);
    const QStringList kept = {".encoding-" + alive + "-Ab12Cd",
                              ".encoding-Ab12Cd",
                              ".encoding-" + dead + "-Ab12Cd.m4r",
                              "song.m4r",
                              ".encoding-" + dead + "-Ab1"};
    const QStringList swept = {".encoding-" + dead + "-Ab12Cd", ".encoding-0004194399-xYz987"};
    for (const QString &name : kept + swept) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    QCOMPARE(sweepEncoderLeftovers(dir.path()), 2);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    QStringList expected = kept;
    expected.sort();
    QCOMPARE(left, expected);
}

QTEST_GUILESS_MAIN(TestEncoderLeftovers)
#include "tst_encoderleftovers.moc"
