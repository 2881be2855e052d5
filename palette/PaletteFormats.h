// Palettes in other programs' formats: writing the open palette for them,
// and reading theirs as a new palette.
//
//   .gpl   GIMP / Inkscape / Krita palette, read and written
//   .ase   Adobe Swatch Exchange 1.0, read (RGB, Gray, CMYK) and written (RGB)
//   .json  {"name": ..., "colors": [{"hex": "#RRGGBB", "rgb": [r, g, b]}, ...]}, both ways
//   .css   written as a :root rule of custom properties; read, like .txt, as
//          any text holding hex codes
//
// Every writer takes the low 8 bits of each channel, as the views draw them.
//
// Colours of other models become RGB like this, in extended precision, each
// channel rounded to the nearest whole number (halves to even), limited to 0..255:
//   RGB  r, g, b in 0..1          ->  255 r, 255 g, 255 b
//   Gray g in 0..1                ->  255 g for all three
//   CMYK c, m, y, k in 0..1       ->  255 (1 - c)(1 - k), 255 (1 - m)(1 - k), 255 (1 - y)(1 - k)
// LAB colours are refused: they need a white point and a profile to mean a colour.
#pragma once

#include "palette/PaletteModel.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace PaletteFormats {

enum class TFormat { Gpl, Ase, Json, Css, HexText };

// Largest file an import reads: 64 MB, far more than a million swatches in any format.
constexpr qint64 kMaxImportBytes = qint64(64) * 1024 * 1024;

struct TReadResult {
    bool ok = false;
    std::vector<TSwatch> swatches;
    QString name; // the palette's own name when the file carries one
    QString error; // says where: the line or the byte offset
};

// ---- Writers ---------------------------------------------------------------

// "GIMP Palette", "Name: <name>", "Columns: <columns>", "#", then one line
// "RRR GGG BBB<TAB>RRGGBB" per swatch (numbers right-aligned in three places,
// as GIMP writes them), LF line ends.
QByteArray WriteGpl(const QString& name, const std::vector<TSwatch>& swatches, int columns);
// ASEF 1.0: one group named after the palette holding one global RGB entry
// per swatch, named by its hex code.
QByteArray WriteAse(const QString& name, const std::vector<TSwatch>& swatches);
// :root { --<ident>-1: #RRGGBB; ... } with <ident> from CssIdentifier(name).
QByteArray WriteCss(const QString& name, const std::vector<TSwatch>& swatches);
QByteArray WriteJson(const QString& name, const std::vector<TSwatch>& swatches);

// The palette name as a CSS identifier: lower case; every run of characters
// other than letters, digits, '-', '_' and non-ASCII letters becomes one '-';
// no '-' at either end; "palette" when nothing is left.
QString CssIdentifier(const QString& name);

// ---- Readers ---------------------------------------------------------------

// As GIMP reads it: the first line must start with "GIMP Palette"; "Name:"
// and "Columns:" lines, comments (#) and blank lines are skipped; each other
// line starts with red, green and blue as whole numbers separated by blanks
// or TABs, and the rest of it is the colour's name. Values outside 0..255
// are brought into range, as GIMP does. CR LF, LF or CR line ends.
TReadResult ReadGpl(const QByteArray& data);
TReadResult ReadAse(const QByteArray& data);
TReadResult ReadJson(const QByteArray& data);
// Every "#RRGGBB" or "#RGB" in the text (not followed by another letter or
// digit), and every line that holds nothing but six hex digits, in order.
TReadResult ReadHexText(const QByteArray& data);

// The format a file name's extension names (case-insensitive); anything
// unknown is read as text holding hex codes.
TFormat FormatOfFile(const QString& path);

// Reads a palette file of any of the formats above. Only regular files up to
// kMaxImportBytes are read; a file holding no colour is an error. The
// result's name is the file's name without its extension.
TReadResult ImportPaletteFile(const QString& path);

// Reads a whole regular file of at most `limit` bytes; `error` says why not.
bool ReadRegularFile(const QString& path, qint64 limit, QByteArray& data, QString& error);

} // namespace PaletteFormats
