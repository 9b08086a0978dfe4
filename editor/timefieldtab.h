#ifndef TIMEFIELDTAB_H
#define TIMEFIELDTAB_H

#include <QObject>

class QAbstractSpinBox;

// Tab and Shift+Tab leave a time field at once, as they leave any other field, instead of
// stepping through its sections first; the arrow keys and typing still move between those.
// Leaving the field is also what enters a time typed into it.
class TimeFieldTab : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeFieldTab)

public:
    explicit TimeFieldTab(QAbstractSpinBox *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
