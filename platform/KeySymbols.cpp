#include "platform/KeySymbols.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>
#include <cstddef>

namespace {

struct TKeySymbol {
    std::uint32_t keysym;
    int code;
};

// The X key symbol of every key the program knows, in the key table's
// order: where keys share a symbol, the generic key comes before its
// left/right forms.
constexpr TKeySymbol kSymbols[] = {
    {XK_BackSpace, 0x08},
    {XK_Tab, 0x09},
    {XK_Clear, 0x0C},
    {XK_Return, 0x0D},
    {XK_Shift_L, 0x10},
    {XK_Control_L, 0x11},
    {XK_Alt_L, 0x12},
    {XK_Pause, 0x13},
    {XK_Caps_Lock, 0x14},
    {XK_Escape, 0x1B},
    {XK_space, 0x20},
    {XK_Prior, 0x21},
    {XK_Next, 0x22},
    {XK_End, 0x23},
    {XK_Home, 0x24},
    {XK_Left, 0x25},
    {XK_Up, 0x26},
    {XK_Right, 0x27},
    {XK_Down, 0x28},
    {XK_Select, 0x29},
    {XK_Execute, 0x2B},
    {XK_Print, 0x2C},
    {XK_Insert, 0x2D},
    {XK_Delete, 0x2E},
    {XK_Help, 0x2F},
    {XK_0, 0x30},
    {XK_1, 0x31},
    {XK_2, 0x32},
    {XK_3, 0x33},
    {XK_4, 0x34},
    {XK_5, 0x35},
    {XK_6, 0x36},
    {XK_7, 0x37},
    {XK_8, 0x38},
    {XK_9, 0x39},
    {XK_a, 0x41},
    {XK_b, 0x42},
    {XK_c, 0x43},
    {XK_d, 0x44},
    {XK_e, 0x45},
    {XK_f, 0x46},
    {XK_g, 0x47},
    {XK_h, 0x48},
    {XK_i, 0x49},
    {XK_j, 0x4A},
    {XK_k, 0x4B},
    {XK_l, 0x4C},
    {XK_m, 0x4D},
    {XK_n, 0x4E},
    {XK_o, 0x4F},
    {XK_p, 0x50},
    {XK_q, 0x51},
    {XK_r, 0x52},
    {XK_s, 0x53},
    {XK_t, 0x54},
    {XK_u, 0x55},
    {XK_v, 0x56},
    {XK_w, 0x57},
    {XK_x, 0x58},
    {XK_y, 0x59},
    {XK_z, 0x5A},
    {XK_Super_L, 0x5B},
    {XK_Super_R, 0x5C},
    {XK_Menu, 0x5D},
    {XF86XK_Sleep, 0x5F},
    {XK_KP_0, 0x60},
    {XK_KP_1, 0x61},
    {XK_KP_2, 0x62},
    {XK_KP_3, 0x63},
    {XK_KP_4, 0x64},
    {XK_KP_5, 0x65},
    {XK_KP_6, 0x66},
    {XK_KP_7, 0x67},
    {XK_KP_8, 0x68},
    {XK_KP_9, 0x69},
    {XK_KP_Multiply, 0x6A},
    {XK_KP_Add, 0x6B},
    {XK_KP_Separator, 0x6C},
    {XK_KP_Subtract, 0x6D},
    {XK_KP_Decimal, 0x6E},
    {XK_KP_Divide, 0x6F},
    {XK_F1, 0x70},
    {XK_F2, 0x71},
    {XK_F3, 0x72},
    {XK_F4, 0x73},
    {XK_F5, 0x74},
    {XK_F6, 0x75},
    {XK_F7, 0x76},
    {XK_F8, 0x77},
    {XK_F9, 0x78},
    {XK_F10, 0x79},
    {XK_F11, 0x7A},
    {XK_F12, 0x7B},
    {XK_F13, 0x7C},
    {XK_F14, 0x7D},
    {XK_F15, 0x7E},
    {XK_F16, 0x7F},
    {XK_F17, 0x80},
    {XK_F18, 0x81},
    {XK_F19, 0x82},
    {XK_F20, 0x83},
    {XK_F21, 0x84},
    {XK_F22, 0x85},
    {XK_F23, 0x86},
    {XK_F24, 0x87},
    {XK_Num_Lock, 0x90},
    {XK_Scroll_Lock, 0x91},
    {XK_Shift_L, 0xA0},
    {XK_Shift_R, 0xA1},
    {XK_Control_L, 0xA2},
    {XK_Control_R, 0xA3},
    {XK_Alt_L, 0xA4},
    {XK_Alt_R, 0xA5},
    // The media keys.
    {XF86XK_Back, 0xA6},
    {XF86XK_Forward, 0xA7},
    {XF86XK_Refresh, 0xA8},
    {XF86XK_Stop, 0xA9},
    {XF86XK_Search, 0xAA},
    {XF86XK_Favorites, 0xAB},
    {XF86XK_HomePage, 0xAC},
    {XF86XK_AudioMute, 0xAD},
    {XF86XK_AudioLowerVolume, 0xAE},
    {XF86XK_AudioRaiseVolume, 0xAF},
    {XF86XK_AudioNext, 0xB0},
    {XF86XK_AudioPrev, 0xB1},
    {XF86XK_AudioStop, 0xB2},
    {XF86XK_AudioPlay, 0xB3},
    {XF86XK_Mail, 0xB4},
    {XF86XK_AudioMedia, 0xB5},
    {XF86XK_MyComputer, 0xB6},
    {XF86XK_Calculator, 0xB7},
    {XK_semicolon, 0xBA},
    {XK_equal, 0xBB},
    {XK_comma, 0xBC},
    {XK_minus, 0xBD},
    {XK_period, 0xBE},
    {XK_slash, 0xBF},
    {XK_grave, 0xC0},
    {XK_bracketleft, 0xDB},
    {XK_backslash, 0xDC},
    {XK_bracketright, 0xDD},
    {XK_apostrophe, 0xDE},
    {XK_less, 0xE2},
};

// Key symbols that stand for a key without being its own symbol: upper-case
// letters, and the numeric pad's keys as they read with Num Lock off.
constexpr TKeySymbol kAliases[] = {
    {XK_KP_Insert, 0x60}, {XK_KP_End, 0x61},   {XK_KP_Down, 0x62},      {XK_KP_Next, 0x63}, {XK_KP_Left, 0x64},
    {XK_KP_Begin, 0x65},  {XK_KP_Right, 0x66}, {XK_KP_Home, 0x67},      {XK_KP_Up, 0x68},   {XK_KP_Prior, 0x69},
    {XK_KP_Delete, 0x6E}, {XK_KP_Enter, 0x0D}, {XK_ISO_Left_Tab, 0x09}, {XK_Meta_L, 0x12},  {XK_Meta_R, 0x12},
};

} // namespace

namespace KeyTable {

std::uint32_t Keysym(int virtualKey)
{
    static const std::array<std::uint32_t, 256> byCode = [] {
        std::array<std::uint32_t, 256> table{};
        for (const TKeySymbol& k : kSymbols)
            table[std::size_t(k.code)] = k.keysym;
        return table;
    }();
    return virtualKey >= 0 && virtualKey < 256 ? byCode[std::size_t(virtualKey)] : 0;
}

int FromKeysym(std::uint32_t keysym)
{
    if (keysym >= XK_A && keysym <= XK_Z)
        return int(keysym - XK_A) + 0x41;
    for (const TKeySymbol& a : kAliases)
        if (a.keysym == keysym)
            return a.code;
    // The first row with the symbol: the generic key before its left/right forms.
    for (const TKeySymbol& k : kSymbols)
        if (k.keysym == keysym)
            return k.code;
    return 0;
}

} // namespace KeyTable
