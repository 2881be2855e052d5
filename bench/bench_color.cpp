// Colour conversion speed: RgbToHsb over the whole colour cube, and the
// model image fill that runs on every pointer move over the square.
#include "color/ColorConv.h"

#include <benchmark/benchmark.h>

static void BM_RgbToHsbAllColours(benchmark::State& state)
{
    for (auto _ : state) {
        long double sum = 0;
        for (int r = 0; r < 256; ++r)
            for (int g = 0; g < 256; ++g)
                for (int b = 0; b < 256; ++b)
                    sum += RgbToHsb(r, g, b).Hue;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 16777216LL);
}
BENCHMARK(BM_RgbToHsbAllColours)->Unit(benchmark::kMillisecond);

static void BM_ModelImageFill(benchmark::State& state)
{
    QImage image(ModelImageSize, ModelImageSize, QImage::Format_RGB32);
    int hue = 0;
    for (auto _ : state) {
        FillModelImage(image, hue);
        hue = (hue + 37) % 360;
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ModelImageFill)->Unit(benchmark::kMicrosecond);

static void BM_HueStripFill(benchmark::State& state)
{
    QImage strip;
    for (auto _ : state) {
        FillHueStrip(strip);
        benchmark::DoNotOptimize(strip.constBits());
    }
}
BENCHMARK(BM_HueStripFill)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
