#include "media/filepath.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFilePath : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void makeUnique_data();
    void makeUnique();
    void validFileName_data();
    void validFileName();
};

void TestFilePath::split_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("fullPath");

    QTest::newRow("forward slashes") << "C:/Music/My Song.mp3"
                                     << "C:/Music"
                                     << "My Song"
                                     << "mp3"
                                     << "My Song.mp3"
                                     << "C:/Music/My Song.mp3";
    QTest::newRow("backslashes, last dot") << "C:\\Music\\a.b.c"
                                           << "C:\\Music"
                                           << "a.b"
                                           << "c"
                                           << "a.b.c"
                                           << "C:\\Music/a.b.c";
    QTest::newRow("dot only in folder") << "D:/dir.x/file"
                                        << "D:/dir.x"
                                        << "file"
                                        << ""
                                        << "file."
                                        << "D:/dir.x/file.";
    QTest::newRow("leading dot is no extension") << ".profile"
                                                 << ""
                                                 << ".profile"
                                                 << ""
                                                 << ".profile."
                                                 << "/.profile.";
    QTest::newRow("no separator") << "song.mp3"
                                  << ""
                                  << "song"
                                  << "mp3"
                                  << "song.mp3"
                                  << "/song.mp3";
    QTest::newRow("trailing dot") << "/tmp/name."
                                  << "/tmp"
                                  << "name"
                                  << ""
                                  << "name."
                                  << "/tmp/name.";
    QTest::newRow("mixed, backslash last") << "a/b\\c.d"
                                           << "a/b"
                                           << "c"
                                           << "d"
                                           << "c.d"
                                           << "a/b/c.d";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << ""
                           << "."
                           << "/.";
}

void TestFilePath::split()
{
    QFETCH(QString, path);
    const CFilePath file(path);
    QTEST(file.dir(), "dir");
    QTEST(file.name(), "name");
    QTEST(file.ext(), "ext");
    QTEST(file.fileName(), "fileName");
    QTEST(file.fullPath(), "fullPath");
}

void TestFilePath::makeUnique_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("steps");

    QTest::newRow("free") << QStringList() << "song" << 0;
    QTest::newRow("two taken") << QStringList {"song.wav", "song(1).wav"} << "song(2)" << 2;
    QTest::newRow("gap stops at first free")
            << QStringList {"song.wav", "song(2).wav"} << "song(1)" << 1;
    QTest::newRow("other extension ignored") << QStringList {"song.mp3"} << "song" << 0;
}

void TestFilePath::makeUnique()
{
    QFETCH(QStringList, present);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : present) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    CFilePath path;
    path.setDir(dir.path());
    path.setName(QStringLiteral("song"));
    path.setExt(QStringLiteral("wav"));
    QTEST(path.makeUnique(), "steps");
    QTEST(path.name(), "name");
    QVERIFY(!QFile::exists(path.fullPath()));
}

void TestFilePath::validFileName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cleaned");

    QTest::newRow("inner removed, ends trimmed") << "  a<b>:c?.  "
                                                 << "abc.";
    QTest::newRow("nothing left") << " ?* "
                                  << "";
    QTest::newRow("inner spaces stay") << "My  Tone"
                                       << "My  Tone";
    QTest::newRow("every forbidden character") << "a/b*c?d:e<f>g|h\"i\\j"
                                               << "abcdefghij";
    QTest::newRow("parent folder") << "../x"
                                   << "..x";
    QTest::newRow("non-ASCII kept")
            << QString::fromUtf8("Läuten ☎") << QString::fromUtf8("Läuten ☎");
}

void TestFilePath::validFileName()
{
    QFETCH(QString, typed);
    QTEST(::validFileName(typed), "cleaned");
}

QTEST_APPLESS_MAIN(TestFilePath)
#include "tst_filepath.moc"
