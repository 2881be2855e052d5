// The zoom window where the screen comes through the desktop portal, on a
// real Wayland desktop: the time from Start to the first magnified picture
// (the screenshot's round trip, reading the picture, the full-screen window
// and the first tick), and the tick on the still picture, to compare with
// bench_magnifier's tick on X11. Goal: the first picture within 150 ms.
//   scripts/bench-portal.sh   (brings up headless sway with the portal)
#include "app/AppSetup.h"
#include "app/TForm1.h"
#include "grab/GrabPage.h"
#include "grab/StillScreen.h"
#include "grab/ZoomWindow.h"
#include "platform/ScreenPortal.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

TForm1* g_form = nullptr;

bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// Start (the main window steps aside, the zoom window opens and asks for
// its screenshot) until a tick has magnified the still picture.
void BM_StartToFirstPicture(benchmark::State& state)
{
    for (auto _ : state) {
        g_form->show();
        WaitFor([] { return false; }, 200); // the desktop settles between runs
        const auto start = std::chrono::steady_clock::now();
        g_form->hide();
        g_form->BuildHiddenPages();
        auto zoom = std::make_unique<Tgrab_color>(*g_form, g_form->Grab, g_form->grabPage->ZoomHooks());
        zoom->show();
        const bool shown = WaitFor(
            [&] {
                return zoom->Still() && zoom->Still()->state() == TStillScreen::State::Showing
                    && !zoom->LastFrame.source.isNull();
            },
            5000);
        const auto end = std::chrono::steady_clock::now();
        if (!shown) {
            state.SkipWithError(zoom->Still() ? qPrintable(zoom->Still()->message()) : "no portal road");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        zoom->reject();
    }
    g_form->show();
}
BENCHMARK(BM_StartToFirstPicture)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The portal's part alone: the Screenshot request until its picture is read.
void BM_PortalScreenshot(benchmark::State& state)
{
    TDesktopPortal portal;
    for (auto _ : state) {
        bool done = false;
        TPortalAnswer got;
        const auto start = std::chrono::steady_clock::now();
        portal.screenshot([&](const TPortalAnswer& a) {
            got = a;
            done = true;
        });
        WaitFor([&] { return done; }, 5000);
        const auto end = std::chrono::steady_clock::now();
        if (!got.ok()) {
            state.SkipWithError(done ? qPrintable(got.message) : "no answer");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_PortalScreenshot)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// One tick that shows something new, on the still picture.
void BM_StillTick(benchmark::State& state)
{
    g_form->hide();
    g_form->BuildHiddenPages();
    auto zoom = std::make_unique<Tgrab_color>(*g_form, g_form->Grab, g_form->grabPage->ZoomHooks());
    zoom->show();
    if (!WaitFor([&] { return zoom->Still() && zoom->Still()->state() == TStillScreen::State::Showing; }, 5000)) {
        state.SkipWithError("no screenshot");
        return;
    }
    zoom->MagnifierTick();
    if (zoom->Image1->isHidden()) {
        state.SkipWithError("the pointer is over the zoom window");
        return;
    }
    for (auto _ : state) {
        zoom->LastFrame.forget();
        zoom->MagnifierTick();
    }
    zoom->reject();
    g_form->show();
}
BENCHMARK(BM_StillTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("WAYLAND_DISPLAY") || !std::getenv("DISPLAY")) {
        std::fprintf(stderr, "bench_portal: needs a Wayland desktop with Xwayland (run scripts/bench-portal.sh)\n");
        return 0;
    }
    PreferX11Platform();
    QApplication app(argc, argv);
    SetupApplication(app);
    QTemporaryDir root;
    TAppPaths paths;
    paths.programDir = root.path() + "/program/";
    paths.storeFolder = root.path() + "/store";
    paths.userDataDir = root.path() + "/data/";
    TForm1 form(paths);
    form.show();
    g_form = &form;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_form = nullptr;
    return 0;
}
