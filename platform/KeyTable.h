// The keys of a PC keyboard by their virtual key codes (the numbers hot-key
// values carry in their low byte), with the English name the hot-key texts
// use. Their X key symbols: platform/KeySymbols.h.
#pragma once

#include <QString>

namespace KeyTable {

// English name of a virtual key code ("Z", "Page Up", "Num +", "F1"); empty
// for a code that has no name here (the media keys take their names from the
// hot-key unit).
QString Name(int virtualKey);

// The virtual key code of a Qt key, for platforms that report no X key
// symbol. `keypad` is true for keys of the numeric pad. 0 when none.
int FromQtKey(int qtKey, bool keypad);

} // namespace KeyTable
