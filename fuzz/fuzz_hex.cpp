// Hex colour text: any text converts or fails naming a pair; what converts
// prints back as the same colour.
#include "color/ColorConv.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const THexResult r = HexToColor(text);
    if (!r.ok) {
        if (!r.error.endsWith(QStringLiteral("' is not a valid integer value")))
            std::abort();
        return 0;
    }
    if (r.color > 0xFFFFFF)
        std::abort();
    if (ColorToHex(r.color).compare(text.left(6), Qt::CaseInsensitive) != 0)
        std::abort();
    return 0;
}
