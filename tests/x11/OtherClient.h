// Another X client for the tests that need a real X server: it takes keys,
// the focus and places on the screen like any other program.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

class TOtherClient {
public:
    TOtherClient()
    {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    }
    ~TOtherClient() { xcb_disconnect(c_); }
    bool ok() const { return root_ != 0; }

    xcb_keycode_t keycode(xcb_keysym_t sym)
    {
        const xcb_setup_t* setup = xcb_get_setup(c_);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto* map = xcb_get_keyboard_mapping_reply(
            c_, xcb_get_keyboard_mapping(c_, setup->min_keycode, std::uint8_t(count)), nullptr);
        xcb_keycode_t found = 0;
        if (map) {
            const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
            for (int k = 0; k < count && !found; ++k)
                if (syms[k * map->keysyms_per_keycode] == sym)
                    found = xcb_keycode_t(setup->min_keycode + k);
            std::free(map);
        }
        return found;
    }
    // True when the server granted the grab.
    bool grab(xcb_keysym_t sym, std::uint16_t mods)
    {
        xcb_generic_error_t* e = xcb_request_check(
            c_, xcb_grab_key_checked(c_, 0, root_, mods, keycode(sym), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(e);
        return e == nullptr;
    }
    void ungrab(xcb_keysym_t sym, std::uint16_t mods)
    {
        xcb_ungrab_key(c_, keycode(sym), root_, mods);
        sync();
    }
    // A window of its own that has the keyboard focus.
    void takeFocus()
    {
        win_ = xcb_generate_id(c_);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, win_, root_, 10, 10, 100, 100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, 0, nullptr);
        xcb_map_window(c_, win_);
        sync();
        xcb_set_input_focus(c_, XCB_INPUT_FOCUS_POINTER_ROOT, win_, XCB_CURRENT_TIME);
        sync();
    }
    xcb_window_t focus()
    {
        auto* r = xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr);
        const xcb_window_t w = r ? r->focus : 0;
        std::free(r);
        return w;
    }
    xcb_window_t window() const { return win_; }
    // A window of one colour (a 24-bit true-colour pixel value) at a place on the screen.
    xcb_window_t colourWindow(int x, int y, int w, int h, std::uint32_t pixel)
    {
        const xcb_window_t id = xcb_generate_id(c_);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        const std::uint32_t values[] = {pixel, 1};
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, id, root_, std::int16_t(x), std::int16_t(y), std::uint16_t(w),
                          std::uint16_t(h), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(c_, id);
        sync();
        return id;
    }
    std::uint16_t pointerState()
    {
        auto* r = xcb_query_pointer_reply(c_, xcb_query_pointer(c_, root_), nullptr);
        const std::uint16_t mask = r ? r->mask : 0;
        std::free(r);
        return mask;
    }
    void sync() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }

private:
    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_window_t win_ = 0;
};
