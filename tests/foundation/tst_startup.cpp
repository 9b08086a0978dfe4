#include "app/skin.h"
#include "editor/maindialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The frame as the entry function builds it: the style sheet applied before the first
// window, one skinned, shaped main window.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pictureSizes_data();
    void pictureSizes();
    void windowIsShapedAndFixed();
    void mainLabelsAreWhite();
    void dragMovesOnlyFromBackground();
    void leftoversOfGoneProcessesAreRemoved();
    void endedBySignalLeavesNoWav_data();
    void endedBySignalLeavesNoWav();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
};

void TestStartup::initTestCase()
{
    QVERIFY(applySkin());
}

void TestStartup::pictureSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    const QList<QPair<const char *, QSize>> single = {
            {"main_bg", {749, 530}},
            {"about_bg", {400, 258}},
            {"register_bg", {537, 385}},
            {"disc", {165, 165}},
            {"left_back", {26, 425}},
            {"left_fore", {26, 425}},
            {"right_back", {27, 299}},
            {"right_fore", {27, 299}},
            {"tool", {16, 16}},
            {"help", {16, 16}},
            {"home", {16, 16}},
            {"about", {16, 16}},
            {"volume_left", {129, 13}},
            {"volume_right", {129, 13}},
            {"volume_thumb", {5, 17}},
            {"volume_add", {7, 7}},
            {"volume_add2", {7, 7}},
            {"volume_sub", {7, 7}},
            {"menu", {58, 58}},
            {"menu_separator", {106, 2}},
            {"edit_border", {89, 28}},
            {"button", {88, 29}},
            {"dlg_close_button", {24, 24}},
            {"dlg_close_hover", {24, 24}},
            {"dlg_close_down", {24, 24}},
            // The manager's close button takes the focus: without these it would go blank.
            {"dlg_close_focus", {24, 24}},
            {"dlg_close_focus_hover", {24, 24}},
            {"dlg_close_focus_down", {24, 24}},
    };
    for (const auto &[name, size] : single)
        QTest::newRow(name) << QString::fromLatin1(name) << size;
    for (const char *arrow : {"spinboxup", "spinboxdown"}) {
        for (const char *state : {"", "hover", "pressed", "disabled"}) {
            const QString name = QString::fromLatin1(arrow) + QString::fromLatin1(state);
            QTest::newRow(qPrintable(name)) << name << QSize(18, 8);
        }
    }
    const QList<QPair<const char *, QSize>> families = {
            {"generate", {60, 60}},
            {"play", {92, 38}},
            {"pause", {92, 38}},
            {"clip", {92, 38}},
            {"browse", {89, 29}},
            {"close", {29, 29}},
            {"minimize", {31, 31}},
            {"menu", {28, 28}},
            {"check", {22, 24}},
    };
    for (const auto &[stem, size] : families) {
        for (const char *state : {"_button", "_hover", "_down", "_disable"}) {
            const QString name = QString::fromLatin1(stem) + QString::fromLatin1(state);
            QTest::newRow(qPrintable(name)) << name << size;
        }
    }
    QTest::newRow("button_hover") << "button_hover" << QSize(88, 29);
    QTest::newRow("button_down") << "button_down" << QSize(88, 29);
    QTest::newRow("button_disable") << "button_disable" << QSize(88, 29);
}

void TestStartup::pictureSizes()
{
    QFETCH(QString, name);
    const QImage image(QStringLiteral(":/images/%1.png").arg(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QTEST(image.size(), "size");
}

void TestStartup::windowIsShapedAndFixed()
{
    MainDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(750, 531));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);

    // Transparent corners of the background are cut away; its centre and the column
    // beyond the picture's 749 pixels are not part of the window.
    const QRegion mask = window.mask();
    QVERIFY(!mask.isEmpty());
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(mask.contains(QPoint(375, 300)));
    QVERIFY(!mask.contains(QPoint(749, 300)));
    QCOMPARE(QApplication::topLevelWidgets().count(&window), 1);
}

void TestStartup::mainLabelsAreWhite()
{
    MainDialog window;
    window.show();
    auto *status = window.findChild<QLabel *>(QStringLiteral("labelStatus"));
    QVERIFY(status);
    QCOMPARE(status->palette().color(QPalette::WindowText), QColor(Qt::white));
}

void TestStartup::dragMovesOnlyFromBackground()
{
    MainDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    QTest::mousePress(&window, Qt::RightButton, {}, QPoint(300, 250));
    QTest::mouseMove(&window, QPoint(320, 270));
    QCOMPARE(window.pos(), start);
    QTest::mouseRelease(&window, Qt::RightButton, {}, QPoint(320, 270));

    auto *generate = window.findChild<QPushButton *>(QStringLiteral("btnGenerate"));
    QTest::mousePress(generate, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&window, QPoint(560, 480));
    QCOMPARE(window.pos(), start);
    QTest::mouseRelease(generate, Qt::LeftButton, {}, QPoint(5, 5));
}

// The pid of a process that has ended.
static qint64 goneProcess()
{
    QProcess process;
    process.start(QStringLiteral("/bin/true"));
    process.waitForStarted();
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

static void touch(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("x");
}

// A decode folder whose process is gone is removed when the program starts; the folders of
// running processes and everything else in the cache folder stay.
void TestStartup::leftoversOfGoneProcessesAreRemoved()
{
    QTemporaryDir cache;
    QVERIFY(QDir(cache.path()).mkpath(QStringLiteral("vardel")));
    QDir dir(cache.filePath(QStringLiteral("vardel")));
    const QString gone = QString::number(goneProcess());
    const QString running = QString::number(QCoreApplication::applicationPid());
    const QString link = QString::number(goneProcess());
    const QString plainFile = QString::number(goneProcess());
    const QStringList kept = {running, "x1", "0", "other", "target", link, plainFile};
    for (const QString &folder : {gone,
                                  running,
                                  QStringLiteral("x1"),
                                  QStringLiteral("0"),
                                  QStringLiteral("other"),
                                  QStringLiteral("target")}) {
        QVERIFY(dir.mkpath(folder));
        touch(dir.filePath(folder + QStringLiteral("/song.wav")));
    }
    touch(dir.filePath(gone + QStringLiteral("/.encoding-AbC123")));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("target")), dir.filePath(link)));
    touch(dir.filePath(plainFile));
    QTemporaryDir temp;

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temp.path());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    QTemporaryDir runtime;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("HANDVIA_ROOT"), temp.filePath(QStringLiteral("no phone")));
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"));
    QVERIFY(program.waitForStarted());
    const auto stop = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished();
    });
    QTRY_VERIFY_WITH_TIMEOUT(!dir.exists(gone), 20000);
    program.terminate();
    QVERIFY(program.waitForFinished(10000));

    const QStringList left
            = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QCOMPARE(QSet<QString>(left.begin(), left.end()), QSet<QString>(kept.begin(), kept.end()));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("target/song.wav"))));
    QVERIFY(QFile::exists(dir.filePath(running + QStringLiteral("/song.wav"))));
}

void TestStartup::endedBySignalLeavesNoWav_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("logout") << int(SIGTERM);
    QTest::newRow("Ctrl+C") << int(SIGINT);
    QTest::newRow("hang-up") << int(SIGHUP);
}

// A loaded file's WAV stays in the cache folder while the file is loaded; a program ended by a
// signal, as at a session's end, removes it as closing the window does.
void TestStartup::endedBySignalLeavesNoWav()
{
    QFETCH(int, signal);
    QTemporaryDir cache;
    QTemporaryDir work;
    const QString song = work.filePath(QStringLiteral("two seconds.wav"));
    QFile file(song);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const quint32 bytes = 2 * 44100 * 4;
    QByteArray header("RIFF");
    for (quint32 v : {bytes + 36,
                      0x45564157u,
                      0x20746d66u,
                      16u,
                      0x00020001u,
                      44100u,
                      44100u * 4,
                      0x00100004u,
                      0x61746164u,
                      bytes})
        header.append(reinterpret_cast<const char *>(&v), 4);
    file.write(header);
    QByteArray tone(int(bytes), '\0');
    for (int i = 0; i < tone.size(); i += 4)
        tone[i + 1] = char((i / 400) % 2 ? 0x30 : 0xd0);
    file.write(tone);
    file.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    env.insert(QStringLiteral("HANDVIA_ROOT"), work.filePath(QStringLiteral("no phone")));
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"), {song});
    QVERIFY(program.waitForStarted());
    const auto stop = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished();
    });
    const QString folder = cache.filePath(QStringLiteral("vardel/%1").arg(program.processId()));
    const QString wav = QDir(folder).filePath(QStringLiteral("two seconds.wav"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(wav).size() == qint64(bytes) + 44, 30000);
    kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFile::exists(folder));
}

void TestStartup::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QString>("display"); // where the window would go; none when empty

    QTest::newRow("version") << "--version" << 0 << "Vardel 1.0.0\n"
                             << ""
                             << "";
    QTest::newRow("help") << "--help" << 0 << "Usage: vardel [options] [FILE]"
                          << ""
                          << "";
    QTest::newRow("unknown") << "--frobnicate" << 2 << ""
                             << "Usage: vardel [options] [FILE]"
                             << "";
    const QString noDisplay = QStringLiteral("vardel: no display could be opened");
    QTest::newRow("window, no display set") << "" << 1 << "" << noDisplay << "";
    QTest::newRow("window, a display nobody serves") << "" << 1 << "" << noDisplay << ":97";
}

// The real program with no display at all: no window is tried, the text goes where a shell
// script expects it.
void TestStartup::answersWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QString, display);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), display);
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"),
                  option.isEmpty() ? QStringList() : QStringList {option});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTEST(program.exitCode(), "exitCode");
    const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
    // No window: one line that says why, nothing of the toolkit's.
    if (option.isEmpty())
        QCOMPARE(stdErr.count(QLatin1Char('\n')), 1);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
