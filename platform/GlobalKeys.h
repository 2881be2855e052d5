// Key combinations taken for the whole display, so that they reach the
// program while another application has the keyboard focus.
//
// A combination is a virtual key code (see KeyTable) with modifier flags
// (GlobalMod*). On X11 it is grabbed on the root window for every state of
// Caps Lock and Num Lock; a grab that the server refuses for any of these
// states is given up as a whole. Presses arrive on the user-interface thread
// through onPressed. Without an X11 connection nothing can be taken.
#pragma once

#include <cstdint>
#include <functional>

enum : unsigned {
    GlobalModAlt = 1,
    GlobalModControl = 2,
    GlobalModShift = 4,
    GlobalModWin = 8,
};

class IGlobalKeys {
public:
    virtual ~IGlobalKeys() = default;

    // Takes the combination for this program. False when it cannot be taken:
    // no display, a key this keyboard does not have, a combination this
    // program or another client holds already. Nothing is held after a failure.
    virtual bool grab(int key, unsigned modifiers) = 0;
    // Gives a combination taken with grab() back; false when it was not held.
    virtual bool release(int key, unsigned modifiers) = 0;
    // Whether grab() would succeed now. Holds nothing afterwards.
    virtual bool canGrab(int key, unsigned modifiers) = 0;

    // Called for each press of a held combination.
    std::function<void(int key, unsigned modifiers)> onPressed;
};

// The implementation in use: the X11 one unless a test installed another.
IGlobalKeys& GlobalKeys();
IGlobalKeys& X11GlobalKeys();

// The X key symbol in the first column of the current keyboard mapping for
// an X key code (the key as printed on it); 0 without an X11 connection.
std::uint32_t X11BaseKeysym(std::uint32_t keycode);

// Installs another implementation for the lifetime of the guard.
class TGlobalKeysOverride {
public:
    explicit TGlobalKeysOverride(IGlobalKeys& replacement);
    ~TGlobalKeysOverride();
    TGlobalKeysOverride(const TGlobalKeysOverride&) = delete;
    TGlobalKeysOverride& operator=(const TGlobalKeysOverride&) = delete;

private:
    IGlobalKeys* previous_;
};
