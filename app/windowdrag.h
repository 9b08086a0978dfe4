#ifndef WINDOWDRAG_H
#define WINDOWDRAG_H

#include <QObject>
#include <QPoint>

#include <optional>

class QWidget;

// Moves a frameless window while the left button drags over its own background. Presses that a
// child takes (a button, a field) never reach the window, so they never start a drag; any
// release ends one, so a right click during a left drag stops it.
class WindowDrag : public QObject
{
public:
    // Watches the window's mouse events; the window owns the helper.
    explicit WindowDrag(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window;
    std::optional<QPoint> offset;
};

#endif
