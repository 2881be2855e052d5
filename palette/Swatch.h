// A swatch row and the cell sizes a view offers: what the palette, the
// libraries and the lists of grabbed colours all hold.
#pragma once

#include <cstdint>

struct TSwatch {
    std::int32_t Red = 0;
    std::int32_t Green = 0;
    std::int32_t Blue = 0;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
};

enum class TSwatchSize { Large, Medium, Small };

constexpr int SwatchPixels(TSwatchSize size)
{
    return size == TSwatchSize::Large ? 40 : size == TSwatchSize::Medium ? 30 : 20;
}
