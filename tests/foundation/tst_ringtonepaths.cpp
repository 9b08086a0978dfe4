#include "media/ringtonepaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Each row names the files already in the folder ("present") and the file name expected.
class TestRingtonePaths : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void decodeWav_data();
    void decodeWav();
    void encoderOutput_data();
    void encoderOutput();
    void finalRingtone_data();
    void finalRingtone();
    void proposedSave_data();
    void proposedSave();
    void proposedSaveWithoutFolderIsBareName();

private:
    void makePresent(const QStringList &names);
    QString at(const QString &name) const { return dir->path() + QLatin1Char('/') + name; }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestRingtonePaths::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestRingtonePaths::makePresent(const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(at(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TestRingtonePaths::decodeWav_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");

    QTest::newRow("input name as wav") << "/music/Song.mp3" << QStringList() << "Song.wav";
    QTest::newRow("taken") << "/music/Song.mp3" << QStringList {"Song.wav"} << "Song(1).wav";
    QTest::newRow("backslashes, dots kept") << "C:\\clips\\a.b.mkv" << QStringList() << "a.b.wav";
    QTest::newRow("no extension") << "/music/Song" << QStringList() << "Song.wav";
}

void TestRingtonePaths::decodeWav()
{
    QFETCH(QString, input);
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    makePresent(present);
    QCOMPARE(decodeWavPath(input, dir->path()), at(expected));
}

void TestRingtonePaths::encoderOutput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");

    QTest::newRow("input name as m4a") << "/music/Song.wav" << QStringList() << "Song.m4a";
    QTest::newRow("taken twice") << "/music/Song.wav" << QStringList {"Song.m4a", "Song(1).m4a"}
                                 << "Song(2).m4a";
    QTest::newRow("ringtone of that name is no clash")
            << "/music/Song.wav" << QStringList {"Song.m4r"} << "Song.m4a";
}

void TestRingtonePaths::encoderOutput()
{
    QFETCH(QString, input);
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    makePresent(present);
    QCOMPARE(encoderOutputPath(input, dir->path()), at(expected));
}

void TestRingtonePaths::finalRingtone_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");

    QTest::newRow("input name") << "Song" << QStringList() << "Song.m4r";
    QTest::newRow("name taken") << "Song" << QStringList {"Song.m4r"} << "Song(1).m4r";
    QTest::newRow("cleaned") << "My:Tone?" << QStringList() << "MyTone.m4r";
    QTest::newRow("nothing left falls back") << " ?* " << QStringList() << "Song.m4r";
    QTest::newRow("empty falls back") << "" << QStringList() << "Song.m4r";
    QTest::newRow("separators cannot leave the folder")
            << "../up/x" << QStringList() << "..upx.m4r";
    QTest::newRow("encoder output taken too") << "Ring" << QStringList {"Song.m4a"} << "Ring.m4r";
}

void TestRingtonePaths::finalRingtone()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    makePresent(present);
    QCOMPARE(finalRingtonePath(at(QStringLiteral("Song(1).m4a")), typed, QStringLiteral("Song")),
             at(expected));
}

void TestRingtonePaths::proposedSave_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");

    QTest::newRow("title") << "Bell" << QStringList() << "Bell.m4r";
    QTest::newRow("taken") << "Bell" << QStringList {"Bell.m4r"} << "Bell(1).m4r";
    QTest::newRow("separators cleaned") << "a/b\\c" << QStringList() << "abc.m4r";
    QTest::newRow("dots only use the phone's name") << "..." << QStringList() << "ABCD.m4r";
    QTest::newRow("empty uses the phone's name") << "" << QStringList() << "ABCD.m4r";
    QTest::newRow("dots and separators") << "../.." << QStringList() << "ABCD.m4r";
}

void TestRingtonePaths::proposedSave()
{
    QFETCH(QString, title);
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    makePresent(present);
    QCOMPARE(proposedSavePath(
                     title, QStringLiteral("/iTunes_Control/Ringtones/ABCD.m4r"), dir->path()),
             at(expected));
}

void TestRingtonePaths::proposedSaveWithoutFolderIsBareName()
{
    QCOMPARE(proposedSavePath(QStringLiteral("Bell"), QStringLiteral("/x/ABCD.m4r"), QString()),
             QStringLiteral("Bell.m4r"));
}

QTEST_APPLESS_MAIN(TestRingtonePaths)
#include "tst_ringtonepaths.moc"
