// Getting a file into the editor: browsing, dropping, probing, decoding for the
// waveform, and keeping the clip in step between the slider and the time fields.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/dialogfilter.h"
#include "app/settings.h"
#include "cliptimes.h"
#include "core/decodefolder.h"
#include "editor/ringtonelength.h"
#include "media/filepath.h"
#include "media/inputcheck.h"
#include "media/ringtonepaths.h"
#include "media/wavesummary.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QStyle>
#include <QtMath>

namespace {

const char *const lengthWarning = QT_TRANSLATE_NOOP(
        "MainDialog", "Ringtones longer than 40 seconds may not appear on the iPhone.");

} // namespace

// A refused file changes nothing in the window: the check comes before every change.
void MainDialog::loadFile(const QString &path)
{
    const InputCheck check = checkInput(path);
    if (check.verdict != InputCheck::Accepted) {
        refuseInput(path, check);
        return;
    }
    const double d = check.duration;
    ui->editOutputName->setText(CFilePath(path).name());
    player.stop();
    fileDuration = d;
    durationText = clockText(d);
    ui->labelPlayTime->setText(QStringLiteral("%1 / %2").arg(clockText(0.0), durationText));
    ui->editInputFile->setText(QDir::toNativeSeparators(path));
    // The last file's picture must not stand for this one if no new picture comes.
    ui->sliderBar->setWaveImage(QImage());
    // Whole milliseconds, cut: the clip never ends after the file.
    clipModel.reset(wholeMilliseconds(d));
    // A range that squeezes the old times is no edit: the new clip is the one just reset.
    const QTime end = timeFromMs(clipModel.duration());
    syncingTimes = true;
    ui->editStartTime->setTimeRange(QTime(0, 0), end);
    ui->editEndTime->setTimeRange(QTime(0, 0), end);
    syncingTimes = false;
    ui->sliderBar->setEnabled(true);
    ui->btnPlay->setEnabled(true);
    ui->btnPlayClip->setEnabled(true);

    waveSummary.reset();
    wholeWaveImage = QImage();
    fileIntake.forget();
    clipMeter.clear();
    ui->sliderBar->setRange(0.0, secondsOf(clipModel.duration()));
    ui->sliderBar->setPos(0.0);
    showClip();
    ui->editStartTime->setCurrentSection(QDateTimeEdit::SecondSection);
    ui->editEndTime->setCurrentSection(QDateTimeEdit::SecondSection);
    ui->sliderBar->setActiveEdge(clipview::Edge::Begin);
    history.clear();
    editSource = EditSource::None;
    stateShown = editState();
    forgetSuggestions();

    showLoading();
    player.open(QDir::toNativeSeparators(path));

    // One encoder runs at a time: a running job ends first and is reported as what it is.
    if (converter.isRunning())
        decodePending = true;
    else
        startDecode();
}

void MainDialog::refuseInput(const QString &path, const InputCheck &check)
{
    const QString name = QFileInfo(path).fileName();
    QString why;
    switch (check.verdict) {
    case InputCheck::NotAFile:
        why = tr("“%1” is a folder, a device or a pipe, not a file. Choose an audio or "
                 "video file.");
        break;
    case InputCheck::Unreadable:
        why = tr("“%1” cannot be read: %2. Check that the file is there and that you "
                 "may read it.");
        break;
    case InputCheck::NotMedia:
        why = tr("“%1” is not an audio or video file. Choose an audio or video file.");
        break;
    case InputCheck::NoAudio:
        why = tr("“%1” has no audio track. Choose a file with sound.");
        break;
    case InputCheck::TooShort:
    case InputCheck::Accepted:
        why = tr("“%1” lasts half a second or less, too short for a ringtone. Choose "
                 "a longer file.");
        break;
    }
    why = why.arg(name);
    if (check.verdict == InputCheck::Unreadable)
        why = why.arg(check.reason);
    QMessageBox box(QMessageBox::Information,
                    productTitle(),
                    tr("Invalid input file"),
                    QMessageBox::Ok,
                    this);
    box.setInformativeText(why);
    box.exec();
}

void MainDialog::showLoading()
{
    ui->progressBar->setValue(0);
    ui->sliderBar->hide();
    setStatus(QT_TR_NOOP("File is loading, please wait..."), waitedResult);
    update();
}

void MainDialog::startDecode()
{
    converter.reset();
    converter.setInput(ui->editInputFile->text());
    converter.setOutput(decodeWavPath(ui->editInputFile->text(), decodeFolder()));
    startJob(CAVConverter::Decode);
}

void MainDialog::startJob(CAVConverter::JobType jobType)
{
    jobTimerId = startTimer(500);
    ui->btnGenerate->setEnabled(false);
    converter.start(jobType);
}

// Shared end of both job kinds.
void MainDialog::endJob()
{
    ui->progressBar->setValue(100);
    update();
    ui->sliderBar->show();
    killTimer(jobTimerId);
    jobTimerId = 0;
    showGenerateState();
}

// Shaping kept from last time is told with the file it now applies to.
void MainDialog::showLoaded(const QString &notice)
{
    if (notice.isEmpty())
        setStatus(QT_TR_NOOP("File loaded."), waitedResult);
    else
        setStatus(QT_TR_NOOP("File loaded. %1"), waitedResult, notice);
}

void MainDialog::showWaveform(const QString &wavPath)
{
    if (converter.succeeded() && QFile::exists(wavPath)) {
        // The status says the file is loaded, and the strip shows, once its picture is there.
        ui->sliderBar->hide();
        fileIntake.read(wavPath, wavePixels());
        return;
    }
    if (!converter.started())
        setStatus(QT_TR_NOOP("The encoder could not be started."), waitedResult);
    else if (converter.succeeded())
        showLoaded(rememberedShapingNotice());
    else
        setStatus(QT_TR_NOOP("Could not read the audio of this file."), waitedResult);
    waitedResult = nullptr;
    QFile::remove(wavPath);
    suggestFinder.take(nullptr); // tells that there is nothing to suggest from
}

// The one read of the decoded WAV is done: picture, zoomed views, loudness and suggestion.
void MainDialog::takeIntake(const WavIntake &intake)
{
    showLoaded(rememberedShapingNotice());
    waitedResult = nullptr;
    ui->sliderBar->show();
    wholeWaveImage = intake.image;
    wholeWaveImage.setDevicePixelRatio(ui->sliderBar->devicePixelRatioF());
    waveSummary = intake.summary;
    clipMeter.setSource(fileIntake.wavPath(), intake.blocks, intake.summary);
    markLoudness();
    scheduleLoudness();
    showWaveView(ui->sliderBar->viewStart(), ui->sliderBar->viewEnd());
    suggestFinder.take(intake.features);
}

// The waveform is drawn in the screen's own pixels, so a screen that scales shows it sharp.
QSize MainDialog::wavePixels() const
{
    const CClipSlider *strip = ui->sliderBar;
    return QSize(qCeil(strip->width() * strip->devicePixelRatioF()),
                 qCeil(strip->height() * strip->devicePixelRatioF()));
}

// The whole file shows the picture drawn while reading, as long as the screen's scale is the
// one it was drawn at; any other view comes from the summary.
void MainDialog::showWaveView(double from, double to)
{
    CClipSlider *strip = ui->sliderBar;
    const qreal ratio = strip->devicePixelRatioF();
    if (!waveSummary || (!strip->isZoomed() && wholeWaveImage.devicePixelRatio() == ratio)) {
        strip->setWaveImage(wholeWaveImage);
        return;
    }
    const QSize pixels = wavePixels();
    QImage view = paintWaveView(*waveSummary, from, to, pixels.width(), pixels.height());
    view.setDevicePixelRatio(ratio);
    strip->setWaveImage(view);
}

// The skin draws the length in a warning colour while the property is set.
void MainDialog::markLength(bool tooLong)
{
    QLabel *label = ui->labelLengthValue;
    label->setToolTip(tooLong ? tr(lengthWarning) : QString());
    if (label->property("tooLong").toBool() == tooLong)
        return;
    label->setProperty("tooLong", tooLong);
    label->style()->unpolish(label);
    label->style()->polish(label);
}

void MainDialog::onSliderMoved(double value)
{
    player.seek(value);
    ui->labelPlayTime->setText(QStringLiteral("%1 / %2").arg(clockText(value), durationText));
}

void MainDialog::onBtnBrowseIn()
{
    QString start = ui->editInputFile->text();
    if (start.isEmpty())
        start = readSetting(QStringLiteral("InputDir"), documentsFolder());
    const QString filter = openFileFilter(tr("All files"),
                                          tr("All Supported Formats"),
                                          tr("Supported Video"),
                                          tr("Supported Audio"));
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), start, filter);
    if (path.isEmpty())
        return;
    writeSetting(QStringLiteral("InputDir"), CFilePath(path).dir());
    loadFile(path);
}

void MainDialog::onBtnBrowseOut()
{
    const QString folder
            = QFileDialog::getExistingDirectory(this,
                                                tr("Select a folder to store output file."),
                                                ui->editOutputFolder->text(),
                                                QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    ui->editOutputFolder->setText(QDir::toNativeSeparators(folder));
    writeSetting(QStringLiteral("OutputFolder"), ui->editOutputFolder->text());
}

void MainDialog::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    const QString path = urls.constFirst().toLocalFile();
    if (!path.isEmpty())
        loadFile(path);
}
