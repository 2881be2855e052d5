// The zoom window's 25 ms tick on a real X display: screen capture,
// enlargement, sample, crosshair and preview, at the opening size and at the
// largest size, and the parts on their own. 40 ticks a second must cost
// under 8 % of one core: a tick under 2 ms.
//   tests/support/with-xvfb.sh build/bench/bench_magnifier
#include "app/AppSetup.h"
#include "app/TForm1.h"
#include "grab/GrabPage.h"
#include "grab/Magnifier.h"
#include "grab/ZoomWindow.h"
#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QCursor>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

TForm1* g_form = nullptr;

// The zoom window shown at the given client size, live, with the pointer
// over the screen away from it.
std::unique_ptr<Tgrab_color> OpenZoom(int width, int height)
{
    g_form->BuildHiddenPages();
    auto zoom = std::make_unique<Tgrab_color>(*g_form, g_form->Grab, g_form->grabPage->ZoomHooks());
    zoom->Timer1->start(3600 * 1000); // ticks run by the benchmark
    zoom->move(700, 400);
    zoom->resize(width, height);
    zoom->show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    QCursor::setPos(200, 200);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    return zoom;
}

void BM_MagnifierTick(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    auto zoom = OpenZoom(w, h);
    zoom->MagnifierTick();
    if (zoom->Image1->isHidden()) {
        state.SkipWithError("the pointer is over the zoom window");
        return;
    }
    for (auto _ : state) {
        zoom->LastFrame.forget(); // a tick that shows something new
        zoom->MagnifierTick();
    }
    state.counters["picture_w"] = zoom->Image1->width();
    state.counters["picture_h"] = zoom->Image1->height();
}
BENCHMARK(BM_MagnifierTick)->Args({414, 300})->Args({614, 500})->Unit(benchmark::kMicrosecond);

// The tick followed by the repaint it asks for, as the event loop runs them.
void BM_MagnifierTickAndPaint(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    auto zoom = OpenZoom(w, h);
    for (auto _ : state) {
        zoom->LastFrame.forget();
        zoom->MagnifierTick();
        zoom->Image1->repaint();
    }
}
BENCHMARK(BM_MagnifierTickAndPaint)->Args({414, 300})->Args({614, 500})->Unit(benchmark::kMicrosecond);

// The tick at rest: the same pixels at the same pointer, nothing repainted.
void BM_MagnifierTickAtRest(benchmark::State& state)
{
    auto zoom = OpenZoom(int(state.range(0)), int(state.range(1)));
    zoom->MagnifierTick();
    for (auto _ : state)
        zoom->MagnifierTick();
}
BENCHMARK(BM_MagnifierTickAtRest)->Args({414, 300})->Unit(benchmark::kMicrosecond);

void BM_ScreenGrab(benchmark::State& state)
{
    const QRect rect(400, 300, int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage shot = Services().screen->grab(rect);
        benchmark::DoNotOptimize(shot.constBits());
    }
}
BENCHMARK(BM_ScreenGrab)->Args({24, 24})->Args({146, 140})->Args({246, 240})->Unit(benchmark::kMicrosecond);

void BM_Enlarge(benchmark::State& state)
{
    QImage source(int(state.range(0)), int(state.range(1)), QImage::Format_RGB32);
    source.fill(Qt::darkCyan);
    QImage picture(int(state.range(2)), int(state.range(3)), QImage::Format_RGB32);
    for (auto _ : state) {
        EnlargeNearest(source, picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_Enlarge)
    ->Args({24, 24, 293, 281})
    ->Args({146, 140, 293, 281})
    ->Args({246, 240, 493, 481})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "bench_magnifier: needs an X display (run it through tests/support/with-xvfb.sh)\n");
        return 0;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    SetupApplication(app);
    QTemporaryDir root;
    TAppPaths paths;
    paths.programDir = root.path() + "/program/";
    paths.storeFolder = root.path() + "/store";
    paths.userDataDir = root.path() + "/data/";
    TForm1 form(paths);
    g_form = &form;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_form = nullptr;
    return 0;
}
