// Small X11 helper for tests that drive the real program from outside:
//   tintwell_xtool close WINDOW      ask a window to close, as a window manager's close box does
//   tintwell_xtool client-size WINDOW  print the window's width and height
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s close|client-size WINDOW\n", argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    const Window win = Window(std::strtoul(argv[2], nullptr, 0));
    if (std::strcmp(argv[1], "close") == 0) {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = win;
        ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = long(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(dpy, win, False, NoEventMask, &ev);
        XSync(dpy, False);
    } else if (std::strcmp(argv[1], "client-size") == 0) {
        XWindowAttributes attrs;
        if (!XGetWindowAttributes(dpy, win, &attrs))
            return 1;
        std::printf("%d %d\n", attrs.width, attrs.height);
    } else {
        std::fprintf(stderr, "unknown command %s\n", argv[1]);
        return 2;
    }
    XCloseDisplay(dpy);
    return 0;
}
