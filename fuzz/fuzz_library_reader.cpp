// Swatch library files, read from disk as the library page does: any bytes
// load or fail with a message, and what loads lays out and hit-tests.
#include "palette/SwatchLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

using namespace SwatchLibrary;
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    {
        QFile f(dir.path() + "/Fuzz.cbl");
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    std::vector<TSwatch> swatches;
    const TFileResult r = LoadSwatchLibrary(dir.path(), QStringLiteral("Fuzz"), swatches);
    if (!r) {
        if (r.error.isEmpty())
            std::abort();
        return 0;
    }
    for (int cell : {20, 30, 40}) {
        LayoutLibrary(swatches, cell);
        const int height = LibraryViewHeight(int(swatches.size()), cell);
        if (height < cell)
            std::abort();
        for (const TSwatch& s : swatches) {
            const int hit = HitSwatch(swatches, cell, QPoint(s.Left + 1, s.Top + 1));
            if (hit < 0)
                std::abort();
        }
    }
    return 0;
}
