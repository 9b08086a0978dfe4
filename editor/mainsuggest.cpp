// The Suggest button and its key: the clip set to the part of the song most worth hearing,
// found off the GUI thread once per file, and the next candidate on each further press.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "editor/skinsheet.h"
#include "editor/suggestlength.h"

#include <QPushButton>
#include <QShortcut>

namespace {

// Left of Play, in the free space beside the time fields.
const QRect suggestRect(251, 344, 36, 36);
const QKeySequence suggestKey(Qt::Key_S);
// Candidates a press steps through before they come round again.
constexpr int suggestCount = 5;

} // namespace

void MainDialog::buildSuggestControls()
{
    btnSuggest = new QPushButton(this);
    btnSuggest->setObjectName(QStringLiteral("btnSuggest"));
    btnSuggest->setGeometry(suggestRect);
    btnSuggest->setStyleSheet(skinButtonSheet(QStringLiteral("suggest")));
    btnSuggest->setAutoDefault(false);
    btnSuggest->setEnabled(false);
    connect(btnSuggest, &QPushButton::clicked, this, &MainDialog::onBtnSuggest);
    connect(new QShortcut(suggestKey, this), &QShortcut::activated, this, [this] {
        if (btnSuggest->isEnabled())
            btnSuggest->animateClick();
    });
    connect(&suggestFinder, &SuggestFinder::analysed, this, &MainDialog::showSuggestState);
    connect(&suggestFinder, &SuggestFinder::found, this, &MainDialog::takeSuggestions);
    // Beside the fade-in and Play, and Tab reaches it there.
    setTabOrder(ui->spinFadein, btnSuggest);
    setTabOrder(btnSuggest, ui->btnPlay);
    retranslateSuggestControls();
}

void MainDialog::retranslateSuggestControls()
{
    btnSuggest->setAccessibleName(tr("Suggest"));
    btnSuggest->setAccessibleDescription(
            tr("Sets the clip to the part of the song most worth hearing; press again for the "
               "next one"));
    showSuggestState();
}

// A new file: nothing to suggest until its waveform is drawn and its song analysed.
void MainDialog::forgetSuggestions()
{
    suggestFinder.clear();
    suggestions.clear();
    suggestedLengthMs = 0;
    showSuggestState();
}

void MainDialog::showSuggestState()
{
    const bool ready = fileDuration > 0 && suggestFinder.isReady();
    btnSuggest->setEnabled(ready);
    if (ready)
        btnSuggest->setToolTip(QStringLiteral("%1 (%2)").arg(
                tr("Suggest the best part: the clip moves to the part of the song most worth "
                   "hearing; press again for the next"),
                suggestKey.toString(QKeySequence::NativeText)));
    else if (fileDuration > 0 && suggestFinder.hasFailed())
        btnSuggest->setToolTip(tr("Suggest: the sound of this file could not be analysed."));
    else if (fileDuration > 0)
        btnSuggest->setToolTip(tr("Suggest: the song is being analysed..."));
    else
        btnSuggest->setToolTip(tr("Suggest: open a file first."));
}

// The first press asks for candidates of the clip's length; a press on a suggestion still
// shown steps to the next one.
void MainDialog::onBtnSuggest()
{
    if (fileDuration <= 0 || !suggestFinder.isReady())
        return;
    const ClipModel::Ms length = suggestionLengthMs(clipModel);
    if (length == suggestedLengthMs && !suggestions.empty()) {
        const bool shown = clipModel == suggestedClip;
        applySuggestion(shown ? (suggestionIndex + 1) % suggestions.size() : 0);
        return;
    }
    suggestions.clear();
    suggestedLengthMs = length;
    suggestFinder.find(secondsOf(length), suggestCount);
    showSuggestState();
}

void MainDialog::takeSuggestions(const SuggestFinder::Candidates &candidates)
{
    suggestions = candidates;
    showSuggestState();
    if (!suggestions.empty())
        applySuggestion(0);
}

// One undoable step, as any other edit of the clip.
void MainDialog::applySuggestion(size_t index)
{
    const analysis::Suggestion &suggestion = suggestions[index];
    suggestionIndex = index;
    beginEditStep(EditSource::Suggest);
    clipModel.set(msOf(suggestion.start), msOf(suggestion.end));
    showClip();
    endEditStep();
    suggestedClip = clipModel;
    switch (suggestion.rule) {
    case analysis::Rule::Repetition:
        setStatus(QT_TR_NOOP("Suggestion %1: a part the song repeats, likely its chorus."));
        break;
    case analysis::Rule::Loudness:
        setStatus(QT_TR_NOOP("Suggestion %1: the loudest part, as nothing in the song repeats."));
        break;
    case analysis::Rule::WholeFile:
        setStatus(QT_TR_NOOP("Suggestion %1: the whole song, as it is no longer than the clip."));
        break;
    }
    statusArg = QStringLiteral("%1/%2").arg(index + 1).arg(suggestions.size());
    showStatus();
}
