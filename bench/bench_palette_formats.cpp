// Exporting and importing a 100,000-swatch palette in each format: the
// export writes the file atomically (flushed to disk), the import reads it
// back from the file. Goal: each under 100 ms.
//
// A PNG picture of 100,000 swatches would be far taller than the export
// allows, so the picture formats are measured at 1,000 swatches and at the
// largest palette the export accepts at the medium cell size.
#include "palette/PaletteExport.h"
#include "palette/PaletteFormats.h"
#include "platform/AtomicFile.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>

namespace {

using namespace PaletteFormats;

constexpr int kSwatches = 100000;

std::vector<TSwatch> Swatches(int count)
{
    std::vector<TSwatch> out(std::size_t(count), TSwatch{});
    for (int i = 0; i < count; ++i)
        out[std::size_t(i)] = {i * 7 % 256, i * 13 % 256, i / 256 % 256, 0, 0};
    return out;
}

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

using TWriter = std::function<QByteArray(const std::vector<TSwatch>&)>;

void Export(benchmark::State& state, const char* suffix, TWriter write, int count)
{
    const std::vector<TSwatch> swatches = Swatches(count);
    const QString path = Folder().filePath(QStringLiteral("big.") + suffix);
    for (auto _ : state) {
        const TWriteResult w = WriteFileAtomically(path, write(swatches));
        if (!w.ok)
            state.SkipWithError(qPrintable(w.error));
    }
    state.counters["swatches"] = count;
}

void Import(benchmark::State& state, const char* suffix, TWriter write, int count)
{
    const QString path = Folder().filePath(QStringLiteral("in.") + suffix);
    WriteFileAtomically(path, write(Swatches(count)));
    for (auto _ : state) {
        const TReadResult r = ImportPaletteFile(path);
        if (!r.ok || int(r.swatches.size()) != count)
            state.SkipWithError("read back wrong");
        benchmark::DoNotOptimize(r.swatches.data());
    }
    state.counters["swatches"] = count;
}

QByteArray Gpl(const std::vector<TSwatch>& s)
{
    return WriteGpl(QStringLiteral("Big"), s, 9);
}
QByteArray Ase(const std::vector<TSwatch>& s)
{
    return WriteAse(QStringLiteral("Big"), s);
}
QByteArray Json(const std::vector<TSwatch>& s)
{
    return WriteJson(QStringLiteral("Big"), s);
}
QByteArray Css(const std::vector<TSwatch>& s)
{
    return WriteCss(QStringLiteral("Big"), s);
}

// The largest palette whose picture the export builds at 30-pixel cells.
int LargestPicture()
{
    int n = 0;
    while (PaletteExport::SizeError(30, n + 11).isEmpty())
        n += 11;
    return n;
}

QByteArray Picture(const std::vector<TSwatch>& s, bool png)
{
    const PaletteExport::TPicture p = PaletteExport::BuildExportImage(QStringLiteral("Big"), s, 30);
    return png ? PaletteExport::EncodePng(p.image) : PaletteExport::EncodeBmp(p.image);
}

void BM_ExportGpl(benchmark::State& s)
{
    Export(s, "gpl", Gpl, kSwatches);
}
void BM_ExportAse(benchmark::State& s)
{
    Export(s, "ase", Ase, kSwatches);
}
void BM_ExportJson(benchmark::State& s)
{
    Export(s, "json", Json, kSwatches);
}
void BM_ExportCss(benchmark::State& s)
{
    Export(s, "css", Css, kSwatches);
}
void BM_ImportGpl(benchmark::State& s)
{
    Import(s, "gpl", Gpl, kSwatches);
}
void BM_ImportAse(benchmark::State& s)
{
    Import(s, "ase", Ase, kSwatches);
}
void BM_ImportJson(benchmark::State& s)
{
    Import(s, "json", Json, kSwatches);
}
void BM_ImportCss(benchmark::State& s)
{
    Import(s, "css", Css, kSwatches);
}
void BM_ExportPng1000(benchmark::State& s)
{
    Export(
        s, "png", [](const std::vector<TSwatch>& v) { return Picture(v, true); }, 1000);
}
void BM_ExportPngLargestPicture(benchmark::State& s)
{
    Export(
        s, "png", [](const std::vector<TSwatch>& v) { return Picture(v, true); }, LargestPicture());
}
void BM_ExportBmpLargestPicture(benchmark::State& s)
{
    Export(
        s, "bmp", [](const std::vector<TSwatch>& v) { return Picture(v, false); }, LargestPicture());
}

BENCHMARK(BM_ExportGpl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportGpl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportAse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCss)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCss)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPng1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPngLargestPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportBmpLargestPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
