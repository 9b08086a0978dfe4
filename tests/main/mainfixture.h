#ifndef MAINFIXTURE_H
#define MAINFIXTURE_H

#include "editor/clipslider.h"
#include "editor/maindialog.h"
#include "editor/volumeslider.h"
#include "fakes.h"
#include "media/filepath.h"
#include "mediatool.h"

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

    // The status line as read: a saved ringtone's link shows as its text.
    QString status() const
    {
        const QLabel *label = child<QLabel>("labelStatus");
        if (label->textFormat() != Qt::RichText)
            return label->text();
        return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    }
    // The whole status text, also where the line shows it cut short.
    QString wholeStatus() const
    {
        const QString tip = child<QLabel>("labelStatus")->toolTip();
        return tip.isEmpty() ? status() : tip;
    }

    // A job has ended once Generate is back: enabled, and no longer the job's stop button.
    bool generateIsBack() const
    {
        const auto *generate = child<QPushButton>("btnGenerate");
        return generate->isEnabled() && !generate->property("stopsJob").toBool();
    }
    CClipSlider *slider() const { return child<CClipSlider>("sliderBar"); }

    QPair<double, double> clip() const
    {
        double begin = -1;
        double end = -1;
        slider()->getClip(begin, end);
        return {begin, end};
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
        QDeadlineTimer deadline(30000);
        while (!generateIsBack() && !deadline.hasExpired())
            QTest::qWait(10);
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
