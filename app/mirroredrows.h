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
    void addRow(const QList<QWidget *> &row) { rows.append({row, nullptr}); }
    // A row turned about the middle of one of its controls, which stays where it is.
    void addRowAbout(const QList<QWidget *> &row, QWidget *middle) { rows.append({row, middle}); }
    void place(bool mirrored);

private:
    struct Row
    {
        QList<QWidget *> widgets;
        QWidget *middle;
    };
    QList<Row> rows;
    QHash<QWidget *, QRect> leftToRight;
};

#endif
