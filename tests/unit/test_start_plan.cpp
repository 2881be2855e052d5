// What start-up decides from the stored values, the folders and the palettes
// present, without a window.
#include "app/StartSettings.h"

#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral("/opt/tw/");
const QString kData = QStringLiteral("/home/u/.local/share/tintwell/");

QStringList Stored(const char* color, const char* name, const char* palettes = "/p", const char* exports = "/e")
{
    return {QString::fromUtf8(color),    QString::fromUtf8(name),   "Ctrl+Z", "Ctrl+G", kProgram,
            QString::fromUtf8(palettes), QString::fromUtf8(exports)};
}

} // namespace

TEST(StartPlan, FirstRunIsWhenNothingUsableIsStored)
{
    struct Case {
        QStringList values;
        bool firstRun;
        bool storeEmpty;
        const char* what;
    };
    const Case cases[] = {
        {{}, true, true, "no store"},
        {{QString()}, true, true, "a store that could not be read"},
        {{QString(), "Blues"}, true, false, "values without a last colour"},
        {Stored("1\t2\t3", "Blues"), false, false, "a store of an earlier run"},
        {Stored("garbage", ""), false, false, "a damaged colour is still a later run"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsFirstRun(c.values), c.firstRun) << c.what;
        EXPECT_EQ(StoreWasEmpty(c.values), c.storeEmpty) << c.what;
    }
}

TEST(StartPlan, FirstRunStoresTheSevenValuesInTheirPlaces)
{
    const auto values = FirstRunValues(kProgram, kData);
    const QList<QPair<QString, QString>> expected = {
        {"lastColor", "255\t0\t0"},
        {"lastFileName", "untitled"},
        {"zoomHotKey", "Ctrl+Z"},
        {"grabHotKey", "Ctrl+G"},
        {"appPath", kProgram},
        {"reg_paletteFolder", kData + "MyPalettes"},
        {"reg_exportFolder", kData + "ExportPalette"},
    };
    EXPECT_EQ(values, expected);
    for (int pos = posLastColor; pos <= posExportFolder; ++pos)
        EXPECT_EQ(SettingName(TSettingPosition(pos)), expected[pos].first);
    EXPECT_EQ(SettingName(posCopyForm), "lastCopyForm");
    // The zoom window's spelling names the same two values in the store.
    EXPECT_EQ(HotKeySettingName(posZoomHotKey), "zoomHotkey");
    EXPECT_EQ(HotKeySettingName(posGrabHotKey), "grabHotkey");
    for (TSettingPosition pos : {posZoomHotKey, posGrabHotKey})
        EXPECT_EQ(HotKeySettingName(pos).compare(SettingName(pos), Qt::CaseInsensitive), 0);
}

TEST(StartPlan, FoldersComeFromTheStoreOrTheDataFolder)
{
    struct Case {
        QStringList values;
        const char* palettes;
        const char* exports;
    };
    const Case cases[] = {
        {Stored("1\t2\t3", "x", "/p", "/e"), "/p", "/e"},
        {Stored("1\t2\t3", "x", "pal", "../exp"), "/opt/tw/pal", "/opt/exp"},
        {Stored("1\t2\t3", "x", "", ""), "/home/u/.local/share/tintwell/MyPalettes",
         "/home/u/.local/share/tintwell/ExportPalette"},
        {{QString()}, "/home/u/.local/share/tintwell/MyPalettes", "/home/u/.local/share/tintwell/ExportPalette"},
        {{}, "/home/u/.local/share/tintwell/MyPalettes", "/home/u/.local/share/tintwell/ExportPalette"},
    };
    for (const Case& c : cases) {
        const TStartFolders f = PlanStartFolders(c.values, kProgram, kData);
        EXPECT_EQ(f.paletteFolder, QString::fromUtf8(c.palettes)) << c.values.join('|').toStdString();
        EXPECT_EQ(f.exportFolder, QString::fromUtf8(c.exports)) << c.values.join('|').toStdString();
    }
}

TEST(StartPlan, WhatToOpen)
{
    const QString composed = QString::fromUtf8("Caf\u00e9");
    const QString decomposed = QString::fromUtf8("Cafe\u0301");
    struct Case {
        QStringList values;
        bool firstRun;
        QStringList listed;
        TStartState state;
        QString name;
        TRgbColor color;
        bool read;
        const char* what;
    };
    const TRgbColor red{255, 0, 0};
    const Case cases[] = {
        {{QString(), "Blues"},
         true,
         {"Blues"},
         TStartState::FirstRun,
         "Blues",
         red,
         false,
         "a first run over kept values opens nothing"},
        {{}, true, {}, TStartState::FirstRun, "untitled", red, false, "first run on an unreadable store"},
        {Stored("1\t2\t3", "Blues"),
         false,
         {"Reds", "Blues"},
         TStartState::Reopened,
         "Blues",
         {1, 2, 3},
         true,
         "the last palette with the last colour"},
        {Stored("1\t2\t3", decomposed.toUtf8().constData()),
         false,
         {composed},
         TStartState::Reopened,
         decomposed,
         {1, 2, 3},
         true,
         "a name listed in another normalisation"},
        {Stored("1\t2", "Blues"),
         false,
         {"Blues"},
         TStartState::NoPalettes,
         "untitled",
         red,
         false,
         "a colour that is not three numbers"},
        {Stored("1\t2\t256", "Blues"),
         false,
         {"Blues"},
         TStartState::NoPalettes,
         "untitled",
         red,
         false,
         "a colour out of range"},
        {Stored("1\t2\t3", "Greens"),
         false,
         {"Blues"},
         TStartState::NoPalettes,
         "untitled",
         red,
         false,
         "a last palette no longer there"},
        {Stored("1\t2\t3", "Blues"), false, {}, TStartState::NoPalettes, "untitled", red, false, "no palettes"},
        {Stored("1\t2\t3", "../Blues"),
         false,
         {"../Blues"},
         TStartState::NoPalettes,
         "untitled",
         red,
         false,
         "a name that leaves the palette folder"},
        {Stored("1\t2\t3", ""), false, {"Blues"}, TStartState::NoPalettes, "untitled", red, false, "no name stored"},
    };
    for (const Case& c : cases) {
        const TStartOpening plan = PlanStartOpening(c.values, c.firstRun, c.listed);
        EXPECT_EQ(plan.state, c.state) << c.what;
        EXPECT_EQ(plan.paletteName, c.name) << c.what;
        EXPECT_EQ(plan.color, c.color) << c.what;
        EXPECT_EQ(plan.readPalette, c.read) << c.what;
    }
}
