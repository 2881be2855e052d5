#include "palette/SwatchLibrary.h"

#include "palette/PaletteFormats.h"

#include <QDir>
#include <QFileInfo>

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

TLibrarySources StandardLibrarySources(const QString& programLibrary, const QString& systemShare,
                                       const QString& userConfig, const QString& userData)
{
    TLibrarySources sources;
    sources.programLibrary = programLibrary;
    if (!systemShare.isEmpty()) {
        sources.gimpFolders << systemShare + QStringLiteral("/gimp/2.0/palettes");
        sources.inkscapeFolders << systemShare + QStringLiteral("/inkscape/palettes");
    }
    if (!userConfig.isEmpty()) {
        // One folder per GIMP version that has run: 2.10, 3.0, ...
        const QDir gimp(userConfig + QStringLiteral("/GIMP"));
        for (const QString& version : gimp.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            sources.gimpFolders << gimp.filePath(version) + QStringLiteral("/palettes");
        sources.inkscapeFolders << userConfig + QStringLiteral("/inkscape/palettes");
    }
    if (!userData.isEmpty())
        sources.userLibrary = userData + QStringLiteral("/library");
    return sources;
}

namespace {

void AddFolder(QList<TLibraryEntry>& out, const QString& folder, const QString& source, const QStringList& patterns)
{
    if (folder.isEmpty())
        return;
    QDir dir(folder);
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : dir.entryInfoList()) {
        QString name = file.completeBaseName();
        if (name.isEmpty() || file.fileName().startsWith('.'))
            continue;
        name.replace('_', ' ');
        out.append({source + name, file.filePath()});
    }
}

} // namespace

QList<TLibraryEntry> ListAllLibraries(const TLibrarySources& sources)
{
    QList<TLibraryEntry> out;
    if (!sources.programLibrary.isEmpty())
        for (const QString& name : ListSwatchLibraries(sources.programLibrary))
            out.append({name, LibraryFilePath(sources.programLibrary, name)});
    // Name filters match without regard to case.
    const QStringList gpl{QStringLiteral("*.gpl")};
    for (const QString& folder : sources.gimpFolders)
        AddFolder(out, folder, QStringLiteral("GIMP: "), gpl);
    for (const QString& folder : sources.inkscapeFolders)
        AddFolder(out, folder, QStringLiteral("Inkscape: "), gpl);
    AddFolder(out, sources.userLibrary, QStringLiteral("My library: "),
              {QStringLiteral("*.cbl"), QStringLiteral("*.gpl")});
    return out;
}

TFileResult LoadLibraryFile(const QString& path, std::vector<TSwatch>& out)
{
    if (PaletteFormats::FormatOfFile(path) != PaletteFormats::TFormat::Gpl)
        return SwatchFile::Read(path, out);
    QByteArray data;
    QString error;
    if (!PaletteFormats::ReadRegularFile(path, SwatchFile::kMaxFileBytes, data, error))
        return TFileResult::Failed(
            QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), error));
    PaletteFormats::TReadResult read = PaletteFormats::ReadGpl(data);
    if (!read.ok)
        return TFileResult::Failed(
            QStringLiteral("Cannot read file \"%1\".\n%2").arg(QDir::toNativeSeparators(path), read.error));
    out = std::move(read.swatches);
    return {};
}

} // namespace SwatchLibrary
