// The keys of a PC keyboard by their virtual key codes (the numbers hot-key
// values carry in their low byte), with the English name the hot-key texts
// use and the X key symbol that stands for the key on an X server.
#pragma once

#include <QString>

#include <cstdint>

namespace KeyTable {

// English name of a virtual key code ("Z", "Page Up", "Num +", "F1"); empty
// for a code that has no name here (the media keys take their names from the
// hot-key unit).
QString Name(int virtualKey);

// The X key symbol of a virtual key code; 0 when the code has none.
std::uint32_t Keysym(int virtualKey);

// The virtual key code of an X key symbol as it appears in the first column
// of a keyboard mapping or in a key event (lower- and upper-case letters,
// the numeric pad with and without Num Lock); 0 when none.
int FromKeysym(std::uint32_t keysym);

// The virtual key code of a Qt key, for platforms that report no X key
// symbol. `keypad` is true for keys of the numeric pad. 0 when none.
int FromQtKey(int qtKey, bool keypad);

} // namespace KeyTable
