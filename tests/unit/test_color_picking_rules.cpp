// The colour-picking arithmetic: marker places, the tracker's stretch and
// the mixer's steps and cells. The pictures and the pointer on the colour
// area: test_color_picking.cpp.
#include "color/ColorPicking.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <utility>

// Found by argument lookup, so it stays outside the unnamed namespace.
static std::ostream& operator<<(std::ostream& os, const TRgbColor& c)
{
    return os << c.Red << "," << c.Green << "," << c.Blue;
}

namespace {

struct MarkerCase {
    TRgbColor color;
    int modelX, modelY, trackerY;
    TRgbColor hueColor;
};

TEST(MarkerPlaces, FollowTheColour)
{
    const MarkerCase cases[] = {
        {{0, 255, 0}, 219, 0, 146, {0, 255, 0}}, // hue 120
        {{255, 128, 0}, 219, 0, 201, {255, 128, 0}}, // hue 30
        {{128, 128, 128}, 0, 110, 219, {255, 0, 0}}, // 109.5 goes to the even 110
        {{0, 0, 0}, 0, 219, 0, {255, 0, 4}}, // black takes the colour of hue 359
        {{255, 0, 1}, 219, 0, 219, {255, 0, 0}}, // hue 360 is taken as 0
        {{255, 255, 255}, 0, 0, 219, {255, 0, 0}},   {{0, 17, 24}, 219, 199, 99, PureHueColor(197)},
    };
    for (const MarkerCase& c : cases) {
        const TMarkerPlaces m = PlaceMarkers(c.color);
        EXPECT_EQ(m.ModelX, c.modelX) << c.color;
        EXPECT_EQ(m.ModelY, c.modelY) << c.color;
        EXPECT_EQ(m.TrackerY, c.trackerY) << c.color;
        EXPECT_EQ(m.HueColor, c.hueColor) << c.color;
    }
}

TEST(StretchSourceIndex, TakesTheWholeSourcePixelBelowTheExactPlace)
{
    const struct {
        int display, source, size, expected;
    } cases[] = {
        {219, 359, 220, 357}, // the tracker's bottom row shows hue 2
        {0, 359, 220, 0},     {219, 100, 220, 99},
        {2, 100, 220, 0}, // 0.909: a centre-sampling stretch would show column 1
        {154, 100, 220, 70},  {157, 100, 220, 71},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StretchSourceIndex(c.display, c.source, c.size), c.expected) << c.display;
}

struct MixerCase {
    const char* name;
    TRgbColor start;
    bool darker;
    std::array<TRgbColor, 12> cells;
};

std::array<TRgbColor, 12> Reds(std::array<int, 12> r)
{
    std::array<TRgbColor, 12> out;
    for (int i = 0; i < 12; ++i)
        out[i] = {r[i], 0, 0};
    return out;
}

std::array<TRgbColor, 12> Greys(std::array<int, 12> g)
{
    std::array<TRgbColor, 12> out;
    for (int i = 0; i < 12; ++i)
        out[i] = {g[i], g[i], g[i]};
    return out;
}

TEST(MixerSteps, DarkerAndLighterSequences)
{
    std::array<TRgbColor, 12> same;
    same.fill({255, 0, 0});
    std::array<TRgbColor, 12> white;
    white.fill({255, 255, 255});
    std::array<TRgbColor, 12> black;
    black.fill({0, 0, 0});
    const MixerCase cases[] = {
        {"darker red", {255, 0, 0}, true, Reds({239, 222, 205, 187, 169, 150, 130, 109, 87, 63, 36, 5})},
        {"darker 6", {6, 0, 0}, true, Reds({11, 15, 18, 21, 23, 25, 26, 26, 25, 22, 16, 5})},
        {"darker grey", {128, 128, 128}, true, Greys({122, 116, 109, 102, 94, 86, 77, 67, 55, 42, 26, 5})},
        {"lighter red", {255, 0, 0}, false, same},
        {"lighter white", {255, 255, 255}, false, white},
        {"lighter grey", {128, 128, 128}, false, Greys({151, 172, 191, 208, 223, 236, 247, 255, 255, 255, 255, 255})},
        {"darker black", {0, 0, 0}, true, black},
        {"lighter black", {0, 0, 0}, false, black},
    };
    for (const MixerCase& c : cases) {
        const TMixerCells cells = MixerSteps(c.start, c.darker);
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ((TRgbColor{cells[i].Red, cells[i].Green, cells[i].Blue}), c.cells[i]) << c.name << " cell " << i;
            EXPECT_EQ(cells[i].Left, 21 * i);
        }
    }
    const TMixerCells mixed = MixerSteps({200, 100, 30}, false);
    EXPECT_EQ((TRgbColor{mixed[0].Red, mixed[0].Green, mixed[0].Blue}), (TRgbColor{223, 123, 53}));
    EXPECT_EQ((TRgbColor{mixed[11].Red, mixed[11].Green, mixed[11].Blue}), (TRgbColor{255, 244, 174}));
}

TEST(MixerCellAt, OnlyTheInsideOfACellPicks)
{
    const TMixerCells cells = MixerSteps({255, 0, 0}, true);
    const std::pair<int, int> cases[] = {
        {0, -1},  {1, 0},   {19, 0},   {20, -1},  {21, -1},  {22, 1},
        {41, -1}, {42, -1}, {250, 11}, {231, -1}, {251, -1}, {-3, -1},
    };
    for (const auto& [x, cell] : cases)
        EXPECT_EQ(MixerCellAt(cells, x), cell) << "x = " << x;
}

} // namespace
