// The X key symbols of the key table's virtual key codes, for the key grabs
// and the key events on an X server.
#pragma once

#include <cstdint>

namespace KeyTable {

// The X key symbol of a virtual key code; 0 when the code has none.
std::uint32_t Keysym(int virtualKey);

// The virtual key code of an X key symbol as it appears in the first column
// of a keyboard mapping or in a key event (lower- and upper-case letters,
// the numeric pad with and without Num Lock); 0 when none.
int FromKeysym(std::uint32_t keysym);

} // namespace KeyTable
