#include "app/StartSettings.h"

#include "palette/PaletteModel.h"

#include <QDir>

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
