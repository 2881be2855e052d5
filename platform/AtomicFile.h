// Whole-file writes that never leave a half-written file behind: the data
// goes to a temporary file in the same folder, is flushed to disk, and is
// then renamed over the target. A crash or a full disk leaves either the
// old content or the new one.
//
// A target that is a symbolic link stays a link: the file it points to is
// the one replaced (the temporary is made beside that file). A replaced file
// keeps its permission bits, without set-user-id, set-group-id or sticky. A
// file nobody may write (no write bit, or not writable for this user) is
// refused with "Permission denied" rather than replaced.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

struct TWriteResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

TWriteResult WriteFileAtomically(const QString& path, const QByteArray& data);

// The file a write of `path` replaces: `path` with its symbolic links
// followed (also a dangling last link, whose target would be created).
// Empty, with the system's reason in `error`, for a loop of links.
QString ResolveWriteTarget(const QString& path, QString* error = nullptr);

// Test hook: when set, called with each chunk about to be written (`path`
// is the file being replaced, links followed); returning false makes that
// write fail as a full disk would.
using TWriteFaultHook = std::function<bool(const QString& path, qint64 offset, qint64 size)>;
void SetWriteFaultHook(TWriteFaultHook hook);
