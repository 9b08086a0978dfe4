#ifndef ACCESSIBLESLIDERS_H
#define ACCESSIBLESLIDERS_H

// Screen readers read the two picture-drawn sliders through Qt's value interface, as they
// would a QSlider: the volume as its position and gain, the clip strip as the clip's start,
// with its end and length in words. Installed once; later calls do nothing.
void installAccessibleSliders();

#endif
