// System-wide hot keys: their values, their texts, and the manager that
// holds them for the program.
//
// A hot-key value carries the key's virtual key code in bits 0..7 and the
// modifiers as 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt and 0x10000 Win; 0 is
// no hot key. Ctrl+Z is 0x405A (16474), Ctrl+G 0x4047 (16455). The texts
// put the modifiers first, always in the order Ctrl, Shift, Alt, Win,
// joined by "+" without spaces: "Ctrl+Shift+A".
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

using THotKey = std::uint32_t;

enum : THotKey {
    HotKeyShift = 0x2000,
    HotKeyCtrl = 0x4000,
    HotKeyAlt = 0x8000,
    HotKeyWin = 0x10000,
};

// The system's modifier flags, as ComposeHotKey and SplitHotKey use them.
enum : unsigned {
    MOD_ALT = 1,
    MOD_CONTROL = 2,
    MOD_SHIFT = 4,
    MOD_WIN = 8,
};

THotKey ComposeHotKey(unsigned modifiers, unsigned key);
void SplitHotKey(THotKey hotKey, unsigned& modifiers, unsigned& key);

// Key names of the keyboard language (`localized`) or English; on this
// platform both are the English names.
QString FormatHotKey(THotKey hotKey, bool localized);
// 0 for a text that is no hot key.
THotKey ParseHotKey(const QString& text, bool localized);

bool IsMediaKey(unsigned key);
QString MediaKeyName(unsigned key);

// The names of Shift, Ctrl, Alt and Win in the user's keyboard language.
const QStringList& LocalModifierNames();

// Whether the system would take the combination now. A combination this
// program holds already, through any manager, is not free.
bool IsHotKeyFree(THotKey hotKey);

struct THotKeyEntry {
    THotKey HotKey = 0;
    std::uint16_t Id = 0;
};

// Holds hot keys for its owner and reports their presses. The presses
// arrive on the user-interface thread, through the application's event loop.
class THotKeyManager : public QObject {
    Q_OBJECT
public:
    explicit THotKeyManager(QObject* owner = nullptr);
    ~THotKeyManager() override;

    // Takes the combination for the program; its id, or 0 when the system
    // refuses it (another program holds it, or this one does already).
    std::uint16_t Register(THotKey hotKey);
    // Gives back the first entry with this value; false when there is none
    // or the system refused. The entry goes either way.
    bool Unregister(THotKey hotKey);
    void UnregisterAll();
    bool Contains(THotKey hotKey) const;
    const QList<THotKeyEntry>& Entries() const { return entries_; }

    // Raised for a press of one of this manager's hot keys; Index is the
    // entry's id.
    std::function<void(THotKey HotKey, std::uint16_t Index)> OnHotKeyPressed;

    // A press of the combination (system modifier flags and key code) as
    // the system reports it.
    void HotKeyMessage(unsigned modifiers, unsigned key);

private:
    QList<THotKeyEntry> entries_;
};
