#include "platform/GlobalKeys.h"

#include "platform/KeySymbols.h"
#include "platform/X11Connection.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <xcb/xcb.h>

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

IGlobalKeys* g_current = nullptr;

// The keyboard mapping and the modifier bits that matter for hot keys.
struct TKeyboard {
    xcb_keycode_t minKeycode = 0;
    int perKeycode = 0;
    std::vector<xcb_keysym_t> syms; // perKeycode symbols for each key code from minKeycode
    std::uint16_t numLockMask = XCB_MOD_MASK_2;
    std::uint16_t altMask = XCB_MOD_MASK_1;
    std::uint16_t winMask = XCB_MOD_MASK_4;

    int keycodeCount() const { return perKeycode ? int(syms.size()) / perKeycode : 0; }
    xcb_keysym_t sym(int keycode, int column) const
    {
        const int row = keycode - minKeycode;
        if (row < 0 || row >= keycodeCount() || column < 0 || column >= perKeycode)
            return 0;
        return syms[size_t(row * perKeycode + column)];
    }
    bool keycodeHas(int keycode, std::uint32_t keysym) const
    {
        for (int c = 0; c < perKeycode; ++c)
            if (sym(keycode, c) == keysym)
                return true;
        return false;
    }
};

TKeyboard ReadKeyboard(xcb_connection_t* c)
{
    TKeyboard kb;
    const xcb_setup_t* setup = xcb_get_setup(c);
    kb.minKeycode = setup->min_keycode;
    const int count = int(setup->max_keycode) - int(setup->min_keycode) + 1;
    xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, std::uint8_t(count)), nullptr);
    if (!map)
        return kb;
    kb.perKeycode = map->keysyms_per_keycode;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    kb.syms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(map));
    std::free(map);

    xcb_get_modifier_mapping_reply_t* mods = xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr);
    if (!mods)
        return kb;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mods);
    const int perModifier = mods->keycodes_per_modifier;
    bool numFound = false, altFound = false, winFound = false;
    // Shift, Lock and Control are fixed; look at Mod1..Mod5.
    for (int m = 3; m < 8; ++m) {
        const auto mask = std::uint16_t(1u << m);
        for (int k = 0; k < perModifier; ++k) {
            const xcb_keycode_t code = codes[m * perModifier + k];
            if (!code)
                continue;
            if (!numFound && kb.keycodeHas(code, XK_Num_Lock)) {
                kb.numLockMask = mask;
                numFound = true;
            }
            if (!altFound && (kb.keycodeHas(code, XK_Alt_L) || kb.keycodeHas(code, XK_Alt_R))) {
                kb.altMask = mask;
                altFound = true;
            }
            if (!winFound && (kb.keycodeHas(code, XK_Super_L) || kb.keycodeHas(code, XK_Super_R))) {
                kb.winMask = mask;
                winFound = true;
            }
        }
    }
    std::free(mods);
    return kb;
}

// The key codes that carry `keysym`, at the lowest column where it appears
// (so 'a' is found on its own key, not where it is a shifted symbol).
std::vector<xcb_keycode_t> KeycodesFor(const TKeyboard& kb, std::uint32_t keysym)
{
    std::vector<xcb_keycode_t> out;
    for (int column = 0; column < kb.perKeycode && out.empty(); ++column)
        for (int row = 0; row < kb.keycodeCount(); ++row) {
            const int code = kb.minKeycode + row;
            if (kb.sym(code, column) == keysym)
                out.push_back(xcb_keycode_t(code));
        }
    return out;
}

class TX11GlobalKeys final : public IGlobalKeys, public QAbstractNativeEventFilter {
public:
    ~TX11GlobalKeys() override
    {
        if (filterInstalled_ && filterApp_ && QCoreApplication::instance() == filterApp_)
            filterApp_->removeNativeEventFilter(this);
    }

    bool grab(int key, unsigned modifiers) override
    {
        const TX11Root x = X11Root();
        if (!x)
            return false;
        THeld held;
        if (!prepare(x, key, modifiers, held))
            return false;
        for (const THeld& h : held_)
            if (h.xmods == held.xmods && h.root == held.root
                && std::any_of(h.keycodes.begin(), h.keycodes.end(), [&](xcb_keycode_t k) {
                       return std::find(held.keycodes.begin(), held.keycodes.end(), k) != held.keycodes.end();
                   }))
                return false; // the server would not tell us: a client may grab its own key again
        if (!grabAll(x, held))
            return false;
        held_.push_back(held);
        installFilter();
        return true;
    }

    bool release(int key, unsigned modifiers) override
    {
        const auto it = std::find_if(held_.begin(), held_.end(),
                                     [&](const THeld& h) { return h.key == key && h.modifiers == modifiers; });
        if (it == held_.end())
            return false;
        const TX11Root x = X11Root();
        if (x && x.root == it->root) {
            for (xcb_keycode_t code : it->keycodes)
                for (std::uint16_t lock : it->lockVariants)
                    xcb_ungrab_key(x.connection, code, x.root, std::uint16_t(it->xmods | lock));
            xcb_flush(x.connection);
        }
        held_.erase(it);
        return true;
    }

    bool canGrab(int key, unsigned modifiers) override
    {
        if (!grab(key, modifiers))
            return false;
        release(key, modifiers);
        return true;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t" || held_.empty())
            return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_KEY_PRESS)
            return false;
        auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
        if (press->event != press->root)
            return false;
        for (const THeld& h : held_) {
            if (h.root != press->root || (press->state & h.significant) != h.xmods
                || std::find(h.keycodes.begin(), h.keycodes.end(), press->detail) == h.keycodes.end())
                continue;
            // Deliver from the event loop, not from inside the platform's event handling.
            const int key = h.key;
            const unsigned modifiers = h.modifiers;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [this, key, modifiers] {
                    if (onPressed)
                        onPressed(key, modifiers);
                },
                Qt::QueuedConnection);
            return true;
        }
        return false;
    }

    std::uint32_t baseKeysym(std::uint32_t keycode)
    {
        const TX11Root x = X11Root();
        if (!x)
            return 0;
        return ReadKeyboard(x.connection).sym(int(keycode), 0);
    }

private:
    struct THeld {
        int key = 0;
        unsigned modifiers = 0;
        xcb_window_t root = 0;
        std::vector<xcb_keycode_t> keycodes;
        std::uint16_t xmods = 0;
        std::uint16_t significant = 0; // modifier bits compared on a press
        std::vector<std::uint16_t> lockVariants;
    };

    bool prepare(const TX11Root& x, int key, unsigned modifiers, THeld& held)
    {
        const std::uint32_t keysym = KeyTable::Keysym(key);
        if (!keysym)
            return false;
        const TKeyboard kb = ReadKeyboard(x.connection);
        held.keycodes = KeycodesFor(kb, keysym);
        if (held.keycodes.empty())
            return false;
        held.key = key;
        held.modifiers = modifiers;
        held.root = x.root;
        if (modifiers & GlobalModShift)
            held.xmods |= XCB_MOD_MASK_SHIFT;
        if (modifiers & GlobalModControl)
            held.xmods |= XCB_MOD_MASK_CONTROL;
        if (modifiers & GlobalModAlt)
            held.xmods |= kb.altMask;
        if (modifiers & GlobalModWin)
            held.xmods |= kb.winMask;
        held.significant = std::uint16_t(XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | kb.altMask | kb.winMask);
        // Caps Lock and Num Lock must not stop the key from working.
        const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, kb.numLockMask,
                                       std::uint16_t(XCB_MOD_MASK_LOCK | kb.numLockMask)};
        for (std::uint16_t lock : locks)
            if ((lock & held.significant) == 0
                && std::find(held.lockVariants.begin(), held.lockVariants.end(), lock) == held.lockVariants.end())
                held.lockVariants.push_back(lock);
        return true;
    }

    // Grabs every key code in every lock state; when the server refuses any
    // of them, gives back those it granted.
    static bool grabAll(const TX11Root& x, const THeld& held)
    {
        struct TRequest {
            xcb_keycode_t code;
            std::uint16_t mods;
            xcb_void_cookie_t cookie;
        };
        std::vector<TRequest> requests;
        for (xcb_keycode_t code : held.keycodes)
            for (std::uint16_t lock : held.lockVariants) {
                const auto mods = std::uint16_t(held.xmods | lock);
                requests.push_back({code, mods,
                                    xcb_grab_key_checked(x.connection, 0, x.root, mods, code, XCB_GRAB_MODE_ASYNC,
                                                         XCB_GRAB_MODE_ASYNC)});
            }
        std::vector<bool> granted(requests.size(), false);
        bool all = true;
        for (size_t i = 0; i < requests.size(); ++i) {
            xcb_generic_error_t* error = xcb_request_check(x.connection, requests[i].cookie);
            granted[i] = error == nullptr;
            all = all && granted[i];
            std::free(error);
        }
        if (!all) {
            for (size_t i = 0; i < requests.size(); ++i)
                if (granted[i])
                    xcb_ungrab_key(x.connection, requests[i].code, x.root, requests[i].mods);
            xcb_flush(x.connection);
        }
        return all;
    }

    void installFilter()
    {
        if (filterInstalled_ || !QCoreApplication::instance())
            return;
        filterApp_ = QCoreApplication::instance();
        filterApp_->installNativeEventFilter(this);
        filterInstalled_ = true;
    }

    std::vector<THeld> held_;
    bool filterInstalled_ = false;
    QPointer<QCoreApplication> filterApp_;
};

TX11GlobalKeys& X11Instance()
{
    static TX11GlobalKeys instance;
    return instance;
}

} // namespace

IGlobalKeys& X11GlobalKeys()
{
    return X11Instance();
}

IGlobalKeys& GlobalKeys()
{
    return g_current ? *g_current : X11GlobalKeys();
}

std::uint32_t X11BaseKeysym(std::uint32_t keycode)
{
    return X11Instance().baseKeysym(keycode);
}

TGlobalKeysOverride::TGlobalKeysOverride(IGlobalKeys& replacement)
    : previous_(g_current)
{
    g_current = &replacement;
}

TGlobalKeysOverride::~TGlobalKeysOverride()
{
    g_current = previous_;
}
