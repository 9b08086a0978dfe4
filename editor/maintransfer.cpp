// Sending a made ringtone to the phone: the phone's link works on a thread of its own, so the
// window says that it is sending and stays usable until the result comes back.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "editor/ringtonelength.h"

#include <utility>

namespace {

// One text each, so that the phone's comings and goings can tell them from others.
const char *const transferFailed = QT_TRANSLATE_NOOP("MainDialog", "Transfer failed.");
// The library drops what was staged for an iPhone that another one replaced.
const char *const stagedForOtherPhone
        = QT_TRANSLATE_NOOP("MainDialog",
                            "Transfer failed: the iPhone changed while the ringtone was being "
                            "sent. Press Generate to send it to this iPhone.");
const char *const uploadLost
        = QT_TRANSLATE_NOOP("MainDialog",
                            "Transfer failed: the ringtone's copy vanished from the iPhone "
                            "before it was saved there. Press Generate to send it again.");

const char *const databaseKept
        = QT_TRANSLATE_NOOP("MainDialog",
                            "Not sent yet: the iPhone's ringtone list holds values that "
                            "writing it would change, so it was left as it is. Vardel tries "
                            "again while the iPhone stays connected.");

const char *const databaseUnreadable
        = QT_TRANSLATE_NOOP("MainDialog",
                            "Not sent: the iPhone's ringtone list could not be read, and Vardel "
                            "left it untouched.");

const char *const sending = QT_TRANSLATE_NOOP("MainDialog", "Sending to the iPhone…");

const char *failureText(DeviceLink::Result added, DeviceLink::Result committed)
{
    if (committed == DeviceLink::OtherPhone)
        return stagedForOtherPhone;
    if (committed == DeviceLink::UploadLost)
        return uploadLost;
    if (added == DeviceLink::Ok && committed == DeviceLink::DatabaseKept)
        return databaseKept;
    if (added == DeviceLink::Ok && committed == DeviceLink::DatabaseUnreadable)
        return databaseUnreadable;
    if (added != DeviceLink::Ok || committed != DeviceLink::Ok)
        return transferFailed;
    return nullptr;
}

} // namespace

void MainDialog::sendToPhone(const QString &ringtone, double seconds, bool textTone)
{
    ++transfersInFlight;
    setStatus(sending);
    device.addRingtone(
            ringtone,
            int(wholeMilliseconds(seconds)),
            this,
            [this, seconds, textTone](DeviceLink::Result added) {
                // Only a text tone asks more of the library; a ringtone is added as
                // it always was.
                if (added != DeviceLink::Ok || !textTone) {
                    commitSent(added, true, seconds);
                    return;
                }
                device.markLastAsTextTone(this, [this, seconds](DeviceLink::Result marked) {
                    commitSent(DeviceLink::Ok, marked == DeviceLink::Ok, seconds);
                });
            });
}

// The tone is on the phone only once the commit has written it there too.
void MainDialog::commitSent(DeviceLink::Result added, bool kindSet, double seconds)
{
    device.commit(this, [this, added, kindSet, seconds](DeviceLink::Result committed) {
        if (added == DeviceLink::Ok && DeviceLink::keepsChanges(committed)) {
            // Kept by the library: sent again later; the added tone is the last one listed.
            commitRetry.wait();
            device.ringtones(this, [this](const QList<DeviceLink::Ringtone> &tones) {
                commitRetry.wait(tones.isEmpty() ? QString() : tones.last().fileName);
            });
        } else if (committed == DeviceLink::Ok) {
            commitRetry.committedElsewhere();
        }
        showTransferResult(failureText(added, committed), kindSet, seconds);
        if (added == DeviceLink::Ok && committed == DeviceLink::DatabaseUnreadable)
            newListOffer.offer();
    });
}

void MainDialog::showTransferResult(const char *failure, bool kindSet, double seconds)
{
    --transfersInFlight;
    if (!queuedFailure)
        queuedFailure = failure;
    // Another tone is still on its way: the line goes on saying so.
    if (transfersInFlight > 0)
        return;
    failure = std::exchange(queuedFailure, nullptr);
    const char *text = failure;
    // The phone reads its tone list again only when it starts up: the user must know.
    if (!text && !kindSet)
        text = QT_TR_NOOP("Transfer succeed, but as a ringtone: the tone could not be made a "
                          "text tone. Change its kind in Manage. New tones show up on the "
                          "iPhone once it has restarted.");
    else if (!text && tooLongForPhone(seconds))
        text = QT_TR_NOOP("Transfer succeed, but ringtones longer than 40 seconds may not "
                          "appear on the iPhone. New tones show up on the iPhone once it "
                          "has restarted.");
    else if (!text)
        text = QT_TR_NOOP("Transfer succeed. New tones show up on the iPhone once it has "
                          "restarted.");
    // A file loaded meanwhile keeps saying so: the result takes the place of "Sending".
    if (waitedResult == sending)
        waitedResult = text;
    if (statusLead == sending)
        setStatus(statusSource, text, statusArg);
    // A phone that went while it was written: what it needs now stays after the failure.
    else if (failure && statusSource != sending && !ui->checkExport->isEnabled())
        setStatus(statusSource, failure, statusArg);
    else
        setStatus(text);
}

// A transfer that has just failed stays in front of the phone's comings and goings: an
// unplugged cable is often why it failed, and the user must still learn that the tone is not
// on the phone.
const char *MainDialog::shownTransferFailure() const
{
    for (const char *text :
         {transferFailed, stagedForOtherPhone, uploadLost, databaseKept, databaseUnreadable}) {
        if (statusSource == text || statusLead == text)
            return text;
    }
    return nullptr;
}
