#include "color/ColorConv.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct RgbToHsbCase {
    int r, g, b;
    int hue, sat, bri;
};

TEST(RgbToHsb, EdgeCases)
{
    const RgbToHsbCase cases[] = {
        {0, 17, 24, 197, 100, 9}, // 197.5 lands just below the half in extended precision
        {0, 0, 0, -1, 0, 0},        {128, 128, 128, 0, 0, 50},   {255, 255, 255, 0, 0, 100},
        {255, 0, 0, 0, 100, 100},   {255, 128, 0, 30, 100, 100}, {0, 255, 255, 180, 100, 100},
        {12, 200, 0, 116, 100, 78}, {200, 100, 50, 20, 75, 78},  {1, 2, 3, 210, 67, 1},
        {255, 0, 1, 360, 100, 100}, // not folded to 0
    };
    for (const auto& c : cases) {
        const THsbColor hsb = RgbToHsb(c.r, c.g, c.b);
        EXPECT_EQ(hsb.Hue, c.hue) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(hsb.Saturation, c.sat) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(hsb.Brightness, c.bri) << c.r << "," << c.g << "," << c.b;
    }
}

struct HsbToRgbCase {
    long double h, s, v;
    TRgbColor rgb;
};

TEST(HsbToRgb, EdgeCases)
{
    const HsbToRgbCase cases[] = {
        {30, 1, 1, {255, 128, 0}}, // 127.5 goes to the even 128
        {0, 0, 0.5L, {128, 128, 128}}, {200, 0.5L, 0.5L, {64, 106, 128}},
        {120, 1, 0.01L, {0, 3, 0}},    {240, 0.3L, 0.9L, {161, 161, 230}},
        {360, 1, 1, {255, 0, 255}}, // sector 6 falls to the default branch
        {-1, 1, 1, {255, 0, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HsbToRgb(c.h, c.s, c.v), c.rgb) << double(c.h) << "," << double(c.s) << "," << double(c.v);
}

TEST(PureHueColor, EdgeCases)
{
    const std::pair<int, TRgbColor> cases[] = {
        {0, {255, 0, 0}},   {1, {255, 4, 0}}, {59, {255, 251, 0}}, {60, {255, 255, 0}}, {358, {255, 0, 8}},
        {359, {255, 0, 4}}, {2, {255, 9, 0}}, {10, {255, 43, 0}}, // 8.5 and 42.5 end above the half here
    };
    for (const auto& [hue, rgb] : cases)
        EXPECT_EQ(PureHueColor(hue), rgb) << hue;
}

TEST(PureHueColor, EveryWholeHueRoundTripsAndIsDistinct)
{
    std::set<TColorValue> seen;
    for (int h = 0; h < 360; ++h) {
        const TRgbColor c = PureHueColor(h);
        EXPECT_EQ(RgbToHsb(c).Hue, h) << h;
        EXPECT_TRUE(seen.insert(MakeColorValue(c)).second) << h;
    }
}

TEST(Hex, ColorToHex)
{
    EXPECT_EQ(ColorToHex(MakeColorValue(255, 128, 0)), "FF8000");
    EXPECT_EQ(ColorToHex(0), "000000");
    EXPECT_EQ(ColorToHex(MakeColorValue(1, 2, 171)), "0102AB");
}

TEST(Hex, HexToColorAcceptsBothCasesAndIgnoresTheRest)
{
    for (const char* text : {"ff8000", "FF8000", "Ff8000zz"}) {
        const THexResult r = HexToColor(text);
        ASSERT_TRUE(r.ok) << text;
        EXPECT_EQ(r.color, MakeColorValue(255, 128, 0)) << text;
    }
}

TEST(Hex, HexToColorNamesTheFirstBadPair)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12345G", "'$5G' is not a valid integer value"},
        {"G01234", "'$G0' is not a valid integer value"},
        {"12 456", "'$ 4' is not a valid integer value"},
        {"1234-6", "'$-6' is not a valid integer value"},
    };
    for (const auto& [text, error] : cases) {
        const THexResult r = HexToColor(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.error, QString(error)) << text;
    }
}

TEST(Images, HueStripRows)
{
    QImage strip;
    FillHueStrip(strip);
    ASSERT_EQ(strip.size(), QSize(20, 359));
    EXPECT_EQ(strip.pixel(0, 0), qRgb(255, 0, 4)); // hue 359 on top
    EXPECT_EQ(strip.pixel(19, 358), qRgb(255, 4, 0)); // hue 1 at the bottom
    EXPECT_EQ(strip.pixel(5, 357), qRgb(255, 9, 0)); // hue 2
}

TEST(Images, ModelImageMatchesHsbToRgbForEveryPixel)
{
    QImage image;
    for (int hue : {0, 2, 30, 59, 60, 197, 240, 300, 359, 360, -1}) {
        FillModelImage(image, hue);
        ASSERT_EQ(image.size(), QSize(100, 100));
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const TRgbColor c = HsbToRgb(hue, (long double)x / 100, (long double)(100 - y) / 100);
                ASSERT_EQ(image.pixel(x, y), qRgb(c.Red, c.Green, c.Blue)) << hue << " " << x << "," << y;
            }
    }
}

TEST(Images, ModelImageKnownPixels)
{
    QImage image;
    FillModelImage(image, 0);
    EXPECT_EQ(image.pixel(70, 0), qRgb(255, 76, 76)); // double precision gives 77
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    for (int y = 0; y < 100; ++y) {
        const QRgb c = image.pixel(0, y);
        EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << y;
    }
}

} // namespace
