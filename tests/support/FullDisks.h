// Disks that are full, for as long as the object lives: every write of a
// file below one of the folders fails as it would with no space left.
//   TFullDisks everywhere;                      // all writes fail
//   TFullDisks some({paletteFolder, userData}); // only there
#pragma once

#include "platform/AtomicFile.h"

#include <QStringList>

class TFullDisks {
public:
    explicit TFullDisks(QStringList folders = {QStringLiteral("/")})
    {
        SetWriteFaultHook([folders](const QString& path, qint64, qint64) {
            for (const QString& folder : folders)
                if (path.startsWith(folder))
                    return false;
            return true;
        });
    }
    ~TFullDisks() { SetWriteFaultHook({}); }
    TFullDisks(const TFullDisks&) = delete;
    TFullDisks& operator=(const TFullDisks&) = delete;
};
