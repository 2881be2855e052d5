#include "grab/HotKeyManager.h"

#include "platform/GlobalKeys.h"

#include <QPointer>

#include <set>

static_assert(unsigned(MOD_ALT) == unsigned(GlobalModAlt) && unsigned(MOD_CONTROL) == unsigned(GlobalModControl)
                  && unsigned(MOD_SHIFT) == unsigned(GlobalModShift) && unsigned(MOD_WIN) == unsigned(GlobalModWin),
              "hot-key modifier flags are handed to the key grabs unchanged");

namespace {

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

} // namespace

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
