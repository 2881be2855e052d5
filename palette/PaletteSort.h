// Sorting the open palette by one of four orders. Only the colours move: the
// cells keep their places (Left and Top stay), so the view shows the new
// order without a new layout.
//
// Each order has three keys; the result is the stable order by them, so
// swatches whose three keys are equal keep their palette order.
#pragma once

#include "palette/PaletteModel.h"

#include <cstdint>
#include <vector>

// One swatch as the sort sees it. Hue, Saturation and Brightness are the
// whole-number RgbToHsb results of the low 8 bits of the channels (hue -1 for
// black, 360 just below a full turn); Red, Green and Blue are the full stored
// values, so values outside 0..255 from a hand-edited file sort as they are.
struct TSortEntry {
    std::int32_t Hue = 0;
    std::int32_t Saturation = 0;
    std::int32_t Brightness = 0;
    std::int32_t Red = 0;
    std::int32_t Green = 0;
    std::int32_t Blue = 0;
    friend bool operator==(const TSortEntry&, const TSortEntry&) = default;
};

enum class TSortOrder {
    TintsShades, // Hue descending, then Brightness descending, then Saturation ascending
    ByRed, // Red, Green, Blue, each descending
    ByGreen, // Green, Blue, Red, each descending
    ByBlue, // Blue, Red, Green, each descending
};

// The work table of a sort: one entry per swatch, in palette order.
std::vector<TSortEntry> BuildSortTable(const std::vector<TSwatch>& palette);

// True when `a` belongs before `b` in `order` (a strict weak order).
bool SortsBefore(TSortOrder order, const TSortEntry& a, const TSortEntry& b);

// Sorts the colours of `palette` in place; Left and Top of every row stay.
void SortPalette(std::vector<TSwatch>& palette, TSortOrder order);
