// Other programs' palette files: any bytes read as a GIMP palette, an Adobe
// swatch exchange file, JSON or text either give colours within 0..255 or
// fail naming a line or an offset; what is read writes and reads back the same.
#include "palette/PaletteFormats.h"

#include <cstdint>
#include <cstdlib>

using namespace PaletteFormats;

namespace {

void Check(const TReadResult& r, const char* where)
{
    if (!r.ok) {
        if (!r.error.startsWith(QLatin1String(where)))
            std::abort();
        return;
    }
    for (const TSwatch& s : r.swatches)
        for (const int v : {s.Red, s.Green, s.Blue})
            if (v < 0 || v > 255)
                std::abort();
}

bool Same(const std::vector<TSwatch>& a, const std::vector<TSwatch>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Red != b[i].Red || a[i].Green != b[i].Green || a[i].Blue != b[i].Blue)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    TReadResult r;
    switch (data[0] % 4) {
    case 0:
        r = ReadGpl(bytes);
        Check(r, "Line ");
        break;
    case 1:
        r = ReadAse(bytes);
        Check(r, "Offset ");
        break;
    case 2:
        r = ReadJson(bytes);
        Check(r, "Offset ");
        break;
    default:
        r = ReadHexText(bytes);
        Check(r, "");
        break;
    }
    if (r.ok) {
        if (!Same(ReadGpl(WriteGpl(r.name, r.swatches, 9)).swatches, r.swatches)
            || !Same(ReadAse(WriteAse(r.name, r.swatches)).swatches, r.swatches)
            || !Same(ReadJson(WriteJson(r.name, r.swatches)).swatches, r.swatches)
            || !Same(ReadHexText(WriteCss(r.name, r.swatches)).swatches, r.swatches))
            std::abort();
    }
    return 0;
}
