// The clip, the fade-in and the volume as one set of values: every view of the clip drawn from
// the window's clip model, the edits that change it, and their undo and redo.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "cliptimes.h"
#include "editor/clipslider.h"
#include "editor/rememberedshaping.h"
#include "editor/ringtonelength.h"

namespace {

QString lengthText(ClipModel::Ms ms)
{
    return timeFromMs(ms).toString(QStringLiteral("hh:mm:ss.zzz"));
}

} // namespace

// The strip, both time fields, the length and Generate all show the model's two numbers.
void MainDialog::showClip()
{
    ui->sliderBar->setClip(secondsOf(clipModel.begin()), secondsOf(clipModel.end()));
    syncingTimes = true;
    ui->editStartTime->setTime(timeFromMs(clipModel.begin()));
    ui->editEndTime->setTime(timeFromMs(clipModel.end()));
    syncingTimes = false;
    ui->labelLengthValue->setText(lengthText(clipModel.length()));
    markLength(clipModel.length() > phoneRingtoneLimitMs);
    markLoudness();
    showGenerateState();
    scheduleLoudness();
}

// Generate is offered for a loaded file's clip that the encoder can make, and says why not.
// While a job runs, the job decides.
void MainDialog::showGenerateState()
{
    if (jobTimerId != 0)
        return;
    const bool loaded = fileDuration > 0;
    const bool ready = loaded && clipModel.isValid();
    ui->btnGenerate->setEnabled(ready);
    if (ready)
        ui->btnGenerate->setToolTip(generateToolTip());
    else if (!loaded)
        ui->btnGenerate->setToolTip(tr("Open a file first: the ringtone is made from its clip."));
    else
        ui->btnGenerate->setToolTip(tr("The clip is empty: choose a start before its end."));
}

void MainDialog::onClipChanged(double begin, double end)
{
    beginEditStep(EditSource::Strip);
    clipModel.set(msOf(begin), msOf(end));
    showClip();
    stateShown = editState();
}

void MainDialog::onEditFinished()
{
    endEditStep();
}

void MainDialog::onStartTimeChanged(QTime time)
{
    if (!syncingTimes)
        placeTypedEdge(ClipModel::Edge::Begin, time);
}

void MainDialog::onEndTimeChanged(QTime time)
{
    if (!syncingTimes)
        placeTypedEdge(ClipModel::Edge::End, time);
}

// A typed time is taken as typed; the other edge makes room for it.
void MainDialog::placeTypedEdge(ClipModel::Edge edge, QTime time)
{
    if (restoringEdit || fileDuration <= 0)
        return;
    ui->sliderBar->setActiveEdge(edge);
    beginEditStep(edge == ClipModel::Edge::Begin ? EditSource::StartField : EditSource::EndField);
    tellFit(clipModel.place(edge, QTime(0, 0).msecsTo(time)));
    showClip();
    stateShown = editState();
}

void MainDialog::tellFit(ClipModel::Fit fit)
{
    if (fit == ClipModel::Fit::HeldAtFileEnd)
        setStatus(QT_TR_NOOP("Moved back to end with the file; the clip keeps its length."));
    else if (fit == ClipModel::Fit::HeldAtFileStart)
        setStatus(QT_TR_NOOP("Moved on to begin with the file; the clip keeps its length."));
}

void MainDialog::onFadeInChanged()
{
    RememberedShaping::rememberFadeIn(ui->spinFadein->value());
    if (restoringEdit)
        return;
    beginEditStep(EditSource::FadeIn);
    stateShown = editState();
}

void MainDialog::onVolumeEdited()
{
    beginEditStep(EditSource::Volume);
    stateShown = editState();
}

EditState MainDialog::editState() const
{
    return {clipModel,
            ui->spinFadein->value(),
            ui->sliderVolume->position(),
            spinFadeout ? spinFadeout->value() : 0};
}

// A change from elsewhere than the open step's source ends that step first.
void MainDialog::beginEditStep(EditSource source)
{
    if (history.isOpen() && source != editSource)
        history.end(stateShown);
    editSource = source;
    history.begin(stateShown);
}

void MainDialog::endEditStep()
{
    stateShown = editState();
    history.end(stateShown);
    editSource = EditSource::None;
}

void MainDialog::restoreEdit(const EditState &state)
{
    restoringEdit = true;
    clipModel = state.clip;
    showClip();
    ui->spinFadein->setValue(state.fadeIn);
    spinFadeout->setValue(state.fadeOut);
    ui->sliderVolume->setPos(state.volume);
    onVolumeSliderMoved(state.volume);
    restoringEdit = false;
    stateShown = editState();
}

void MainDialog::undoEdit()
{
    if (const auto state = history.undo(editState()))
        restoreEdit(*state);
}

void MainDialog::redoEdit()
{
    if (const auto state = history.redo(editState()))
        restoreEdit(*state);
}
