#include "app/settings.h"
#include "app/skin.h"
#include "core/decodefolder.h"
#include "editor/volumeslider.h"
#include "mainfixture.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimeEdit>
#include <QWheelEvent>

#include <sys/stat.h>
#include <unistd.h>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsEmpty();
    void iTunesDetection_data();
    void iTunesDetection();
    void loading_data();
    void loading();
    void unusableInputIsRefused_data();
    void unusableInputIsRefused();
    void secondLoadOfSameFile();
    void waveformAppearsAfterDecode();
    void unreadableAudioIsNotLoaded();
    void failedDecodeLeavesNoOldWaveform();
    void decodeWritesIntoAFolderOfItsOwn();
    void secondFileDuringDecodeWins();
    void dropLoadsFirstLocalFile();
    void dragOfPlainTextIsRefused();
    void openDialogShowsEveryReadableFormat();
    void skinStaysOutOfStandardDialogs();
    void sliderWritesTimes();
    void timesMoveSlider();
    void bandDragMovesBothFields();
    void stripKeysReachTheFieldsToTheMillisecond();
    void zoomingOutRestoresTheWholePicture();
    void lengthPastFortySecondsWarns_data();
    void lengthPastFortySecondsWarns();
    void loudVolumeWarns_data();
    void loudVolumeWarns();
    void barsFollowProgress();
    void toolTipsNameTheirKeyOnce_data();
    void toolTipsNameTheirKeyOnce();

private:
    MainFixture f;
};

void TestMainWindow::initTestCase()
{
    MainFixture::isolateSettings();
    QVERIFY(f.dir.isValid());
}

void TestMainWindow::init()
{
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    fakes::reset();
}

void TestMainWindow::cleanup()
{
    f.window.reset();
}

void TestMainWindow::startsEmpty()
{
    f.open();
    QCOMPARE(fakes::playerCalls().mid(0, 2), QStringList({"init", "set_callback"}));
    QCOMPARE(fakes::deviceCalls(), QStringList({"set_event_callback", "query_itunes 260"}));
    for (const char *name : {"btnPlay", "btnPause", "btnPlayClip", "btnGenerate"})
        QVERIFY2(!f.child<QPushButton>(name)->isEnabled(), name);
    QVERIFY(!f.child<QCheckBox>("checkExport")->isEnabled());
    QVERIFY(!f.slider()->isVisible());
    QVERIFY(!f.child<QProgressBar>("progressBar")->isVisible());
    QCOMPARE(f.child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:00.000"));
    QCOMPARE(f.child<QLineEdit>("editOutputFolder")->text(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).isEmpty()
                     ? QDir::homePath()
                     : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void TestMainWindow::iTunesDetection_data()
{
    QTest::addColumn<uint>("version");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");

    // No iTunes exists here: whatever the library says, the box is hidden and off, and the
    // first status asks only for the phone.
    const QString status = QStringLiteral("Please connect your iPhone to this computer.");
    QTest::newRow("none") << 0u << status << true << false;
    QTest::newRow("just too old") << 0x0703FFFFu << status << true << false;
    QTest::newRow("oldest accepted") << 0x07040000u << status << true << false;
}

void TestMainWindow::iTunesDetection()
{
    QFETCH(uint, version);
    fakes::setITunes(version, QStringLiteral("/opt/itunes/iTunes"));
    f.open();
    QCOMPARE(fakes::deviceCalls().mid(0, 2),
             QStringList({"set_event_callback", "query_itunes 260"}));
    QTEST(f.status(), "status");
    QTEST(f.child<QCheckBox>("checkExportITunes")->isEnabled(), "enabled");
    QTEST(f.child<QCheckBox>("checkExportITunes")->isChecked(), "checked");
    QVERIFY(f.child<QCheckBox>("checkExportITunes")->isHidden());
}

void TestMainWindow::loading_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("clipEnd");
    QTest::addColumn<QString>("endField");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("playTime");

    // The fields show the clip as it is, to the millisecond.
    QTest::newRow("7.8 s: all of it") << 7.8 << 7.8 << "0:00:07.800"
                                      << "00:00:07.800"
                                      << "00:00:00 / 00:00:07";
    QTest::newRow("65.25 s: first ten") << 65.25 << 10.0 << "0:00:10.000"
                                        << "00:00:10.000"
                                        << "00:00:00 / 00:01:05";
    QTest::newRow("0.51 s: all of it") << 0.51 << 0.51 << "0:00:00.510"
                                       << "00:00:00.510"
                                       << "00:00:00 / 00:00:00";
}

void TestMainWindow::loading()
{
    QFETCH(double, seconds);
    QFETCH(double, clipEnd);
    const QString path = f.makeTone(QStringLiteral("tone %1.wav").arg(seconds), seconds);
    f.open();
    f.window->loadFile(path);

    QCOMPARE(f.child<QLineEdit>("editInputFile")->text(), QDir::toNativeSeparators(path));
    QCOMPARE(f.child<QLineEdit>("editOutputName")->text(), QStringLiteral("tone %1").arg(seconds));
    QVERIFY(qAbs(f.clip().first) < 1e-9);
    QVERIFY2(qAbs(f.clip().second - clipEnd) < 1e-6, qPrintable(QString::number(f.clip().second)));
    QTEST(f.child<QTimeEdit>("editEndTime")->text(), "endField");
    QCOMPARE(f.child<QTimeEdit>("editStartTime")->text(), QStringLiteral("0:00:00.000"));
    QTEST(f.child<QLabel>("labelLengthValue")->text(), "length");
    QTEST(f.child<QLabel>("labelPlayTime")->text(), "playTime");
    QVERIFY(f.child<QPushButton>("btnPlay")->isEnabled());
    QVERIFY(f.child<QPushButton>("btnPlayClip")->isEnabled());
    QVERIFY(!f.child<QPushButton>("btnGenerate")->isEnabled());
    QCOMPARE(f.status(), QStringLiteral("File is loading, please wait..."));
    QVERIFY(fakes::playerCalls().contains(
            QStringLiteral("open %1 0 0").arg(QDir::toNativeSeparators(path))));
    QTRY_COMPARE_WITH_TIMEOUT(f.status(), QStringLiteral("File loaded."), 30000);
    QVERIFY(f.child<QPushButton>("btnGenerate")->isEnabled());
}

void TestMainWindow::unusableInputIsRefused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<double>("seconds"); // a tone's length, or what else to make
    QTest::addColumn<QString>("reason");
    const double text = 0.0;
    const double pipe = -1.0;
    const double folder = -2.0;
    const double video = -3.0;
    const double missing = -4.0;
    const double locked = -5.0;

    QTest::newRow("exactly 0.5 s") << "half.wav" << 0.5 << "too short";
    QTest::newRow("not media") << "notes.txt" << text << "not an audio or video file";
    // Probing a pipe would wait for a writer forever.
    QTest::newRow("a pipe") << "pipe.wav" << pipe << "not a file";
    QTest::newRow("a folder") << "folder.wav" << folder << "not a file";
    QTest::newRow("video without sound") << "silent.mkv" << video << "no audio track";
    QTest::newRow("gone") << "gone.mp3" << missing << "No such file";
    if (geteuid() != 0)
        QTest::newRow("not readable") << "locked.wav" << locked << "ermission denied";
}

void TestMainWindow::unusableInputIsRefused()
{
    QFETCH(QString, fileName);
    QFETCH(double, seconds);
    QFETCH(QString, reason);
    const QString kept = f.makeTone(QStringLiteral("kept.wav"), 3.0);
    QString refused = f.dir.filePath(fileName);
    if (seconds > 0) {
        refused = f.makeTone(fileName, seconds);
    } else if (seconds == -1.0) {
        QCOMPARE(mkfifo(QFile::encodeName(refused).constData(), 0600), 0);
    } else if (seconds == -2.0) {
        QVERIFY(QDir().mkpath(refused));
    } else if (seconds == -3.0) {
        QVERIFY(MediaTool::make({"-f", "lavfi", "-i", "testsrc=d=2:s=64x48:r=10", refused}));
    } else if (seconds == -5.0) {
        refused = f.makeTone(fileName, 2.0);
        QVERIFY(QFile::setPermissions(refused, QFileDevice::WriteOwner));
    } else if (seconds == 0.0) {
        QFile text(refused);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not sound");
    }
    f.open();
    f.loadAndWait(kept);
    f.child<QLineEdit>("editOutputName")->setText(QStringLiteral("typed name"));
    fakes::playerCalls().clear();

    QString message;
    QString details;
    MainFixture::answerMessageBox(&message, &details);
    f.window->loadFile(refused);
    QCOMPARE(message, QStringLiteral("Invalid input file"));
    // The box names the file and says why; nothing in the editor has changed.
    QVERIFY2(details.contains(QFileInfo(refused).fileName()), qPrintable(details));
    QVERIFY2(details.contains(reason), qPrintable(details));
    QCOMPARE(f.child<QLineEdit>("editInputFile")->text(), QDir::toNativeSeparators(kept));
    QCOMPARE(f.child<QLineEdit>("editOutputName")->text(), QStringLiteral("typed name"));
    QCOMPARE(f.clip(), qMakePair(0.0, 3.0));
    QCOMPARE(f.child<QTimeEdit>("editEndTime")->text(), QStringLiteral("0:00:03.000"));
    QVERIFY(f.slider()->isVisible());
    QVERIFY(fakes::playerCalls().isEmpty());
}

void TestMainWindow::secondLoadOfSameFile()
{
    const QString path = f.makeTone(QStringLiteral("again.wav"), 7.8);
    f.open();
    for (int load = 0; load < 2; ++load) {
        f.loadAndWait(path);
        QCOMPARE(f.clip(), qMakePair(0.0, 7.8));
        QCOMPARE(f.child<QTimeEdit>("editEndTime")->text(), QStringLiteral("0:00:07.800"));
        QCOMPARE(f.child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:07.800"));
    }
}

void TestMainWindow::waveformAppearsAfterDecode()
{
    const QString path = f.makeTone(QStringLiteral("wave.mp3"), 4.0);
    f.open();
    const QImage before = f.slider()->grab().toImage();
    f.loadAndWait(path);
    QCOMPARE(f.status(), QStringLiteral("File loaded."));
    QVERIFY(f.slider()->isVisible());
    QVERIFY(f.slider()->grab().toImage() != before);
    QCOMPARE(f.child<QProgressBar>("progressBar")->value(), 100);
    // The temporary WAV is gone once the picture is made.
    QVERIFY(!QFile::exists(QDir::temp().filePath(QStringLiteral("wave.wav"))));
}

// A video whose audio track holds no sound at all: the probe accepts it, the decode fails.
static QStringList emptyAudioTrack(const QString &path)
{
    return {"-f",
            "lavfi",
            "-i",
            "testsrc=d=2:s=64x48:r=10",
            "-f",
            "lavfi",
            "-i",
            "anullsrc=r=44100",
            "-map",
            "0:v",
            "-map",
            "1:a",
            "-frames:a",
            "0",
            "-t",
            "2",
            path};
}

// A file the probe accepts but whose audio cannot be decoded is not "loaded".
void TestMainWindow::unreadableAudioIsNotLoaded()
{
    const QString path = f.dir.filePath(QStringLiteral("silent video.mkv"));
    QVERIFY(MediaTool::make(emptyAudioTrack(path)));
    f.open();
    f.loadAndWait(path);
    QCOMPARE(f.status(), QStringLiteral("Could not read the audio of this file."));
    QVERIFY(f.child<QPushButton>("btnGenerate")->isEnabled());
    QVERIFY(f.child<QPushButton>("btnPlay")->isEnabled());
}

// The waveform is drawn in yellow; the slider's own pictures hold none of it.
static int waveformPixels(QWidget *slider)
{
    const QImage image = slider->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() > 200 && c.blue() < 80;
        }
    }
    return count;
}

// A file whose decode gives no picture shows none, not the previous file's stretched over it.
void TestMainWindow::failedDecodeLeavesNoOldWaveform()
{
    const QString video = f.dir.filePath(QStringLiteral("mute.mkv"));
    QVERIFY(MediaTool::make(emptyAudioTrack(video)));
    const QString loud = f.dir.filePath(QStringLiteral("loud.wav"));
    QVERIFY(MediaTool::make({"-f", "lavfi", "-i", "aevalsrc=0.9*sin(2*PI*440*t):d=30", loud}));
    f.open();
    const int empty = waveformPixels(f.slider());
    f.loadAndWait(loud);
    QVERIFY(waveformPixels(f.slider()) > empty + 100);
    f.loadAndWait(video);
    QCOMPARE(f.status(), QStringLiteral("Could not read the audio of this file."));
    QCOMPARE(waveformPixels(f.slider()), empty);
}

// The decode's WAV goes to a folder of this process in the user's cache folder, where a
// crash's leftovers can be told from a running program's. It is read once for every view and
// the loudness: no clip edit writes another; it stays while its file is loaded and goes with
// the next file.
void TestMainWindow::decodeWritesIntoAFolderOfItsOwn()
{
    const QString own
            = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                      .filePath(
                              QStringLiteral("vardel/%1").arg(QCoreApplication::applicationPid()));
    QCOMPARE(decodeFolder(), own);
    QFileSystemWatcher watcher({own});
    QSignalSpy changes(&watcher, &QFileSystemWatcher::directoryChanged);
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("own folder.wav"), 4.0));
    QCOMPARE(f.status(), QStringLiteral("File loaded."));
    QTRY_VERIFY(!changes.isEmpty());
    const QStringList decoded = {QStringLiteral("own folder.wav")};
    const auto files = [&own] {
        return QDir(own).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    QCOMPARE(files(), decoded);
    changes.clear();
    emit f.child<CVolumeSlider>("sliderVolume")->sliderMoved(200);
    f.child<QTimeEdit>("editEndTime")->setTime(QTime(0, 0, 3));
    QTest::qWait(1000);
    QCOMPARE(files(), decoded);
    QVERIFY(changes.isEmpty());
    f.loadAndWait(f.makeTone(QStringLiteral("next.wav"), 2.0));
    QCOMPARE(files(), QStringList(QStringLiteral("next.wav")));
}

// The running decode ends first, its picture is thrown away, and the newer file is decoded.
void TestMainWindow::secondFileDuringDecodeWins()
{
    const QString first = f.makeTone(QStringLiteral("superseded.mp3"), 60.0);
    const QString second = f.makeTone(QStringLiteral("newer.wav"), 4.0);
    f.open();
    f.window->loadFile(first);
    f.window->loadFile(second);
    QTRY_COMPARE_WITH_TIMEOUT(f.status(), QStringLiteral("File loaded."), 30000);
    QCOMPARE(f.child<QLineEdit>("editInputFile")->text(), QDir::toNativeSeparators(second));
    QCOMPARE(f.clip(), qMakePair(0.0, 4.0));
    QVERIFY(f.slider()->isVisible());
    QVERIFY(!QFile::exists(QDir::temp().filePath(QStringLiteral("superseded.wav"))));
    QVERIFY(!QFile::exists(QDir::temp().filePath(QStringLiteral("newer.wav"))));
}

// Drops arrive as the platform sends them: an accepted enter, then the drop.
static void dropUrls(QWidget *window, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(300, 250), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(QPointF(300, 250), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &drop);
}

void TestMainWindow::dropLoadsFirstLocalFile()
{
    const QString first = f.makeTone(QStringLiteral("first.wav"), 2.0);
    const QString second = f.makeTone(QStringLiteral("second.wav"), 2.0);
    f.open();

    dropUrls(f.window.get(), {QUrl(QStringLiteral("https://example.org/tone.mp3"))});
    QVERIFY(f.child<QLineEdit>("editInputFile")->text().isEmpty());
    QCOMPARE(f.status(), QStringLiteral("Please connect your iPhone to this computer."));

    dropUrls(f.window.get(), {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    QCOMPARE(f.child<QLineEdit>("editInputFile")->text(), QDir::toNativeSeparators(first));
    QTRY_COMPARE_WITH_TIMEOUT(f.status(), QStringLiteral("File loaded."), 30000);
}

void TestMainWindow::dragOfPlainTextIsRefused()
{
    f.open();
    QMimeData text;
    text.setText(QStringLiteral("/tmp/tone.wav"));
    QDragEnterEvent plain(QPoint(300, 250), Qt::CopyAction, &text, Qt::LeftButton, {});
    plain.setDropAction(Qt::IgnoreAction);
    QApplication::sendEvent(f.window.get(), &plain);
    QVERIFY(!plain.isAccepted());

    QMimeData uris;
    uris.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/tone.wav"))});
    QDragEnterEvent files(QPoint(300, 250), Qt::CopyAction, &uris, Qt::LeftButton, {});
    QApplication::sendEvent(f.window.get(), &files);
    QVERIFY(files.isAccepted());
}

// The first filter of the open dialog is the one in force; files it hides cannot be chosen
// without knowing to pick "All files".
void TestMainWindow::openDialogShowsEveryReadableFormat()
{
    const QStringList media = {"a.flac",
                               "b.ogg",
                               "c.oga",
                               "d.opus",
                               "e.aac",
                               "f.ac3",
                               "g.m4b",
                               "h.mka",
                               "i.weba",
                               "j.caf",
                               "k.aif",
                               "l.mp3",
                               "m.wma",
                               "n.m4a",
                               "o.mkv",
                               "p.webm",
                               "q.aiff"};
    QDir folder(f.dir.filePath(QStringLiteral("media")));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    for (const QString &name : media + QStringList {"notes.txt"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    writeSetting(QStringLiteral("InputDir"), folder.path());
    f.open();

    QStringList shown;
    QString filter;
    QTimer::singleShot(0, f.window.get(), [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        filter = dialog->selectedNameFilter();
        auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
        // The folder is read on a thread of the model's; every medium shown means it is done.
        const auto listed
                = [&] { return view->model()->rowCount(view->rootIndex()) >= media.size(); };
        if (!QTest::qWaitFor(listed, 5000))
            qWarning("the folder was not listed in time");
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            shown << view->model()->index(row, 0, view->rootIndex()).data().toString();
        dialog->reject();
    });
    f.child<QPushButton>("btnBrowseIn")->click();

    QVERIFY2(filter.startsWith(QLatin1String("All Supported Formats(")), qPrintable(filter));
    shown.sort();
    QCOMPARE(shown, media);
}

// A standard dialog opened over the window is its child: the skin's field rules must
// not reach it, or its fields turn into white text on the skin's dark frame.
void TestMainWindow::skinStaysOutOfStandardDialogs()
{
    QVERIFY(applySkin());
    const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    f.open();
    QCOMPARE(f.child<QLineEdit>("editOutputName")->palette().color(QPalette::Text),
             QColor(Qt::white));
    QFileDialog dialog(f.window.get());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    const auto fields = dialog.findChildren<QLineEdit *>();
    QVERIFY(!fields.isEmpty());
    for (QLineEdit *field : fields)
        QVERIFY2(field->palette().color(QPalette::Text) != QColor(Qt::white),
                 qPrintable(field->objectName()));
}

void TestMainWindow::sliderWritesTimes()
{
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("sync.wav"), 65.25));
    // A report between milliseconds is taken to the nearest; every view shows the same two.
    emit f.slider()->clipChanged(2.3456, 40.0009);
    QCOMPARE(f.child<QTimeEdit>("editStartTime")->time(), QTime(0, 0, 2, 346));
    QCOMPARE(f.child<QTimeEdit>("editEndTime")->time(), QTime(0, 0, 40, 1));
    QCOMPARE(f.child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:37.655"));
    QCOMPARE(f.clip(), qMakePair(2.346, 40.001));
}

void TestMainWindow::timesMoveSlider()
{
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("fields.wav"), 65.25));
    f.child<QTimeEdit>("editEndTime")->setTime(QTime(0, 0, 30, 500));
    QCOMPARE(f.clip(), qMakePair(0.0, 30.5));
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, 12, 250));
    QCOMPARE(f.clip(), qMakePair(12.25, 30.5));
    QCOMPARE(f.child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:18.250"));
    // Neither field bounds the other: a typed time is never held to another one.
    for (const char *name : {"editStartTime", "editEndTime"}) {
        QCOMPARE(f.child<QTimeEdit>(name)->minimumTime(), QTime(0, 0));
        QCOMPARE(f.child<QTimeEdit>(name)->maximumTime(), QTime(0, 1, 5, 250));
    }
}

void TestMainWindow::bandDragMovesBothFields()
{
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("band.wav"), 65.25));
    f.child<QTimeEdit>("editEndTime")->setTime(QTime(0, 0, 10));
    // One step moves the band 0..10 to 20..30, beyond its own length.
    emit f.slider()->clipChanged(20.0, 30.0);
    QCOMPARE(f.child<QTimeEdit>("editStartTime")->time(), QTime(0, 0, 20));
    QCOMPARE(f.child<QTimeEdit>("editEndTime")->time(), QTime(0, 0, 30));
    QCOMPARE(f.child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:10.000"));
}

// 1.005 s is stored in binary a hair below 1005 ms; the fields still read what was placed.
void TestMainWindow::stripKeysReachTheFieldsToTheMillisecond()
{
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("keys.wav"), 65.25));
    CClipSlider *strip = f.slider();
    QCOMPARE(strip->activeEdge(), clipview::Edge::Begin);
    strip->setPos(1.005);
    QTest::keyClick(strip, Qt::Key_BracketLeft);
    QCOMPARE(f.child<QTimeEdit>("editStartTime")->time(), QTime(0, 0, 1, 5));
    QCOMPARE(f.child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:08.995"));
    strip->setActiveEdge(clipview::Edge::End);
    QTest::keyClick(strip, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(strip, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(strip, Qt::Key_Left);
    QCOMPARE(f.clip(), qMakePair(1.005, 11.09));
    QCOMPARE(f.child<QTimeEdit>("editEndTime")->time(), QTime(0, 0, 11, 90));
    QCOMPARE(f.child<QLabel>("labelLengthValue")->text(), QStringLiteral("00:00:10.085"));
    // A typed time makes its edge the one the keys move.
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, 2));
    QCOMPARE(strip->activeEdge(), clipview::Edge::Begin);
}

void TestMainWindow::zoomingOutRestoresTheWholePicture()
{
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("zoom.wav"), 30.0));
    CClipSlider *strip = f.slider();
    strip->setClip(20, 25);
    const QImage whole = strip->grab().toImage();
    // Eight notches at 2.83 s: a view 0.8^8 of the file long, clear of the band.
    QWheelEvent wheel(QPointF(50, 25),
                      strip->mapToGlobal(QPointF(50, 25)),
                      QPoint(),
                      QPoint(0, 8 * 120),
                      Qt::NoButton,
                      Qt::NoModifier,
                      Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(strip, &wheel);
    QVERIFY(strip->isZoomed());
    QVERIFY(strip->viewEnd() < 20);
    const QImage zoomed = strip->grab().toImage();
    QVERIFY(zoomed != whole);
    // The waveform of the view is drawn across the strip, not the whole file's squeezed.
    int yellow = 0;
    for (int x = 0; x < zoomed.width(); ++x) {
        const QColor c = zoomed.pixelColor(x, 24);
        yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80;
    }
    QVERIFY2(yellow > zoomed.width() / 2, qPrintable(QString::number(yellow)));
    QTest::keyClick(strip, Qt::Key_0);
    QCOMPARE(strip->grab().toImage(), whole);
}

void TestMainWindow::lengthPastFortySecondsWarns_data()
{
    QTest::addColumn<QTime>("end");
    QTest::addColumn<bool>("warned");
    QTest::newRow("39.999 s") << QTime(0, 0, 39, 999) << false;
    QTest::newRow("exactly 40 s") << QTime(0, 0, 40) << false;
    QTest::newRow("40.001 s") << QTime(0, 0, 40, 1) << true;
    QTest::newRow("a minute") << QTime(0, 1) << true;
}

void TestMainWindow::lengthPastFortySecondsWarns()
{
    QFETCH(QTime, end);
    QFETCH(bool, warned);
    QVERIFY(applySkin());
    const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("forty.wav"), 65.25));
    auto *length = f.child<QLabel>("labelLengthValue");
    const auto orangePixels = [length] {
        const QImage image = length->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() > 120 && c.green() < 210 && c.blue() < 110;
            }
        }
        return count;
    };
    QCOMPARE(orangePixels(), 0);
    f.child<QTimeEdit>("editEndTime")->setTime(end);
    QCOMPARE(length->property("tooLong").toBool(), warned);
    QCOMPARE(length->toolTip(),
             warned ? QStringLiteral(
                     "Ringtones longer than 40 seconds may not appear on the iPhone.")
                    : QString());
    QCOMPARE(orangePixels() > 0, warned);
    // Back under the limit, the label is plain again.
    f.child<QTimeEdit>("editEndTime")->setTime(QTime(0, 0, 12));
    QVERIFY(length->toolTip().isEmpty());
    QCOMPARE(orangePixels(), 0);
}

void TestMainWindow::loudVolumeWarns_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("warned");

    QTest::newRow("quiet half, highest volume") << 1 << 4 << 198 << false;
    QTest::newRow("loud half, unchanged") << 6 << 9 << 100 << false;
    QTest::newRow("loud half, 2x") << 6 << 9 << 124 << true;
    QTest::newRow("clip reaching into the loud half, 2x") << 3 << 7 << 124 << true;
}

// The file is quiet (peaks at 0.05) for 5 s, then loud (0.5): the volume label warns when the
// clip's loudest sample at the ringtone's level passes the limiter's ceiling.
void TestMainWindow::loudVolumeWarns()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, position);
    QFETCH(bool, warned);
    QVERIFY(applySkin());
    const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    f.open();
    const QString path = f.dir.filePath(QStringLiteral("halves.wav"));
    QVERIFY(MediaTool::make({"-f",
                             "lavfi",
                             "-i",
                             "aevalsrc=exprs=if(lt(t\\,5)\\,0.05\\,0.5)*sin(2*PI*440*t)|"
                             "if(lt(t\\,5)\\,0.05\\,0.5)*sin(2*PI*440*t):s=44100:d=10",
                             path}));
    f.loadAndWait(path);
    auto *volume = f.child<QLabel>("labelVolume");
    QVERIFY(volume->toolTip().isEmpty());
    f.child<QTimeEdit>("editEndTime")->setTime(QTime(0, 0, end));
    f.child<QTimeEdit>("editStartTime")->setTime(QTime(0, 0, start));
    auto *slider = f.child<CVolumeSlider>("sliderVolume");
    slider->setPos(position);
    emit slider->sliderMoved(position);
    QCOMPARE(volume->property("loud").toBool(), warned);
    QCOMPARE(volume->toolTip(),
             warned ? QStringLiteral("Loud: peaks are limited to avoid distortion.") : QString());
    const QImage image = volume->grab().toImage();
    int orange = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            orange += c.red() > 200 && c.green() > 120 && c.green() < 210 && c.blue() < 110;
        }
    }
    QCOMPARE(orange > 0, warned);
}

void TestMainWindow::barsFollowProgress()
{
    f.open();
    auto *progress = f.child<QProgressBar>("progressBar");
    QCOMPARE(progress->value(), 24);
    const QImage low = f.window->grab().toImage();
    progress->setValue(100);
    const QImage high = f.window->grab().toImage();

    // Level 24 lights the left bar from y = 394 and the right bar from y = 427; level 100
    // from y = 90 and 208. Rows lit at both levels look the same.
    QCOMPARE(low.pixel(13, 450), high.pixel(13, 450));
    QVERIFY(low.copy(0, 90, 26, 300) != high.copy(0, 90, 26, 300));
    QCOMPARE(low.copy(0, 394, 26, 113), high.copy(0, 394, 26, 113));
    QVERIFY(low.copy(644, 208, 27, 215) != high.copy(644, 208, 27, 215));
    QCOMPARE(low.copy(644, 427, 27, 80), high.copy(644, 427, 27, 80));
}

void TestMainWindow::toolTipsNameTheirKeyOnce_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("20 clip edits") << "clip";
    QTest::newRow("20 fade-in edits") << "fadein";
    QTest::newRow("20 loads") << "load";
}

// Each tool tip that names a key names it once, however often the clip changes.
void TestMainWindow::toolTipsNameTheirKeyOnce()
{
    QFETCH(QString, edit);

    f.open();
    const QString path = f.makeTone(QStringLiteral("tips.wav"), 30.0);
    f.loadAndWait(path);
    for (int i = 1; i <= 20; ++i) {
        if (edit == QLatin1String("clip")) {
            emit f.slider()->clipChanged(i, i + 5.0);
            emit f.slider()->clipEditFinished();
        } else if (edit == QLatin1String("fadein")) {
            f.child<QSpinBox>("spinFadein")->setValue(i % 5);
        } else {
            f.loadAndWait(path);
        }
    }
    const QList<std::pair<const char *, QString>> tips = {{"btnPlay", "Play"},
                                                          {"btnPause", "Pause"},
                                                          {"btnClose", "Close"},
                                                          {"btnGenerate", "Generate the ringtone"}};
    for (const auto &[name, text] : tips) {
        const QString tip = f.child<QPushButton>(name)->toolTip();
        QVERIFY2(tip.startsWith(text + QStringLiteral(" (")) && tip.count(QLatin1Char('(')) == 1,
                 qPrintable(tip));
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
