#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Installs the build into a fresh prefix, the way a packager would, and checks that the
// launcher reaches the program folder with everything the program looks for beside itself.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFile_data();
    void installedFile();
    void launcherLinksIntoProgramFolder();
    void librariesResolveBesideProgram_data();
    void librariesResolveBesideProgram();
    void desktopEntryAndIcon();

private:
    QString path(const QString &relative) const { return prefix.filePath(relative); }
    QTemporaryDir prefix;
};

void TestInstall::initTestCase()
{
    QFile rules(QStringLiteral(BUILD_DIR "/cmake_install.cmake"));
    QVERIFY(rules.open(QIODevice::ReadOnly));
    if (!rules.readAll().contains("/packaging/cmake_install.cmake"))
        QSKIP("this build does not include the packaging folder");
    QVERIFY(prefix.isValid());
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QStringLiteral(CMAKE_COMMAND_PATH),
                {QStringLiteral("--install"),
                 QStringLiteral(BUILD_DIR),
                 QStringLiteral("--prefix"),
                 prefix.path()});
    QVERIFY(cmake.waitForFinished(120000));
    QVERIFY2(cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0,
             cmake.readAll().constData());
}

void TestInstall::installedFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("executable");

    QTest::newRow("program") << "lib/vardel/vardel" << true;
    QTest::newRow("encoder") << "lib/vardel/ffmpeg" << true;
    QTest::newRow("player") << "lib/vardel/libsonvix.so" << false;
    QTest::newRow("device") << "lib/vardel/libhandvia.so" << false;
    QTest::newRow("help") << "lib/vardel/help.chm" << false;
    QTest::newRow("help-pages") << "lib/vardel/help/index.html" << false;
    QTest::newRow("licences-page") << "lib/vardel/help/licences.html" << false;
    QTest::newRow("manual-page") << "share/man/man1/vardel.1" << false;
    QTest::newRow("desktop-entry") << "share/applications/vardel.desktop" << false;
    QTest::newRow("icon") << "share/icons/hicolor/256x256/apps/vardel.png" << false;
}

void TestInstall::installedFile()
{
    QFETCH(QString, file);
    QFETCH(bool, executable);

    const QFileInfo info(path(file));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    if (executable)
        QVERIFY(info.isExecutable());
}

void TestInstall::launcherLinksIntoProgramFolder()
{
    const QString launcher = path(QStringLiteral("bin/vardel"));
    QVERIFY(QFileInfo(launcher).isSymLink());
    char target[4096] = {};
    QVERIFY(::readlink(QFile::encodeName(launcher).constData(), target, sizeof target - 1) > 0);
    // Relative, so the tree may be moved or staged with DESTDIR.
    QCOMPARE(QString::fromLocal8Bit(target), QStringLiteral("../lib/vardel/vardel"));

    const QFileInfo program(QFileInfo(launcher).canonicalFilePath());
    QCOMPARE(program.filePath(),
             QFileInfo(path(QStringLiteral("lib/vardel/vardel"))).canonicalFilePath());
    QVERIFY(program.isExecutable());
    for (const char *beside : {"ffmpeg", "libsonvix.so", "libhandvia.so", "help.chm"})
        QVERIFY2(QFile::exists(program.dir().filePath(QString::fromLatin1(beside))), beside);

    QFile help(program.dir().filePath(QStringLiteral("help.chm")));
    QVERIFY(help.open(QIODevice::ReadOnly));
    QCOMPARE(help.read(4), QByteArray("ITSF"));
}

void TestInstall::librariesResolveBesideProgram_data()
{
    QTest::addColumn<QString>("library");
    QTest::newRow("player") << "libsonvix.so";
    QTest::newRow("device") << "libhandvia.so";
}

// Started through the launcher, the loader must pick the copies in the program folder.
// The launcher itself is executed in trace mode: ldd would take $ORIGIN from the link's folder.
void TestInstall::librariesResolveBesideProgram()
{
    QFETCH(QString, library);

    QProcess ldd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
    ldd.setProcessEnvironment(env);
    ldd.start(path(QStringLiteral("bin/vardel")), {});
    QVERIFY(ldd.waitForFinished(60000));
    const QString expected = library + QStringLiteral(" => ")
            + QFileInfo(path(QStringLiteral("lib/vardel"))).canonicalFilePath() + QLatin1Char('/')
            + library;
    const QString output = QString::fromLocal8Bit(ldd.readAllStandardOutput());
    QVERIFY2(output.contains(expected), qPrintable(output));
}

// A file manager offers the program for these types and hands it the file (%f).
void TestInstall::desktopEntryAndIcon()
{
    QFile entry(path(QStringLiteral("share/applications/vardel.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = entry.readAll().split('\n');
    for (const char *line :
         {"Exec=vardel %f", "Icon=vardel", "Categories=AudioVideo;Audio;", "Type=Application"})
        QVERIFY2(lines.contains(QByteArray(line)), line);
    const auto mime = std::find_if(lines.begin(), lines.end(), [](const QByteArray &line) {
        return line.startsWith("MimeType=");
    });
    QVERIFY(mime != lines.end());
    const QList<QByteArray> types = mime->mid(9).split(';');
    for (const char *type : {"audio/mpeg",
                             "audio/mp4",
                             "audio/x-m4a",
                             "audio/flac",
                             "audio/ogg",
                             "audio/x-wav",
                             "audio/x-ms-wma",
                             "video/mp4",
                             "video/x-matroska",
                             "video/webm",
                             "video/quicktime",
                             "video/x-msvideo"})
        QVERIFY2(types.contains(QByteArray(type)), type);

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImageReader icon(
                path(QStringLiteral("share/icons/hicolor/%1x%1/apps/vardel.png").arg(size)));
        QCOMPARE(icon.format(), QByteArray("png"));
        QCOMPARE(icon.size(), QSize(size, size));
    }
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
