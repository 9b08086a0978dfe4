// The main window's keyboard: the order of Tab, the window-wide shortcuts, and the keys that
// a plain dialog would misread.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/keyboardlink.h"
#include "jobbutton.h"
#include "previewstop.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

QString withKey(const QString &tip, const QKeySequence &key)
{
    return QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText));
}

const QKeySequence openKey(Qt::CTRL | Qt::Key_O);
const QKeySequence generateKey(Qt::CTRL | Qt::Key_G);
const QKeySequence quitKey(Qt::CTRL | Qt::Key_Q);
const QKeySequence helpKey(Qt::Key_F1);
const QKeySequence playKey(Qt::Key_Space);
const QKeySequence undoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QKeySequence redoKeys[]
        = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};

} // namespace

// The window is a dialog, but it is the whole program: Esc would reject it and end the
// program (here it stops a ringtone being made, or else the preview), and Enter would press the
// first button, the tool menu. Enter presses only a focused button; none of the buttons ever
// becomes the dialog's default. Space reaches the window only when the focused widget has no
// use for it, and then plays or pauses.
void MainDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        if (jobButton->isRunning())
            cancelRingtone();
        else
            previewStop->stop();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *button = qobject_cast<QPushButton *>(focusWidget());
        if (button && !button->menu() && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        QPushButton *button = ui->btnPause->isEnabled() ? ui->btnPause : ui->btnPlay;
        if (button->isEnabled() && !event->isAutoRepeat())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainDialog::setUpKeyboard()
{
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    // Down the window as it reads: the frame's buttons at the top, the file, the clip and
    // its preview, the output, Generate, then the links at the bottom.
    const QList<QWidget *> order
            = {ui->btnMenu,      ui->btnMinimize,       ui->btnClose,         ui->editInputFile,
               ui->btnBrowseIn,  ui->sliderBar,         ui->editStartTime,    ui->editEndTime,
               ui->spinFadein,   ui->btnPlay,           ui->btnPause,         ui->btnPlayClip,
               ui->sliderVolume, ui->editOutputName,    ui->editOutputFolder, ui->btnBrowseOut,
               ui->checkExport,  ui->checkExportITunes, ui->btnGenerate,      ui->labelManage,
               ui->labelHelp,    ui->labelHome,         ui->labelAbout};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QLabel *link : {ui->labelManage, ui->labelHelp, ui->labelHome, ui->labelAbout})
        KeyboardLink::attach(link);

    const auto press = [](QPushButton *button) {
        if (button->isEnabled())
            button->animateClick();
    };
    connect(new QShortcut(openKey, this), &QShortcut::activated, this, [=] {
        press(ui->btnBrowseIn);
    });
    connect(new QShortcut(generateKey, this), &QShortcut::activated, this, [=] {
        press(ui->btnGenerate);
    });
    connect(new QShortcut(quitKey, this), &QShortcut::activated, this, &QWidget::close);
    // A text or time field keeps these keys for its own editing: it takes them first.
    for (const QKeySequence &key : undoKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, &MainDialog::undoEdit);
    for (const QKeySequence &key : redoKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, &MainDialog::redoEdit);
    connect(new QShortcut(helpKey, this), &QShortcut::activated, this, &MainDialog::onBtnHelp);
    // Shown in the menu; it acts only while the menu is open, the window's own F1 otherwise.
    actHelp->setShortcut(helpKey);
    actHelp->setShortcutContext(Qt::WidgetShortcut);
    ui->btnBrowseIn->setFocus();
}

// The tool tips that name a key, made from their sources: after each translation of the form.
void MainDialog::showKeysInToolTips()
{
    ui->btnPlay->setToolTip(withKey(tr("Play"), playKey));
    ui->btnPause->setToolTip(withKey(tr("Pause"), playKey));
    ui->btnClose->setToolTip(withKey(tr("Close"), quitKey));
    ui->btnBrowseIn->setToolTip(withKey(tr("Open a file"), openKey));
    ui->btnGenerate->setToolTip(generateToolTip());
    ui->labelHelp->setToolTip(withKey(tr("Help"), helpKey));
}

QString MainDialog::generateToolTip()
{
    return withKey(tr("Generate the ringtone"), generateKey);
}
