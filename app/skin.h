#ifndef SKIN_H
#define SKIN_H

// Gives the whole application the program's style sheet (the skin's pictures, fields and focus
// rules); false if it cannot be read.
bool applySkin();

#endif
