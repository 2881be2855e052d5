// Palette files: any bytes either read or fail with a message; whatever
// reads back is written and read again to the same swatches.
#include "palette/PaletteModel.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<TSwatch> swatches;
    QString error;
    if (!SwatchFile::Parse(bytes, swatches, error)) {
        if (error.isEmpty())
            std::abort(); // a failure must say why
        return 0;
    }
    const QByteArray written = SwatchFile::Serialize(swatches);
    std::vector<TSwatch> again;
    if (!SwatchFile::Parse(written, again, error) || again.size() != swatches.size())
        std::abort();
    for (std::size_t i = 0; i < swatches.size(); ++i)
        if (again[i].Red != swatches[i].Red || again[i].Green != swatches[i].Green || again[i].Blue != swatches[i].Blue)
            std::abort();
    if (SwatchFile::Serialize(again) != written)
        std::abort();
    return 0;
}
