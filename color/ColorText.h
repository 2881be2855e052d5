// Colours as text for other programs: the five forms the copy menus offer,
// and reading a colour back from pasted text.
//
// Copy forms, for (58, 123, 213):
//   "#3A7BD5"  "3A7BD5"  "rgb(58, 123, 213)"  "hsl(215, 65%, 53%)"  "58, 123, 213"
//
// The hsl form is CSS hsl: hue in whole degrees 0..359, saturation and
// lightness in whole percent, each rounded on its own to the nearest whole
// number, halves to even; a hue that rounds to 360 is written 0.
#pragma once

#include "color/ColorConv.h"

#include <QString>
#include <array>

enum class TColorForm { HashHex = 0, Hex = 1, Rgb = 2, Hsl = 3, Plain = 4 };

constexpr std::array<TColorForm, 5> AllColorForms{TColorForm::HashHex, TColorForm::Hex, TColorForm::Rgb,
                                                  TColorForm::Hsl, TColorForm::Plain};

// The text of `color` (low 8 bits of each channel) in `form`.
QString FormatColor(const TRgbColor& color, TColorForm form);

// The stored name of a form ("hash", "hex", "rgb", "hsl", "plain") and back;
// an unknown name gives the first form.
QString ColorFormName(TColorForm form);
TColorForm ColorFormFromName(const QString& name);

struct TColorTextResult {
    bool ok = false;
    TRgbColor color;
    QString error; // why the text is no colour, for the status bar
};

// Reads a colour from text, with blanks around allowed:
//   #RGB  #RRGGBB  RRGGBB  rgb(r, g, b)  rgb(r g b)  rgba(r, g, b, a)  rgb(r g b / a)
//   hsl(h, s%, l%)  hsla(...)  r, g, b  and the 148 CSS colour names.
// rgb() channels are numbers 0..255 or percentages; hsl() takes a hue in
// degrees (any number, taken modulo 360) and two percentages 0..100. Alpha
// is ignored. Function and colour names are case-insensitive.
TColorTextResult ParseColorText(const QString& text);

// The 148 CSS colour names, "gray" and "grey" spellings both, in
// alphabetical order; the value is 0xRRGGBB.
struct TNamedColor {
    const char* name;
    unsigned rgb;
};
const std::array<TNamedColor, 148>& CssNamedColors();

// CSS hsl to RGB: hue in degrees, saturation and lightness 0..1, in
// extended precision; each channel rounded to the nearest, halves to even.
TRgbColor HslToRgb(long double hue, long double saturation, long double lightness);
