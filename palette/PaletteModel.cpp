#include "palette/PaletteModel.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace {

QString NotAnInteger(const QByteArray& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLocal8Bit(text));
}

// Plain signed decimal, optionally surrounded by blanks.
bool ToInt32(const QByteArray& field, std::int32_t& out)
{
    const QByteArray t = field.trimmed();
    if (t.isEmpty())
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == '-' || t[0] == '+') {
        negative = t[0] == '-';
        i = 1;
    }
    if (i >= t.size())
        return false;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        const char c = t[i];
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
    std::vector<TSwatch> swatches;
    qsizetype pos = 0;
    int lineNumber = 0;
    const qsizetype n = data.size();
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && data[end] != '\n' && data[end] != '\r')
            ++end;
        const QByteArray line = data.mid(pos, end - pos);
        ++lineNumber;
        // One line end: CR LF, LF or a lone CR.
        if (end < n && data[end] == '\r' && end + 1 < n && data[end + 1] == '\n')
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
        const QByteArray fields[3] = {line.left(tab1), line.mid(tab1 + 1, tab2 - tab1 - 1), line.mid(tab2 + 1)};
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TFileResult::Failed(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return TFileResult::Failed(QStringLiteral("Cannot read file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    file.close();
    QString error;
    if (!Parse(data, out, error))
        return TFileResult::Failed(error + QStringLiteral(" in \"%1\"").arg(QDir::toNativeSeparators(path)));
    return {};
}

QStringList List(const QString& folder, const QString& suffix)
{
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::CaseSensitive);
    dir.setNameFilters({"*" + suffix});
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& file : dir.entryList()) {
        if (!file.endsWith(suffix))
            continue;
        const QString base = file.left(file.lastIndexOf('.'));
        if (!base.isEmpty())
            names << base;
    }
    return names;
}

} // namespace SwatchFile

void TPaletteModel::ApplySwatchSize(TSwatchSize size)
{
    SwatchWidth = SwatchHeight = SwatchPixels(size);
}

void TPaletteModel::LayoutPalette()
{
    const std::int32_t perRow = SwatchesPerRow();
    for (std::size_t i = 0; i < Palette.size(); ++i) {
        Palette[i].Left = std::int32_t(1 + SwatchWidth * std::int64_t(i % perRow));
        Palette[i].Top = std::int32_t(SwatchHeight * std::int64_t(i / perRow));
    }
}

std::int32_t TPaletteModel::PaletteViewHeight() const
{
    return (SwatchCount() / SwatchesPerRow() + 1) * SwatchHeight;
}

QString TPaletteModel::PaletteFilePath(const QString& name) const
{
    return PaletteFolder + '/' + name + ".dat";
}

TFileResult TPaletteModel::WritePaletteFile(const QString& name) const
{
    const QString path = PaletteFilePath(name);
    const TWriteResult w = WriteFileAtomically(path, SwatchFile::Serialize(Palette));
    if (!w.ok)
        return TFileResult::Failed(QStringLiteral("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(path), w.error));
    return {};
}

TFileResult TPaletteModel::ReadPaletteFile(const QString& name)
{
    return SwatchFile::Read(PaletteFilePath(name), Palette);
}

QStringList TPaletteModel::ListPaletteFiles() const
{
    return SwatchFile::List(PaletteFolder, QStringLiteral(".dat"));
}
