// Dragging a skinned frameless dialog by its background, and its shape from the picture.
#include "app/qxdialog.h"
#include "app/windowdrag.h"

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// A dialog with a background label (which lets presses through, as the manager's does)
// and a button (which takes them).
struct DragFixture
{
    std::unique_ptr<QxDialog> dialog = std::make_unique<QxDialog>();
    QLabel *background = new QLabel(dialog.get());
    QPushButton *button = new QPushButton(dialog.get());
    Qt::MouseButtons held;

    DragFixture()
    {
        dialog->resize(300, 200);
        background->setGeometry(0, 0, 300, 200);
        button->setGeometry(200, 150, 80, 30);
        button->raise();
        dialog->move(100, 100);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    // Events go to the widget under the global point, as the window system would send them.
    void send(QEvent::Type type, QPoint global, Qt::MouseButton button)
    {
        if (type == QEvent::MouseButtonPress)
            held |= button;
        else if (type == QEvent::MouseButtonRelease)
            held &= ~button;
        QWidget *target = dialog->childAt(dialog->mapFromGlobal(global));
        if (!target)
            target = dialog.get();
        const QPointF local = target->mapFromGlobal(QPointF(global));
        QMouseEvent event(type, local, local, QPointF(global), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    void press(QPoint global, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, global, button);
    }
    void release(QPoint global, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, global, button);
    }
    void moveTo(QPoint global) { send(QEvent::MouseMove, global, Qt::NoButton); }
    QPoint pos() const { return dialog->frameGeometry().topLeft(); }

    // Lets the window system take every drag, as a desktop with a window manager does.
    void offerSystemMove()
    {
        for (QObject *child : dialog->children()) {
            if (auto *drag = dynamic_cast<WindowDrag *>(child))
                drag->setSystemMove([this](QWindow *) { return ++systemMoves > 0; });
        }
    }
    int systemMoves = 0;
};

} // namespace

class TestQxDialog : public QObject
{
    Q_OBJECT

private slots:
    void isFrameless()
    {
        QxDialog dialog(nullptr, Qt::WindowStaysOnTopHint);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void leftDragOnBackgroundMovesTheDialog()
    {
        DragFixture f;
        f.press({150, 120});
        f.moveTo({170, 150});
        QCOMPARE(f.pos(), QPoint(120, 130));
        f.moveTo({140, 110});
        QCOMPARE(f.pos(), QPoint(90, 90));
        f.release({140, 110});
        f.moveTo({200, 200});
        QCOMPARE(f.pos(), QPoint(90, 90));
    }

    void rightDragDoesNotMove()
    {
        DragFixture f;
        f.press({150, 120}, Qt::RightButton);
        f.moveTo({170, 150});
        QCOMPARE(f.pos(), QPoint(100, 100));
    }

    void rightClickDuringLeftDragEndsIt()
    {
        DragFixture f;
        f.press({150, 120});
        f.moveTo({160, 130});
        QCOMPARE(f.pos(), QPoint(110, 110));
        f.press({160, 130}, Qt::RightButton);
        f.release({160, 130}, Qt::RightButton);
        f.moveTo({200, 200});
        QCOMPARE(f.pos(), QPoint(110, 110));
        // The next left press starts a new drag from where the mouse is.
        f.release({200, 200});
        f.press({200, 200});
        f.moveTo({210, 200});
        QCOMPARE(f.pos(), QPoint(120, 110));
    }

    void pressOnAButtonDoesNotDrag()
    {
        DragFixture f;
        f.press({310, 260});
        f.moveTo({330, 280});
        QCOMPARE(f.pos(), QPoint(100, 100));
        f.release({330, 280});
    }

    // The window system moves the window from the first move of a left drag on the skin; a
    // click, a right drag or a drag from a control never asks it.
    void systemMoveTakesTheDragWhereOffered()
    {
        DragFixture f;
        f.offerSystemMove();
        f.press({150, 120});
        f.release({150, 120});
        f.press({150, 120}, Qt::RightButton);
        f.moveTo({170, 150});
        f.release({170, 150}, Qt::RightButton);
        f.press({310, 260});
        f.moveTo({330, 280});
        f.release({330, 280});
        QCOMPARE(f.systemMoves, 0);

        f.press({150, 120});
        f.moveTo({170, 150});
        f.moveTo({180, 160});
        QCOMPARE(f.systemMoves, 1);
        QCOMPARE(f.pos(), QPoint(100, 100));
        f.release({180, 160});
        f.press({180, 160});
        f.moveTo({190, 160});
        QCOMPARE(f.systemMoves, 2);
    }

    void backgroundGivesSizeAndShape()
    {
        QxDialog dialog;
        dialog.setBackground(QStringLiteral(":/images/register_bg.png"));
        QCOMPARE(dialog.size(), QSize(537, 385));
        const QImage picture(QStringLiteral(":/images/register_bg.png"));
        const QRegion shape = dialog.mask();
        for (const QPoint &corner :
             {QPoint(0, 0), QPoint(536, 0), QPoint(0, 384), QPoint(536, 384), QPoint(268, 192)}) {
            const bool clear = picture.pixel(corner) == 0;
            QCOMPARE(shape.contains(corner), !clear);
        }
        QVERIFY(!shape.contains(QPoint(0, 0)));
        QVERIFY(shape.contains(QPoint(268, 192)));
    }
};

QTEST_MAIN(TestQxDialog)
#include "tst_qxdialog.moc"
