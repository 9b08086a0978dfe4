#ifndef DIALOGPLACEMENT_H
#define DIALOGPLACEMENT_H

#include <QMargins>
#include <QObject>
#include <QRect>

class QDialog;
class QMessageBox;

// Every dialog that belongs to a window (message boxes, file dialogs, the program's own) comes
// up centred on that window. Qt's own placement trusts the position a window manager last
// reported for the parent, which for a frameless window may still be the screen's corner, and
// it guesses a frame of 10 x 40 pixels around frameless windows. Message boxes also get room
// for their whole title.
class DialogPlacement : public QObject
{
    Q_DISABLE_COPY_MOVE(DialogPlacement)

public:
    // Watches the whole application; once is enough.
    static void install();

    // Where a frame of the given size goes: centred on the parent's frame, inside the screen.
    static QRect centredFrame(const QRect &parentFrame, QSize frameSize, const QRect &available);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DialogPlacement() = default;
    static void centre(QDialog *dialog);
    static QMargins frameMargins(const QDialog *dialog);
    static void makeRoomForTitle(QMessageBox *box);
};

#endif
