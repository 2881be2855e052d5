// The key table's X symbols and the hot-key manager's bookkeeping. The real
// key grabs are exercised under Xvfb (tests/x11); here a fake keyboard stands
// in. The hot-key texts: test_hotkey_text.cpp.
#include "FakeGlobalKeys.h"
#include "grab/HotKeyManager.h"
#include "platform/GlobalKeys.h"
#include "platform/KeySymbols.h"
#include "platform/KeyTable.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KeyTable, EveryNamedKeyHasAnXSymbolThatLeadsBack)
{
    for (int code = 8; code <= 255; ++code) {
        if (FormatHotKey(THotKey(code), true).isEmpty())
            continue;
        const std::uint32_t sym = KeyTable::Keysym(code);
        ASSERT_NE(sym, 0u) << code;
        const int back = KeyTable::FromKeysym(sym);
        // The left and right forms of Shift, Ctrl and Alt lead to the plain key.
        const bool sided = code >= 0xA0 && code <= 0xA5;
        if (!sided) {
            EXPECT_EQ(back, code) << code;
        }
    }
    EXPECT_EQ(KeyTable::FromKeysym(0x41 /* XK_A */), 0x41);
    EXPECT_EQ(KeyTable::FromKeysym(0xff9c /* XK_KP_End */), 0x61); // Num 1 with Num Lock off
    EXPECT_EQ(KeyTable::FromQtKey(Qt::Key_Plus, true), 0x6B);
    EXPECT_EQ(KeyTable::FromQtKey(Qt::Key_Exclam, false), 0x31);
}

// ---------------------------------------------------------------- manager

TEST(HotKeyManager, RegistersOnceAndReleasesByValue)
{
    TFakeGlobalKeys keys;
    THotKeyManager m;
    const std::uint16_t id = m.Register(16474);
    EXPECT_NE(id, 0);
    EXPECT_TRUE(m.Contains(16474));
    EXPECT_TRUE(keys.held.count({'Z', MOD_CONTROL}));

    EXPECT_EQ(m.Register(16474), 0) << "the same value twice";
    EXPECT_EQ(m.Entries().size(), 1);

    THotKeyManager other;
    EXPECT_EQ(other.Register(16474), 0) << "held through another manager";
    EXPECT_FALSE(IsHotKeyFree(16474));
    EXPECT_TRUE(IsHotKeyFree(16455));

    EXPECT_FALSE(m.Unregister(16455));
    EXPECT_TRUE(m.Unregister(16474));
    EXPECT_FALSE(m.Contains(16474));
    EXPECT_TRUE(keys.held.empty());
    EXPECT_TRUE(IsHotKeyFree(16474));
}

TEST(HotKeyManager, RefusedCombinationLeavesNoEntry)
{
    TFakeGlobalKeys keys;
    keys.heldElsewhere.insert({'G', MOD_CONTROL});
    THotKeyManager m;
    EXPECT_FALSE(IsHotKeyFree(16455));
    EXPECT_EQ(m.Register(16455), 0);
    EXPECT_TRUE(m.Entries().isEmpty());
    EXPECT_EQ(m.Register(0), 0) << "no key";
    EXPECT_FALSE(IsHotKeyFree(0));
}

TEST(HotKeyManager, IdsAreDistinctAndComeBackAfterRelease)
{
    TFakeGlobalKeys keys;
    THotKeyManager m;
    const auto a = m.Register(16474);
    const auto b = m.Register(16455);
    EXPECT_NE(a, 0);
    EXPECT_NE(b, 0);
    EXPECT_NE(a, b);
    m.UnregisterAll();
    EXPECT_TRUE(m.Entries().isEmpty());
    EXPECT_TRUE(keys.held.empty());
}

TEST(HotKeyManager, DestructionReleasesEverything)
{
    TFakeGlobalKeys keys;
    {
        THotKeyManager m;
        m.Register(16474);
        m.Register(0x6041);
    }
    EXPECT_TRUE(keys.held.empty());
}

TEST(HotKeyManager, PressReachesOnlyTheManagerHoldingTheValue)
{
    TFakeGlobalKeys keys;
    THotKeyManager zoom, grab;
    std::vector<std::pair<THotKey, std::uint16_t>> zoomPresses, grabPresses;
    zoom.OnHotKeyPressed = [&](THotKey k, std::uint16_t i) { zoomPresses.push_back({k, i}); };
    grab.OnHotKeyPressed = [&](THotKey k, std::uint16_t i) { grabPresses.push_back({k, i}); };
    const auto zoomId = zoom.Register(16474);
    const auto grabId = grab.Register(0x1C047); // Ctrl+Alt+Win+G

    keys.press(16474);
    keys.press(0x1C047);
    keys.press(0x4048); // not registered
    keys.report(0x4048); // reported anyway: nobody holds it
    ASSERT_EQ(zoomPresses.size(), 1u);
    EXPECT_EQ(zoomPresses[0], std::make_pair(THotKey(16474), zoomId));
    ASSERT_EQ(grabPresses.size(), 1u);
    EXPECT_EQ(grabPresses[0], std::make_pair(THotKey(0x1C047), grabId));

    zoom.Unregister(16474);
    keys.report(16474);
    EXPECT_EQ(zoomPresses.size(), 1u) << "a value no longer held raises nothing";
}

TEST(HotKeyManager, WithoutAnXConnectionEveryRegistrationFailsCleanly)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        GTEST_SKIP() << "runs on a platform without X11";
    IGlobalKeys& x11 = X11GlobalKeys();
    EXPECT_FALSE(x11.grab('Z', MOD_CONTROL));
    EXPECT_FALSE(x11.canGrab('Z', MOD_CONTROL));
    EXPECT_FALSE(x11.release('Z', MOD_CONTROL));
    EXPECT_EQ(X11BaseKeysym(38), 0u);

    THotKeyManager m; // the real keyboard: nothing installed over it
    EXPECT_FALSE(IsHotKeyFree(16474));
    EXPECT_EQ(m.Register(16474), 0);
    EXPECT_FALSE(m.Unregister(16474));
    EXPECT_TRUE(m.Entries().isEmpty());
}

} // namespace
