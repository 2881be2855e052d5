// File names as a folder listing yields them (any bytes but '/' and NUL):
// what is listed is visible, has the extension, comes back to the same
// bytes, and opens a file of the listing whose listed name is the same.
// A listing here is at most 8 names: enough for every clash of spellings.
#include "palette/PaletteModel.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> files;
    for (const QByteArray& part : bytes.split('/'))
        for (const QByteArray& name : part.split('\0'))
            if (!name.isEmpty() && name != "." && name != ".." && !files.contains(name) && files.size() < 8)
                files << name;

    for (const QString suffix : {QStringLiteral(".dat"), QStringLiteral(".cbl")}) {
        for (const QByteArray& file : files) {
            const QString listed = SwatchFile::ListedName(file, suffix);
            if (listed.isEmpty())
                continue;
            if (listed.startsWith('.') || file.startsWith('.'))
                std::abort();
            const QString decoded = QFile::decodeName(file);
            if (QFile::encodeName(decoded) != file || !decoded.endsWith(suffix, Qt::CaseInsensitive)
                || decoded.left(listed.size()) != listed)
                std::abort();
        }
        const QStringList names = SwatchFile::ListNames(files, suffix);
        // Resolving is a scan of the listing: a few names are enough.
        for (qsizetype i = 0; i < std::min<qsizetype>(names.size(), 4); ++i) {
            if (i > 0 && names[i - 1] == names[i])
                std::abort(); // each name once
            const QString file = SwatchFile::FileForName(files, names[i], suffix);
            const QByteArray raw = QFile::encodeName(file);
            if (!files.contains(raw) || SwatchFile::ListedName(raw, suffix) != names[i])
                std::abort();
        }
    }
    return 0;
}
