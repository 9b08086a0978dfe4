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
    void programStartsWithoutX11Libraries();
    void desktopEntryTranslated_data();
    void desktopEntryTranslated();

private:
    QString path(const QString &relative) const { return prefix.filePath(relative); }
    QList<QByteArray> desktopEntry() const;
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
    QTest::newRow("manual-page") << "share/man/man1/vardel.1.gz" << false;
    QTest::newRow("desktop-entry") << "share/applications/com.marvolen.Vardel.desktop" << false;
    QTest::newRow("metainfo") << "share/metainfo/com.marvolen.Vardel.metainfo.xml" << false;
    QTest::newRow("copyright") << "share/doc/vardel/copyright" << false;
    QTest::newRow("changelog") << "share/doc/vardel/changelog.gz" << false;
    QTest::newRow("icon") << "share/icons/hicolor/256x256/apps/vardel.png" << false;
    QTest::newRow("scalable-icon") << "share/icons/hicolor/scalable/apps/vardel.svg" << false;
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
    const QList<QByteArray> lines = desktopEntry();
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

// On a Wayland desktop the X11 client library need not be installed: the program asks X11
// things only through what Qt's X11 plugin has loaded.
void TestInstall::programStartsWithoutX11Libraries()
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"),
                  {QStringLiteral("-d"), path(QStringLiteral("lib/vardel/vardel"))});
    QVERIFY(readelf.waitForFinished(60000));
    const QByteArray dynamic = readelf.readAllStandardOutput();
    QVERIFY(dynamic.contains("(NEEDED)"));
    QVERIFY2(!dynamic.contains("libxcb") && !dynamic.contains("libX11"), dynamic.constData());
}

QList<QByteArray> TestInstall::desktopEntry() const
{
    QFile entry(path(QStringLiteral("share/applications/com.marvolen.Vardel.desktop")));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return entry.readAll().split('\n');
}

void TestInstall::desktopEntryTranslated_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("genericName");

    QTest::newRow("fr") << QByteArray("fr") << QByteArray("Créateur de sonneries");
    QTest::newRow("de") << QByteArray("de") << QByteArray("Klingelton-Ersteller");
    QTest::newRow("es") << QByteArray("es") << QByteArray("Creador de tonos de llamada");
    QTest::newRow("it") << QByteArray("it") << QByteArray("Creatore di suonerie");
    QTest::newRow("ja") << QByteArray("ja") << QByteArray("着信音メーカー");
    QTest::newRow("zh_CN") << QByteArray("zh_CN") << QByteArray("铃声制作工具");
    QTest::newRow("zh_TW") << QByteArray("zh_TW") << QByteArray("鈴聲製作工具");
    QTest::newRow("ar") << QByteArray("ar") << QByteArray("صانع نغمات الرنين");
}

// The menu shows the entry in the desktop's language: every translated key is there, and the
// translation is the one of the program's own files, not the English text again.
void TestInstall::desktopEntryTranslated()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, genericName);

    const QList<QByteArray> lines = desktopEntry();
    QVERIFY(lines.contains("GenericName[" + locale + "]=" + genericName));
    for (const QByteArray key : {"Name", "Comment"}) {
        const QByteArray prefix = key + '[' + locale + "]=";
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const QByteArray &l) {
            return l.startsWith(prefix);
        });
        QVERIFY2(line != lines.end(), prefix.constData());
        QVERIFY(line->size() > prefix.size());
    }
    const auto comment = std::find_if(lines.begin(), lines.end(), [&](const QByteArray &l) {
        return l.startsWith("Comment[" + locale + "]=");
    });
    QVERIFY(!comment->endsWith("=Make iPhone ringtones from a stretch of any audio or video file"));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
