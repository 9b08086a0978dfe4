#ifndef ACCESSIBLETIMEFIELDS_H
#define ACCESSIBLETIMEFIELDS_H

// The start and end fields read their time as a value in seconds, within the file's length;
// Qt's own spin box interface finds no number in a time field and reads 0 in 0..0. The words
// typed stay with the field's text box inside. A later call for the same field does nothing.
class QTimeEdit;
void readTimeInSeconds(QTimeEdit *field);

#endif
