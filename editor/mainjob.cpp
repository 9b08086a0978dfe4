// The ringtone job while it runs: its progress in the status line, its stop (the Generate
// button, which turns into a stop sign, or Esc), and the place its result was saved.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "jobbutton.h"
#include "progressbars.h"
#include "statusline.h"

#include <QFileInfo>

namespace {

const char *const makingRingtone = QT_TRANSLATE_NOOP("MainDialog", "Making the ringtone: %1 %");

} // namespace

void MainDialog::setUpJobControls()
{
    statusLine = new StatusLine(ui->labelStatus);
    jobButton = std::make_unique<JobButton>(ui->btnGenerate);
}

// A ringtone's figure is of the clip being made, so that it reaches 100 when the clip is done;
// a decode's is of the whole file.
void MainDialog::showJobProgress()
{
    const bool ringtone = jobButton->isRunning();
    const double whole = ringtone ? ringtoneJob.length : fileDuration;
    const auto percent = jobPercent(converter.encodedTime(), whole);
    if (!percent)
        return;
    ui->progressBar->setValue(*percent);
    if (ringtone && statusSource == makingRingtone) {
        statusArg = QString::number(*percent);
        showStatus();
    }
}

// Generate has pressed: a fresh status, so that no earlier result stands for this job.
void MainDialog::showRingtoneStarted()
{
    setStatus(makingRingtone);
    statusArg = QString::number(0);
    showStatus();
    ui->btnGenerate->setEnabled(true);
    jobButton->setRunning(true);
}

// The encoder is asked to stop, so that it removes its unfinished file; its end is then
// reported as a cancelled job.
void MainDialog::cancelRingtone()
{
    if (!jobButton->isRunning() || !converter.isRunning())
        return;
    ringtoneJob.cancelled = true;
    converter.cancel();
}

void MainDialog::showSavedStatus(const QString &ringtone)
{
    setStatus(QT_TR_NOOP("Conversion succeed."));
    savedRingtone = QFileInfo(ringtone).absoluteFilePath();
    showStatus();
}
