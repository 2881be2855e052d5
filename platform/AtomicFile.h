// Whole-file writes that never leave a half-written file behind: the data
// goes to a temporary file in the same folder, is flushed to disk, and is
// then renamed over the target. A crash or a full disk leaves either the
// old content or the new one.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

struct TWriteResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

TWriteResult WriteFileAtomically(const QString& path, const QByteArray& data);

// Test hook: when set, called with each chunk about to be written; returning
// false makes that write fail as a full disk would.
using TWriteFaultHook = std::function<bool(const QString& path, qint64 offset, qint64 size)>;
void SetWriteFaultHook(TWriteFaultHook hook);
