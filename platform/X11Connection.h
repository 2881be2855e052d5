// The application's own X11 connection and the root window of its screen;
// empty on platforms without X11 (such as Qt's offscreen platform).
#pragma once

#include <xcb/xcb.h>

struct TX11Root {
    xcb_connection_t* connection = nullptr;
    const xcb_screen_t* screen = nullptr;
    xcb_window_t root = 0;
    explicit operator bool() const { return connection && screen; }
};

TX11Root X11Root();

// Tells the window manager that `window` belongs to `owner` (WM_TRANSIENT_FOR),
// so that it stays above `owner` even while that is full-screen. Nothing
// without an X11 connection.
void X11SetTransientFor(unsigned long window, unsigned long owner);
