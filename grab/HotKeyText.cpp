#include "grab/HotKeyText.h"

#include "platform/KeyTable.h"

namespace {

const char* const kMediaNames[] = {
    "Browser Back",      "Browser Forward",     "Browser Refresh",     "Browser Stop",     "Browser Search",
    "Browser Favorites", "Browser Start/Home",  "Volume Mute",         "Volume Down",      "Volume Up",
    "Next Track",        "Previous Track",      "Stop Media",          "Play/Pause Media", "Start Mail",
    "Select Media",      "Start Application 1", "Start Application 2",
};

bool IsAsciiUpperWord(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return false;
    return true;
}

QString KeyName(unsigned key)
{
    QString name = KeyTable::Name(int(key));
    if (name.size() <= 1 && IsMediaKey(key))
        name = MediaKeyName(key);
    return name;
}

} // namespace

THotKey ComposeHotKey(unsigned modifiers, unsigned key)
{
    THotKey value = key & 0xFFFF;
    if (modifiers & MOD_ALT)
        value += HotKeyAlt;
    if (modifiers & MOD_CONTROL)
        value += HotKeyCtrl;
    if (modifiers & MOD_SHIFT)
        value += HotKeyShift;
    if (modifiers & MOD_WIN)
        value += HotKeyWin;
    return value;
}

void SplitHotKey(THotKey hotKey, unsigned& modifiers, unsigned& key)
{
    key = hotKey & 0xFF;
    modifiers = 0;
    if (hotKey & HotKeyWin)
        modifiers += MOD_WIN;
    if (hotKey & HotKeyAlt)
        modifiers += MOD_ALT;
    if (hotKey & HotKeyCtrl)
        modifiers += MOD_CONTROL;
    if (hotKey & HotKeyShift)
        modifiers += MOD_SHIFT;
}

bool IsMediaKey(unsigned key)
{
    return key >= 166 && key <= 183;
}

QString MediaKeyName(unsigned key)
{
    return IsMediaKey(key) ? QString::fromLatin1(kMediaNames[key - 166]) : QString();
}

const QStringList& LocalModifierNames()
{
    // The key names of Shift, Ctrl and Alt in the keyboard's language; Win
    // is written in capitals when the language writes Alt so.
    static const QStringList names = [] {
        const QString shift = KeyName(0x10);
        const QString ctrl = KeyName(0x11);
        const QString alt = KeyName(0x12);
        const QString win = IsAsciiUpperWord(alt) ? QStringLiteral("WIN") : QStringLiteral("Win");
        return QStringList{shift, ctrl, alt, win};
    }();
    return names;
}

QString FormatHotKey(THotKey hotKey, bool localized)
{
    const unsigned key = hotKey & 0xFF;
    const QStringList& local = LocalModifierNames();
    const QString ctrl = localized ? local[1] : QStringLiteral("Ctrl");
    const QString shift = localized ? local[0] : QStringLiteral("Shift");
    const QString alt = localized ? local[2] : QStringLiteral("Alt");
    const QString win = localized ? local[3] : QStringLiteral("Win");
    QString text;
    if (hotKey & HotKeyCtrl)
        text += ctrl + QLatin1Char('+');
    if (hotKey & HotKeyShift)
        text += shift + QLatin1Char('+');
    if (hotKey & HotKeyAlt)
        text += alt + QLatin1Char('+');
    if (hotKey & HotKeyWin)
        text += win + QLatin1Char('+');
    return text + KeyName(key);
}

THotKey ParseHotKey(const QString& text, bool localized)
{
    // Items between the "+" signs, leading blanks skipped, empty ones dropped:
    // "Ctrl+Num +" gives "Ctrl" and "Num ".
    QStringList items;
    for (const QString& part : text.split(QLatin1Char('+'))) {
        int start = 0;
        while (start < part.size() && part[start] == QLatin1Char(' '))
            ++start;
        if (start < part.size())
            items << part.mid(start);
    }

    const QStringList& local = LocalModifierNames();
    auto same = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    unsigned modifiers = 0;
    for (int i = 0; i + 1 < items.size(); ++i) {
        const QString item = items[i].trimmed();
        if (same(item, QStringLiteral("Shift")) || same(item, local[0]))
            modifiers |= MOD_SHIFT;
        else if (same(item, QStringLiteral("Ctrl")) || same(item, local[1]))
            modifiers |= MOD_CONTROL;
        else if (same(item, QStringLiteral("Alt")) || same(item, local[2]))
            modifiers |= MOD_ALT;
        else if (same(item, QStringLiteral("Win")) || same(item, local[3]))
            modifiers |= MOD_WIN;
        else {
            modifiers = 0;
            break;
        }
    }
    if (modifiers == 0 && items.size() >= 2)
        return 0;
    if (items.isEmpty())
        return 0;

    QString item = items.last().trimmed();
    // Nothing left once the blanks are gone (a tab, a line break): no key,
    // rather than the first code that happens to have no name.
    if (item.isEmpty())
        return 0;
    unsigned key = 0;
    bool search = true;
    if (item.size() == 1) {
        item = item.toUpper();
        const QChar c = item[0];
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))) {
            key = c.unicode();
            search = false;
        }
    } else {
        if (item == QLatin1String("Num"))
            item += QStringLiteral(" +");
        const QStringList modifierWords =
            QStringList{QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Shift"), QStringLiteral("Win")}
            + local;
        if (modifierWords.contains(item, Qt::CaseSensitive))
            return 0;
    }
    if (search)
        for (unsigned code = 8; code <= 255 && key == 0; ++code)
            if (same(FormatHotKey(code, localized), item))
                key = code;
    if (key == 0)
        return 0;
    return ComposeHotKey(modifiers, key);
}
