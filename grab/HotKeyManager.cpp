#include "grab/HotKeyManager.h"

#include "platform/GlobalKeys.h"
#include "platform/KeyTable.h"

#include <QPointer>

#include <set>

static_assert(unsigned(MOD_ALT) == unsigned(GlobalModAlt) && unsigned(MOD_CONTROL) == unsigned(GlobalModControl)
                  && unsigned(MOD_SHIFT) == unsigned(GlobalModShift) && unsigned(MOD_WIN) == unsigned(GlobalModWin),
              "hot-key modifier flags are handed to the key grabs unchanged");

namespace {

const char* const kMediaNames[] = {
    "Browser Back",   "Browser Forward",  "Browser Refresh",    "Browser Stop",      "Browser Search",
    "Browser Favorites", "Browser Start/Home", "Volume Mute",    "Volume Down",       "Volume Up",
    "Next Track",     "Previous Track",   "Stop Media",         "Play/Pause Media",  "Start Mail",
    "Select Media",   "Start Application 1", "Start Application 2",
};

// Every manager alive, so that a press reaches the one holding the key.
QList<QPointer<THotKeyManager>>& Managers()
{
    static QList<QPointer<THotKeyManager>> list;
    return list;
}

void DispatchPress(int key, unsigned modifiers)
{
    const QList<QPointer<THotKeyManager>> managers = Managers();
    for (const QPointer<THotKeyManager>& m : managers)
        if (m)
            m->HotKeyMessage(modifiers, unsigned(key));
}

void ListenForPresses()
{
    GlobalKeys().onPressed = DispatchPress;
}

// Ids name the registered hot keys, in the range the system gives its atoms.
std::set<std::uint16_t>& IdsInUse()
{
    static std::set<std::uint16_t> ids;
    return ids;
}

std::uint16_t AddId()
{
    auto& used = IdsInUse();
    for (std::uint32_t id = 0xC000; id <= 0xFFFF; ++id)
        if (!used.count(std::uint16_t(id))) {
            used.insert(std::uint16_t(id));
            return std::uint16_t(id);
        }
    return 0;
}

void DeleteId(std::uint16_t id)
{
    IdsInUse().erase(id);
}

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
        const QStringList modifierWords = QStringList{QStringLiteral("Ctrl"), QStringLiteral("Alt"),
                                                      QStringLiteral("Shift"), QStringLiteral("Win")}
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

bool IsHotKeyFree(THotKey hotKey)
{
    unsigned modifiers = 0, key = 0;
    SplitHotKey(hotKey, modifiers, key);
    return GlobalKeys().canGrab(int(key), modifiers);
}

// ------------------------------------------------------------- THotKeyManager

THotKeyManager::THotKeyManager(QObject* owner)
    : QObject(owner)
{
    Managers().append(this);
    ListenForPresses();
}

THotKeyManager::~THotKeyManager()
{
    UnregisterAll();
    Managers().removeAll(QPointer<THotKeyManager>(this));
    Managers().removeAll(QPointer<THotKeyManager>());
}

std::uint16_t THotKeyManager::Register(THotKey hotKey)
{
    unsigned modifiers = 0, key = 0;
    SplitHotKey(hotKey, modifiers, key);
    const std::uint16_t id = AddId();
    if (id == 0)
        return 0;
    ListenForPresses();
    if (!GlobalKeys().grab(int(key), modifiers)) {
        DeleteId(id);
        return 0;
    }
    entries_.append({hotKey, id});
    return id;
}

bool THotKeyManager::Unregister(THotKey hotKey)
{
    for (int i = 0; i < entries_.size(); ++i) {
        if (entries_[i].HotKey != hotKey)
            continue;
        unsigned modifiers = 0, key = 0;
        SplitHotKey(hotKey, modifiers, key);
        const bool released = GlobalKeys().release(int(key), modifiers);
        DeleteId(entries_[i].Id);
        entries_.removeAt(i);
        return released;
    }
    return false;
}

void THotKeyManager::UnregisterAll()
{
    for (int i = int(entries_.size()) - 1; i >= 0; --i)
        Unregister(entries_[i].HotKey);
}

bool THotKeyManager::Contains(THotKey hotKey) const
{
    for (const THotKeyEntry& e : entries_)
        if (e.HotKey == hotKey)
            return true;
    return false;
}

void THotKeyManager::HotKeyMessage(unsigned modifiers, unsigned key)
{
    if (!OnHotKeyPressed)
        return;
    THotKey value = key & 0xFF;
    if (modifiers & MOD_SHIFT)
        value |= HotKeyShift;
    if (modifiers & MOD_CONTROL)
        value |= HotKeyCtrl;
    if (modifiers & MOD_ALT)
        value |= HotKeyAlt;
    if (modifiers & MOD_WIN)
        value |= HotKeyWin;
    for (const THotKeyEntry& e : entries_)
        if (e.HotKey == value) {
            OnHotKeyPressed(value, e.Id);
            return;
        }
}
