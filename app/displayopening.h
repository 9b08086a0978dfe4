#ifndef DISPLAYOPENING_H
#define DISPLAYOPENING_H

// Kept for as long as the toolkit opens the display. Where none can be opened, the program says
// so in one line on stderr and exits 1, instead of the toolkit's abort and its advice to
// reinstall; once the display is open, the toolkit's messages held meanwhile go out as usual.
class DisplayOpening
{
public:
    DisplayOpening();
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening &) = delete;
    DisplayOpening &operator=(const DisplayOpening &) = delete;
};

#endif
