// The open palette: its swatches, state flags, cell layout and file format.
//
// A palette file is PaletteFolder/<name>.dat: one line per swatch, the
// decimal red, TAB, green, TAB, blue, CR LF; no header; the empty palette is
// an empty file. Values outside 0..255 are kept exactly as read.
#pragma once

#include "palette/Swatch.h"
#include "palette/SwatchGrid.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Outcome of a file operation; `error` is the text shown to the user.
struct TFileResult {
    bool ok = true;
    QString error;
    explicit operator bool() const { return ok; }
    static TFileResult Failed(const QString& text) { return {false, text}; }
};

// Parsing of the line syntax shared by palette and library files.
namespace SwatchFile {
// Largest file read: 256 MB (about 20 million swatches).
constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;
// Reads every swatch of `data`. Line ends may be CR LF, LF or CR; blank
// lines are skipped. On a malformed line returns false with `error` naming
// the offending text and leaves `out` untouched.
bool Parse(const QByteArray& data, std::vector<TSwatch>& out, QString& error);
QByteArray Serialize(const std::vector<TSwatch>& swatches);
// The size of what Serialize makes, counted without making it.
qint64 SerializedSize(const std::vector<TSwatch>& swatches);
// Reads a whole file; I/O errors and malformed lines are reported in the
// result. Only a regular file is read (a link to one is followed); devices,
// pipes, sockets and folders are refused without blocking.
TFileResult Read(const QString& path, std::vector<TSwatch>& out);
// The name a folder entry is listed under for the extension `suffix`
// (".dat"), matched without regard to case: the file name without it. Empty
// when the entry is not listed: hidden (a leading dot), another extension,
// nothing before the extension, or bytes that do not decode to a name that
// encodes back to them.
QString ListedName(QByteArrayView fileName, const QString& suffix);
// The listed names of `fileNames`, in name order, each once.
QStringList ListNames(const QList<QByteArray>& fileNames, const QString& suffix);
// The file among `fileNames` that the listed `name` stands for: name +
// suffix when that is there, otherwise the first other spelling of the
// extension in code-point order; name + suffix when there is none.
QString FileForName(const QList<QByteArray>& fileNames, const QString& name, const QString& suffix);
// Names of the regular files in `folder` with the extension `suffix`, as
// ListNames gives them. A missing folder gives an empty list.
QStringList List(const QString& folder, const QString& suffix);
// The path of the file that the listed `name` stands for in `folder`.
QString FilePath(const QString& folder, const QString& name, const QString& suffix);
} // namespace SwatchFile

// A palette name is the name of its file: not empty, not starting with a
// dot (the file would be hidden and not listed), and without path
// separators, control characters, or the invisible marks that change the
// direction of text or break lines (two names must never look alike in the
// list). Anything else is fine. Save, Save As and Rename all check with this.
bool IsUsablePaletteName(const QString& name);
// Two palette names are the same name when they are equal in Unicode's
// composed form (NFC): "e" + combining acute and "\u00e9" name one palette.
bool SamePaletteName(const QString& a, const QString& b);

// What a palette file looked like when this program last read or wrote it.
struct TFileStamp {
    QString path; // empty: nothing seen yet
    qint64 size = 0;
    qint64 modifiedNs = 0;
};

class TPaletteModel {
public:
    static constexpr int ViewWidth = 281; // width of the palette view

    std::vector<TSwatch> Palette;
    std::int32_t SelectedSwatch = -1;
    QString PaletteName = QStringLiteral("untitled");
    QString PaletteFolder; // without a trailing separator
    QString ExportFolder; // where exports go and the export dialogs start
    bool PaletteOnFile = false;
    bool PaletteSaved = false;
    std::int32_t SwatchWidth = 30;
    std::int32_t SwatchHeight = 30;

    std::int32_t SwatchCount() const { return std::int32_t(Palette.size()); }

    void ApplySwatchSize(TSwatchSize size);
    // The palette view's grid at the current cell size.
    TSwatchGrid Grid() const { return {SwatchWidth, SwatchHeight, ViewWidth}; }
    std::int32_t SwatchesPerRow() const { return Grid().Columns(); }
    void LayoutPalette() { Grid().Layout(Palette); }
    std::int32_t PaletteViewHeight() const { return Grid().ViewHeight(Palette.size()); }
    // The swatch under a point of the view, -1 for none.
    std::int32_t SwatchAt(std::int32_t x, std::int32_t y) const { return Grid().HitTest(Palette, QPoint(x, y)); }

    QString PaletteFilePath(const QString& name) const;
    // Writes Palette to PaletteFolder/<name>.dat, replacing the old file
    // atomically; on failure the old file is untouched. A palette whose file
    // would be larger than the program reads is refused, nothing written.
    TFileResult WritePaletteFile(const QString& name);
    // Replaces Palette with the file's swatches; on failure Palette is unchanged.
    TFileResult ReadPaletteFile(const QString& name);
    // True when the file of `name` is the one last read or written here and
    // another program has changed it since (its size or modification time
    // differ). False for a file never seen or no longer there.
    bool ChangedOnDisk(const QString& name) const;
    TFileStamp LastSeen;
    QStringList ListPaletteFiles() const;
};
