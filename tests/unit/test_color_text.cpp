// Colours as text: the five copy forms and reading pasted text back.
#include "color/ColorText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Str(const QString& s)
{
    return s.toStdString();
}

TEST(ColorText, FiveFormsOfOneColour)
{
    const TRgbColor c{58, 123, 213};
    EXPECT_EQ(Str(FormatColor(c, TColorForm::HashHex)), "#3A7BD5");
    EXPECT_EQ(Str(FormatColor(c, TColorForm::Hex)), "3A7BD5");
    EXPECT_EQ(Str(FormatColor(c, TColorForm::Rgb)), "rgb(58, 123, 213)");
    EXPECT_EQ(Str(FormatColor(c, TColorForm::Hsl)), "hsl(215, 65%, 53%)");
    EXPECT_EQ(Str(FormatColor(c, TColorForm::Plain)), "58, 123, 213");
    // Out-of-range channels from a hand-edited file: the low 8 bits, as drawn.
    EXPECT_EQ(Str(FormatColor({300, -5, 7}, TColorForm::Plain)), "44, 251, 7");
}

TEST(ColorText, HslRoundsEachValueHalfToEvenAndWrapsTheHue)
{
    struct {
        TRgbColor c;
        const char* hsl;
    } cases[] = {
        {{0, 0, 0}, "hsl(0, 0%, 0%)"},
        {{255, 255, 255}, "hsl(0, 0%, 100%)"},
        {{128, 128, 128}, "hsl(0, 0%, 50%)"}, // 50.196 %
        {{255, 0, 0}, "hsl(0, 100%, 50%)"},
        {{0, 255, 0}, "hsl(120, 100%, 50%)"},
        {{0, 0, 255}, "hsl(240, 100%, 50%)"},
        {{255, 0, 1}, "hsl(0, 100%, 50%)"}, // 359.76 degrees rounds to 360, written 0
        {{255, 0, 3}, "hsl(359, 100%, 50%)"}, // 359.29 degrees
        {{64, 128, 0}, "hsl(90, 100%, 25%)"}, // lightness 25.098 %
    };
    for (const auto& k : cases)
        EXPECT_EQ(Str(FormatColor(k.c, TColorForm::Hsl)), k.hsl) << k.c.Red << "," << k.c.Green << "," << k.c.Blue;
}

TEST(ColorText, EveryCopiedFormPastesBackToTheSameColour)
{
    // hsl loses precision; the other four forms are exact for every colour.
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 51)
                for (const TColorForm f : {TColorForm::HashHex, TColorForm::Hex, TColorForm::Rgb, TColorForm::Plain}) {
                    const TColorTextResult back = ParseColorText(FormatColor({r, g, b}, f));
                    ASSERT_TRUE(back.ok) << Str(FormatColor({r, g, b}, f));
                    EXPECT_EQ(back.color, (TRgbColor{r, g, b})) << Str(FormatColor({r, g, b}, f));
                }
}

TEST(ColorText, AcceptedTexts)
{
    struct {
        const char* text;
        TRgbColor c;
    } cases[] = {
        {"#3A7BD5", {58, 123, 213}},
        {"  #3a7bd5\n", {58, 123, 213}},
        {"3A7BD5", {58, 123, 213}},
        {"#F0A", {255, 0, 170}},
        {"rgb(58, 123, 213)", {58, 123, 213}},
        {"RGB( 58 ,123,213 )", {58, 123, 213}},
        {"rgb(58 123 213)", {58, 123, 213}},
        {"rgb(58 123 213 / 50%)", {58, 123, 213}},
        {"rgba(58, 123, 213, 0.25)", {58, 123, 213}},
        {"rgb(100%, 50%, 0%)", {255, 128, 0}}, // 127.5 rounds to the even 128
        {"rgb(12.5, 0, 255)", {12, 0, 255}}, // 12.5 to the even 12
        {"hsl(215, 65%, 53%)", {57, 122, 213}}, // hsl is not exact: the copied text comes back near
        {"hsl(120deg 100% 25%)", {0, 128, 0}},
        {"hsla(-120, 100%, 50%, 1)", {0, 0, 255}},
        {"hsl(480, 100%, 50%)", {0, 255, 0}},
        {"58, 123, 213", {58, 123, 213}},
        {"58,123,213", {58, 123, 213}},
        {"rebeccapurple", {102, 51, 153}},
        {" CornflowerBlue ", {100, 149, 237}},
        {"grey", {128, 128, 128}},
        {"gray", {128, 128, 128}},
    };
    for (const auto& k : cases) {
        const TColorTextResult r = ParseColorText(QString::fromUtf8(k.text));
        ASSERT_TRUE(r.ok) << k.text << ": " << Str(r.error);
        EXPECT_EQ(r.color, k.c) << k.text;
    }
}

TEST(ColorText, RefusedTextsSayWhy)
{
    struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {"#12345", "#RGB or #RRGGBB"},
        {"#GG0000", "#RGB or #RRGGBB"},
        {"12345G", "Not a colour"},
        {"rgb(1, 2)", "3 values"},
        {"rgb(1, 2, 3, 4, 5)", "3 values"},
        {"rgb(300, 0, 0)", "0..255"},
        {"rgb(-1, 0, 0)", "0..255"},
        {"rgb(a, 0, 0)", "no number"},
        {"rgb(120%, 0, 0)", "0..100%"},
        {"hsl(10, 20, 30)", "percentages"},
        {"hsl(x, 20%, 30%)", "no number"},
        {"hsl(10, 200%, 30%)", "0..100%"},
        {"1, 2, 256", "0..255"},
        {"1, 2, x", "Not a colour"},
        {"notacolour", "Not a colour: notacolour"},
        {"red blue", "Not a colour"},
    };
    for (const auto& k : cases) {
        const TColorTextResult r = ParseColorText(QString::fromUtf8(k.text));
        EXPECT_FALSE(r.ok) << k.text;
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(k.reason))) << k.text << ": " << Str(r.error);
    }
    // A long text is cut in the reason, so the status bar stays one line.
    const TColorTextResult r = ParseColorText(QString(500, 'x'));
    EXPECT_LT(r.error.size(), 60);
}

TEST(ColorText, TheNamedColourTableIsCompleteAndSorted)
{
    const auto& named = CssNamedColors();
    for (std::size_t i = 1; i < named.size(); ++i)
        EXPECT_LT(std::strcmp(named[i - 1].name, named[i].name), 0) << named[i].name;
    // Every name pastes, in any case, to its table value.
    for (const TNamedColor& n : named) {
        const TColorTextResult r = ParseColorText(QString::fromLatin1(n.name).toUpper());
        ASSERT_TRUE(r.ok) << n.name;
        EXPECT_EQ(MakeColorValue(r.color.Blue, r.color.Green, r.color.Red), n.rgb) << n.name;
    }
}

TEST(ColorText, StoredFormNamesRoundTripAndUnknownGivesTheFirst)
{
    for (const TColorForm f : AllColorForms)
        EXPECT_EQ(ColorFormFromName(ColorFormName(f)), f);
    EXPECT_EQ(ColorFormFromName(QStringLiteral("bogus")), TColorForm::HashHex);
    EXPECT_EQ(ColorFormFromName(QString()), TColorForm::HashHex);
}

} // namespace
