// The exported picture of a palette: a white image with the palette's name
// at the top left, the swatches below it as framed squares in palette order,
// and a thin grey frame around the whole image. Written as a 24-bit BMP.
//
// The export grid does not follow the palette view: its width and column
// count depend on the cell size only.
//
//   cell  width  columns
//    40    403     10
//    30    333     11
//    20    283     14
#pragma once

#include "palette/PaletteModel.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

namespace PaletteExport {

// The tallest picture we build. Taller ones are refused before anything is
// allocated: they are far beyond any real palette (thousands of swatches),
// and many programs cannot open such bitmaps.
constexpr std::int64_t MaxHeight = 32767;

constexpr int NameLeft = 2;
constexpr int NameTop = 2;
constexpr int NamePointSize = 12;
constexpr int GridLeft = 2;
constexpr int GridTop = 25;

// Image width for a cell size of 40, 30 or 20; 0 for any other size.
int ImageWidth(int cell);
// Columns of the export grid: the image width divided by the cell size.
int Columns(int cell);
// (count div columns + 1) x cell + 26: always one row more than the
// completely filled rows. 64-bit so that any count is safe to ask about.
std::int64_t ImageHeight(int cell, std::int64_t count);
// Top-left corner of swatch `index`'s cell.
QPoint CellOrigin(int cell, int index);

// Why a picture of `count` swatches of size `cell` cannot be built, or empty
// when it can. Asks for nothing to be allocated.
QString SizeError(int cell, std::int64_t count);

struct TPicture {
    QImage image; // null on failure
    QString error;
    explicit operator bool() const { return !image.isNull(); }
};

// Builds the picture. A picture taller than MaxHeight, or one that cannot be
// allocated, gives an error instead of an image.
TPicture BuildExportImage(const QString& name, const std::vector<TSwatch>& swatches, int cell);

// The image as an uncompressed 24-bit BMP file.
QByteArray EncodeBmp(const QImage& image);

// The same image as a PNG file (24-bit RGB, no transparency).
QByteArray EncodePng(const QImage& image);

// Writes the picture to `path` as a BMP or a PNG; the file appears whole or
// not at all.
TFileResult WriteBmp(const QString& path, const QImage& image);
TFileResult WritePng(const QString& path, const QImage& image);

} // namespace PaletteExport
