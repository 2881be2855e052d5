// Colour conversions shared by every colour display of the program.
//
// All floating arithmetic is x87 extended precision (64-bit significand),
// evaluated one operation at a time in the written order; whole-number
// results round to nearest with halves to even. Several results depend on
// that precision (hue 2 is 255,9,0 here and 255,8,0 in double), so the
// code must not be "simplified" into double or reassociated.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "colour arithmetic needs the 80-bit extended long double");

using TColorValue = std::uint32_t; // red | green << 8 | blue << 16

struct TRgbColor {
    std::int32_t Red = 0;
    std::int32_t Green = 0;
    std::int32_t Blue = 0;
    friend bool operator==(const TRgbColor&, const TRgbColor&) = default;
};

struct THsbColor {
    long double Hue = 0; // degrees 0..360, -1 for black
    long double Saturation = 0; // percent 0..100
    long double Brightness = 0; // percent 0..100
};

// Nearest whole number, halves to even (the FPU's default rounding mode).
std::int32_t RoundHalfEven(long double v);

THsbColor RgbToHsb(std::int32_t red, std::int32_t green, std::int32_t blue);
inline THsbColor RgbToHsb(const TRgbColor& c)
{
    return RgbToHsb(c.Red, c.Green, c.Blue);
}

// Saturation and brightness are fractions 0..1 here (RgbToHsb gives percent).
TRgbColor HsbToRgb(long double hue, long double saturation, long double brightness);
TRgbColor PureHueColor(long double hue);

constexpr TColorValue MakeColorValue(std::int32_t r, std::int32_t g, std::int32_t b)
{
    return TColorValue(r & 0xFF) | (TColorValue(g & 0xFF) << 8) | (TColorValue(b & 0xFF) << 16);
}
inline TColorValue MakeColorValue(const TRgbColor& c)
{
    return MakeColorValue(c.Red, c.Green, c.Blue);
}
constexpr TRgbColor SplitColorValue(TColorValue v)
{
    return {std::int32_t(v & 0xFF), std::int32_t((v >> 8) & 0xFF), std::int32_t((v >> 16) & 0xFF)};
}

QString ColorToHex(TColorValue color);

// Reads characters 1-2, 3-4 and 5-6 as red, green, blue. On failure `error`
// gets "'$XX' is not a valid integer value" naming the first bad pair.
struct THexResult {
    bool ok = false;
    TColorValue color = 0;
    QString error;
};
THexResult HexToColor(const QString& text);

// The hue strip: 20 x 359, row y shows PureHueColor(359 - y).
constexpr int HueStripWidth = 20;
constexpr int HueStripHeight = 359;
void FillHueStrip(QImage& strip);

// The model square image: 100 x 100, pixel (x, y) is
// HsbToRgb(hue, x / 100, (100 - y) / 100).
constexpr int ModelImageSize = 100;
void FillModelImage(QImage& image, std::int32_t hue);
