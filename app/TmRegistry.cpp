#include "app/TmRegistry.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QByteArray kHeader = "tintwell-store 1\n";
const QByteArray kTrailer = "end\n";

QByteArray Escape(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c; break;
        }
    }
    return out;
}

bool Unescape(const QByteArray& in, QString& out)
{
    QByteArray raw;
    raw.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c != '\\') {
            raw += c;
            continue;
        }
        if (++i >= in.size())
            return false;
        switch (in[i]) {
        case '\\': raw += '\\'; break;
        case 't': raw += '\t'; break;
        case 'n': raw += '\n'; break;
        case 'r': raw += '\r'; break;
        default: return false;
        }
    }
    out = QString::fromUtf8(raw);
    return true;
}

} // namespace

namespace TmRegistryFormat {

bool Parse(const QByteArray& data, QList<TEntry>& entries)
{
    entries.clear();
    if (!data.startsWith(kHeader) || !data.endsWith(kTrailer))
        return false;
    const QByteArray body = data.mid(kHeader.size(), data.size() - kHeader.size() - kTrailer.size());
    qsizetype pos = 0;
    while (pos < body.size()) {
        const qsizetype end = body.indexOf('\n', pos);
        if (end < 0)
            return false;
        const QByteArray line = body.mid(pos, end - pos);
        pos = end + 1;
        const qsizetype tab = line.indexOf('\t');
        if (tab < 0 || line.indexOf('\t', tab + 1) >= 0)
            return false;
        TEntry e;
        if (!Unescape(line.left(tab), e.name) || !Unescape(line.mid(tab + 1), e.value))
            return false;
        if (e.name.isEmpty())
            return false;
        for (const TEntry& other : entries)
            if (other.name.compare(e.name, Qt::CaseInsensitive) == 0)
                return false;
        entries.append(e);
    }
    return true;
}

QByteArray Serialize(const QList<TEntry>& entries)
{
    QByteArray out = kHeader;
    for (const TEntry& e : entries)
        out += Escape(e.name) + '\t' + Escape(e.value) + '\n';
    out += kTrailer;
    return out;
}

} // namespace TmRegistryFormat

TmRegistry::TmRegistry()
    : StoreFolder(DefaultStoreFolder())
{
}

QString TmRegistry::DefaultStoreFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tintwell/store";
}

QString TmRegistry::RootName(int rootKey)
{
    switch (rootKey) {
    case rkHKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case rkHKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case rkHKEY_USERS: return QStringLiteral("HKEY_USERS");
    case rkHKEY_CURRENT_CONFIG: return QStringLiteral("HKEY_CURRENT_CONFIG");
    default: return QStringLiteral("HKEY_LOCAL_MACHINE");
    }
}

QString TmRegistry::KeyFile() const
{
    if (StoreFolder.isEmpty())
        return {};
    // Key names are not case-sensitive: one folder per level, in lower case.
    QString path = StoreFolder + '/' + RootName(RootKey);
    const QStringList levels = Key.split('\\', Qt::SkipEmptyParts);
    for (const QString& level : levels) {
        if (level == "." || level == ".." || level.contains('/') || level.contains(QChar(0)))
            return {};
        path += '/' + level.toLower();
    }
    return path + "/values";
}

void TmRegistry::AddValue(const QString& name, const QString& value)
{
    QString n = name;
    if (n.isEmpty())
        n = QStringLiteral("Value%1").arg(PendingValues.size() + 1);
    PendingValues.append({n, value});
}

bool TmRegistry::WriteValues()
{
    LastWriteFailure = TWriteFailure::KeyNotOpened;
    const QString file = KeyFile();
    if (file.isEmpty())
        return false;
    QList<TmRegistryFormat::TEntry> entries;
    if (QFileInfo::exists(file)) {
        const TRegularFileRead read = ReadRegularFile(file, TmRegistryFormat::kMaxFileBytes);
        if (read.status == TRegularFileRead::OpenFailed || read.status == TRegularFileRead::ReadFailed
            || QFileInfo(file).isDir())
            return false;
        if (!read.ok() || !TmRegistryFormat::Parse(read.data, entries)) {
            // A damaged store is kept aside, never silently overwritten; so
            // is a device, pipe or socket in its place (the link or node is
            // moved, nothing is read from it).
            const QString stamp = file + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
            QString aside = stamp;
            for (int n = 1; QFileInfo::exists(aside); ++n)
                aside = stamp + '-' + QString::number(n);
            if (!QFile::rename(file, aside))
                return false;
            entries.clear();
        }
    } else {
        if (!CanCreate)
            return false;
        if (!QDir().mkpath(QFileInfo(file).absolutePath()))
            return false;
    }
    for (const auto& [name, value] : PendingValues) {
        bool replaced = false;
        for (auto& e : entries)
            if (e.name.compare(name, Qt::CaseInsensitive) == 0) {
                e.value = value;
                replaced = true;
                break;
            }
        if (!replaced)
            entries.append({name, value});
    }
    const bool stored = WriteFileAtomically(file, TmRegistryFormat::Serialize(entries)).ok;
    LastWriteFailure = stored ? TWriteFailure::None : TWriteFailure::NotStored;
    return stored;
}

void TmRegistry::ReadValues(QStringList& list) const
{
    const QString file = KeyFile();
    QList<TmRegistryFormat::TEntry> entries;
    if (file.isEmpty()) {
        list.append(QString());
        return;
    }
    const TRegularFileRead read = ReadRegularFile(file, TmRegistryFormat::kMaxFileBytes);
    if (!read.ok() || !TmRegistryFormat::Parse(read.data, entries)) {
        list.append(QString());
        return;
    }
    for (const auto& e : entries)
        list.append(e.value);
}
