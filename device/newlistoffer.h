#ifndef NEWLISTOFFER_H
#define NEWLISTOFFER_H

#include "devicelink.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class QWidget;

// The phone's ringtone list could not be read, so nothing was written to it. Only the user may
// give it up: a yes has the library move the old file aside, where it stays, and commits the
// changes that wait into a new list. A library that cannot do that leaves only the news.
class NewListOffer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewListOffer)

public:
    // Where the library keeps the old list, as the user finds it on the phone.
    static const char oldListPath[];

    NewListOffer(DeviceLink &device, QWidget *window);
    ~NewListOffer() override;

    // Opens the box, unless one is open already; never waits for the answer.
    void offer();
    bool isOpen() const { return box != nullptr; }
    QMessageBox *openBox() const { return box; }

signals:
    // After a yes: the result of the commit into the new list, or of moving the old one aside.
    void finished(DeviceLink::Result result);

private:
    void startNewList();

    DeviceLink &device;
    QWidget *window;
    QPointer<QMessageBox> box;
};

#endif
