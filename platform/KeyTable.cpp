#include "platform/KeyTable.h"

#include <Qt>

#include <array>

namespace {

struct TKeyName {
    int code;
    const char* name;
};

// One row per key that has a name here. Names are unique, so that a text
// read back finds the key it was written for. The media keys are named by
// the hot-key texts.
constexpr TKeyName kNames[] = {
    {0x08, "Backspace"},   {0x09, "Tab"},
    {0x0C, "Clear"},       {0x0D, "Enter"},
    {0x10, "Shift"},       {0x11, "Ctrl"},
    {0x12, "Alt"},         {0x13, "Pause"},
    {0x14, "Caps Lock"},   {0x1B, "Esc"},
    {0x20, "Space"},       {0x21, "Page Up"},
    {0x22, "Page Down"},   {0x23, "End"},
    {0x24, "Home"},        {0x25, "Left"},
    {0x26, "Up"},          {0x27, "Right"},
    {0x28, "Down"},        {0x29, "Select"},
    {0x2B, "Execute"},     {0x2C, "Print Screen"},
    {0x2D, "Insert"},      {0x2E, "Delete"},
    {0x2F, "Help"},        {0x30, "0"},
    {0x31, "1"},           {0x32, "2"},
    {0x33, "3"},           {0x34, "4"},
    {0x35, "5"},           {0x36, "6"},
    {0x37, "7"},           {0x38, "8"},
    {0x39, "9"},           {0x41, "A"},
    {0x42, "B"},           {0x43, "C"},
    {0x44, "D"},           {0x45, "E"},
    {0x46, "F"},           {0x47, "G"},
    {0x48, "H"},           {0x49, "I"},
    {0x4A, "J"},           {0x4B, "K"},
    {0x4C, "L"},           {0x4D, "M"},
    {0x4E, "N"},           {0x4F, "O"},
    {0x50, "P"},           {0x51, "Q"},
    {0x52, "R"},           {0x53, "S"},
    {0x54, "T"},           {0x55, "U"},
    {0x56, "V"},           {0x57, "W"},
    {0x58, "X"},           {0x59, "Y"},
    {0x5A, "Z"},           {0x5B, "Left Win"},
    {0x5C, "Right Win"},   {0x5D, "Application"},
    {0x5F, "Sleep"},       {0x60, "Num 0"},
    {0x61, "Num 1"},       {0x62, "Num 2"},
    {0x63, "Num 3"},       {0x64, "Num 4"},
    {0x65, "Num 5"},       {0x66, "Num 6"},
    {0x67, "Num 7"},       {0x68, "Num 8"},
    {0x69, "Num 9"},       {0x6A, "Num *"},
    {0x6B, "Num +"},       {0x6C, "Separator"},
    {0x6D, "Num -"},       {0x6E, "Num Del"},
    {0x6F, "Num /"},       {0x70, "F1"},
    {0x71, "F2"},          {0x72, "F3"},
    {0x73, "F4"},          {0x74, "F5"},
    {0x75, "F6"},          {0x76, "F7"},
    {0x77, "F8"},          {0x78, "F9"},
    {0x79, "F10"},         {0x7A, "F11"},
    {0x7B, "F12"},         {0x7C, "F13"},
    {0x7D, "F14"},         {0x7E, "F15"},
    {0x7F, "F16"},         {0x80, "F17"},
    {0x81, "F18"},         {0x82, "F19"},
    {0x83, "F20"},         {0x84, "F21"},
    {0x85, "F22"},         {0x86, "F23"},
    {0x87, "F24"},         {0x90, "Num Lock"},
    {0x91, "Scroll Lock"}, {0xA0, "Left Shift"},
    {0xA1, "Right Shift"}, {0xA2, "Left Ctrl"},
    {0xA3, "Right Ctrl"},  {0xA4, "Left Alt"},
    {0xA5, "Right Alt"},   {0xBA, ";"},
    {0xBB, "="},           {0xBC, ","},
    {0xBD, "-"},           {0xBE, "."},
    {0xBF, "/"},           {0xC0, "`"},
    {0xDB, "["},           {0xDC, "\\"},
    {0xDD, "]"},           {0xDE, "'"},
    {0xE2, "<"},
};

} // namespace

namespace KeyTable {

QString Name(int virtualKey)
{
    static const std::array<const char*, 256> byCode = [] {
        std::array<const char*, 256> table{};
        for (const TKeyName& k : kNames)
            table[size_t(k.code)] = k.name;
        return table;
    }();
    const char* name = virtualKey >= 0 && virtualKey < 256 ? byCode[size_t(virtualKey)] : nullptr;
    return name ? QString::fromLatin1(name) : QString();
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
