#ifndef LABELFIT_H
#define LABELFIT_H

class QLabel;

// A hand-placed label's text kept inside its place, `gap` pixels clear of the field beside it:
// on a second line where the label wraps and is tall enough, else in a smaller font, a point at
// a time down to `smallest` points. Where the text fits, the form's own font stays.
void fitLabelText(QLabel *label, int gap, int smallest = 7);

// Whether the label's text, in its font, fits its place with `gap` pixels to spare.
bool labelTextFits(const QLabel *label, int gap);

#endif
