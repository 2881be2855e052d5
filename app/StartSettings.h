// What start-up takes from the settings of the previous run, read by
// position, as plain rules that tests and fuzzers drive without a window.
#pragma once

#include "color/ColorConv.h"

#include <QString>
#include <QStringList>

// Positions of the stored values, in the order the first run creates them.
enum TSettingPosition {
    posLastColor = 0,
    posLastFileName = 1,
    posZoomHotKey = 2,
    posGrabHotKey = 3,
    posAppPath = 4,
    posPaletteFolder = 5,
    posExportFolder = 6,
    // Added after the seven of the first run, which keep their places.
    posCopyForm = 7,
};

struct TStartSettings {
    bool colorOk = false;     // "lastColor" is three whole numbers 0..255
    TRgbColor color;          // that colour when colorOk
    QString lastFileName;     // as stored
    bool lastNameUsable = false; // a file name inside the palette folder
    QString paletteFolder;    // absolute; empty when none is stored
    QString exportFolder;     // absolute; empty when none is stored
};

// Parses "r<TAB>g<TAB>b"; false when it is not three whole numbers 0..255.
bool ParseColorSetting(const QString& text, TRgbColor& out);

// A stored folder as the program uses it: a relative one is taken relative
// to the program's folder (`programDir`, with its trailing '/'), never the
// working folder. Empty stays empty.
QString StoredFolder(const QString& stored, const QString& programDir);

TStartSettings ReadStartSettings(const QStringList& values, const QString& programDir);
