#include "palette/PaletteModel.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <sys/stat.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The offending text as a message can show it: at most 40 bytes, control
// characters written as \xNN, so a damaged file cannot flood or garble the box.
QString Shown(QByteArrayView text)
{
    constexpr qsizetype kMax = 40;
    const QByteArrayView head = text.first(std::min(text.size(), kMax));
    QByteArray printable;
    for (const char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F)
            printable += QByteArray("\\x") + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            printable += c;
    }
    QString shown = QString::fromLocal8Bit(printable);
    if (text.size() > kMax)
        shown += QStringLiteral("...");
    return shown;
}

QString NotAnInteger(QByteArrayView text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(Shown(text));
}

// Plain signed decimal, optionally surrounded by blanks. A TAB is no blank
// here: it would be the start of a field that the format does not have.
bool ToInt32(QByteArrayView field, std::int32_t& out)
{
    while (!field.isEmpty() && field.front() == ' ')
        field = field.sliced(1);
    while (!field.isEmpty() && field.back() == ' ')
        field.chop(1);
    if (field.isEmpty())
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (field[0] == '-' || field[0] == '+') {
        negative = field[0] == '-';
        i = 1;
    }
    if (i >= field.size())
        return false;
    std::int64_t v = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return false;
    out = std::int32_t(v);
    return true;
}

} // namespace

namespace SwatchFile {

bool Parse(const QByteArray& data, std::vector<TSwatch>& out, QString& error)
{
    const char* const text = data.constData();
    const qsizetype n = data.size();
    std::vector<TSwatch> swatches;
    swatches.reserve(std::size_t(std::count(text, text + n, '\n')) + 1);
    // Editors on other systems may begin the text with a UTF-8 byte-order
    // mark; it is no part of the first line.
    qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int lineNumber = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QByteArrayView line(text + pos, end - pos);
        ++lineNumber;
        // One line end: CR LF, LF or a lone CR.
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
            pos = end + 2;
        else
            pos = end + 1;
        if (line.isEmpty())
            continue;

        const qsizetype tab1 = line.indexOf('\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf('\t', tab1 + 1);
        if (tab2 < 0) {
            error = NotAnInteger(line) + QStringLiteral("\n(line %1)").arg(lineNumber);
            return false;
        }
        const QByteArrayView fields[3] = {line.first(tab1), line.sliced(tab1 + 1, tab2 - tab1 - 1),
                                          line.sliced(tab2 + 1)};
        std::int32_t values[3];
        for (int k = 0; k < 3; ++k)
            if (!ToInt32(fields[k], values[k])) {
                error = NotAnInteger(fields[k]) + QStringLiteral("\n(line %1)").arg(lineNumber);
                return false;
            }
        swatches.push_back({values[0], values[1], values[2], 0, 0});
    }
    out = std::move(swatches);
    return true;
}

QByteArray Serialize(const std::vector<TSwatch>& swatches)
{
    QByteArray out;
    out.reserve(qsizetype(swatches.size()) * 13);
    for (const TSwatch& s : swatches) {
        out += QByteArray::number(s.Red);
        out += '\t';
        out += QByteArray::number(s.Green);
        out += '\t';
        out += QByteArray::number(s.Blue);
        out += "\r\n";
    }
    return out;
}

TFileResult Read(const QString& path, std::vector<TSwatch>& out)
{
    // Reading is whole-file and a swatch takes more memory than its line:
    // anything bigger than the limit is not a palette, and reading it could
    // exhaust memory. Devices, pipes and sockets are refused unread.
    const TRegularFileRead file = ReadRegularFile(path, kMaxFileBytes);
    if (!file.ok()) {
        const QString verb =
            file.status == TRegularFileRead::OpenFailed ? QStringLiteral("open") : QStringLiteral("read");
        return TFileResult::Failed(QStringLiteral("Cannot %1 file \"%2\". %3")
                                       .arg(verb, QDir::toNativeSeparators(path),
                                            RegularFileReadError(file, kMaxFileBytes, QStringLiteral("a palette"))));
    }
    QString error;
    if (!Parse(file.data, out, error))
        return TFileResult::Failed(error + QStringLiteral(" in \"%1\"").arg(QDir::toNativeSeparators(path)));
    return {};
}

QString ListedName(QByteArrayView fileName, const QString& suffix)
{
    // Hidden files are not listed, and neither is a name that does not come
    // back to the same bytes: it could be listed but never opened.
    if (fileName.isEmpty() || fileName.front() == '.')
        return {};
    const QByteArray raw = fileName.toByteArray();
    const QString name = QFile::decodeName(raw);
    if (QFile::encodeName(name) != raw)
        return {};
    if (name.size() <= suffix.size() || !name.endsWith(suffix, Qt::CaseInsensitive))
        return {};
    return name.left(name.size() - suffix.size());
}

namespace {

// The regular files of `folder` (symbolic links followed) listed under
// `suffix`, as the raw names the folder holds; with `only`, just those
// listed as that name.
QList<QByteArray> RegularFileNames(const QString& folder, const QString& suffix, const QString* only = nullptr)
{
    QList<QByteArray> names;
    const QByteArray dirPath = QFile::encodeName(folder);
    const int dfd =
        ::open(dirPath.isEmpty() ? "." : dirPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (dfd < 0)
        return names;
    DIR* dir = ::fdopendir(dfd);
    if (!dir) {
        ::close(dfd);
        return names;
    }
    while (const dirent* e = ::readdir(dir)) {
        const QString listed = ListedName(QByteArrayView(e->d_name), suffix);
        if (listed.isEmpty() || (only && listed != *only))
            continue;
        struct stat st { };
        if (::fstatat(dfd, e->d_name, &st, 0) == 0 && S_ISREG(st.st_mode))
            names << QByteArray(e->d_name);
    }
    ::closedir(dir);
    return names;
}

bool NameLess(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

QStringList ListNames(const QList<QByteArray>& fileNames, const QString& suffix)
{
    QStringList names;
    for (const QByteArray& file : fileNames) {
        const QString base = ListedName(file, suffix);
        if (!base.isEmpty())
            names << base;
    }
    // By name, so "A" comes before "A copy" (the extension takes no part).
    // "A.dat" and "A.DAT" make one entry: the name opens one file only.
    std::sort(names.begin(), names.end(), NameLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

QString FileForName(const QList<QByteArray>& fileNames, const QString& name, const QString& suffix)
{
    const QString exact = name + suffix;
    QString best;
    for (const QByteArray& file : fileNames) {
        if (ListedName(file, suffix) != name)
            continue;
        const QString decoded = QFile::decodeName(file);
        if (decoded == exact)
            return exact;
        // Of several other spellings of the extension, always the same one.
        if (best.isEmpty() || decoded < best)
            best = decoded;
    }
    return best.isEmpty() ? exact : best;
}

QStringList List(const QString& folder, const QString& suffix)
{
    return ListNames(RegularFileNames(folder, suffix), suffix);
}

QString FilePath(const QString& folder, const QString& name, const QString& suffix)
{
    const QString base = folder.endsWith('/') ? folder : folder + '/';
    const QString exact = base + name + suffix;
    // The usual case costs one look-up; only a missing exact name makes the
    // folder be searched for another spelling of the extension.
    struct stat st { };
    if (::lstat(QFile::encodeName(exact).constData(), &st) == 0)
        return exact;
    return base + FileForName(RegularFileNames(folder, suffix, &name), name, suffix);
}

} // namespace SwatchFile

bool IsUsablePaletteName(const QString& name)
{
    if (name.isEmpty() || name.startsWith('.'))
        return false;
    for (const QChar c : name) {
        if (c == '/' || c == '\\')
            return false;
        if (c.category() == QChar::Other_Control)
            return false;
        const char16_t u = c.unicode();
        const bool directionMark =
            u == 0x200E || u == 0x200F || u == 0x061C || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        const bool lineBreak = u == 0x2028 || u == 0x2029;
        if (directionMark || lineBreak)
            return false;
    }
    return true;
}

bool SamePaletteName(const QString& a, const QString& b)
{
    return a == b || a.normalized(QString::NormalizationForm_C) == b.normalized(QString::NormalizationForm_C);
}

void TPaletteModel::ApplySwatchSize(TSwatchSize size)
{
    SwatchWidth = SwatchHeight = SwatchPixels(size);
}

QString TPaletteModel::PaletteFilePath(const QString& name) const
{
    return SwatchFile::FilePath(PaletteFolder, name, QStringLiteral(".dat"));
}

namespace {

TFileStamp StampOf(const QString& path)
{
    TFileStamp stamp;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    stamp.path = path;
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

} // namespace

qint64 SwatchFile::SerializedSize(const std::vector<TSwatch>& swatches)
{
    auto digits = [](std::int32_t v) {
        std::int64_t m = v;
        qint64 n = m < 0 ? 2 : 1;
        for (m = m < 0 ? -m : m; m >= 10; m /= 10)
            ++n;
        return n;
    };
    qint64 total = 0;
    for (const TSwatch& s : swatches)
        total += digits(s.Red) + digits(s.Green) + digits(s.Blue) + 4; // two TABs, CR LF
    return total;
}

TFileResult TPaletteModel::WritePaletteFile(const QString& name)
{
    const QString path = PaletteFilePath(name);
    // The next start must be able to open what is saved now.
    const qint64 size = SwatchFile::SerializedSize(Palette);
    if (size > SwatchFile::kMaxFileBytes)
        return TFileResult::Failed(
            QStringLiteral(
                "Cannot write file \"%1\". The palette would be too large to open again (%2 MB; at most %3 MB).")
                .arg(QDir::toNativeSeparators(path))
                .arg(size / (1024 * 1024))
                .arg(SwatchFile::kMaxFileBytes / (1024 * 1024)));
    const QByteArray data = SwatchFile::Serialize(Palette);
    // The folder may have been removed while the program ran: make it again.
    QDir().mkpath(PaletteFolder);
    const TWriteResult w = WriteFileAtomically(path, data);
    if (!w.ok)
        return TFileResult::Failed(
            QStringLiteral("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(path), w.error));
    LastSeen = StampOf(path);
    return {};
}

TFileResult TPaletteModel::ReadPaletteFile(const QString& name)
{
    // Taken before reading: a change made while the file is read then shows
    // as a change at the next save.
    const QString path = PaletteFilePath(name);
    const TFileStamp before = StampOf(path);
    const TFileResult read = SwatchFile::Read(path, Palette);
    if (read)
        LastSeen = before;
    return read;
}

bool TPaletteModel::ChangedOnDisk(const QString& name) const
{
    const QString path = PaletteFilePath(name);
    if (LastSeen.path.isEmpty() || LastSeen.path != path)
        return false;
    const TFileStamp now = StampOf(path);
    return !now.path.isEmpty() && (now.size != LastSeen.size || now.modifiedNs != LastSeen.modifiedNs);
}

QStringList TPaletteModel::ListPaletteFiles() const
{
    return SwatchFile::List(PaletteFolder, QStringLiteral(".dat"));
}
