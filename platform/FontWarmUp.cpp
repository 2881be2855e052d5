#include "platform/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <cstring>

namespace {

bool Unset(const char* value)
{
    return !value || !*value;
}

} // namespace

TFontEnvironment TFontEnvironment::Current()
{
    TFontEnvironment env;
    env.platform = std::getenv("QT_QPA_PLATFORM");
    env.platformTheme = std::getenv("QT_QPA_PLATFORMTHEME");
    env.startupId = std::getenv("DESKTOP_STARTUP_ID");
    return env;
}

bool FontsMayLoadDuringStart(const TFontEnvironment& env)
{
    // Qt's X11 platform, named (options after a colon) or by default: the one
    // platform seen, under a debugger, to change nothing in the environment
    // but the start-up id while it starts.
    const bool x11 =
        Unset(env.platform) || std::strcmp(env.platform, "xcb") == 0 || std::strncmp(env.platform, "xcb:", 4) == 0;
    return x11 && Unset(env.platformTheme) && Unset(env.startupId);
}

TFontWarmUp::TFontWarmUp(const TFontEnvironment& env)
{
    if (FontsMayLoadDuringStart(env)) {
        startedEarly_ = true;
        thread_ = std::thread([this] { run(true); });
    }
}

TFontWarmUp::~TFontWarmUp()
{
    // Never told that the application started: it ends after fontconfig.
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    changed_.notify_all();
    finish();
}

TFontWarmUp::TReady::~TReady()
{
    if (owner_)
        owner_->finish();
}

TFontWarmUp::TReady TFontWarmUp::applicationStarted()
{
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            applicationReady_ = true;
        }
        changed_.notify_all();
    } else {
        applicationReady_ = true;
        thread_ = std::thread([this] { run(false); });
    }
    return TReady(*this);
}

void TFontWarmUp::run(bool loadConfiguration)
{
    // fontconfig keeps the configuration it loads first; Qt's own loading
    // finds it there.
    if (loadConfiguration)
        FcInit();
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return applicationReady_ || cancelled_; });
        if (!applicationReady_)
            return;
    }
    // Qt fills its list under its font lock, so the main thread's first
    // text waits for this rather than loading fontconfig a second time.
    (void)QFontDatabase::families();
}

void TFontWarmUp::finish()
{
    if (thread_.joinable())
        thread_.join();
}
