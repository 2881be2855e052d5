// Fonts read on a thread of their own at start: when that may begin, and
// that the thread ends in every order the start can take.
#include "platform/FontWarmUp.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(FontWarmUp, LoadsDuringTheStartOnlyOnX11WithNothingThatChangesTheEnvironment)
{
    struct TCase {
        const char* platform;
        const char* theme;
        const char* startupId;
        bool early;
    };
    const TCase cases[] = {
        {nullptr, nullptr, nullptr, true},        {"", "", "", true}, // set but empty counts as unset
        {"xcb", nullptr, nullptr, true},          {"xcb:nograb", nullptr, nullptr, true},
        {"xcbx", nullptr, nullptr, false},        {"wayland", nullptr, nullptr, false},
        {"wayland;xcb", nullptr, nullptr, false}, {"offscreen", nullptr, nullptr, false},
        {nullptr, "gtk3", nullptr, false},        {"xcb", nullptr, "launcher-42_TIME1000", false},
    };
    for (const TCase& c : cases) {
        const TFontEnvironment env{c.platform, c.theme, c.startupId};
        EXPECT_EQ(FontsMayLoadDuringStart(env), c.early)
            << (c.platform ? c.platform : "(unset)") << " / " << (c.theme ? c.theme : "(unset)") << " / "
            << (c.startupId ? c.startupId : "(unset)");
    }
}

const TFontEnvironment kEarly{"xcb", nullptr, nullptr};
const TFontEnvironment kLate{"xcb", nullptr, "launcher-42_TIME1000"};

TEST(FontWarmUp, EitherWayTheFontsAreListedOnceTheApplicationHasStarted)
{
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    for (const TFontEnvironment& env : {kEarly, kLate}) {
        TFontWarmUp fonts(env);
        EXPECT_EQ(fonts.startedEarly(), env.startupId == nullptr);
        {
            const TFontWarmUp::TReady ready = fonts.applicationStarted();
            // The main thread measures text meanwhile, as the window does.
            EXPECT_GT(QFontInfo(QGuiApplication::font()).pixelSize(), 0);
        }
        EXPECT_EQ(QFontDatabase::families(), families);
    }
}

TEST(FontWarmUp, EndsWhenTheApplicationNeverStarts)
{
    // `tintwell --help` and a start that fails end before any application
    // exists; the thread must not wait for one.
    for (const TFontEnvironment& env : {kEarly, kLate}) {
        std::optional<TFontWarmUp> fonts(std::in_place, env);
        fonts.reset();
        SUCCEED();
    }
}

TEST(FontWarmUp, TheReadyGuardMovesAndJoinsOnce)
{
    TFontWarmUp fonts(kEarly);
    std::optional<TFontWarmUp::TReady> held;
    {
        TFontWarmUp::TReady ready = fonts.applicationStarted();
        held.emplace(std::move(ready));
    } // the moved-from guard waits for nothing
    held.reset();
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
}

} // namespace
