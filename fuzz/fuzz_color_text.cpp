// Pasted colour text: any text gives a colour within 0..255 or a reason;
// every copy form of what it gives, hsl aside, reads back as the same colour.
#include "color/ColorText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const TColorTextResult r = ParseColorText(text);
    if (!r.ok) {
        if (r.error.isEmpty())
            std::abort();
        return 0;
    }
    for (const int v : {r.color.Red, r.color.Green, r.color.Blue})
        if (v < 0 || v > 255)
            std::abort();
    for (const TColorForm f : {TColorForm::HashHex, TColorForm::Hex, TColorForm::Rgb, TColorForm::Plain}) {
        const TColorTextResult back = ParseColorText(FormatColor(r.color, f));
        if (!back.ok || !(back.color == r.color))
            std::abort();
    }
    if (!ParseColorText(FormatColor(r.color, TColorForm::Hsl)).ok)
        std::abort();
    return 0;
}
