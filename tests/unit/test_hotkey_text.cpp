// Hot-key values and texts.
#include "grab/HotKeyText.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct TFormatCase {
    THotKey value;
    const char* text;
};

TEST(HotKeyText, FormatsModifiersInFixedOrderWithoutSpaces)
{
    const TFormatCase cases[] = {
        {16474, "Ctrl+Z"},
        {16455, "Ctrl+G"},
        {0x6041, "Ctrl+Shift+A"},
        {0x1E041, "Ctrl+Shift+Alt+Win+A"},
        {0x8070, "Alt+F1"},
        {0x5A, "Z"},
        {0x406B, "Ctrl+Num +"},
        {0x4021, "Ctrl+Page Up"},
        {0x4020, "Ctrl+Space"},
        {0x40AD, "Ctrl+Volume Mute"},
        {0xB3, "Play/Pause Media"},
        {0x40BA, "Ctrl+;"},
        {0x4000, "Ctrl+"}, // no key: the prefix alone
        {0x4007, "Ctrl+"}, // a code without a name
        {0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatHotKey(c.value, true), QString::fromLatin1(c.text));
        EXPECT_EQ(FormatHotKey(c.value, false), QString::fromLatin1(c.text));
    }
}

TEST(HotKeyText, ParsesTheWaysPeopleWriteThem)
{
    const TFormatCase cases[] = {
        {16474, "Ctrl+Z"},
        {16474, "ctrl+z"},
        {16474, "Ctrl + Z"},
        {16474, "  CTRL+  z  "},
        {0x6041, "Ctrl+Shift+A"},
        {0x6041, "Shift+Ctrl+A"},
        {0x5A, "Z"},
        {0x406B, "Ctrl+Num +"},
        {0x406D, "Ctrl+Num -"},
        {0x4021, "Ctrl+page up"},
        {0x8070, "Alt+F1"},
        {0x1405A, "Win+Ctrl+Z"},
        {0x40AD, "Ctrl+Volume Mute"},
        {0x40BC, "Ctrl+,"},
        {0x4037, "Ctrl+7"},
        {0, "Foo+Z"},
        {0, "Ctrl+Foo+Z"},
        {0, "Ctrl"},
        {0, "Ctrl+Shift"},
        {0, "Ctrl+Win"},
        {0, ""},
        {0, "+"},
        {0, "Ctrl+NoSuchKey"},
        // Blanks other than spaces trim away to no key at all, never to a
        // code that has no name (found by fuzzing).
        {0, "\v"},
        {0, "Ctrl+\t"},
        {0, "Alt+\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseHotKey(QString::fromLatin1(c.text), true), c.value);
    }
}

// Every key code with a name reads back as itself, alone and with every
// modifier. Shift, Ctrl and Alt are the exception by rule: their names are
// the modifier words, which never stand for the key.
TEST(HotKeyText, EveryNamedCodeRoundTrips)
{
    std::set<THotKey> named;
    const THotKey modifierSets[] = {0, HotKeyCtrl, HotKeyCtrl | HotKeyShift, HotKeyAlt | HotKeyWin,
                                    HotKeyCtrl | HotKeyShift | HotKeyAlt | HotKeyWin};
    for (THotKey code = 8; code <= 255; ++code) {
        const QString name = FormatHotKey(code, true);
        if (name.isEmpty() || code == 0x10 || code == 0x11 || code == 0x12)
            continue;
        named.insert(code);
        for (THotKey mods : modifierSets) {
            const QString text = FormatHotKey(code | mods, true);
            EXPECT_EQ(ParseHotKey(text, true), code | mods) << qPrintable(text);
        }
    }
    // Letters, digits, F1..F24, the pad, the media keys and punctuation were all in.
    for (THotKey code : {0x30u, 0x41u, 0x5Au, 0x21u, 0x70u, 0x87u, 0x60u, 0x6Bu, 0xA6u, 0xB7u, 0xBAu, 0xDEu})
        EXPECT_TRUE(named.count(code)) << code;
    EXPECT_EQ(ParseHotKey(QStringLiteral("Shift"), true), 0u);
    EXPECT_EQ(ParseHotKey(QStringLiteral("Ctrl+Alt"), true), 0u);
}

TEST(HotKeyText, NamesAreUniqueSoTheFirstMatchIsTheKeyItself)
{
    // Two codes with one name would make the second unreadable.
    QStringList seen;
    for (int code = 8; code <= 255; ++code) {
        const QString name = FormatHotKey(THotKey(code), true).toLower();
        if (name.isEmpty())
            continue;
        EXPECT_FALSE(seen.contains(name)) << qPrintable(name);
        seen << name;
    }
}

TEST(HotKeyText, MediaKeysAreNamedFromTheirTable)
{
    EXPECT_FALSE(IsMediaKey(165));
    EXPECT_TRUE(IsMediaKey(166));
    EXPECT_TRUE(IsMediaKey(183));
    EXPECT_FALSE(IsMediaKey(184));
    EXPECT_EQ(MediaKeyName(166), "Browser Back");
    EXPECT_EQ(MediaKeyName(172), "Browser Start/Home");
    EXPECT_EQ(MediaKeyName(173), "Volume Mute");
    EXPECT_EQ(MediaKeyName(183), "Start Application 2");
    EXPECT_EQ(MediaKeyName(65), "");
    EXPECT_EQ(FormatHotKey(173, true), "Volume Mute");
}

TEST(HotKeyText, ComposeAndSplitTranslateTheSystemFlags)
{
    EXPECT_EQ(ComposeHotKey(MOD_CONTROL, 'Z'), 16474u);
    EXPECT_EQ(ComposeHotKey(MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN, 'A'), 0x1E041u);
    unsigned mods = 0, key = 0;
    SplitHotKey(0x1E041, mods, key);
    EXPECT_EQ(mods, unsigned(MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN));
    EXPECT_EQ(key, 0x41u);
    SplitHotKey(0x6041, mods, key);
    EXPECT_EQ(mods, unsigned(MOD_CONTROL | MOD_SHIFT));
    EXPECT_EQ(LocalModifierNames(), (QStringList{"Shift", "Ctrl", "Alt", "Win"}));
}

} // namespace
