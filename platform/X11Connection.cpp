#include "platform/X11Connection.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

void X11SetTransientFor(unsigned long window, unsigned long owner)
{
    const TX11Root x = X11Root();
    if (!x || !window || !owner)
        return;
    const auto value = xcb_window_t(owner);
    xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window), XCB_ATOM_WM_TRANSIENT_FOR,
                        XCB_ATOM_WINDOW, 32, 1, &value);
    xcb_flush(x.connection);
}

// Xlib comes last: its macros clash with Qt's names.
#include <X11/Xlib.h>

TX11Root X11Root()
{
    TX11Root x;
    auto* app = qGuiApp;
    auto* native = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!native || !native->connection())
        return x;
    const int wanted = native->display() ? XDefaultScreen(native->display()) : 0;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(native->connection()));
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i)
        if (i == wanted || !x.screen) {
            x.screen = it.data;
            if (i == wanted)
                break;
        }
    if (!x.screen)
        return {};
    x.connection = native->connection();
    x.root = x.screen->root;
    return x;
}
