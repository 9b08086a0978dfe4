#include "app/desktopentry.h"
#include "app/skin.h"
#include "core/commandline.h"
#include "editor/maindialog.h"
#include "fakes.h"
#include "keysender.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

// The main window on a real display, driven from outside with real key presses.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void escapeKeepsTheWindow();
    void enterInNameFieldOpensNoMenu();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void helpWithoutAnyOpenerIsTold();
    void tabGoesDownTheWindow();
    void everyButtonShowsFocus_data();
    void everyButtonShowsFocus();
    void focusFrameLeavesBackgroundAlone_data();
    void focusFrameLeavesBackgroundAlone();
    void spaceIsLeftToFocusedWidgets();
    void commandLineFile_data();
    void commandLineFile();
    void programTakesFileAndShowsIcon();

private:
    template<typename T>
    T *child(const char *name) const
    {
        T *widget = window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    void focus(QWidget *widget);
    static QImage settled(const std::function<QImage()> &grab);

    std::unique_ptr<MainDialog> window;
    KeySender keys;
};

void TestDesktop::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    QVERIFY(applySkin());
    window = std::make_unique<MainDialog>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestDesktop::focus(QWidget *widget)
{
    widget->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(widget->hasFocus());
}

// The picture once it no longer changes: whatever the focus change posted has been drawn.
QImage TestDesktop::settled(const std::function<QImage()> &grab)
{
    QCoreApplication::processEvents();
    QImage last = grab();
    const bool steady = QTest::qWaitFor([&] {
        const QImage now = grab();
        const bool same = now == last;
        last = now;
        return same;
    });
    if (!steady)
        qWarning("the picture kept changing");
    return last;
}

void TestDesktop::escapeKeepsTheWindow()
{
    focus(child<QLineEdit>("editOutputName"));
    QVERIFY(keys.send(QStringLiteral("Escape"), Qt::Key_Escape));
    // The key has been handled; whatever it queued runs now.
    QCoreApplication::processEvents();
    QVERIFY(window->isVisible());
}

// A menu that opens runs a loop of its own; the timer closes it so the test can tell.
void TestDesktop::enterInNameFieldOpensNoMenu()
{
    for (const char *name : {"editOutputName", "editOutputFolder", "btnMenu"}) {
        focus(child<QWidget>(name));
        QString popup;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (QWidget *open = QApplication::activePopupWidget()) {
                popup = QString::fromLatin1(open->metaObject()->className());
                open->close();
            }
        });
        closer.start(50);
        QVERIFY(keys.send(QStringLiteral("Return"), Qt::Key_Return));
        // A menu opened by the key ran its loop until the timer closed it; a queued one runs now.
        QCoreApplication::processEvents();
        QVERIFY2(popup.isEmpty(), name);
        QVERIFY(window->isVisible());
    }
}

// Everything enabled and shown, as with a file loaded and a phone attached.
static void enableAll(QWidget *window)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        widget->setEnabled(true);
        if (widget->objectName() == QLatin1String("sliderBar"))
            widget->show();
    }
}

void TestDesktop::enterPressesFocusedButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("effect");

    QTest::newRow("play clip") << "btnPlayClip"
                               << "play";
    QTest::newRow("browse input") << "btnBrowseIn"
                                  << "QFileDialog";
    QTest::newRow("browse output") << "btnBrowseOut"
                                   << "QFileDialog";
}

// Enter on a focused skinned button presses that button, and never pops up the tool menu.
void TestDesktop::enterPressesFocusedButton()
{
    QFETCH(QString, name);
    QFETCH(QString, effect);
    enableAll(window.get());
    child<QWidget>("btnPause")->setEnabled(false);
    fakes::playerCalls().clear();
    focus(child<QWidget>(name.toLatin1().constData()));

    QString popup;
    QString dialog;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (QWidget *open = QApplication::activePopupWidget()) {
            popup = QString::fromLatin1(open->metaObject()->className());
            open->close();
        }
        if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            dialog = QString::fromLatin1(modal->metaObject()->className());
            modal->reject();
        }
    });
    closer.start(50);
    if (effect == QLatin1String("play")) {
        QVERIFY(keys.send(QStringLiteral("Return"), Qt::Key_Return));
        QTRY_VERIFY(fakes::playerCalls().contains(effect));
    } else {
        // The release reaches the open dialog, or nothing, so only the press is waited for.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {"key", "Return"}), 0);
        QTRY_COMPARE(dialog, effect);
        // Without a window manager nobody gives the window its focus back.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // A menu opened by the key ran its loop until the timer closed it; a queued one runs now.
    QCoreApplication::processEvents();
    QVERIFY2(popup.isEmpty(), qPrintable(popup));
    QVERIFY(window->isVisible());
}

// With no xdg-open and no browser on PATH, Qt's own opener has nothing to start on a real
// display either; the status line says so. Only xdotool stays reachable, to type F1.
void TestDesktop::helpWithoutAnyOpenerIsTold()
{
    QTemporaryDir bare;
    QVERIFY(QFile::link(QStandardPaths::findExecutable(QStringLiteral("xdotool")),
                        bare.filePath(QStringLiteral("xdotool"))));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bare.path()));
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    window->setStatus("Ready.");
    focus(child<QLineEdit>("editOutputName"));
    const bool typed = keys.send(QStringLiteral("F1"), Qt::Key_F1);
    qputenv("PATH", path);
    QVERIFY(typed);
    QTRY_COMPARE(child<QLabel>("labelStatus")->text(),
                 QStringLiteral("The help could not be opened: no web browser was found."));
}

void TestDesktop::tabGoesDownTheWindow()
{
    enableAll(window.get());
    focus(child<QWidget>("btnMenu"));
    const QStringList expected
            = {"btnMinimize",   "btnClose",          "editInputFile",  "btnBrowseIn",
               "sliderBar",     "editStartTime",     "editEndTime",    "spinFadein",
               "btnSuggest",    "btnPlay",           "btnPause",       "btnPlayClip",
               "btnStop",       "sliderVolume",      "editOutputName", "spinFadeout",
               "checkLoop",     "editOutputFolder",  "btnBrowseOut",   "checkExport",
               "comboToneKind", "checkEvenLoudness", "btnGenerate",    "btnWifi",
               "labelManage",   "labelHelp",         "labelHome",      "labelAbout",
               "btnMenu"};
    // The time fields and the spin box hand focus to their inner text field, and Tab steps
    // through a time field's sections before it leaves.
    const auto focusedName = [] {
        QWidget *focused = QApplication::focusWidget();
        while (focused && focused->objectName().isEmpty())
            focused = focused->parentWidget();
        return focused ? focused->objectName() : QStringLiteral("(none)");
    };
    QStringList steps;
    for (int i = 0; i < expected.size(); ++i) {
        const QString before = focusedName();
        for (int press = 0; press < 6 && focusedName() == before; ++press)
            QVERIFY(keys.send(QStringLiteral("Tab"), Qt::Key_Tab));
        steps << focusedName();
    }
    // The strip takes focus only where it accepts keys of its own.
    if (child<QWidget>("sliderBar")->focusPolicy() == Qt::NoFocus) {
        QStringList without = expected;
        without.removeAll(QStringLiteral("sliderBar"));
        QCOMPARE(steps.mid(0, without.size()), without);
    } else {
        QCOMPARE(steps, expected);
    }
}

void TestDesktop::everyButtonShowsFocus_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"btnMenu",
                             "btnMinimize",
                             "btnClose",
                             "btnBrowseIn",
                             "btnPlay",
                             "btnPause",
                             "btnPlayClip",
                             "btnSuggest",
                             "btnBrowseOut",
                             "btnGenerate",
                             "btnWifi",
                             "checkExport",
                             "comboToneKind",
                             "sliderVolume"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Drawn by the skin: the focused picture differs clearly from the plain one.
void TestDesktop::everyButtonShowsFocus()
{
    QFETCH(QString, name);
    enableAll(window.get());
    QWidget *widget = child<QWidget>(name.toLatin1().constData());
    const auto grab = [widget] { return widget->grab().toImage(); };
    focus(child<QWidget>("editOutputName"));
    const QImage plain = settled(grab);
    focus(widget);
    const QImage focused = settled(grab);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QColor a = plain.pixelColor(x, y);
            const QColor b = focused.pixelColor(x, y);
            changed += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green())
                            + qAbs(a.blue() - b.blue())
                    > 80;
        }
    }
    QVERIFY2(changed > 20, qPrintable(QString::number(changed)));
}

void TestDesktop::focusFrameLeavesBackgroundAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    const QList<QPair<const char *, const char *>> buttons = {{"btnMenu", "menu"},
                                                              {"btnMinimize", "minimize"},
                                                              {"btnClose", "close"},
                                                              {"btnBrowseIn", "browse"},
                                                              {"btnPlay", "play"},
                                                              {"btnPause", "pause"},
                                                              {"btnPlayClip", "clip"},
                                                              {"btnSuggest", "suggest"},
                                                              {"btnStop", "halt"},
                                                              {"btnBrowseOut", "browse"},
                                                              {"btnGenerate", "generate"},
                                                              {"btnWifi", "wifi"}};
    for (const auto &[name, picture] : buttons)
        QTest::newRow(name) << QString::fromLatin1(name)
                            << QStringLiteral(":/images/%1_focus.png").arg(QLatin1String(picture));
}

// After Tab the style draws its own focus frame, a faint rectangle over the whole button,
// unless the skin turns it off: where the skin's focus picture is transparent, the window
// shows through exactly as without focus.
void TestDesktop::focusFrameLeavesBackgroundAlone()
{
    QFETCH(QString, name);
    QFETCH(QString, picture);
    enableAll(window.get());
    QWidget *button = child<QWidget>(name.toLatin1().constData());
    const QRect area(button->mapTo(window.get(), QPoint(0, 0)), button->size());
    const auto grab = [this, area] { return window->grab(area).toImage(); };
    focus(child<QWidget>("editOutputName"));
    const QImage plain = settled(grab);
    // As Tab leaves it: the window shows keyboard focus from now on.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    button->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(button->hasFocus());
    const QImage focused = settled(grab);

    const QImage skin
            = QImage(picture).scaled(button->size()).convertToFormat(QImage::Format_ARGB32);
    const auto clear = [&skin](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (skin.rect().contains(x + dx, y + dy) && qAlpha(skin.pixel(x + dx, y + dy)))
                    return false;
        return true;
    };
    int transparent = 0;
    int changed = 0;
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            if (!clear(x, y))
                continue;
            ++transparent;
            changed += plain.pixel(x, y) != focused.pixel(x, y);
        }
    }
    QVERIFY2(transparent > 0, "the picture has no transparent corner");
    QVERIFY2(changed == 0,
             qPrintable(QStringLiteral("%1 of %2 background pixels changed")
                                .arg(changed)
                                .arg(transparent)));
}

// A focused button or field keeps Space; elsewhere it plays.
void TestDesktop::spaceIsLeftToFocusedWidgets()
{
    enableAll(window.get());
    child<QWidget>("btnPause")->setEnabled(false);
    fakes::playerCalls().clear();
    auto *name = child<QLineEdit>("editOutputName");
    name->clear();
    focus(name);
    QVERIFY(keys.send(QStringLiteral("space"), Qt::Key_Space));
    QCOMPARE(name->text(), QStringLiteral(" "));
    QVERIFY(fakes::playerCalls().isEmpty());

    focus(child<QWidget>("btnPlayClip"));
    QVERIFY(keys.send(QStringLiteral("space"), Qt::Key_Space));
    QTRY_VERIFY(fakes::playerCalls().contains(QStringLiteral("play")));
    QVERIFY(fakes::playerCalls().first().startsWith(QLatin1String("fadein")));

    child<QWidget>("btnPlay")->setEnabled(true);
    fakes::playerCalls().clear();
    focus(child<QWidget>("sliderVolume"));
    QVERIFY(keys.send(QStringLiteral("space"), Qt::Key_Space));
    QTRY_COMPARE(fakes::playerCalls(), QStringList {"play"});
}

void TestDesktop::commandLineFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");

    const QString here = QDir::currentPath();
    QTest::newRow("none") << QStringList {"vardel"} << "";
    QTest::newRow("absolute") << QStringList {"vardel", "/music/a b.mp3"} << "/music/a b.mp3";
    QTest::newRow("relative") << QStringList {"vardel", "song.ogg"} << here + "/song.ogg";
    QTest::newRow("options skipped")
            << QStringList {"vardel", "-x", "--verbose", "/m/x.flac"} << "/m/x.flac";
    QTest::newRow("dash file after --")
            << QStringList {"vardel", "--", "-odd.wav"} << here + "/-odd.wav";
    QTest::newRow("first file wins") << QStringList {"vardel", "/a.mp3", "/b.mp3"} << "/a.mp3";
    QTest::newRow("file url") << QStringList {"vardel", "file:///m/a%20b.mp3"} << "/m/a b.mp3";
}

void TestDesktop::commandLineFile()
{
    QFETCH(QStringList, arguments);
    QTEST(::commandLineFile(arguments), "file");
}

static QString xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The real program, started as the desktop entry starts it: the file reaches the loading
// path (a file that is not media is refused with the program's message box), and the window
// carries the program's icon for the taskbar and the switcher.
void TestDesktop::programTakesFileAndShowsIcon()
{
    QTemporaryDir home;
    const QString missing = home.filePath(QStringLiteral("not media.mp3"));
    QFile file(missing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("no sound here");
    file.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HANDVIA_ROOT"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/vardel"), {missing});
    QVERIFY(program.waitForStarted());
    const QString pid = QString::number(program.processId());

    // The window is titled with the full name once its language is in; the refusal's
    // message box carries the same title.
    QStringList windows;
    const bool both = QTest::qWaitFor(
            [&] {
                windows = xdotool({"search",
                                   "--onlyvisible",
                                   "--pid",
                                   pid,
                                   "--name",
                                   "^Marvolen Vardel$"})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                return windows.size() >= 2;
            },
            20000);
    QString icon;
    if (!windows.isEmpty()) {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {"-id", windows.constFirst(), "_NET_WM_ICON"});
        xprop.waitForFinished();
        icon = QString::fromUtf8(xprop.readAllStandardOutput());
    }
    program.kill();
    program.waitForFinished();
    QVERIFY2(both && windows.size() == 2, "no message box for the refused file");
    QVERIFY2(icon.contains(QLatin1String("Icon (16 x 16)"))
                     && icon.contains(QLatin1String("Icon (48 x 48)")),
             qPrintable(icon.left(200)));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
