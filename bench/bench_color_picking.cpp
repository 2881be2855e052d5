// One pointer move of a drag on the model square and on the hue tracker, as
// the pointer delivers it: the model image fill, the whole-pixel stretch,
// the colour under the marker, the marker, the mixer and the inputs. A drag
// has to keep up with a 120 Hz pointer, so a move must stay well below 2 ms.
// A repaint after a mixer pick recomputes the strip and the marker and must
// be no slower than a move.
#include "app/TForm1.h"
#include "color/ColorArea.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

TForm1* gForm = nullptr;

void Send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Moves that cross the square diagonally and back, so the colour changes
// at every step.
QPoint PathPoint(int step)
{
    const int t = step % 440;
    const int d = t < 220 ? t : 439 - t;
    return {d, (d * 7) % 220};
}

void BM_SquareDragMove(benchmark::State& state)
{
    QWidget* square = gForm->colorArea->Color_model1;
    Send(square, QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state)
        Send(square, QEvent::MouseMove, PathPoint(++step), Qt::NoButton, Qt::LeftButton);
    Send(square, QEvent::MouseButtonRelease, {0, 0}, Qt::LeftButton, Qt::NoButton);
    benchmark::DoNotOptimize(gForm->Color.NewColor);
}
BENCHMARK(BM_SquareDragMove)->Unit(benchmark::kMicrosecond);

void BM_TrackerDragMove(benchmark::State& state)
{
    QWidget* tracker = gForm->colorArea->Color_tracker;
    Send(tracker, QEvent::MouseButtonPress, {10, 0}, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state)
        Send(tracker, QEvent::MouseMove, {10, PathPoint(++step).x()}, Qt::NoButton, Qt::LeftButton);
    Send(tracker, QEvent::MouseButtonRelease, {10, 0}, Qt::LeftButton, Qt::NoButton);
    benchmark::DoNotOptimize(gForm->Color.NewColor);
}
BENCHMARK(BM_TrackerDragMove)->Unit(benchmark::kMicrosecond);

// What the screen update after a move costs: showing the square's picture,
// at one and at two device pixels per pixel.
void BM_SquareShow(benchmark::State& state)
{
    const qreal ratio = state.range(0);
    QWidget* square = gForm->colorArea->Color_model1;
    QImage target(int(220 * ratio), int(220 * ratio), QImage::Format_RGB32);
    target.setDevicePixelRatio(ratio);
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QPoint p = PathPoint(++step);
        gForm->colorArea->Color_model1MouseDown(p.x(), p.y());
        gForm->colorArea->Color_model1MouseUp();
        state.ResumeTiming();
        square->render(&target);
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BM_SquareShow)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A repaint the window system asks for after a mixer pick: the square and
// the strip find their marker colour and cells stale and recompute them
// before they show. Each round picks a cell whose colour changes the marker's
// shade, so every repaint does the full work.
void BM_RepaintAfterMixerPick(benchmark::State& state)
{
    TColorArea& a = *gForm->colorArea;
    QWidget* page = a.Color_model1->parentWidget();
    QImage target(page->size(), QImage::Format_RGB32);
    bool light = false;
    for (auto _ : state) {
        state.PauseTiming();
        light = !light;
        const int v = light ? 255 : 60;
        a.SetCurrentColor(v, v, v);
        gForm->repaint(); // settle the pictures for the new colour
        a.Color_mixerMouseDown(1 + 21 * 6); // cell 6
        a.Color_mixerMouseUp();
        state.ResumeTiming();
        page->render(&target);
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BM_RepaintAfterMixerPick)->Unit(benchmark::kMicrosecond);

// The same repaint when nothing is stale: what every other repaint costs.
void BM_RepaintColorModelPage(benchmark::State& state)
{
    QWidget* page = gForm->colorArea->Color_model1->parentWidget();
    QImage target(page->size(), QImage::Format_RGB32);
    for (auto _ : state)
        page->render(&target);
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BM_RepaintColorModelPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    QTemporaryDir root;
    QDir().mkpath(root.path() + "/runtime");
    QFile::setPermissions(root.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", (root.path() + "/runtime").toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    TAppPaths paths;
    paths.programDir = root.path() + "/program/";
    paths.storeFolder = root.path() + "/store";
    paths.userDataDir = root.path() + "/userdata/";
    QDir().mkpath(paths.programDir + "library");
    QDir().mkpath(paths.programDir + "Help");
    auto form = std::make_unique<TForm1>(paths);
    gForm = form.get();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
