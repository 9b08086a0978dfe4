#ifndef TESTS_SLIDERS_STRIP_H
#define TESTS_SLIDERS_STRIP_H

#include "editor/clipslider.h"

#include <QPair>
#include <QSignalSpy>

// The clip strip of the strip tests: 530 pixels over 0 .. 53 s, 10 pixels a second. Band
// 3 .. 6 s at pixels 30 .. 60, play line at 10 s, pixel 100.
struct Strip
{
    Strip()
    {
        slider.resize(530, 50);
        slider.setRange(0, 53);
        slider.setClip(3, 6);
        slider.setPos(10);
        slider.show();
    }
    QPair<double, double> clip()
    {
        double begin = -1;
        double end = -1;
        slider.getClip(begin, end);
        return {begin, end};
    }
    CClipSlider slider;
    QSignalSpy positions {&slider, &CClipSlider::posChanged};
    QSignalSpy clips {&slider, &CClipSlider::clipChanged};
    QSignalSpy views {&slider, &CClipSlider::viewChanged};
};

#endif
