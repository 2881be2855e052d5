// Small X11 helper for tests that drive the real program from outside:
//   tintwell_xtool close WINDOW      ask a window to close, as a window manager's close box does
//   tintwell_xtool client-size WINDOW  print the window's width and height
//   tintwell_xtool startup-messages SECONDS
//                                    print each start-up notification message sent to the
//                                    root window (as a launcher sees them), one per line,
//                                    for SECONDS; "ready" first, once it listens
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/select.h>
#include <time.h>

namespace {

// Start-up notification messages come in pieces of 20 bytes: the first
// as _NET_STARTUP_INFO_BEGIN, the rest as _NET_STARTUP_INFO, up to a NUL.
int PrintStartupMessages(Display* dpy, double seconds)
{
    const Atom begin = XInternAtom(dpy, "_NET_STARTUP_INFO_BEGIN", False);
    const Atom more = XInternAtom(dpy, "_NET_STARTUP_INFO", False);
    XSelectInput(dpy, DefaultRootWindow(dpy), PropertyChangeMask);
    XSync(dpy, False);
    std::printf("ready\n");
    std::fflush(stdout);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    std::string message;
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != ClientMessage || ev.xclient.format != 8)
                continue;
            if (ev.xclient.message_type == begin)
                message.clear();
            else if (ev.xclient.message_type != more)
                continue;
            for (int i = 0; i < 20; ++i) {
                if (ev.xclient.data.b[i] == 0) {
                    std::printf("%s\n", message.c_str());
                    std::fflush(stdout);
                    message.clear();
                    break;
                }
                message += ev.xclient.data.b[i];
            }
        }
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const double left = seconds - (double(now.tv_sec - start.tv_sec) + double(now.tv_nsec - start.tv_nsec) / 1e9);
        if (left <= 0)
            return 0;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(dpy), &fds);
        timeval tv{long(left), long((left - double(long(left))) * 1e6)};
        select(ConnectionNumber(dpy) + 1, &fds, nullptr, nullptr, &tv);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s close|client-size WINDOW | startup-messages SECONDS\n", argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    if (std::strcmp(argv[1], "startup-messages") == 0)
        return PrintStartupMessages(dpy, std::atof(argv[2]));
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
