// Sorting a large palette: 100,000 swatches in each of the four orders must
// take well under 100 ms (the table fill with its colour conversions included).
#include "palette/PaletteSort.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

std::vector<TSwatch> RandomPalette(std::size_t n)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> channel(0, 255);
    std::vector<TSwatch> palette(n);
    for (TSwatch& s : palette)
        s = {channel(rng), channel(rng), channel(rng), 0, 0};
    return palette;
}

void BM_SortPalette(benchmark::State& state)
{
    const TSortOrder order = TSortOrder(state.range(0));
    const std::vector<TSwatch> source = RandomPalette(100000);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TSwatch> palette = source;
        state.ResumeTiming();
        SortPalette(palette, order);
        benchmark::DoNotOptimize(palette.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(source.size()));
}

} // namespace

// 0 tints/shades, 1 red, 2 green, 3 blue.
BENCHMARK(BM_SortPalette)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
