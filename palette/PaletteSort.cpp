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
        table.push_back({std::int32_t(hsb.Hue), std::int32_t(hsb.Saturation), std::int32_t(hsb.Brightness),
                         s.Red, s.Green, s.Blue});
    }
    return table;
}

namespace {

// The three keys of each order as one lexicographic comparison: a key is
// descending when b's value stands on the left.
template <TSortOrder Order>
bool Before(const TSortEntry& a, const TSortEntry& b)
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

template <TSortOrder Order>
void StableSort(std::vector<TSortEntry>& table)
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

void SortPalette(std::vector<TSwatch>& palette, TSortOrder order)
{
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
