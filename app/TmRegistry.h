// The settings component: named text values under one key of a key/value
// store. Values are queued with AddValue and stored together by WriteValues;
// ReadValues lists every value of the key in the order the values were
// first created.
//
// The store is a folder of our own under the user's configuration folder:
// one file per root and key, e.g.
//   ~/.config/tintwell/store/HKEY_LOCAL_MACHINE/software/tintwell/values
// Each write replaces that file atomically.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

enum TmRootKey : int {
    rkHKEY_CLASSES_ROOT = 0,
    rkHKEY_CURRENT_USER = 1,
    rkHKEY_LOCAL_MACHINE = 2,
    rkHKEY_USERS = 3,
    rkHKEY_CURRENT_CONFIG = 4,
};

class TmRegistry {
public:
    TmRegistry();

    int RootKey = rkHKEY_LOCAL_MACHINE; // any other ordinal selects rkHKEY_LOCAL_MACHINE
    QString Key;
    bool CanCreate = true;
    // Every pair queued since the component was created; nothing removes them.
    QList<QPair<QString, QString>> PendingValues;

    void AddValue(const QString& name, const QString& value);
    // Stores every queued pair, oldest first. False when the key could not be
    // opened or created, or the store could not be written.
    bool WriteValues();
    // Why the last WriteValues returned false. KeyNotOpened: the key was
    // missing and could not be created, or could not be read; nothing was
    // attempted. NotStored: the key was open but its file could not be
    // replaced (a full or read-only file system, an immutable file).
    enum class TWriteFailure { None, KeyNotOpened, NotStored };
    TWriteFailure LastWriteFailure = TWriteFailure::None;
    // Appends the text of every value of the key in store order; one empty
    // text when the key cannot be opened (missing, unreadable or damaged).
    void ReadValues(QStringList& list) const;

    // Folder holding the store; defaults to the user's configuration folder.
    QString StoreFolder;
    // The file that holds `Key` under `RootKey`; empty for an invalid key path.
    QString KeyFile() const;
    static QString DefaultStoreFolder();
    static QString RootName(int rootKey);
};

// The store file format, exposed for the tests and the fuzzers.
namespace TmRegistryFormat {
// Largest store file read; the program's own values take a few kilobytes,
// so anything larger is damaged.
constexpr qint64 kMaxFileBytes = qint64(16) * 1024 * 1024;
struct TEntry {
    QString name;
    QString value;
};
// Parses a whole store file; false when it is damaged.
bool Parse(const QByteArray& data, QList<TEntry>& entries);
QByteArray Serialize(const QList<TEntry>& entries);
} // namespace TmRegistryFormat
