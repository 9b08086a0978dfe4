#include "maindialog.h"
#include "ui_maindialog.h"

#include "editor/accessibletimefields.h"

// The round buttons show only pictures, so a screen reader has nothing to say about them
// unless each one carries its name and what it does. The status line stays named by its text,
// so Qt announces each new message.
void MainDialog::nameControls()
{
    const struct
    {
        QWidget *widget;
        QString name;
        QString description;
    } controls[] = {
            {ui->btnPlay, tr("Play"), tr("Plays the song from the play head")},
            {ui->btnPlayClip, tr("Play Clip"), tr("Plays the clip as the ringtone will sound")},
            {ui->btnPause, tr("Pause"), tr("Stops playing")},
            {ui->btnGenerate, tr("Generate"), tr("Makes the ringtone from the clip")},
            {ui->btnMenu, tr("Menu"), tr("Opens the menu")},
            {ui->btnMinimize, tr("Minimise"), tr("Minimises the window")},
            {ui->btnClose, tr("Close"), tr("Closes the program")},
            {ui->sliderBar, tr("Clip"), tr("The song's waveform with the clip marked on it")},
            {ui->sliderVolume, tr("Volume"), tr("The ringtone's gain")},
            {ui->editStartTime, tr("Start time"), QString()},
            {ui->editEndTime, tr("End time"), QString()},
            // Both read "Browse..." on screen; the name says what each one looks for.
            {ui->btnBrowseIn, tr("Browse for the song"), tr("Opens a song or a video")},
            {ui->btnBrowseOut,
             tr("Browse for the output folder"),
             tr("Chooses where the ringtone is saved")},
            // The links read their own words; what lies behind them is less plain.
            {ui->labelManage, QString(), tr("Lists the ringtones on the iPhone")},
            {ui->labelHelp, QString(), tr("Opens the help pages in the web browser")},
            {ui->labelHome, QString(), tr("Opens Vardel's web page in the web browser")},
            {ui->labelAbout, QString(), tr("Shows the version and the licences")},
    };
    for (const auto &control : controls) {
        control.widget->setAccessibleName(control.name);
        control.widget->setAccessibleDescription(control.description);
    }
    // A field beside its label is named by the label, as a screen reader reads a form.
    ui->labelInput->setBuddy(ui->editInputFile);
    ui->label->setBuddy(ui->editOutputName);
    ui->labelOutput->setBuddy(ui->editOutputFolder);
    ui->labelFadein->setBuddy(ui->spinFadein);
    readTimeInSeconds(ui->editStartTime);
    readTimeInSeconds(ui->editEndTime);
}
