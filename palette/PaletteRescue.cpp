#include "palette/PaletteRescue.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kMaxFileNameBytes = 255;

// A folder only this user can reach: made with mode 0700, or already there
// as a real folder of this user that nobody else may write into.
bool MakePrivateFolder(const QString& path, QString& error)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat st;
    if (::lstat(encoded.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()
        || (st.st_mode & 022) != 0) {
        error = QStringLiteral("not a private folder of this user");
        return false;
    }
    return true;
}

QString FileNameFor(const QString& name, const QString& suffix)
{
    QString base = name;
    while (!base.isEmpty() && QFile::encodeName(base + suffix).size() > kMaxFileNameBytes)
        base.chop(base.size() >= 2 && base.at(base.size() - 1).isLowSurrogate() ? 2 : 1);
    return base + suffix;
}

} // namespace

std::vector<TRescuePlace> RescuePlaces(const QString& userDataDir)
{
    std::vector<TRescuePlace> places;
    places.push_back({QDir(userDataDir).filePath(QStringLiteral("Recovered")), false});
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime))
        places.push_back({runtime + QStringLiteral("/tintwell/Recovered"), true});
    places.push_back({QDir::tempPath() + QStringLiteral("/tintwell-%1/Recovered").arg(::geteuid()), true});
    return places;
}

TRescueResult KeepRescueCopy(const std::vector<TSwatch>& swatches, const QString& name,
                             const std::vector<TRescuePlace>& places, const QDateTime& when)
{
    TRescueResult result;
    const QByteArray data = SwatchFile::Serialize(swatches);
    const QString stamp = when.toString(QStringLiteral(" yyyy-MM-dd hhmmss"));
    for (const TRescuePlace& place : places) {
        QString error;
        bool ready = true;
        if (place.emptiedAtLogout) {
            // Shared parents (the temporary folder): every level we make is ours alone.
            const QString parent = QFileInfo(place.folder).absolutePath();
            ready = (QDir(QFileInfo(parent).absolutePath()).exists() || QDir().mkpath(QFileInfo(parent).absolutePath()))
                && MakePrivateFolder(parent, error) && MakePrivateFolder(place.folder, error);
        } else if (!QDir().mkpath(place.folder)) {
            ready = false;
            error = QStringLiteral("the folder cannot be made");
        }
        if (ready) {
            QString path = QDir(place.folder).filePath(FileNameFor(name, stamp + QStringLiteral(".dat")));
            for (int n = 2; QFileInfo::exists(path); ++n)
                path = QDir(place.folder).filePath(FileNameFor(name, stamp + QStringLiteral(" (%1).dat").arg(n)));
            const TWriteResult w = WriteFileAtomically(path, data);
            if (w.ok) {
                result.ok = true;
                result.path = path;
                result.emptiedAtLogout = place.emptiedAtLogout;
                return result;
            }
            error = w.error;
        }
        result.errors << QDir::toNativeSeparators(place.folder) + QStringLiteral(": ") + error;
    }
    return result;
}
