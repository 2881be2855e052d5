#include "palette/PaletteSort.h"

#include "color/ColorConv.h"

#include <algorithm>
#include <tuple>

std::vector<TSortEntry> BuildSortTable(const std::vector<TSwatch>& palette)
{
    std::vector<TSortEntry> table;
    table.reserve(palette.size());
    for (const TSwatch& s : palette) {
        const THsbColor hsb = RgbToHsb(s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF);
        // RgbToHsb gives whole numbers already; the casts only change the type.
        table.push_back({std::int32_t(hsb.Hue), std::int32_t(hsb.Saturation), std::int32_t(hsb.Brightness), s.Red,
                         s.Green, s.Blue});
    }
    return table;
}

namespace {

// The three keys of each order as one lexicographic comparison: a key is
// descending when b's value stands on the left.
template <TSortOrder Order> bool Before(const TSortEntry& a, const TSortEntry& b)
{
    if constexpr (Order == TSortOrder::TintsShades)
        return std::tie(b.Hue, b.Brightness, a.Saturation) < std::tie(a.Hue, a.Brightness, b.Saturation);
    else if constexpr (Order == TSortOrder::ByRed)
        return std::tie(b.Red, b.Green, b.Blue) < std::tie(a.Red, a.Green, a.Blue);
    else if constexpr (Order == TSortOrder::ByGreen)
        return std::tie(b.Green, b.Blue, b.Red) < std::tie(a.Green, a.Blue, a.Red);
    else
        return std::tie(b.Blue, b.Red, b.Green) < std::tie(a.Blue, a.Red, a.Green);
}

template <TSortOrder Order> void StableSort(std::vector<TSortEntry>& table)
{
    std::stable_sort(table.begin(), table.end(), Before<Order>);
}

} // namespace

bool SortsBefore(TSortOrder order, const TSortEntry& a, const TSortEntry& b)
{
    switch (order) {
    case TSortOrder::TintsShades: return Before<TSortOrder::TintsShades>(a, b);
    case TSortOrder::ByRed: return Before<TSortOrder::ByRed>(a, b);
    case TSortOrder::ByGreen: return Before<TSortOrder::ByGreen>(a, b);
    case TSortOrder::ByBlue: return Before<TSortOrder::ByBlue>(a, b);
    }
    return false;
}

namespace {

// Sorts by one 32-bit key per swatch, ascending, with the swatch's index as
// the last key: the same order as the stable sort, at a fraction of its cost.
// False (and nothing sorted) when a key does not fit: channels outside
// 0..255 in a red, green or blue order.
bool SortByPackedKeys(std::vector<TSwatch>& palette, TSortOrder order)
{
    const std::size_t n = palette.size();
    if (n > 0xFFFFFFFFu)
        return false;
    std::vector<std::uint64_t> keyed(n);
    for (std::size_t i = 0; i < n; ++i) {
        const TSwatch& s = palette[i];
        std::uint32_t key = 0;
        if (order == TSortOrder::TintsShades) {
            const THsbColor hsb = RgbToHsb(s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF);
            // Hue -1..360 descending, brightness 0..100 descending, saturation 0..100 ascending.
            key = std::uint32_t(360 - std::int32_t(hsb.Hue)) << 16
                | std::uint32_t(100 - std::int32_t(hsb.Brightness)) << 8 | std::uint32_t(std::int32_t(hsb.Saturation));
        } else {
            std::int32_t k[3];
            if (order == TSortOrder::ByRed)
                k[0] = s.Red, k[1] = s.Green, k[2] = s.Blue;
            else if (order == TSortOrder::ByGreen)
                k[0] = s.Green, k[1] = s.Blue, k[2] = s.Red;
            else
                k[0] = s.Blue, k[1] = s.Red, k[2] = s.Green;
            for (std::int32_t v : k)
                if (v < 0 || v > 255)
                    return false;
            key = std::uint32_t(255 - k[0]) << 16 | std::uint32_t(255 - k[1]) << 8 | std::uint32_t(255 - k[2]);
        }
        keyed[i] = std::uint64_t(key) << 32 | i;
    }
    std::sort(keyed.begin(), keyed.end());

    std::vector<TSwatch> colors(palette);
    for (std::size_t i = 0; i < n; ++i) {
        const TSwatch& from = colors[std::size_t(keyed[i] & 0xFFFFFFFFu)];
        palette[i].Red = from.Red;
        palette[i].Green = from.Green;
        palette[i].Blue = from.Blue;
    }
    return true;
}

} // namespace

void SortPalette(std::vector<TSwatch>& palette, TSortOrder order)
{
    if (SortByPackedKeys(palette, order))
        return;
    // Entries with three equal keys keep their palette order.
    std::vector<TSortEntry> table = BuildSortTable(palette);
    switch (order) {
    case TSortOrder::TintsShades: StableSort<TSortOrder::TintsShades>(table); break;
    case TSortOrder::ByRed: StableSort<TSortOrder::ByRed>(table); break;
    case TSortOrder::ByGreen: StableSort<TSortOrder::ByGreen>(table); break;
    case TSortOrder::ByBlue: StableSort<TSortOrder::ByBlue>(table); break;
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i].Red = table[i].Red;
        palette[i].Green = table[i].Green;
        palette[i].Blue = table[i].Blue;
    }
}
