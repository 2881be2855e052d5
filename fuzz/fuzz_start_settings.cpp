// Start-up's reading of the stored settings: whatever the store file holds,
// the values read from it give a colour in range or none, a last palette
// name that stays inside the palette folder, absolute folders, and hot-key
// values the zoom window can hold. The file is read from disk as start-up
// reads it, so inputs of any length go through the reader's limit too.
#include "app/StartSettings.h"
#include "app/TmRegistry.h"
#include "grab/HotKeyText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(const QStringList& values)
{
    const QString program = QStringLiteral("/opt/tintwell/");
    const TStartSettings s = ReadStartSettings(values, program);
    if (s.colorOk) {
        for (const std::int32_t v : {s.color.Red, s.color.Green, s.color.Blue})
            if (v < 0 || v > 255)
                std::abort();
    } else if (s.color != TRgbColor{}) {
        std::abort();
    }
    if (s.lastNameUsable) {
        const QString& n = s.lastFileName;
        if (n.isEmpty() || n == "." || n == ".." || n.contains('/') || n.contains('\\') || n.contains(QChar(0)))
            std::abort();
    }
    for (const QString* folder : {&s.paletteFolder, &s.exportFolder})
        if (!folder->isEmpty() && !folder->startsWith('/'))
            std::abort();
    // A relative stored folder lands under the program folder unless it
    // climbs out with "..".
    const QString stored = values.value(posPaletteFolder);
    if (!stored.isEmpty() && !stored.startsWith('/') && !stored.contains(QStringLiteral(".."))
        && !s.paletteFolder.startsWith(QStringLiteral("/opt/tintwell")))
        std::abort();
    for (const int pos : {posZoomHotKey, posGrabHotKey})
        if (ParseHotKey(values.value(pos), true) & ~THotKey(0x1E0FF))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    static TmRegistry reg = [] {
        TmRegistry r;
        r.StoreFolder = dir.path();
        r.Key = QStringLiteral("\\software\\tintwell\\");
        QDir().mkpath(QFileInfo(r.KeyFile()).absolutePath());
        return r;
    }();
    {
        QFile f(reg.KeyFile());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QStringList values;
    reg.ReadValues(values); // nothing for a store without values: a first run
    Check(values);

    // The same bytes taken as the values themselves, one a line, so the
    // rules see texts a well-formed store could hold.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Check(text.split('\n'));
    return 0;
}
