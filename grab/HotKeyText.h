// Hot-key values and their texts.
//
// A hot-key value carries the key's virtual key code in bits 0..7 and the
// modifiers as 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt and 0x10000 Win; 0 is
// no hot key. Ctrl+Z is 0x405A (16474), Ctrl+G 0x4047 (16455). The texts
// put the modifiers first, always in the order Ctrl, Shift, Alt, Win,
// joined by "+" without spaces: "Ctrl+Shift+A".
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

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
