// Getting a file into the editor: browsing, dropping, probing, decoding for the
// waveform, and keeping the clip in step between the slider and the time fields.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/decodefolder.h"
#include "app/dialogfilter.h"
#include "app/settings.h"
#include "cliptimes.h"
#include "editor/ringtonelength.h"
#include "media/filepath.h"
#include "media/mediaprobe.h"
#include "media/ringtonepaths.h"
#include "media/wavereader.h"
#include "media/wavesummary.h"

#include <QDebug>
#include <QDir>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QStyle>

namespace {

const char *const lengthWarning = QT_TRANSLATE_NOOP(
        "MainDialog", "Ringtones longer than 40 seconds may not appear on the iPhone.");

QTime timeFromMs(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(ms));
}

} // namespace

void MainDialog::loadFile(const QString &path)
{
    ui->editOutputName->setText(CFilePath(path).name());
    const QByteArray nativePath = QDir::toNativeSeparators(path).toUtf8();
    CMediaProbe probe;
    if (isRegularFile(path))
        probe.probe(nativePath.constData());
    const double d = probe.duration();
    if (d <= 0.5) {
        QMessageBox::information(this, productTitle(), tr("Invalid input file"), QMessageBox::Ok);
        return;
    }

    player.stop();
    fileDuration = d;
    durationText = clockText(d);
    ui->labelPlayTime->setText(QStringLiteral("%1 / %2").arg(clockText(0.0), durationText));
    ui->editInputFile->setText(QDir::toNativeSeparators(path));
    // The last file's picture must not stand for this one if no new picture comes.
    ui->sliderBar->setWaveImage(QImage());
    const QTime end = timeFromMs(qint64(d * 1000));
    ui->editStartTime->setMaximumTime(end);
    ui->editEndTime->setMaximumTime(end);
    ui->sliderBar->setEnabled(true);
    ui->btnPlay->setEnabled(true);
    ui->btnPlayClip->setEnabled(true);

    const double e = defaultClipEnd(d);
    waveSummary.reset();
    wholeWaveImage = QImage();
    markLoudness();
    ui->sliderBar->setRange(0.0, d);
    ui->sliderBar->setPos(0.0);
    ui->sliderBar->setClip(0.0, e);
    // Each field that really changes re-applies its value to the slider's clip.
    ui->editStartTime->setTime(QTime(0, 0));
    ui->editEndTime->setTime(QTime(0, 0).addSecs(int(e)));
    ui->editStartTime->setCurrentSection(QDateTimeEdit::SecondSection);
    ui->editEndTime->setCurrentSection(QDateTimeEdit::SecondSection);
    ui->sliderBar->setActiveEdge(clipview::Edge::Begin);

    showLoading();
    player.open(QDir::toNativeSeparators(path));

    // One encoder runs at a time: a running job ends first and is reported as what it is.
    if (converter.isRunning())
        decodePending = true;
    else
        startDecode();
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
    ui->btnGenerate->setEnabled(true);
    ui->progressBar->setValue(100);
    update();
    ui->sliderBar->show();
    killTimer(jobTimerId);
    jobTimerId = 0;
}

void MainDialog::showWaveform(const QString &wavPath)
{
    if (!converter.started())
        setStatus(QT_TR_NOOP("The encoder could not be started."), waitedResult);
    else if (converter.succeeded())
        setStatus(QT_TR_NOOP("File loaded."), waitedResult);
    else
        setStatus(QT_TR_NOOP("Could not read the audio of this file."), waitedResult);
    waitedResult = nullptr;

    if (!QFile::exists(wavPath))
        return;
    QElapsedTimer timer;
    timer.start();
    QFile wav(wavPath);
    const WaveOverview overview
            = ReadWaveOverview(&wav, ui->sliderBar->width(), ui->sliderBar->height());
    wholeWaveImage = overview.image;
    waveSummary = overview.summary;
    markLoudness();
    showWaveView(ui->sliderBar->viewStart(), ui->sliderBar->viewEnd());
    qDebug() << "CreateWaveImage " << timer.elapsed() << " ms\r\n";
    QFile::remove(wavPath);
}

// The whole file shows the picture drawn while reading; any other view comes from the summary.
void MainDialog::showWaveView(double from, double to)
{
    CClipSlider *strip = ui->sliderBar;
    if (!strip->isZoomed() || !waveSummary)
        strip->setWaveImage(wholeWaveImage);
    else
        strip->setWaveImage(paintWaveView(*waveSummary, from, to, strip->width(), strip->height()));
}

void MainDialog::showClipLength()
{
    double begin = 0.0;
    double end = 0.0;
    ui->sliderBar->getClip(begin, end);
    showLength(begin, end);
}

void MainDialog::showLength(double begin, double end)
{
    ui->labelLengthValue->setText(
            timeFromMs(wholeMilliseconds(end - begin)).toString(QStringLiteral("hh:mm:ss.zzz")));
    markLength(tooLongForPhone(end - begin));
    markLoudness();
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

void MainDialog::onClipChanged(double begin, double end)
{
    syncingTimes = true;
    ui->editStartTime->setTime(timeFromMs(wholeMilliseconds(begin)));
    ui->editEndTime->setTime(timeFromMs(wholeMilliseconds(end)));
    showLength(begin, end);
    syncingTimes = false;
}

void MainDialog::onStartTimeChanged(QTime time)
{
    ui->editEndTime->setMinimumTime(time);
    if (syncingTimes)
        return;
    ui->sliderBar->setActiveEdge(clipview::Edge::Begin);
    ui->sliderBar->setClip(QTime(0, 0).msecsTo(time) * 0.001, -1.0);
    showClipLength();
}

void MainDialog::onEndTimeChanged(QTime time)
{
    ui->editStartTime->setMaximumTime(time);
    if (syncingTimes)
        return;
    ui->sliderBar->setActiveEdge(clipview::Edge::End);
    ui->sliderBar->setClip(-1.0, QTime(0, 0).msecsTo(time) * 0.001);
    showClipLength();
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
