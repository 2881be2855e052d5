// What the test board keeps of a run: the free-hand drawing between
// strokes. The main window holds it; the board's drawing page works on it.
#pragma once

#include <QImage>
#include <QRect>

struct TBoardState {
    // The drawing as it stood after the last stroke, the size of the surface.
    QImage DrawingImage;
    // The drawing surface's box, in its own coordinates.
    QRect DrawingRect;
    // A mouse button is down on the surface: a stroke is under way.
    bool DrawingPressed = false;
};
