#ifndef MIRROREDROWS_H
#define MIRROREDROWS_H

#include <QHash>
#include <QList>
#include <QRect>

class QWidget;

// Controls placed by hand, mirrored for a right-to-left language as Qt mirrors its layouts:
// each row is turned about the middle of the stretch it takes, so a label changes sides with
// its field while the row stays over the panel drawn behind it. Left to right, every control
// is back where the form put it.
class MirroredRows
{
public:
    void addRow(const QList<QWidget *> &row) { rows.append(row); }
    void place(bool mirrored);

private:
    QList<QList<QWidget *>> rows;
    QHash<QWidget *, QRect> leftToRight;
};

#endif
