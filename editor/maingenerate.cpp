// Making the ringtone from the clip and handing it on: to the output folder, the
// phone and the iTunes program; and following the phone's connection.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/settings.h"

#include "jobbutton.h"
#include "volumelevels.h"
#include "wifisendbutton.h"

#include "editor/ringtonelength.h"

#include "media/encoderleftovers.h"
#include "media/filepath.h"
#include "media/ringtonepaths.h"
#include "statusline.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>

void MainDialog::detectITunes()
{
    const DeviceLink::ITunes found = device.queryITunes();
    // No iTunes exists here, and the phone link needs none: whatever the library answers,
    // the export to it is neither offered nor done.
    Q_UNUSED(found);
    ui->checkExportITunes->setChecked(false);
    ui->checkExportITunes->hide();
    setStatus(QT_TR_NOOP("Please connect your iPhone to this computer."));
    tellPhoneState();
}

void MainDialog::onBtnGenerate()
{
    if (jobButton->isRunning()) {
        cancelRingtone();
        return;
    }
    // Generate is disabled for such a clip; a shortcut pressed in the same moment finds it so.
    if (!clipModel.isValid())
        return;
    ui->progressBar->setValue(0);
    update();
    converter.reset();
    converter.setInput(ui->editInputFile->text());
    const double length = secondsOf(clipModel.length());
    converter.addStart(secondsOf(clipModel.begin()));
    converter.addLength(length);
    ringtoneJob = {ui->editOutputName->text(), CFilePath(ui->editInputFile->text()).name(), length};
    ringtoneJob.textTone = sendsTextTone();

    converter.addTitle(ringtoneName(ringtoneJob.name, ringtoneJob.inputName));
    converter.addVolume(encoderVolume(ui->sliderVolume->position()));
    converter.addFadeIn(ui->spinFadein->value());
    // Only when asked for, so that the form's defaults make the command line they always made.
    if (fadeOutSeconds() > 0)
        converter.addFadeOut(fadeOutSeconds());
    wifiSend->prepare({ui->editInputFile->text(),
                       secondsOf(clipModel.begin()),
                       length,
                       encoderVolume(ui->sliderVolume->position()),
                       ui->spinFadein->value(),
                       fadeOutSeconds(),
                       QString()});

    const QString folder = ui->editOutputFolder->text();
    if (!QDir(folder).exists())
        QDir().mkpath(folder);
    sweepEncoderLeftovers(folder);
    converter.setOutput(encoderOutputPath(ui->editInputFile->text(), folder));
    startJob(CAVConverter::Ringtone);
    showRingtoneStarted();
}

void MainDialog::onAVConverterFinished()
{
    jobButton->setRunning(false);
    endJob();
    const QString output = converter.output();
    if (converter.jobType() != CAVConverter::Decode) {
        finishRingtone(output);
        if (decodePending)
            waitedResult = statusSource;
    } else if (decodePending) {
        QFile::remove(output); // the picture of a file that is no longer loaded
    } else {
        showWaveform(output);
    }
    // A decode that waited for this job looks like any other load while it runs, after the
    // ringtone's result.
    if (decodePending) {
        decodePending = false;
        showLoading();
        startDecode();
    }
}

void MainDialog::finishRingtone(const QString &output)
{
    if (!converter.started()) {
        setStatus(QT_TR_NOOP("The encoder could not be started."));
        return;
    }
    // The encoder removes its unfinished file when stopped; a ringtone that was finished in
    // the same moment is not kept either, so a cancel always leaves the folder as it was.
    if (ringtoneJob.cancelled) {
        QFile::remove(output);
        setStatus(QT_TR_NOOP("Making the ringtone was cancelled; nothing was saved."));
        return;
    }
    // A failed encoding is never reported as a ringtone, and leaves nothing behind.
    if (!converter.succeeded() || !QFile::exists(output)) {
        QFile::remove(output);
        setStatus(QT_TR_NOOP("Conversion failed."));
        return;
    }
    exportRingtone(output);
}

void MainDialog::exportRingtone(const QString &encoded)
{
    const QString renamed = finalRingtonePath(encoded, ringtoneJob.name, ringtoneJob.inputName);
    if (!QDir().rename(encoded, renamed)) {
        setStatus(QT_TR_NOOP(
                "The ringtone could not be renamed; it was kept as the encoder wrote it."));
        return;
    }
    showSavedStatus(renamed);
    wifiSend->ringtoneMade(renamed);

    const QString ringtone = QDir::toNativeSeparators(renamed);
    if (ui->checkExport->isChecked())
        sendToPhone(ringtone, ringtoneJob.length, ringtoneJob.textTone);
    if (ui->checkExportITunes->isChecked())
        QProcess::startDetached(iTunesPath, {QStringLiteral("/open"), ringtone});
}

void MainDialog::onDeviceEvent(DeviceLink::Event event)
{
    if (event == DeviceLink::Connected || event == DeviceLink::Disconnected) {
        const bool on = event == DeviceLink::Connected;
        commitRetry.setConnected(on);
        ui->checkExport->setEnabled(on);
        ui->checkExport->setChecked(on);
        emit phoneChanged(on);
        // A failed transfer leads the text until the phone is back; by then it has been
        // told, and the tooltip keeps it.
        const char *failure = shownTransferFailure();
        setStatus(on ? QT_TR_NOOP("Ready.")
                     : QT_TR_NOOP("Please connect your iPhone to this computer."),
                  on ? nullptr : failure);
        if (on && failure)
            statusLine->keepEarlier(tr(failure));
        if (!on)
            tellPhoneState(statusLead);
    } else {
        tellPhoneState(nullptr, [this](DeviceLink::PhoneState state) {
            if (stateNeedsPairingHelp(state))
                showPairingHelp();
        });
    }
}

void MainDialog::showPairingHelp()
{
    QMessageBox::information(
            this,
            productTitle(),
            tr("Could not initialize the connection to your iPhone/iTouch!<br>You may get this "
               "error if you try to connect a device that has never been attached to iTunes on "
               "this computer.<br>Please try the following:<br>  * close this application and "
               "detach your device from the computer<br>  * start iTunes<br>  * connect the "
               "device<br>  * after it shows up in iTunes, exit iTunes (no need to sync or "
               "transfer anything<br>)  * restart this application.<br><br>Sorry for this "
               "inconvenience, it is caused by Apple's technical restrictions..."),
            QMessageBox::Ok);
}
