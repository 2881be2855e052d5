// Launches a program and reports, without polling:
//   map_ms   time from fork to the MapNotify of its first top-level window
//   rss_kb   its resident memory `settle` seconds after the map
//   idle_cpu_ms  CPU time it used during the `idle` seconds after that
// Then it terminates the program.
//   startup_probe SETTLE_S IDLE_S PROGRAM [ARGS...]
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long ReadRssKb(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

long ReadCpuTicks(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = all.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(all.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return utime + stime;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SETTLE_S IDLE_S PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const double settle = std::atof(argv[1]);
    const double idle = std::atof(argv[2]);
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    const int fd = ConnectionNumber(dpy);
    double mapMs = -1;
    while (mapMs < 0) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(dpy) && !ev.xmap.override_redirect) {
                mapMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                break;
            }
        }
        if (mapMs >= 0)
            break;
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval tv{30, 0};
        if (select(fd + 1, &set, nullptr, nullptr, &tv) <= 0) {
            std::fprintf(stderr, "no window was mapped\n");
            kill(pid, SIGKILL);
            return 1;
        }
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(settle));
    const long rss = ReadRssKb(pid);
    const long ticks0 = ReadCpuTicks(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(idle));
    const long ticks1 = ReadCpuTicks(pid);
    const double idleMs = double(ticks1 - ticks0) * 1000.0 / double(sysconf(_SC_CLK_TCK));
    std::printf("map_ms=%.1f rss_kb=%ld idle_cpu_ms=%.0f\n", mapMs, rss, idleMs);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(dpy);
    return 0;
}
