#ifndef MAINFIXTURE_H
#define MAINFIXTURE_H

#include "editor/clipslider.h"
#include "editor/maindialog.h"
#include "editor/volumeslider.h"
#include "fakes.h"
#include "media/filepath.h"
#include "mediatool.h"
#include "windowstatus.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimeEdit>
#include <QTimer>

#include <memory>

// A main window on the fake player and device libraries, with its widgets by name,
// media made by the distribution's ffmpeg tool, and message boxes answered by the test.
struct MainFixture
{
    QTemporaryDir dir;
    std::unique_ptr<MainDialog> window;

    static void isolateSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    }

    // The window reads the player's position every 50 ms instead of every 500 ms.
    static void shortenPositionChecks() { qputenv("VARDEL_TEST_PLAY_POLL_MS", "50"); }

    void open()
    {
        window = std::make_unique<MainDialog>();
        window->show();
        QCoreApplication::processEvents();
    }

    template<typename T>
    T *child(const char *name) const
    {
        T *widget = window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    QString status() const { return windowstatus::status(window.get()); }
    QString wholeStatus() const { return windowstatus::wholeStatus(window.get()); }
    bool generateIsBack() const { return windowstatus::generateIsBack(window.get()); }
    CClipSlider *slider() const { return child<CClipSlider>("sliderBar"); }

    QPair<double, double> clip() const
    {
        double begin = -1;
        double end = -1;
        slider()->getClip(begin, end);
        return {begin, end};
    }

    // For the stand-in encoder: where it writes its arguments down (returned), and a 20 s sine
    // in tone.wav to take clips of.
    QString standinArgumentsAndTone()
    {
        const QString argsPath = dir.filePath(QStringLiteral("encoder arguments"));
        qputenv("STANDIN_ARGS", QFile::encodeName(argsPath));
        MediaTool::make({"-f",
                         "lavfi",
                         "-i",
                         "sine=frequency=200:sample_rate=8000:duration=20",
                         "-ac",
                         "1",
                         dir.filePath(QStringLiteral("tone.wav"))});
        return argsPath;
    }

    QString makeTone(const QString &name, double seconds, int channels = 2)
    {
        const QString path = dir.filePath(name);
        MediaTool::make(
                {"-f",
                 "lavfi",
                 "-i",
                 QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
                 "-ac",
                 QString::number(channels),
                 path});
        return path;
    }

    // Answers the next message box with Ok and returns its texts through the pointers.
    static void answerMessageBox(QString *text, QString *details = nullptr)
    {
        QTimer::singleShot(0, [text, details] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return answerMessageBox(text, details);
            *text = box->text();
            if (details)
                *details = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
    }

    // Generate with the stand-in encoder, which writes the arguments it was given to
    // `argsPath`; they come back one a line (nothing when Generate is disabled).
    QStringList generateArguments(const QString &argsPath)
    {
        QFile::remove(argsPath);
        child<QLineEdit>("editOutputFolder")->setText(dir.filePath(QStringLiteral("out")));
        auto *generate = child<QPushButton>("btnGenerate");
        if (!generate->isEnabled())
            return {};
        generate->click();
        if (!QTest::qWaitFor([this] { return generateIsBack(); }, 30000))
            return {};
        QFile args(argsPath);
        if (!args.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(args.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void loadAndWait(const QString &path)
    {
        window->loadFile(path);
        QTRY_VERIFY_WITH_TIMEOUT(status() != QLatin1String("File is loading, please wait..."),
                                 30000);
    }
};

#endif
