// Hot keys on a real X server: presses typed through XTEST while another
// client has the focus, combinations held by another client, the lock keys,
// and what the program holds itself.
#include "OtherClient.h"
#include "grab/HotKeyManager.h"
#include "platform/GlobalKeys.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <X11/keysym.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr std::uint16_t kCtrl = XCB_MOD_MASK_CONTROL;
constexpr std::uint16_t kShift = XCB_MOD_MASK_SHIFT;
constexpr std::uint16_t kLock = XCB_MOD_MASK_LOCK;
constexpr std::uint16_t kNum = XCB_MOD_MASK_2; // Num Lock on this server's keymap

class X11HotKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "needs xdotool";
        ASSERT_TRUE(other.ok());
    }

    // Types keys through XTEST, as a keyboard would.
    static void type(const QString& keys) { ASSERT_EQ(QProcess::execute("xdotool", {"key", keys}), 0); }

    // Runs the event loop until `done` or two seconds have passed.
    template <class F> static bool waitFor(F done)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }
    static void settle()
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    TOtherClient other;
    std::vector<std::pair<THotKey, std::uint16_t>> presses;
    void listen(THotKeyManager& m)
    {
        m.OnHotKeyPressed = [this](THotKey k, std::uint16_t i) { presses.push_back({k, i}); };
    }
};

TEST_F(X11HotKeys, CtrlGReachesUsWhileAnotherWindowHasTheFocus)
{
    THotKeyManager m;
    listen(m);
    const std::uint16_t id = m.Register(16455);
    ASSERT_NE(id, 0);
    other.takeFocus();
    ASSERT_EQ(other.focus(), other.window());

    type("ctrl+g");
    ASSERT_TRUE(waitFor([&] { return !presses.empty(); }));
    EXPECT_EQ(presses[0], std::make_pair(THotKey(16455), id));

    // Other combinations of the same key are not ours.
    presses.clear();
    type("ctrl+shift+g");
    type("g");
    type("ctrl+h");
    settle();
    EXPECT_TRUE(presses.empty());
}

TEST_F(X11HotKeys, LockKeysDoNotStopTheKey)
{
    THotKeyManager m;
    listen(m);
    ASSERT_NE(m.Register(0x6047), 0); // Ctrl+Shift+G
    for (const char* lock : {"Num_Lock", "Caps_Lock"}) {
        SCOPED_TRACE(lock);
        type(lock);
        const std::uint16_t want = QByteArray(lock) == "Num_Lock" ? kNum : kLock;
        ASSERT_TRUE(waitFor([&] { return (other.pointerState() & want) != 0; })) << "the lock did not come on";
        presses.clear();
        type("ctrl+shift+g");
        EXPECT_TRUE(waitFor([&] { return !presses.empty(); }));
        type(lock); // off again
        ASSERT_TRUE(waitFor([&] { return (other.pointerState() & want) == 0; }));
    }
}

TEST_F(X11HotKeys, CombinationHeldByAnotherClientIsNotFreeAndNothingIsLeftHeld)
{
    // The other client holds Ctrl+Shift+K only while Num Lock is on: the
    // other three lock states would be granted to us and must be given back.
    ASSERT_TRUE(other.grab(XK_k, kCtrl | kShift | kNum));
    THotKeyManager m;
    EXPECT_FALSE(IsHotKeyFree(0x604B));
    EXPECT_EQ(m.Register(0x604B), 0);
    EXPECT_FALSE(m.Contains(0x604B));
    other.ungrab(XK_k, kCtrl | kShift | kNum);

    TOtherClient third;
    for (std::uint16_t lock : {std::uint16_t(0), kLock, kNum, std::uint16_t(kLock | kNum)})
        EXPECT_TRUE(third.grab(XK_k, kCtrl | kShift | lock)) << "lock state " << lock << " still held by us";
}

TEST_F(X11HotKeys, WhatThisProgramHoldsIsNotFree)
{
    THotKeyManager m, second;
    ASSERT_NE(m.Register(0x8054), 0); // Alt+T
    EXPECT_FALSE(IsHotKeyFree(0x8054));
    EXPECT_EQ(m.Register(0x8054), 0) << "the server would let us grab it again: we must refuse";
    EXPECT_EQ(second.Register(0x8054), 0);
    EXPECT_EQ(m.Entries().size(), 1);
    EXPECT_FALSE(other.grab(XK_t, XCB_MOD_MASK_1));

    EXPECT_TRUE(m.Unregister(0x8054));
    EXPECT_TRUE(IsHotKeyFree(0x8054));
    EXPECT_TRUE(other.grab(XK_t, XCB_MOD_MASK_1));
    EXPECT_FALSE(IsHotKeyFree(0x8054)) << "now the other client holds it";
}

TEST_F(X11HotKeys, ManagerGivesItsKeysBackWhenItGoes)
{
    {
        THotKeyManager m;
        ASSERT_NE(m.Register(0x404A), 0); // Ctrl+J
        ASSERT_NE(m.Register(0x2071), 0); // Shift+F2
        EXPECT_FALSE(other.grab(XK_j, kCtrl));
    }
    EXPECT_TRUE(other.grab(XK_j, kCtrl | kNum));
    EXPECT_TRUE(other.grab(XK_F2, kShift | kLock));
}

TEST_F(X11HotKeys, KeysAreNamedByTheirFirstSymbol)
{
    EXPECT_EQ(X11BaseKeysym(other.keycode(XK_a)), std::uint32_t(XK_a));
    EXPECT_EQ(X11BaseKeysym(other.keycode(XK_F5)), std::uint32_t(XK_F5));
    EXPECT_EQ(X11BaseKeysym(0), 0u);
}

} // namespace
