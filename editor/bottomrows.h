#ifndef BOTTOMROWS_H
#define BOTTOMROWS_H

class QWidget;

// The links row and the status line along the window's bottom, which the form places by hand.
// Right to left they end where the panel above them ends, as every mirrored row does: the
// links just left of Generate, the status line under it. Left to right they are where the form
// put them.
void placeBottomRows(QWidget *links, QWidget *status, bool mirrored);

#endif
