// The current colour and the colour model's state of a run: what the "New :"
// and "Last added :" boxes show, where the square's and the tracker's
// markers stand, and the pictures they are drawn from. The main window owns
// it; the colour area works on it.
#pragma once

#include "color/ColorConv.h"

#include <QImage>

struct TColorState {
    TRgbColor NewColor{255, 0, 0};
    TRgbColor LastAddedColor{0, 0, 0};
    TRgbColor HueColor{255, 0, 0};
    int ModelX = 0;
    int ModelY = 0;
    int TrackerY = 0;
    bool ModelDragging = false;
    bool TrackerDragging = false;
    // A pointer press drives the colour (the square, the tracker, the mixer):
    // the inputs only show it.
    bool PointerPicking = false;
    QImage ModelImage; // 100 x 100
    QImage HueStrip; // 20 x 359
};
