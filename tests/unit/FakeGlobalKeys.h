// A keyboard for the hot-key tests: combinations are taken and given back
// like the X11 layer does, without a display. Installed for its lifetime.
#pragma once

#include "grab/HotKeyManager.h"
#include "platform/GlobalKeys.h"

#include <set>
#include <utility>

class TFakeGlobalKeys : public IGlobalKeys {
public:
    using TCombination = std::pair<int, unsigned>;
    std::set<TCombination> held; // taken by this program
    std::set<TCombination> heldElsewhere; // taken by another program

    TFakeGlobalKeys()
        : guard_(*this)
    {
    }

    bool grab(int key, unsigned modifiers) override
    {
        const TCombination c{key, modifiers};
        if (key == 0 || held.count(c) || heldElsewhere.count(c))
            return false;
        held.insert(c);
        return true;
    }
    bool release(int key, unsigned modifiers) override { return held.erase({key, modifiers}) > 0; }
    bool canGrab(int key, unsigned modifiers) override
    {
        const TCombination c{key, modifiers};
        return key != 0 && !held.count(c) && !heldElsewhere.count(c);
    }

    // The user presses the combination; only held ones are reported, as the
    // system does.
    void press(THotKey hotKey)
    {
        unsigned modifiers = 0, key = 0;
        SplitHotKey(hotKey, modifiers, key);
        if (held.count({int(key), modifiers}) && onPressed)
            onPressed(int(key), modifiers);
    }
    // A press reported by the system whatever is held (a stale message).
    void report(THotKey hotKey)
    {
        unsigned modifiers = 0, key = 0;
        SplitHotKey(hotKey, modifiers, key);
        if (onPressed)
            onPressed(int(key), modifiers);
    }

private:
    TGlobalKeysOverride guard_;
};
