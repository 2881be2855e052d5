#include "palette/SwatchLibrary.h"

namespace SwatchLibrary {

QStringList ListSwatchLibraries(const QString& folder)
{
    return SwatchFile::List(folder, QStringLiteral(".cbl"));
}

QString LibraryFilePath(const QString& folder, const QString& name)
{
    return SwatchFile::FilePath(folder, name, QStringLiteral(".cbl"));
}

TFileResult LoadSwatchLibrary(const QString& folder, const QString& name, std::vector<TSwatch>& out)
{
    return SwatchFile::Read(LibraryFilePath(folder, name), out);
}

void LayoutLibrary(std::vector<TSwatch>& swatches, int cell)
{
    const int perRow = SwatchesPerRow(cell);
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        swatches[i].Left = std::int32_t(1 + cell * std::int64_t(i % perRow));
        swatches[i].Top = std::int32_t(cell * std::int64_t(i / perRow));
    }
}

int LibraryViewHeight(int count, int cell)
{
    return (count / SwatchesPerRow(cell) + 1) * cell;
}

int HitSwatch(const std::vector<TSwatch>& swatches, int cell, QPoint p)
{
    int hit = -1;
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        const TSwatch& s = swatches[i];
        if (s.Left < p.x() && p.x() < s.Left + cell - 1 && s.Top < p.y() && p.y() < s.Top + cell - 1)
            hit = int(i);
    }
    return hit;
}

} // namespace SwatchLibrary
