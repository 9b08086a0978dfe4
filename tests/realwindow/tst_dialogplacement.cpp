#include "app/dialogplacement.h"
#include "app/settings.h"
#include "app/skin.h"
#include "device/managedialog.h"
#include "editor/maindialog.h"

#include <handvia.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Where a window is on the display, asked of the X server; empty until it is shown.
QRect clientOnScreen(WId window)
{
    const QString info = run(QStringLiteral("xwininfo"), {"-id", QString::number(window)});
    const auto field = [&info](const char *name) {
        const QRegularExpression line(QLatin1String(name) + QStringLiteral(":\\s+(-?\\d+)"));
        return line.match(info).captured(1).toInt();
    };
    if (!info.contains(QLatin1String("IsViewable")))
        return {};
    return QRect(field("Absolute upper-left X"),
                 field("Absolute upper-left Y"),
                 field("Width"),
                 field("Height"));
}

// Where a window and the frame the window manager drew around it really are on the display;
// an empty rectangle until the window manager has taken the window in.
QRect frameOnScreen(WId window)
{
    const QString extents
            = run(QStringLiteral("xprop"), {"-id", QString::number(window), "_NET_FRAME_EXTENTS"});
    const QRegularExpressionMatch margins
            = QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    const QRect client = clientOnScreen(window);
    if (!margins.hasMatch() || client.isEmpty())
        return {};
    return client.marginsAdded(QMargins(margins.captured(1).toInt(),
                                        margins.captured(3).toInt(),
                                        margins.captured(2).toInt(),
                                        margins.captured(4).toInt()));
}

QRect waitForFrame(const QWidget *window)
{
    QRect frame;
    if (!QTest::qWaitFor([&] { return !(frame = frameOnScreen(window->winId())).isEmpty(); },
                         10000))
        return {};
    return frame;
}

// A frame drawn before the window manager said how thick it is may sit half a title bar off.
bool centredOn(const QRect &frame, const QRect &parent)
{
    const QPoint offset = frame.center() - parent.center();
    return qAbs(offset.x()) <= 12 && qAbs(offset.y()) <= 12;
}

bool windowManagerRuns()
{
    return run(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"})
            .contains(QLatin1String("window id"));
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// Dialogs over the program's frameless windows, under a real window manager (openbox), which
// takes its time to tell a frameless window where it is.
class TestDialogPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void centredFrame_data();
    void centredFrame();
    void dialogsComeUpCentred_data();
    void dialogsComeUpCentred();
    void messageBoxHasRoomForItsTitle();
    void programsFirstMessageBoxIsCentred();
    void popupsOpenAtTheirControl_data();
    void popupsOpenAtTheirControl();

private:
    QTemporaryDir dir;
    std::unique_ptr<MainDialog> window;
    std::unique_ptr<ManageDialog> manager;
};

void TestDialogPlacement::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(windowManagerRuns());

    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    writeSetting(QStringLiteral("OutputFolder"), dir.path());
    const QString phone = dir.filePath(QStringLiteral("phone"));
    QVERIFY(QDir().mkpath(phone + QStringLiteral("/iTunes_Control")));
    qputenv("HANDVIA_ROOT", phone.toUtf8());
    const QString tone = dir.filePath(QStringLiteral("Tone.m4r"));
    QFile file(tone);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    HandviaApi *api = handvia_get_api();
    QVERIFY(api->add_ringtone(0, tone.toUtf8().constData(), 1000) >= 0);
    QVERIFY(api->commit(0) >= 0);

    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QVERIFY(applySkin());
    DialogPlacement::install();
    window = std::make_unique<MainDialog>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestDialogPlacement::cleanupTestCase()
{
    manager.reset();
    window.reset();
}

void TestDialogPlacement::centredFrame_data()
{
    QTest::addColumn<QRect>("parent");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("topLeft");

    // A screen of 1000 x 800.
    QTest::newRow("centred") << QRect(100, 100, 600, 400) << QSize(200, 100) << QPoint(300, 250);
    QTest::newRow("larger than the parent")
            << QRect(100, 100, 200, 100) << QSize(400, 300) << QPoint(0, 0);
    QTest::newRow("past the right edge")
            << QRect(800, 100, 200, 100) << QSize(400, 100) << QPoint(600, 100);
    QTest::newRow("past the bottom")
            << QRect(100, 700, 200, 100) << QSize(200, 300) << QPoint(100, 500);
    QTest::newRow("parent partly off the top left")
            << QRect(-150, -100, 200, 200) << QSize(100, 100) << QPoint(0, 0);
    QTest::newRow("larger than the screen: title bar stays on it")
            << QRect(100, 100, 200, 100) << QSize(1200, 900) << QPoint(0, 0);
}

void TestDialogPlacement::centredFrame()
{
    QFETCH(QRect, parent);
    QFETCH(QSize, size);
    QFETCH(QPoint, topLeft);
    const QRect frame = DialogPlacement::centredFrame(parent, size, QRect(0, 0, 1000, 800));
    QCOMPARE(frame.topLeft(), topLeft);
    QCOMPARE(frame.size(), size);
}

using Action = std::function<void(MainDialog *, ManageDialog *)>;
Q_DECLARE_METATYPE(Action)

void TestDialogPlacement::dialogsComeUpCentred_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("overManager");
    QTest::addColumn<QString>("kind");

    const auto click = [](const char *name) {
        return [name](MainDialog *main, ManageDialog *manager) {
            QWidget *owner = manager ? static_cast<QWidget *>(manager) : main;
            QTest::mouseClick(owner->findChild<QPushButton *>(QString::fromLatin1(name)),
                              Qt::LeftButton);
        };
    };
    // The first row runs while the window manager may not yet have said where the window is.
    QTest::newRow("input file") << Action(click("btnBrowseIn")) << false << "QFileDialog";
    QTest::newRow("refused file") << Action([this](MainDialog *main, ManageDialog *) {
        main->loadFile(dir.filePath(QStringLiteral("Tone.m4r")));
    }) << false << "QMessageBox";
    QTest::newRow("output folder") << Action(click("btnBrowseOut")) << false << "QFileDialog";
    QTest::newRow("manager") << Action([](MainDialog *main, ManageDialog *) {
        emit main->findChild<QLabel *>(QStringLiteral("labelManage"))
                ->linkActivated(QStringLiteral("x"));
    }) << false << "ManageDialog";
    QTest::newRow("remove question") << Action(click("btnRemove")) << true << "QMessageBox";
    QTest::newRow("add to phone") << Action(click("btnPcToIPhone")) << true << "QFileDialog";
    QTest::newRow("save to computer") << Action(click("btnIPhoneToPc")) << true << "QFileDialog";
}

// Each dialog is opened twice: the first and a later opening are placed alike.
void TestDialogPlacement::dialogsComeUpCentred()
{
    QFETCH(Action, action);
    QFETCH(bool, overManager);
    QFETCH(QString, kind);
    if (overManager && !manager) {
        manager = std::make_unique<ManageDialog>(window.get());
        manager->onPhoneConnect(true);
        manager->show();
        QVERIFY(QTest::qWaitForWindowExposed(manager.get()));
        QCOMPARE(manager->findChild<QListView *>()->model()->rowCount(), 1);
    }
    QWidget *parent = overManager ? static_cast<QWidget *>(manager.get()) : window.get();

    for (int opening = 1; opening <= 2; ++opening) {
        QString seen;
        QRect frame;
        QRect parentFrame;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog == parent || !dialog->isVisible())
                return;
            poll.stop();
            seen = QString::fromLatin1(dialog->metaObject()->className());
            frame = waitForFrame(dialog);
            parentFrame = waitForFrame(parent);
            dialog->reject();
        });
        poll.start(50);
        action(window.get(), overManager ? manager.get() : nullptr);
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, kind);
        QVERIFY2(centredOn(frame, parentFrame),
                 qPrintable(QStringLiteral("opening %1: %2 over %3")
                                    .arg(opening)
                                    .arg(describe(frame), describe(parentFrame))));
    }
}

// Openbox cuts "Marvolen Vardel" to "Mar…rdel" on a box as narrow as "Invalid input file".
void TestDialogPlacement::messageBoxHasRoomForItsTitle()
{
    int width = 0;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        width = waitForFrame(box).width();
        box->reject();
    });
    QMessageBox::information(window.get(),
                             QStringLiteral("Marvolen Vardel"),
                             QStringLiteral("Invalid input file"),
                             QMessageBox::Ok);
    QVERIFY2(width >= 240, qPrintable(QString::number(width)));
}

// The real program refuses a file given on its command line at once, with a message box,
// while the window manager may still be placing the window.
void TestDialogPlacement::programsFirstMessageBoxIsCentred()
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HANDVIA_ROOT"), dir.path());
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"),
                  {dir.filePath(QStringLiteral("Tone.m4r"))});
    QVERIFY(program.waitForStarted());
    QStringList windows;
    const bool both = QTest::qWaitFor(
            [&] {
                windows = run(QStringLiteral("xdotool"),
                              {"search",
                               "--onlyvisible",
                               "--pid",
                               QString::number(program.processId()),
                               "--name",
                               "^Marvolen Vardel$"})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                return windows.size() == 2;
            },
            20000);
    QList<QRect> frames;
    for (const QString &id : windows) {
        QRect frame;
        if (QTest::qWaitFor([&] { return !(frame = frameOnScreen(id.toULongLong())).isEmpty(); },
                            10000))
            frames << frame;
    }
    program.kill();
    program.waitForFinished();
    QVERIFY2(both, "no message box for the refused file");
    QCOMPARE(frames.size(), 2);
    // The main window is the larger one.
    if (frames[0].width() < frames[1].width())
        frames.swapItemsAt(0, 1);
    QVERIFY2(centredOn(frames[1], frames[0]),
             qPrintable(describe(frames[1]) + QStringLiteral(" over ") + describe(frames[0])));
}

void TestDialogPlacement::popupsOpenAtTheirControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("dragFirst");

    QTest::newRow("drop-down, window as placed") << "comboToneKind" << false;
    QTest::newRow("menu, window as placed") << "btnMenu" << false;
    QTest::newRow("drop-down, window dragged") << "comboToneKind" << true;
    QTest::newRow("menu, window dragged") << "btnMenu" << true;
}

// A drop-down's list and a menu open at their control, where the window really is: wherever
// the window manager placed the frameless window, and after the skin was dragged. The real
// program is clicked as a user would: when Qt's X11 plugin keeps a stale place for the window
// depends on timing that only a program starting on its own shows.
void TestDialogPlacement::popupsOpenAtTheirControl()
{
    QFETCH(QString, control);
    QFETCH(bool, dragFirst);
    QWidget *opener = window->findChild<QWidget *>(control);
    QVERIFY(opener);
    const QRect onWindow(opener->mapTo(window.get(), QPoint(0, 0)), opener->size());

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HANDVIA_ROOT"), dir.filePath(QStringLiteral("phone")));
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"), {});
    QVERIFY(program.waitForStarted());
    const auto shown = [&program] {
        return run(QStringLiteral("xdotool"),
                   {"search", "--onlyvisible", "--pid", QString::number(program.processId())})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    QStringList windows;
    QVERIFY(QTest::qWaitFor([&] { return (windows = shown()).size() == 1; }, 20000));
    const WId main = windows.constFirst().toULongLong();
    QRect placed;
    QVERIFY(QTest::qWaitFor([&] { return !(placed = frameOnScreen(main)).isEmpty(); }, 10000));

    const auto xdotool
            = [](const QStringList &arguments) { run(QStringLiteral("xdotool"), arguments); };
    const auto at = [](QPoint p) {
        return QStringList {QString::number(p.x()), QString::number(p.y())};
    };
    if (dragFirst) {
        // The logo, on the skin: press, move by (60, 40) in two steps, release.
        const QPoint from = placed.topLeft() + QPoint(150, 100);
        xdotool(QStringList {"mousemove"} + at(from) + QStringList {"mousedown", "1", "mousemove"}
                + at(from + QPoint(30, 20)) + QStringList {"mousemove"} + at(from + QPoint(60, 40))
                + QStringList {"mouseup", "1"});
        QVERIFY(QTest::qWaitFor(
                [&] { return clientOnScreen(main).topLeft() == placed.topLeft() + QPoint(60, 40); },
                10000));
        placed.translate(60, 40);
    }
    const QRect controlOnScreen = onWindow.translated(placed.topLeft());
    xdotool(QStringList {"mousemove"} + at(controlOnScreen.center()) + QStringList {"click", "1"});
    QRect popup;
    const bool opened = QTest::qWaitFor(
            [&] {
                for (const QString &id : shown()) {
                    if (id.toULongLong() != main)
                        popup = clientOnScreen(id.toULongLong());
                }
                return !popup.isEmpty();
            },
            10000);
    xdotool({"key", "Escape"});
    program.kill();
    program.waitForFinished();
    QVERIFY2(opened, "no popup");
    // The popup starts at the control's left edge and lies just above or below it, or over it.
    const QString seen = describe(popup) + QStringLiteral(" for ") + describe(controlOnScreen);
    QVERIFY2(qAbs(popup.left() - controlOnScreen.left()) <= 4, qPrintable(seen));
    QVERIFY2(popup.adjusted(-4, -4, 4, 4).intersects(controlOnScreen), qPrintable(seen));
}

// Openbox runs before the program connects to the display, as on a desktop: Qt's X11 plugin
// asks what the window manager supports only then.
int main(int argc, char *argv[])
{
    QProcess windowManager;
    windowManager.start(QStringLiteral("openbox"), {"--sm-disable"});
    if (!windowManager.waitForStarted())
        return 1;
    const QDeadlineTimer deadline(10000);
    while (!windowManagerRuns() && !deadline.hasExpired())
        QThread::msleep(20);
    int result = 0;
    {
        QApplication app(argc, argv);
        TestDialogPlacement test;
        QTEST_SET_MAIN_SOURCE_PATH
        result = QTest::qExec(&test, argc, argv);
    }
    windowManager.kill();
    windowManager.waitForFinished();
    return result;
}
#include "tst_dialogplacement.moc"
