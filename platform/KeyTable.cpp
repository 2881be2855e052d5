#include "platform/KeyTable.h"

#include <Qt>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>

namespace {

struct TKey {
    int code;
    const char* name;
    std::uint32_t keysym;
};

// One row per key the program knows. Names are unique, so that a text read
// back finds the key it was written for.
constexpr TKey kKeys[] = {
    {0x08, "Backspace", XK_BackSpace},
    {0x09, "Tab", XK_Tab},
    {0x0C, "Clear", XK_Clear},
    {0x0D, "Enter", XK_Return},
    {0x10, "Shift", XK_Shift_L},
    {0x11, "Ctrl", XK_Control_L},
    {0x12, "Alt", XK_Alt_L},
    {0x13, "Pause", XK_Pause},
    {0x14, "Caps Lock", XK_Caps_Lock},
    {0x1B, "Esc", XK_Escape},
    {0x20, "Space", XK_space},
    {0x21, "Page Up", XK_Prior},
    {0x22, "Page Down", XK_Next},
    {0x23, "End", XK_End},
    {0x24, "Home", XK_Home},
    {0x25, "Left", XK_Left},
    {0x26, "Up", XK_Up},
    {0x27, "Right", XK_Right},
    {0x28, "Down", XK_Down},
    {0x29, "Select", XK_Select},
    {0x2B, "Execute", XK_Execute},
    {0x2C, "Print Screen", XK_Print},
    {0x2D, "Insert", XK_Insert},
    {0x2E, "Delete", XK_Delete},
    {0x2F, "Help", XK_Help},
    {0x30, "0", XK_0},
    {0x31, "1", XK_1},
    {0x32, "2", XK_2},
    {0x33, "3", XK_3},
    {0x34, "4", XK_4},
    {0x35, "5", XK_5},
    {0x36, "6", XK_6},
    {0x37, "7", XK_7},
    {0x38, "8", XK_8},
    {0x39, "9", XK_9},
    {0x41, "A", XK_a},
    {0x42, "B", XK_b},
    {0x43, "C", XK_c},
    {0x44, "D", XK_d},
    {0x45, "E", XK_e},
    {0x46, "F", XK_f},
    {0x47, "G", XK_g},
    {0x48, "H", XK_h},
    {0x49, "I", XK_i},
    {0x4A, "J", XK_j},
    {0x4B, "K", XK_k},
    {0x4C, "L", XK_l},
    {0x4D, "M", XK_m},
    {0x4E, "N", XK_n},
    {0x4F, "O", XK_o},
    {0x50, "P", XK_p},
    {0x51, "Q", XK_q},
    {0x52, "R", XK_r},
    {0x53, "S", XK_s},
    {0x54, "T", XK_t},
    {0x55, "U", XK_u},
    {0x56, "V", XK_v},
    {0x57, "W", XK_w},
    {0x58, "X", XK_x},
    {0x59, "Y", XK_y},
    {0x5A, "Z", XK_z},
    {0x5B, "Left Win", XK_Super_L},
    {0x5C, "Right Win", XK_Super_R},
    {0x5D, "Application", XK_Menu},
    {0x5F, "Sleep", XF86XK_Sleep},
    {0x60, "Num 0", XK_KP_0},
    {0x61, "Num 1", XK_KP_1},
    {0x62, "Num 2", XK_KP_2},
    {0x63, "Num 3", XK_KP_3},
    {0x64, "Num 4", XK_KP_4},
    {0x65, "Num 5", XK_KP_5},
    {0x66, "Num 6", XK_KP_6},
    {0x67, "Num 7", XK_KP_7},
    {0x68, "Num 8", XK_KP_8},
    {0x69, "Num 9", XK_KP_9},
    {0x6A, "Num *", XK_KP_Multiply},
    {0x6B, "Num +", XK_KP_Add},
    {0x6C, "Separator", XK_KP_Separator},
    {0x6D, "Num -", XK_KP_Subtract},
    {0x6E, "Num Del", XK_KP_Decimal},
    {0x6F, "Num /", XK_KP_Divide},
    {0x70, "F1", XK_F1},
    {0x71, "F2", XK_F2},
    {0x72, "F3", XK_F3},
    {0x73, "F4", XK_F4},
    {0x74, "F5", XK_F5},
    {0x75, "F6", XK_F6},
    {0x76, "F7", XK_F7},
    {0x77, "F8", XK_F8},
    {0x78, "F9", XK_F9},
    {0x79, "F10", XK_F10},
    {0x7A, "F11", XK_F11},
    {0x7B, "F12", XK_F12},
    {0x7C, "F13", XK_F13},
    {0x7D, "F14", XK_F14},
    {0x7E, "F15", XK_F15},
    {0x7F, "F16", XK_F16},
    {0x80, "F17", XK_F17},
    {0x81, "F18", XK_F18},
    {0x82, "F19", XK_F19},
    {0x83, "F20", XK_F20},
    {0x84, "F21", XK_F21},
    {0x85, "F22", XK_F22},
    {0x86, "F23", XK_F23},
    {0x87, "F24", XK_F24},
    {0x90, "Num Lock", XK_Num_Lock},
    {0x91, "Scroll Lock", XK_Scroll_Lock},
    {0xA0, "Left Shift", XK_Shift_L},
    {0xA1, "Right Shift", XK_Shift_R},
    {0xA2, "Left Ctrl", XK_Control_L},
    {0xA3, "Right Ctrl", XK_Control_R},
    {0xA4, "Left Alt", XK_Alt_L},
    {0xA5, "Right Alt", XK_Alt_R},
    // The media keys: named by the hot-key unit.
    {0xA6, nullptr, XF86XK_Back},
    {0xA7, nullptr, XF86XK_Forward},
    {0xA8, nullptr, XF86XK_Refresh},
    {0xA9, nullptr, XF86XK_Stop},
    {0xAA, nullptr, XF86XK_Search},
    {0xAB, nullptr, XF86XK_Favorites},
    {0xAC, nullptr, XF86XK_HomePage},
    {0xAD, nullptr, XF86XK_AudioMute},
    {0xAE, nullptr, XF86XK_AudioLowerVolume},
    {0xAF, nullptr, XF86XK_AudioRaiseVolume},
    {0xB0, nullptr, XF86XK_AudioNext},
    {0xB1, nullptr, XF86XK_AudioPrev},
    {0xB2, nullptr, XF86XK_AudioStop},
    {0xB3, nullptr, XF86XK_AudioPlay},
    {0xB4, nullptr, XF86XK_Mail},
    {0xB5, nullptr, XF86XK_AudioMedia},
    {0xB6, nullptr, XF86XK_MyComputer},
    {0xB7, nullptr, XF86XK_Calculator},
    {0xBA, ";", XK_semicolon},
    {0xBB, "=", XK_equal},
    {0xBC, ",", XK_comma},
    {0xBD, "-", XK_minus},
    {0xBE, ".", XK_period},
    {0xBF, "/", XK_slash},
    {0xC0, "`", XK_grave},
    {0xDB, "[", XK_bracketleft},
    {0xDC, "\\", XK_backslash},
    {0xDD, "]", XK_bracketright},
    {0xDE, "'", XK_apostrophe},
    {0xE2, "<", XK_less},
};

const TKey* Find(int code)
{
    static const std::array<const TKey*, 256> byCode = [] {
        std::array<const TKey*, 256> table{};
        for (const TKey& k : kKeys)
            table[size_t(k.code)] = &k;
        return table;
    }();
    return code >= 0 && code < 256 ? byCode[size_t(code)] : nullptr;
}

// Key symbols that stand for a key without being its own symbol: upper-case
// letters, and the numeric pad's keys as they read with Num Lock off.
struct TAlias {
    std::uint32_t keysym;
    int code;
};
constexpr TAlias kAliases[] = {
    {XK_KP_Insert, 0x60}, {XK_KP_End, 0x61},    {XK_KP_Down, 0x62},  {XK_KP_Next, 0x63},
    {XK_KP_Left, 0x64},   {XK_KP_Begin, 0x65},  {XK_KP_Right, 0x66}, {XK_KP_Home, 0x67},
    {XK_KP_Up, 0x68},     {XK_KP_Prior, 0x69},  {XK_KP_Delete, 0x6E}, {XK_KP_Enter, 0x0D},
    {XK_ISO_Left_Tab, 0x09}, {XK_Meta_L, 0x12}, {XK_Meta_R, 0x12},
};

} // namespace

namespace KeyTable {

QString Name(int virtualKey)
{
    const TKey* k = Find(virtualKey);
    return k && k->name ? QString::fromLatin1(k->name) : QString();
}

std::uint32_t Keysym(int virtualKey)
{
    const TKey* k = Find(virtualKey);
    return k ? k->keysym : 0;
}

int FromKeysym(std::uint32_t keysym)
{
    if (keysym >= XK_A && keysym <= XK_Z)
        return int(keysym - XK_A) + 0x41;
    for (const TAlias& a : kAliases)
        if (a.keysym == keysym)
            return a.code;
    // The first row with the symbol: the generic key before its left/right forms.
    for (const TKey& k : kKeys)
        if (k.keysym == keysym)
            return k.code;
    return 0;
}

int FromQtKey(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 0x60 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk: return 0x6A;
        case Qt::Key_Plus: return 0x6B;
        case Qt::Key_Minus: return 0x6D;
        case Qt::Key_Period:
        case Qt::Key_Comma:
        case Qt::Key_Delete: return 0x6E;
        case Qt::Key_Slash: return 0x6F;
        case Qt::Key_Insert: return 0x60;
        case Qt::Key_End: return 0x61;
        case Qt::Key_Down: return 0x62;
        case Qt::Key_PageDown: return 0x63;
        case Qt::Key_Left: return 0x64;
        case Qt::Key_Clear: return 0x65;
        case Qt::Key_Right: return 0x66;
        case Qt::Key_Home: return 0x67;
        case Qt::Key_Up: return 0x68;
        case Qt::Key_PageUp: return 0x69;
        case Qt::Key_Enter: return 0x0D;
        default: break;
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // same codes
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_CapsLock: return 0x14;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Select: return 0x29;
    case Qt::Key_Execute: return 0x2B;
    case Qt::Key_Print: return 0x2C;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Help: return 0x2F;
    case Qt::Key_Super_L: return 0x5B;
    case Qt::Key_Super_R: return 0x5C;
    case Qt::Key_Menu: return 0x5D;
    case Qt::Key_Sleep: return 0x5F;
    case Qt::Key_NumLock: return 0x90;
    case Qt::Key_ScrollLock: return 0x91;
    case Qt::Key_Back: return 0xA6;
    case Qt::Key_Forward: return 0xA7;
    case Qt::Key_Refresh: return 0xA8;
    case Qt::Key_Stop: return 0xA9;
    case Qt::Key_Search: return 0xAA;
    case Qt::Key_Favorites: return 0xAB;
    case Qt::Key_HomePage: return 0xAC;
    case Qt::Key_VolumeMute: return 0xAD;
    case Qt::Key_VolumeDown: return 0xAE;
    case Qt::Key_VolumeUp: return 0xAF;
    case Qt::Key_MediaNext: return 0xB0;
    case Qt::Key_MediaPrevious: return 0xB1;
    case Qt::Key_MediaStop: return 0xB2;
    case Qt::Key_MediaPlay:
    case Qt::Key_MediaTogglePlayPause: return 0xB3;
    case Qt::Key_LaunchMail: return 0xB4;
    case Qt::Key_LaunchMedia: return 0xB5;
    case Qt::Key_Launch0: return 0xB6;
    case Qt::Key_Launch1:
    case Qt::Key_Calculator: return 0xB7;
    // Punctuation by its key on a US keyboard, shifted or not.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 0xBA;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return 0xBB;
    case Qt::Key_Comma:
    case Qt::Key_Less: return 0xBC;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return 0xBD;
    case Qt::Key_Period:
    case Qt::Key_Greater: return 0xBE;
    case Qt::Key_Slash:
    case Qt::Key_Question: return 0xBF;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return 0xC0;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return 0xDB;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return 0xDC;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return 0xDD;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return 0xDE;
    case Qt::Key_Exclam: return 0x31;
    case Qt::Key_At: return 0x32;
    case Qt::Key_NumberSign: return 0x33;
    case Qt::Key_Dollar: return 0x34;
    case Qt::Key_Percent: return 0x35;
    case Qt::Key_AsciiCircum: return 0x36;
    case Qt::Key_Ampersand: return 0x37;
    case Qt::Key_Asterisk: return 0x38;
    case Qt::Key_ParenLeft: return 0x39;
    case Qt::Key_ParenRight: return 0x30;
    default: break;
    }
    return 0;
}

} // namespace KeyTable
