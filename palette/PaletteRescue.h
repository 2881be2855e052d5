// The copy of an unsaved palette that is kept when closing could not save
// it. The copy goes to the first place that takes it: the user's data
// folder, then places on other file systems (the session's runtime folder,
// the temporary folder), so that a full disk does not lose the colours.
#pragma once

#include "palette/PaletteModel.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

struct TRescuePlace {
    QString folder;
    bool emptiedAtLogout = false; // the session's or the temporary folder
};

struct TRescueResult {
    bool ok = false;
    QString path; // the copy, when ok
    bool emptiedAtLogout = false; // where it is does not last
    QStringList errors; // one "folder: reason" for each place that refused
};

// userDataDir/Recovered, $XDG_RUNTIME_DIR/tintwell/Recovered (when set),
// then <temporary folder>/tintwell-<uid>/Recovered.
std::vector<TRescuePlace> RescuePlaces(const QString& userDataDir);

// Writes the swatches as "<name> yyyy-MM-dd hhmmss.dat" (the name shortened
// to fit the file system's 255 bytes) in the first place that takes it.
// The copy is written whole even when larger than a palette can be.
TRescueResult KeepRescueCopy(const std::vector<TSwatch>& swatches, const QString& name,
                             const std::vector<TRescuePlace>& places,
                             const QDateTime& when = QDateTime::currentDateTime());
