#include "dialogplacement.h"

#include "displayposition.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QSpacerItem>

namespace {

// A window manager's title bar holds an icon and three buttons beside the title, in a bold
// font often larger than the program's.
const int titleBarButtons = 140;
const int titleFontPointSize = 10;

const char *const titleRoomProperty = "vardelTitleRoom";

} // namespace

void DialogPlacement::install()
{
    // Owned by the application, so a later application gets one of its own.
    static QPointer<DialogPlacement> placement;
    if (placement)
        return;
    placement = new DialogPlacement;
    placement->setParent(qApp);
    qApp->installEventFilter(placement);
}

QRect DialogPlacement::centredFrame(const QRect &parentFrame,
                                    QSize frameSize,
                                    const QRect &available)
{
    QRect frame(QPoint(0, 0), frameSize);
    frame.moveCenter(parentFrame.center());
    if (available.isEmpty())
        return frame;
    // The title bar stays reachable: the top-left corner wins over the bottom-right one.
    frame.moveRight(qMin(frame.right(), available.right()));
    frame.moveBottom(qMin(frame.bottom(), available.bottom()));
    frame.moveLeft(qMax(frame.left(), available.left()));
    frame.moveTop(qMax(frame.top(), available.top()));
    return frame;
}

// Qt's placement and the message box's sizing run first, in the dialog's own show handling;
// the dialog is then moved before the window system maps it, so it never jumps.
bool DialogPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || event->spontaneous() || !watched->isWidgetType())
        return false;
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (!dialog || !dialog->isWindow() || !dialog->parentWidget()
        || dialog->testAttribute(Qt::WA_Moved))
        return false;
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        makeRoomForTitle(box);
    static_cast<QObject *>(dialog)->event(event);
    centre(dialog);
    return true;
}

void DialogPlacement::centre(QDialog *dialog)
{
    QWidget *parent = dialog->parentWidget()->window();
    const QMargins margins = frameMargins(dialog);
    const QRect available = parent->screen() ? parent->screen()->availableGeometry() : QRect();
    const QRect frame
            = centredFrame(frameOnDisplay(parent), dialog->size().grownBy(margins), available);
    dialog->setGeometry(frame.marginsRemoved(margins));
    // As after Qt's own placement: the next showing is placed again.
    dialog->setAttribute(Qt::WA_Moved, false);
}

// A dialog not yet shown has no frame of its own to measure; another framed window of the
// program tells what the window manager draws around one.
QMargins DialogPlacement::frameMargins(const QDialog *dialog)
{
    if (dialog->windowFlags() & Qt::FramelessWindowHint)
        return {};
    if (const QMargins own = drawnFrameMargins(dialog); !own.isNull())
        return own;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (const QMargins other = drawnFrameMargins(window);
            window->isVisible() && !other.isNull())
            return other;
    }
    return {};
}

// A box as narrow as its text leaves the window manager too little room, and it cuts the
// title in the middle ("M… el").
void DialogPlacement::makeRoomForTitle(QMessageBox *box)
{
    auto *grid = qobject_cast<QGridLayout *>(box->layout());
    if (!grid || box->property(titleRoomProperty).toBool())
        return;
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSize(qMax(font.pointSize(), titleFontPointSize));
    const int width = QFontMetrics(font).horizontalAdvance(box->windowTitle()) + titleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(),
                  0,
                  1,
                  grid->columnCount());
    box->setProperty(titleRoomProperty, true);
}
