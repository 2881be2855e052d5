// Reading screen pixels straight from the X server's root window.
#pragma once

#include <QImage>
#include <QRect>

// Fills `out` (Format_RGB32, the size of `rect`) with the root window's
// pixels of `rect` in screen pixels; parts off the screen are left as they
// are. False when there is no X11 connection or the screen's pixel format is
// not 32-bit true colour, so that the caller can read it another way.
bool X11GrabRoot(const QRect& rect, QImage& out);
