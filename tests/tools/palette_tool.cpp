// Reads and writes palette files with the program's own readers and writers,
// for the scripts that check them against other programs:
//   tintwell_palette_tool read FILE                 one "r g b" line per colour
//   tintwell_palette_tool convert FILE FORMAT OUT   FORMAT: gpl ase json css png bmp
// A file that cannot be read prints the error and exits with 1.
#include "palette/PaletteExport.h"
#include "palette/PaletteFormats.h"
#include "platform/AtomicFile.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[1] == "convert" && args.size() < 5)) {
        std::fprintf(stderr, "usage: %s read FILE | convert FILE FORMAT OUT\n", argv[0]);
        return 2;
    }
    const PaletteFormats::TReadResult read = PaletteFormats::ImportPaletteFile(args[2]);
    if (!read.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(read.error));
        return 1;
    }
    if (args[1] == "read") {
        for (const TSwatch& s : read.swatches)
            std::printf("%d %d %d\n", s.Red, s.Green, s.Blue);
        return 0;
    }
    const QString format = args[3];
    QByteArray bytes;
    if (format == "gpl")
        bytes = PaletteFormats::WriteGpl(read.name, read.swatches, 9);
    else if (format == "ase")
        bytes = PaletteFormats::WriteAse(read.name, read.swatches);
    else if (format == "json")
        bytes = PaletteFormats::WriteJson(read.name, read.swatches);
    else if (format == "css")
        bytes = PaletteFormats::WriteCss(read.name, read.swatches);
    else if (format == "png" || format == "bmp") {
        const PaletteExport::TPicture picture = PaletteExport::BuildExportImage(read.name, read.swatches, 30);
        if (!picture) {
            std::fprintf(stderr, "%s\n", qPrintable(picture.error));
            return 1;
        }
        bytes = format == "png" ? PaletteExport::EncodePng(picture.image) : PaletteExport::EncodeBmp(picture.image);
    } else {
        std::fprintf(stderr, "unknown format %s\n", qPrintable(format));
        return 2;
    }
    const TWriteResult w = WriteFileAtomically(args[4], bytes);
    if (!w.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(w.error));
        return 1;
    }
    return 0;
}
