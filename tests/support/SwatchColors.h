// Palettes written as lists of colours, for the sort tests.
#pragma once

#include "color/ColorConv.h"
#include "palette/PaletteModel.h"

#include <vector>

using Colors = std::vector<TRgbColor>;

inline std::vector<TSwatch> Swatches(const Colors& colors)
{
    std::vector<TSwatch> out;
    for (const TRgbColor& c : colors)
        out.push_back({c.Red, c.Green, c.Blue, 0, 0});
    return out;
}

inline Colors ColorsOf(const std::vector<TSwatch>& swatches)
{
    Colors out;
    for (const TSwatch& s : swatches)
        out.push_back({s.Red, s.Green, s.Blue});
    return out;
}
