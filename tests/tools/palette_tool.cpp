// Reads and writes palette files with the program's own readers and writers,
// for the scripts that check them against other programs:
//   tintwell_palette_tool read FILE                 one "r g b" line per colour
//   tintwell_palette_tool convert FILE FORMAT OUT   FORMAT: gpl ase json css png bmp
//   tintwell_palette_tool roundtrip FILE DIR        prints the colours as "read" does, writes
//       DIR/palette.{gpl,ase,json,css,png,bmp}, and fails unless each of the four palette
//       files reads back to the same colours
// A file that cannot be read prints the error and exits with 1.
#include "palette/PaletteExport.h"
#include "palette/PaletteFormats.h"
#include "platform/AtomicFile.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// The palette in `format`; empty for an unknown format or a picture that cannot be built.
QByteArray Encode(const PaletteFormats::TReadResult& read, const QString& format)
{
    if (format == "gpl")
        return PaletteFormats::WriteGpl(read.name, read.swatches, 9);
    if (format == "ase")
        return PaletteFormats::WriteAse(read.name, read.swatches);
    if (format == "json")
        return PaletteFormats::WriteJson(read.name, read.swatches);
    if (format == "css")
        return PaletteFormats::WriteCss(read.name, read.swatches);
    if (format == "png" || format == "bmp") {
        const PaletteExport::TPicture picture = PaletteExport::BuildExportImage(read.name, read.swatches, 30);
        if (!picture)
            return {};
        return format == "png" ? PaletteExport::EncodePng(picture.image) : PaletteExport::EncodeBmp(picture.image);
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[1] == "convert" && args.size() < 5) || (args[1] == "roundtrip" && args.size() < 4)) {
        std::fprintf(stderr, "usage: %s read FILE | convert FILE FORMAT OUT | roundtrip FILE DIR\n", argv[0]);
        return 2;
    }
    const PaletteFormats::TReadResult read = PaletteFormats::ImportPaletteFile(args[2]);
    if (!read.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(read.error));
        return 1;
    }
    if (args[1] != "convert")
        for (const TSwatch& s : read.swatches)
            std::printf("%d %d %d\n", s.Red, s.Green, s.Blue);
    if (args[1] == "read")
        return 0;
    if (args[1] == "roundtrip") {
        int status = 0;
        for (const char* format : {"gpl", "ase", "json", "css", "png", "bmp"}) {
            const QString out = args[3] + "/palette." + format;
            const TWriteResult w = WriteFileAtomically(out, Encode(read, format));
            if (!w.ok) {
                std::fprintf(stderr, "%s: %s\n", format, qPrintable(w.error));
                return 1;
            }
            if (QByteArray("png bmp").contains(format))
                continue;
            const PaletteFormats::TReadResult back = PaletteFormats::ImportPaletteFile(out);
            bool same = back.ok && back.swatches.size() == read.swatches.size();
            for (std::size_t i = 0; same && i < back.swatches.size(); ++i)
                same = back.swatches[i].Red == read.swatches[i].Red && back.swatches[i].Green == read.swatches[i].Green
                    && back.swatches[i].Blue == read.swatches[i].Blue;
            if (!same) {
                std::fprintf(stderr, "the .%s file reads back to other colours %s\n", format, qPrintable(back.error));
                status = 1;
            }
        }
        return status;
    }
    const QByteArray bytes = Encode(read, args[3]);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[3]));
        return 2;
    }
    const TWriteResult w = WriteFileAtomically(args[4], bytes);
    if (!w.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(w.error));
        return 1;
    }
    return 0;
}
