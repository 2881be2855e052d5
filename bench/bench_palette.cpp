// Large palettes: opening one (read and layout) and repainting its view,
// which must cost what the visible cells cost, whatever the palette's size.
#include "app/TForm1.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "palette/PalettePage.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

QByteArray PaletteLines(int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number(i * 7 % 256) + '\t' + QByteArray::number(i * 13 % 256) + '\t'
            + QByteArray::number(i / 256 % 256) + "\r\n";
    return out;
}

// A main window on its own folders with one palette of `count` swatches
// reopened at start.
class HugeWindow {
public:
    explicit HugeWindow(int count)
    {
        paths.programDir = root.path() + "/program/";
        paths.storeFolder = root.path() + "/store";
        paths.userDataDir = root.path() + "/user/";
        QDir().mkpath(paths.programDir + "MyPalettes");
        QFile f(paths.programDir + "MyPalettes/Huge.dat");
        f.open(QIODevice::WriteOnly);
        f.write(PaletteLines(count));
        f.close();
        TmRegistry reg;
        reg.StoreFolder = paths.storeFolder;
        reg.Key = QStringLiteral("\\software\\tintwell\\");
        reg.AddValue("lastColor", "1\t2\t3");
        reg.AddValue("lastFileName", "Huge");
        reg.AddValue("zoomHotKey", "Ctrl+Z");
        reg.AddValue("grabHotKey", "Ctrl+G");
        reg.AddValue("appPath", paths.programDir);
        reg.AddValue("reg_paletteFolder", paths.programDir + "MyPalettes");
        reg.AddValue("reg_exportFolder", paths.programDir + "ExportPalette");
        reg.WriteValues();
        form = std::make_unique<TForm1>(paths);
        form->show();
        QCoreApplication::processEvents();
    }
    QTemporaryDir root;
    TAppPaths paths;
    std::unique_ptr<TForm1> form;
};

void BM_ReadAndLayout(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile f(dir.path() + "/Huge.dat");
    f.open(QIODevice::WriteOnly);
    f.write(PaletteLines(int(state.range(0))));
    f.close();
    TPaletteModel pal;
    pal.PaletteFolder = dir.path();
    for (auto _ : state) {
        pal.Palette.clear();
        if (!pal.ReadPaletteFile("Huge"))
            state.SkipWithError("read failed");
        pal.ApplySwatchSize(TSwatchSize::Medium);
        pal.LayoutPalette();
        benchmark::DoNotOptimize(pal.Palette.data());
    }
    state.counters["swatches"] = double(pal.SwatchCount());
}
BENCHMARK(BM_ReadAndLayout)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

// The "Open" command as the user runs it: read, layout, view height,
// status, with the repaint that follows.
void BM_OpenFromTheList(benchmark::State& state)
{
    HugeWindow w(int(state.range(0)));
    TPaletteFiles& files = *w.form->paletteFiles;
    for (auto _ : state) {
        files.SelectListEntry("Huge");
        files.list_ppDblClick();
        w.form->palettePage->Color_myPalette->repaint();
    }
    state.counters["swatches"] = double(w.form->Pal.SwatchCount());
}
BENCHMARK(BM_OpenFromTheList)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

// One repaint of the view, scrolled half-way down: the counter shows how
// many cells were drawn.
void BM_RepaintView(benchmark::State& state)
{
    HugeWindow w(int(state.range(0)));
    TPalettePage& page = *w.form->palettePage;
    QScrollBar* bar = page.JvScrollBox1->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    w.form->Pal.SelectedSwatch = w.form->Pal.SwatchCount() / 2;
    for (auto _ : state) {
        w.form->RepaintPaletteView();
        page.Color_myPalette->repaint();
    }
    state.counters["cells_drawn"] = page.LastPaintedCells;
    state.counters["swatches"] = double(w.form->Pal.SwatchCount());
}
BENCHMARK(BM_RepaintView)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Selecting a cell by pointer: hit test and repaint.
void BM_SelectCell(benchmark::State& state)
{
    HugeWindow w(int(state.range(0)));
    TPalettePage& page = *w.form->palettePage;
    page.JvScrollBox1->scrollToEnd();
    const TSwatch last = w.form->Pal.Palette.back();
    for (auto _ : state) {
        page.Color_myPaletteMouseDown(Qt::LeftButton, QPoint(last.Left + 5, last.Top + 5));
        page.Color_myPalette->repaint();
    }
    state.counters["cells_drawn"] = page.LastPaintedCells;
}
BENCHMARK(BM_SelectCell)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir home;
    setenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit().constData(), 1);
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
