#include "app/StartSettings.h"

#include "palette/PaletteModel.h"

#include <QDir>

#include <algorithm>

QString SettingName(TSettingPosition position)
{
    static const char* const names[] = {"lastColor", "lastFileName",      "zoomHotKey",       "grabHotKey",
                                        "appPath",   "reg_paletteFolder", "reg_exportFolder", "lastCopyForm"};
    return QString::fromLatin1(names[position]);
}

QString HotKeySettingName(TSettingPosition position)
{
    return position == posZoomHotKey ? QStringLiteral("zoomHotkey") : QStringLiteral("grabHotkey");
}

QString ColorSettingText(const TRgbColor& c)
{
    return QStringLiteral("%1\t%2\t%3").arg(c.Red).arg(c.Green).arg(c.Blue);
}

bool ParseColorSetting(const QString& text, TRgbColor& out)
{
    const qsizetype tab1 = text.indexOf('\t');
    const qsizetype tab2 = tab1 < 0 ? -1 : text.indexOf('\t', tab1 + 1);
    if (tab2 < 0)
        return false;
    const QString parts[3] = {text.left(tab1), text.mid(tab1 + 1, tab2 - tab1 - 1), text.mid(tab2 + 1)};
    int v[3];
    for (int k = 0; k < 3; ++k) {
        bool ok = false;
        v[k] = parts[k].trimmed().toInt(&ok, 10);
        if (!ok || v[k] < 0 || v[k] > 255)
            return false;
    }
    out = {v[0], v[1], v[2]};
    return true;
}

QString StoredFolder(const QString& stored, const QString& programDir)
{
    // Absolute means a leading '/': Qt would also take ":name" (its resource
    // prefix) as absolute, and the file system would then read it from the
    // working folder.
    if (stored.isEmpty() || stored.startsWith('/'))
        return stored;
    return QDir::cleanPath(programDir + stored);
}

TStartSettings ReadStartSettings(const QStringList& values, const QString& programDir)
{
    TStartSettings s;
    s.colorOk = ParseColorSetting(values.value(posLastColor), s.color);
    if (!s.colorOk)
        s.color = {};
    s.lastFileName = values.value(posLastFileName);
    s.lastNameUsable = IsUsablePaletteName(s.lastFileName);
    s.paletteFolder = StoredFolder(values.value(posPaletteFolder), programDir);
    s.exportFolder = StoredFolder(values.value(posExportFolder), programDir);
    return s;
}

bool IsFirstRun(const QStringList& values)
{
    return values.isEmpty() || values.value(posLastColor).isEmpty();
}

QList<QPair<QString, QString>> FirstRunValues(const QString& programDir, const QString& dataFolder)
{
    return {
        {SettingName(posLastColor), QStringLiteral("255\t0\t0")},
        {SettingName(posLastFileName), QStringLiteral("untitled")},
        {SettingName(posZoomHotKey), QStringLiteral("Ctrl+Z")},
        {SettingName(posGrabHotKey), QStringLiteral("Ctrl+G")},
        {SettingName(posAppPath), programDir},
        {SettingName(posPaletteFolder), dataFolder + QStringLiteral("MyPalettes")},
        {SettingName(posExportFolder), dataFolder + QStringLiteral("ExportPalette")},
    };
}

bool StoreWasEmpty(const QStringList& values)
{
    // An unreadable store reads as one empty text.
    return values.isEmpty() || values == QStringList{QString()};
}

TStartFolders PlanStartFolders(const QStringList& values, const QString& programDir, const QString& dataFolder)
{
    TStartFolders f;
    f.paletteFolder = StoredFolder(values.value(posPaletteFolder), programDir);
    if (f.paletteFolder.isEmpty())
        f.paletteFolder = dataFolder + QStringLiteral("MyPalettes");
    f.exportFolder = StoredFolder(values.value(posExportFolder), programDir);
    if (f.exportFolder.isEmpty())
        f.exportFolder = dataFolder + QStringLiteral("ExportPalette");
    return f;
}

TStartOpening PlanStartOpening(const QStringList& values, bool firstRun, const QStringList& listed)
{
    TStartOpening plan;
    if (firstRun) {
        plan.state = TStartState::FirstRun;
        const QString stored = values.value(posLastFileName);
        if (!stored.isEmpty())
            plan.paletteName = stored;
        return plan;
    }
    const TStartSettings stored = ReadStartSettings(values, QString());
    // A stored name is a file name inside the palette folder, nothing else,
    // and one that is listed: a device or pipe left under that name is
    // passed over like a missing file. A stored colour that is not three
    // numbers starts as if there were no palettes; the file is left alone.
    if (listed.isEmpty() || !stored.colorOk || !stored.lastNameUsable)
        return plan;
    if (std::none_of(listed.begin(), listed.end(),
                     [&](const QString& other) { return SamePaletteName(other, stored.lastFileName); }))
        return plan;
    plan.state = TStartState::Reopened;
    plan.paletteName = stored.lastFileName;
    plan.color = stored.color;
    plan.readPalette = true;
    return plan;
}
