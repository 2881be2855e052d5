// What start-up takes from the settings of the previous run, read by
// position, as plain rules that tests and fuzzers drive without a window.
#pragma once

#include "color/ColorConv.h"

#include <QList>
#include <QPair>
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

// The name each value is stored under, at its position.
QString SettingName(TSettingPosition position);

// The zoom window writes the two hot keys back as "zoomHotkey" and
// "grabHotkey": the store compares names without regard to case, so these
// are the values at posZoomHotKey and posGrabHotKey.
QString HotKeySettingName(TSettingPosition position);

// The colour-value text stored as "lastColor": "r<TAB>g<TAB>b".
QString ColorSettingText(const TRgbColor& c);

struct TStartSettings {
    bool colorOk = false; // "lastColor" is three whole numbers 0..255
    TRgbColor color; // that colour when colorOk
    QString lastFileName; // as stored
    bool lastNameUsable = false; // a file name inside the palette folder
    QString paletteFolder; // absolute; empty when none is stored
    QString exportFolder; // absolute; empty when none is stored
};

// Parses "r<TAB>g<TAB>b"; false when it is not three whole numbers 0..255.
bool ParseColorSetting(const QString& text, TRgbColor& out);

// A stored folder as the program uses it: a relative one is taken relative
// to the program's folder (`programDir`, with its trailing '/'), never the
// working folder. Empty stays empty.
QString StoredFolder(const QString& stored, const QString& programDir);

TStartSettings ReadStartSettings(const QStringList& values, const QString& programDir);

// ---- The start-up plan ---------------------------------------------------
// What start-up does, decided from the stored values, the program's folder,
// the default data folder and the palettes listed in the palette folder.
// The window carries the plan out; these functions only decide.

enum class TStartState { FirstRun, NoPalettes, Reopened };

// The first run: nothing usable is stored (no values, or no last colour).
bool IsFirstRun(const QStringList& values);

// The values the first run stores, in this order. `dataFolder` (with its
// trailing '/') is where the palette and export folders go by default.
QList<QPair<QString, QString>> FirstRunValues(const QString& programDir, const QString& dataFolder);

// The store held nothing at all: the first run's values are then exactly
// what reading them back would give, and writing them can wait.
bool StoreWasEmpty(const QStringList& values);

struct TStartFolders {
    QString paletteFolder;
    QString exportFolder;
};

// The palette and export folders: the stored ones (a relative one taken
// relative to the program's folder), or the defaults under `dataFolder`
// when none is stored or the store could not be read back.
TStartFolders PlanStartFolders(const QStringList& values, const QString& programDir, const QString& dataFolder);

struct TStartOpening {
    // The start state when no palette is read, or when `readPalette` and the
    // palette reads; a palette that does not read starts as NoPalettes.
    TStartState state = TStartState::NoPalettes;
    QString paletteName = QStringLiteral("untitled");
    TRgbColor color{255, 0, 0};
    bool readPalette = false; // reopen `paletteName` from the palette folder
};

// What to open: on the first run an empty palette under the stored name; on
// later runs the last palette with the last colour, when both are usable
// and the palette is among `listed`; otherwise an empty "untitled" palette.
TStartOpening PlanStartOpening(const QStringList& values, bool firstRun, const QStringList& listed);
