// Listening before generating: the whole file or the clip, through the preview player.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "cliptimes.h"
#include "volumelevels.h"

#include "media/wavesummary.h"

#include <QStyle>

namespace {

const char *const loudWarning
        = QT_TRANSLATE_NOOP("MainDialog", "Loud: peaks are limited to avoid distortion.");

} // namespace

void MainDialog::onBtnPlay()
{
    if (playState == PreviewPlayer::Paused) {
        tellMissingOutput(player.pause());
    } else if (playState == PreviewPlayer::Stopped) {
        ui->btnPlay->setEnabled(false);
        tellMissingOutput(player.play());
    }
    playingClip = false;
}

void MainDialog::onBtnPause()
{
    player.pause();
}

// Every press plays the clip as it is set now, a paused one included: it starts again at the
// clip's start with the current end, fades and loop.
void MainDialog::onBtnPlayClip()
{
    if (playState == PreviewPlayer::Playing)
        return;
    const bool paused = playState == PreviewPlayer::Paused;
    if (!paused)
        ui->btnPlayClip->setEnabled(false);
    const PreviewShape shape = previewShape();
    loopingClip = shape.loop;
    playingClip = true;
    tellMissingOutput(playClip(player, shape, paused));
}

// Without an audio output the player starts nothing and reports no state. The buttons stay
// usable and the status line says why nothing plays; a file the player cannot play is
// another result and leaves the buttons waiting for a state, as usual.
void MainDialog::tellMissingOutput(PreviewPlayer::Result result)
{
    if (result != PreviewPlayer::NoOutput)
        return;
    ui->btnPlay->setEnabled(true);
    ui->btnPlayClip->setEnabled(true);
    setStatus(
            QT_TR_NOOP("No audio output is available for the preview. Check the sound settings."));
}

void MainDialog::advancePlayHead()
{
    const double p = player.position();
    ui->sliderBar->followPos(p);
    ui->labelPlayTime->setText(QStringLiteral("%1 / %2").arg(clockText(p), durationText));
    if (playingClip && !loopingClip && p > secondsOf(clipModel.end()))
        player.stop();
    discAngle += 10.0;
}

void MainDialog::onVolumeSliderMoved(int position)
{
    player.setVolume(volumeGain(position));
    ui->labelVolume->setText(tr("Volume: %1x").arg(gainText(position)));
    markLoudness();
    measureLoudness();
}

// The skin draws the volume in a warning colour while the ringtone's limiter will bring the
// clip's peaks down; the clip's loudest sample comes from the waveform's summary.
void MainDialog::markLoudness()
{
    bool loud = false;
    if (waveSummary) {
        const int peak
                = waveSummary->peak(secondsOf(clipModel.begin()), secondsOf(clipModel.end()));
        loud = limiterWorks(peak, ui->sliderVolume->position());
    }
    QLabel *label = ui->labelVolume;
    label->setToolTip(loud ? tr(loudWarning) : QString());
    if (label->property("loud").toBool() == loud)
        return;
    label->setProperty("loud", loud);
    label->style()->unpolish(label);
    label->style()->polish(label);
}

void MainDialog::onPlayStateChanged(PreviewPlayer::State state)
{
    playState = state;
    if (state == PreviewPlayer::Stopped || state == PreviewPlayer::Paused) {
        ui->btnPlay->setEnabled(true);
        ui->btnPause->setEnabled(false);
        ui->btnPlayClip->setEnabled(true);
        killTimer(playTimerId);
        playTimerId = 0;
    }
    if (state == PreviewPlayer::Stopped) {
        playingClip = false;
        loopingClip = false;
        ui->sliderBar->setPos(0.0);
        ui->labelPlayTime->setText(QStringLiteral("%1 / %2").arg(clockText(0.0), durationText));
    } else if (state == PreviewPlayer::Playing) {
        ui->btnPlay->setEnabled(false);
        ui->btnPause->setEnabled(true);
        ui->btnPlayClip->setEnabled(false);
        killTimer(playTimerId);
        playTimerId = startTimer(PreviewPlayer::pollMs());
    }
}

// Where [ and ] put an edge: the player's own position while a preview runs or is paused, which
// is ahead of the play line's last tick; the play line otherwise.
double MainDialog::markPosition() const
{
    if (playState == PreviewPlayer::Playing || playState == PreviewPlayer::Paused)
        return player.position();
    double position = 0.0;
    ui->sliderBar->getPos(position);
    return position;
}
