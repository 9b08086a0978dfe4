#include "newlistoffer.h"

#include "app/settings.h"

#include <QMessageBox>

const char NewListOffer::oldListPath[]
        = "iTunes_Control/iTunes/Ringtones.unreadable-YYYYMMDD-HHMMSS.plist";

NewListOffer::NewListOffer(DeviceLink &link, QWidget *parent)
    : QObject(parent)
    , device(link)
    , window(parent)
{
    setObjectName(QStringLiteral("newListOffer"));
}

NewListOffer::~NewListOffer()
{
    delete box;
}

void NewListOffer::offer()
{
    if (box)
        return;
    const QString news = tr("The iPhone's ringtone list could not be read. Vardel left it "
                            "untouched and wrote nothing to it.");
    if (!device.canStartNewList()) {
        box = new QMessageBox(QMessageBox::Warning, productTitle(), news, QMessageBox::Ok, window);
    } else {
        box = new QMessageBox(
                QMessageBox::Question,
                productTitle(),
                news + QStringLiteral("\n\n")
                        + tr("Start a new list? The iPhone then lists only the ringtones added "
                             "from now on. The old list stays on the iPhone as %1, and the "
                             "ringtones it names stay there too.")
                                  .arg(QString::fromLatin1(oldListPath)),
                QMessageBox::Yes | QMessageBox::No,
                window);
        box->setDefaultButton(QMessageBox::No);
        connect(box, &QMessageBox::finished, this, [this](int answer) {
            if (answer == QMessageBox::Yes)
                startNewList();
        });
    }
    box->setObjectName(QStringLiteral("newListBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// What waits goes into the new list at once, so the user sees the tone arrive.
void NewListOffer::startNewList()
{
    device.startNewList(this, [this](DeviceLink::Result moved) {
        if (moved != DeviceLink::Ok) {
            emit finished(moved);
            return;
        }
        device.commit(this, [this](DeviceLink::Result result) { emit finished(result); });
    });
}
