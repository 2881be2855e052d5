// Swatch libraries: read-only sets of colours shipped in the "library" folder
// beside the program, one "<name>.cbl" file each, in the palette file's line
// syntax. The rules here work on plain rows so that tests drive them
// without a window.
#pragma once

#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

namespace SwatchLibrary {

// Width of the library view in pixels; it never changes at run time.
constexpr int ViewWidth = 246;

// Names of the libraries in `folder` (the regular ".cbl" files, the
// extension in any case, without it; hidden files left out), in name order.
// A missing folder gives an empty list.
QStringList ListSwatchLibraries(const QString& folder);

// The file of library `name` in `folder`: the one it was listed from.
QString LibraryFilePath(const QString& folder, const QString& name);

// Reads library `name` into `out`. On failure (a vanished or unreadable file,
// a malformed line) `out` is left as it was and the error names the cause.
TFileResult LoadSwatchLibrary(const QString& folder, const QString& name, std::vector<TSwatch>& out);

// ---- Libraries from other programs ---------------------------------------
//
// Besides the .cbl files beside the program, the palettes GIMP and Inkscape
// keep (.gpl files) are offered as libraries, read-only, and so are the .cbl
// and .gpl files of the user's own library folder. Each is listed with its
// source in front: "GIMP: Bears", "Inkscape: GNOME HIG", "My library: Sea";
// the name is the file's name without its extension, '_' shown as a blank.

struct TLibraryEntry {
    QString label; // as listed in the drop-down list
    QString path; // the file
    friend bool operator==(const TLibraryEntry&, const TLibraryEntry&) = default;
};

// Where the libraries are looked for. An empty folder is skipped.
struct TLibrarySources {
    QString programLibrary; // library/ beside the program: .cbl
    QStringList gimpFolders; // .gpl
    QStringList inkscapeFolders; // .gpl
    QString userLibrary; // the user's own: .cbl and .gpl
};

// The usual places: <share>/gimp/2.0/palettes and <config>/GIMP/<version>/palettes,
// <share>/inkscape/palettes and <config>/inkscape/palettes, <data>/library.
// Only folder names are looked at, no file is opened.
TLibrarySources StandardLibrarySources(const QString& programLibrary, const QString& systemShare,
                                       const QString& userConfig, const QString& userData);

// Every library, in this order: the program's own (as ListSwatchLibraries
// lists them, label = name), GIMP's, Inkscape's, the user's own; within a
// folder in name order; hidden files are left out. Lists names only.
QList<TLibraryEntry> ListAllLibraries(const TLibrarySources& sources);

// Reads a library file: .gpl as GIMP reads it, anything else in the .cbl
// syntax. Only regular files up to the palette file limit are read. On
// failure `out` is left as it was.
TFileResult LoadLibraryFile(const QString& path, std::vector<TSwatch>& out);

// Cell size (width = height) for a size choice: 40, 30 or 20.
constexpr int ApplyLibrarySwatchSize(TSwatchSize size)
{
    return SwatchPixels(size);
}

// The library view's grid for cells of `cell` pixels; the selected cell's
// ring is white.
constexpr TSwatchGrid LibraryGrid(int cell)
{
    return {cell, cell, ViewWidth, 1, qRgb(255, 255, 255)};
}

constexpr int SwatchesPerRow(int cell)
{
    return LibraryGrid(cell).Columns();
}

// Sets Left and Top of every swatch: row by row, left to right, the first
// column 1 pixel from the view's left edge.
inline void LayoutLibrary(std::vector<TSwatch>& swatches, int cell)
{
    LibraryGrid(cell).Layout(swatches);
}

// Height of the view: one row more than the completely filled rows.
constexpr int LibraryViewHeight(int count, int cell)
{
    return LibraryGrid(cell).ViewHeight(std::size_t(count));
}

// Index of the swatch under `p`, or -1. A cell counts only strictly inside
// its top and left border lines and up to its right and bottom border
// columns; when cells overlap, the last one wins.
inline int HitSwatch(const std::vector<TSwatch>& swatches, int cell, QPoint p)
{
    return LibraryGrid(cell).HitTest(swatches, p);
}

} // namespace SwatchLibrary
