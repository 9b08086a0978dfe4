// What the phone needs from the user before it can be used, told in the status line.
#include "maindialog.h"

#include "app/settings.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>

namespace {

const char *const usbmuxdMissing
        = QT_TRANSLATE_NOOP("MainDialog",
                            "The iPhone service usbmuxd is not running. Install the usbmuxd "
                            "package or plug the iPhone in again.");

// How often a missing usbmuxd is looked for again, so the text goes once it runs.
const int usbmuxdRecheckMs = 3000;

const char *stateText(DeviceLink::PhoneState state)
{
    switch (state) {
    case DeviceLink::PhoneLocked:
        return QT_TRANSLATE_NOOP("MainDialog", "Unlock your iPhone to continue.");
    case DeviceLink::TrustPending:
        return QT_TRANSLATE_NOOP("MainDialog", "Tap Trust on your iPhone.");
    case DeviceLink::TrustRefused:
        return QT_TRANSLATE_NOOP("MainDialog",
                                 "Unplug the iPhone, plug it in again and tap Trust.");
    case DeviceLink::NoUsbmuxd:
        return usbmuxdMissing;
    case DeviceLink::OtherFailure:
        return QT_TRANSLATE_NOOP("MainDialog",
                                 "The iPhone could not be connected: %1. See Troubleshooting in "
                                 "the help.");
    default:
        return nullptr;
    }
}

} // namespace

// The library keeps trying a locked or undecided phone, and "Ready." replaces the text once
// the phone is served; a refused trust needs the cable plugged in again. The phone's link
// answers once the calls before are done, and `then` gets the state.
void MainDialog::tellPhoneState(const char *lead, std::function<void(DeviceLink::PhoneState)> then)
{
    device.phoneState(this, [this, lead, then](const DeviceLink::PhoneReport &report) {
        if (const char *text = stateText(report.state))
            setStatus(text, lead, report.error);
        if (report.state == DeviceLink::NoUsbmuxd)
            QTimer::singleShot(usbmuxdRecheckMs, this, &MainDialog::recheckUsbmuxd);
        if (then)
            then(report.state);
    });
}

void MainDialog::recheckUsbmuxd()
{
    if (statusSource != usbmuxdMissing)
        return; // something newer is shown
    device.phoneState(this, [this](const DeviceLink::PhoneReport &report) {
        if (statusSource != usbmuxdMissing)
            return;
        if (report.state == DeviceLink::NoUsbmuxd)
            QTimer::singleShot(usbmuxdRecheckMs, this, &MainDialog::recheckUsbmuxd);
        else
            setStatus(QT_TR_NOOP("Please connect your iPhone to this computer."), statusLead);
    });
}

// The message box stays for what the library cannot name: a pairing that failed otherwise.
bool MainDialog::stateNeedsPairingHelp(DeviceLink::PhoneState state)
{
    return state != DeviceLink::PhoneLocked && state != DeviceLink::TrustPending
            && state != DeviceLink::TrustRefused && state != DeviceLink::NoUsbmuxd;
}

void MainDialog::connectCommitRetry()
{
    connect(&commitRetry, &CommitRetry::sent, this, [this] {
        setStatus(QT_TR_NOOP("The tone that waited is now on the iPhone. It shows up once the "
                             "iPhone has restarted."));
    });
    // A new list, started at the user's word, holds what waited.
    connect(&newListOffer, &NewListOffer::finished, this, [this](DeviceLink::Result result) {
        if (result == DeviceLink::Ok)
            commitRetry.committedElsewhere();
        setStatus(result == DeviceLink::Ok
                          ? QT_TR_NOOP("Transfer succeed. New tones show up on the iPhone once "
                                       "it has restarted.")
                          : QT_TR_NOOP("Transfer failed."));
    });
    connect(&commitRetry, &CommitRetry::dropped, this, [this] {
        setStatus(QT_TR_NOOP("The tone that waited could not be sent: the iPhone it was meant "
                             "for is gone. It stays in the output folder."));
    });
}

// What still waits is lost with the program: the user must not think it reached the phone.
void MainDialog::closeEvent(QCloseEvent *event)
{
    if (transfersInFlight > 0)
        QMessageBox::information(this,
                                 productTitle(),
                                 tr("A tone was still being sent to the iPhone and may not get "
                                    "there. It stays in the output folder; send it again if the "
                                    "iPhone does not list it."));
    else if (!commitRetry.changes().isEmpty())
        QMessageBox::information(this,
                                 productTitle(),
                                 tr("These changes waited for the iPhone and were not applied: "
                                    "%1. Make them again once the iPhone is free.")
                                         .arg(commitRetry.changes().join(QStringLiteral("; "))));
    else if (commitRetry.isWaiting())
        QMessageBox::information(this,
                                 productTitle(),
                                 tr("A tone that waited for the iPhone was not sent; it stays in "
                                    "the output folder. Send it again once the iPhone is free."));
    QDialog::closeEvent(event);
}
