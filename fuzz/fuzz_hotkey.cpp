// Hot-key texts as stored in the settings: any text parses to a value or
// to 0, and every value's text parses back to that value.
#include "grab/HotKeyText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const THotKey value = ParseHotKey(text, true);
    if (value & ~THotKey(0x1E0FF))
        std::abort(); // only the key byte and the four modifier bits
    // The Shift, Ctrl and Alt keys themselves (0x10..0x12) are named like the
    // modifiers, and a modifier word never reads back as a key: a text such
    // as "shift+ctrl" gives a value whose own text parses to 0.
    const unsigned parsedKey = value & 0xFF;
    if (value != 0 && !(parsedKey >= 0x10 && parsedKey <= 0x12)) {
        const QString formatted = FormatHotKey(value, true);
        if (ParseHotKey(formatted, true) != value)
            std::abort();
    }
    // A value built from the raw bytes round-trips too when its key has a name.
    if (size >= 3) {
        const THotKey raw = THotKey(data[0]) | (THotKey(data[1] & 0x0F) << 13);
        const QString t = FormatHotKey(raw, true);
        const unsigned key = raw & 0xFF;
        const bool modifierKey = key >= 0x10 && key <= 0x12;
        if (!t.isEmpty() && !modifierKey && !t.endsWith('+') && ParseHotKey(t, true) != raw)
            std::abort();
    }
    return 0;
}
