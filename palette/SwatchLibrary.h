// Swatch libraries: read-only sets of colours shipped in the "library" folder
// beside the program, one "<name>.cbl" file each, in the palette file's line
// syntax. The rules here work on plain rows so that tests drive them
// without a window.
#pragma once

#include "palette/PaletteModel.h"

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

// Cell size (width = height) for a size choice: 40, 30 or 20.
constexpr int ApplyLibrarySwatchSize(TSwatchSize size) { return SwatchPixels(size); }

constexpr int SwatchesPerRow(int cell) { return ViewWidth / cell; }

// Sets Left and Top of every swatch: row by row, left to right, the first
// column 1 pixel from the view's left edge.
void LayoutLibrary(std::vector<TSwatch>& swatches, int cell);

// Height of the view: one row more than the completely filled rows.
int LibraryViewHeight(int count, int cell);

// Index of the swatch under `p`, or -1. A cell counts only strictly inside
// its top and left border lines and up to its right and bottom border
// columns; when cells overlap, the last one wins.
int HitSwatch(const std::vector<TSwatch>& swatches, int cell, QPoint p);

} // namespace SwatchLibrary
