// Sorting a palette: the four orders, the table the sort works on, and
// agreement with a literal three-pass bubble sweep. The Sort button and its
// menu: test_palette_sort.cpp.
#include "palette/PaletteSort.h"
#include "support/SwatchColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct SortCase {
    const char* what;
    TSortOrder order;
    Colors input;
    Colors expected;
};

TEST(PaletteSort, OrdersGiveTheStableOrderOfTheirThreeKeys)
{
    const TRgbColor black{0, 0, 0}, red{255, 0, 0}, white{255, 255, 255}, blue{0, 0, 255}, green{0, 255, 0},
        grey{128, 128, 128}, almostRed{255, 0, 1}, darkerRed{254, 0, 0};
    const SortCase cases[] = {
        {"hue down, then brightness down, then saturation up",
         TSortOrder::TintsShades,
         {black, red, white, blue, green},
         {blue, green, white, red, black}},
        {"hue 360 comes first, pure red sits among the greys",
         TSortOrder::TintsShades,
         {grey, red, blue, almostRed, white},
         {almostRed, blue, white, red, grey}},
        {"equal hue, saturation and brightness keep palette order",
         TSortOrder::TintsShades,
         {darkerRed, red, grey},
         {darkerRed, red, grey}},
        {"... in either order", TSortOrder::TintsShades, {red, darkerRed}, {red, darkerRed}},
        {"by red",
         TSortOrder::ByRed,
         {{200, 10, 10}, {200, 50, 0}, {255, 0, 0}},
         {{255, 0, 0}, {200, 50, 0}, {200, 10, 10}}},
        {"by green, then blue, then red",
         TSortOrder::ByGreen,
         {{10, 100, 5}, {0, 100, 50}, {3, 200, 0}, {9, 100, 5}},
         {{3, 200, 0}, {0, 100, 50}, {10, 100, 5}, {9, 100, 5}}},
        {"by blue",
         TSortOrder::ByBlue,
         {{0, 0, 200}, {90, 0, 200}, {90, 40, 200}},
         {{90, 40, 200}, {90, 0, 200}, {0, 0, 200}}},
        {"identical colours keep their places", TSortOrder::ByRed, {grey, red, grey}, {red, grey, grey}},
        {"channels sort by their full stored value",
         TSortOrder::ByRed,
         {{255, 0, 0}, {-5, 0, 0}, {300, 0, 0}, {0, 0, 0}},
         {{300, 0, 0}, {255, 0, 0}, {0, 0, 0}, {-5, 0, 0}}},
        // 300, -5, 7 is drawn as 44, 251, 7 (hue 111); 256, 0, 0 as black.
        {"hue comes from the low 8 bits",
         TSortOrder::TintsShades,
         {{256, 0, 0}, {300, -5, 7}, {0, 0, 255}},
         {{0, 0, 255}, {300, -5, 7}, {256, 0, 0}}},
        {"one swatch", TSortOrder::ByBlue, {grey}, {grey}},
        {"no swatches", TSortOrder::TintsShades, {}, {}},
    };
    for (const SortCase& c : cases) {
        std::vector<TSwatch> palette = Swatches(c.input);
        SortPalette(palette, c.order);
        EXPECT_EQ(ColorsOf(palette), c.expected) << c.what;
    }
}

TEST(PaletteSort, TableTakesHueSaturationBrightnessOfTheLowBytesAndKeepsFullChannels)
{
    const std::vector<TSwatch> palette =
        Swatches({{0, 0, 0}, {255, 0, 1}, {128, 128, 128}, {300, -5, 7}, {200, 100, 50}});
    const std::vector<TSortEntry> expected = {
        {-1, 0, 0, 0, 0, 0},       {360, 100, 100, 255, 0, 1}, {0, 0, 50, 128, 128, 128},
        {111, 97, 98, 300, -5, 7}, {20, 75, 78, 200, 100, 50},
    };
    EXPECT_EQ(BuildSortTable(palette), expected);
}

TEST(PaletteSort, OnlyColoursMoveCellsKeepTheirPlaces)
{
    TPaletteModel pal;
    pal.Palette = Swatches(
        {{1, 0, 0}, {3, 0, 0}, {2, 0, 0}, {9, 0, 0}, {5, 0, 0}, {4, 0, 0}, {8, 0, 0}, {7, 0, 0}, {6, 0, 0}, {0, 0, 0}});
    pal.ApplySwatchSize(TSwatchSize::Medium);
    pal.LayoutPalette();
    const std::vector<TSwatch> before = pal.Palette;
    SortPalette(pal.Palette, TSortOrder::ByRed);
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(pal.Palette[i].Left, before[i].Left);
        EXPECT_EQ(pal.Palette[i].Top, before[i].Top);
        EXPECT_EQ(pal.Palette[i].Red, 9 - int(i));
    }
}

// ---- Agreement with the three-pass sweeps ------------------------------------

struct Key {
    std::int32_t TSortEntry::*field;
    bool descending;
};

// The sweeps as the reference sort does them: repeat three passes over the
// adjacent pairs until a whole sweep exchanges nothing.
std::vector<TSortEntry> SweepSort(std::vector<TSortEntry> t, const Key (&keys)[3])
{
    auto outOfOrder = [](const Key& k, const TSortEntry& a, const TSortEntry& b) {
        return k.descending ? a.*k.field < b.*k.field : a.*k.field > b.*k.field;
    };
    auto equal = [](const Key& k, const TSortEntry& a, const TSortEntry& b) { return a.*k.field == b.*k.field; };
    const std::size_t n = t.size();
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::size_t j = 0; j + 1 < n; ++j)
            if (outOfOrder(keys[0], t[j], t[j + 1])) {
                std::swap(t[j], t[j + 1]);
                exchanged = true;
            }
        for (std::size_t j = 0; j + 1 < n; ++j)
            if (equal(keys[0], t[j], t[j + 1]) && outOfOrder(keys[1], t[j], t[j + 1])) {
                std::swap(t[j], t[j + 1]);
                exchanged = true;
            }
        for (std::size_t j = 0; j + 1 < n; ++j)
            if (equal(keys[0], t[j], t[j + 1]) && equal(keys[1], t[j], t[j + 1])
                && outOfOrder(keys[2], t[j], t[j + 1])) {
                std::swap(t[j], t[j + 1]);
                exchanged = true;
            }
    }
    return t;
}

TEST(PaletteSort, MatchesTheThreePassSweepsOnRandomPalettes)
{
    struct OrderKeys {
        TSortOrder order;
        Key keys[3];
    };
    const OrderKeys orders[] = {
        {TSortOrder::TintsShades,
         {{&TSortEntry::Hue, true}, {&TSortEntry::Brightness, true}, {&TSortEntry::Saturation, false}}},
        {TSortOrder::ByRed, {{&TSortEntry::Red, true}, {&TSortEntry::Green, true}, {&TSortEntry::Blue, true}}},
        {TSortOrder::ByGreen, {{&TSortEntry::Green, true}, {&TSortEntry::Blue, true}, {&TSortEntry::Red, true}}},
        {TSortOrder::ByBlue, {{&TSortEntry::Blue, true}, {&TSortEntry::Red, true}, {&TSortEntry::Green, true}}},
    };
    std::mt19937 rng(20240611);
    // Few distinct values make many ties on every key; values outside
    // 0..255 come from hand-edited files.
    const std::int32_t coarse[] = {-300, -1, 0, 1, 127, 128, 254, 255, 256, 300, 511, 2147483647, -2147483647 - 1};
    for (int trial = 0; trial < 300; ++trial) {
        const int n = std::uniform_int_distribution<int>(0, trial < 50 ? 8 : 300)(rng);
        const int style = trial % 3;
        std::vector<TSwatch> palette(std::size_t(n), TSwatch{});
        for (TSwatch& s : palette)
            for (std::int32_t* ch : {&s.Red, &s.Green, &s.Blue}) {
                if (style == 0)
                    *ch = coarse[std::uniform_int_distribution<int>(0, std::size(coarse) - 1)(rng)];
                else if (style == 1)
                    *ch = std::uniform_int_distribution<int>(0, 3)(rng) * 85;
                else
                    *ch = std::uniform_int_distribution<int>(0, 255)(rng);
            }
        for (const OrderKeys& o : orders) {
            const std::vector<TSortEntry> expected = SweepSort(BuildSortTable(palette), o.keys);
            std::vector<TSwatch> sorted = palette;
            SortPalette(sorted, o.order);
            ASSERT_EQ(BuildSortTable(sorted), expected)
                << "trial " << trial << ", order " << int(o.order) << ", " << n << " swatches";
            // The comparison behind the full-table sort, which palettes whose
            // keys do not pack into 32 bits go through.
            std::vector<TSortEntry> table = BuildSortTable(palette);
            std::stable_sort(table.begin(), table.end(),
                             [&o](const TSortEntry& a, const TSortEntry& b) { return SortsBefore(o.order, a, b); });
            ASSERT_EQ(table, expected) << "trial " << trial << ", order " << int(o.order) << ", " << n << " swatches";
        }
    }
}

} // namespace
