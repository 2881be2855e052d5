// Reading fontconfig's configuration (some sixty XML files and the font
// caches) is the largest single piece of work before the first window can be
// laid out: a quarter of what runs before it first shows. None of it needs the
// main thread, so TFontWarmUp does it on a thread of its own while the main
// thread connects to the display, and then fills Qt's list of fonts there
// as soon as the application exists, while the main thread starts building
// the window. The first text the window measures waits only for what is
// left of that work, under Qt's own font lock, instead of doing all of it.
//
//   TFontWarmUp fonts;                         // before the QApplication
//   QApplication app(argc, argv);
//   const auto ready = fonts.applicationStarted(); // held until app goes
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// What the environment says before the application starts. fontconfig
// reads the environment (getenv) while it loads; nothing may change the
// environment meanwhile (setenv may move the array a reader is walking).
struct TFontEnvironment {
    const char* platform = nullptr; // QT_QPA_PLATFORM
    const char* platformTheme = nullptr; // QT_QPA_PLATFORMTHEME
    const char* startupId = nullptr; // DESKTOP_STARTUP_ID
    static TFontEnvironment Current();
};

// Whether fontconfig may be loaded while the QApplication is being
// constructed. Qt's X11 platform, once started, removes DESKTOP_STARTUP_ID
// from the environment; another platform or a platform theme plugin may
// change the environment in ways nobody here has looked at. In those cases
// the loading waits until the application exists.
bool FontsMayLoadDuringStart(const TFontEnvironment& env);

class TFontWarmUp {
public:
    TFontWarmUp()
        : TFontWarmUp(TFontEnvironment::Current())
    {
    }
    explicit TFontWarmUp(const TFontEnvironment& env);
    ~TFontWarmUp();
    TFontWarmUp(const TFontWarmUp&) = delete;
    TFontWarmUp& operator=(const TFontWarmUp&) = delete;

    // Waits for the work to end; it must end before the application does.
    class TReady {
    public:
        explicit TReady(TFontWarmUp& owner)
            : owner_(&owner)
        {
        }
        TReady(TReady&& other) noexcept
            : owner_(other.owner_)
        {
            other.owner_ = nullptr;
        }
        TReady(const TReady&) = delete;
        TReady& operator=(const TReady&) = delete;
        TReady& operator=(TReady&&) = delete;
        ~TReady();

    private:
        TFontWarmUp* owner_;
    };

    // Call right after the QApplication is constructed; keep the result
    // until it is destroyed.
    [[nodiscard]] TReady applicationStarted();

    // Whether fontconfig's configuration was being read while the
    // application started (false: it waited for applicationStarted()).
    bool startedEarly() const { return startedEarly_; }

private:
    void run(bool loadConfiguration);
    void finish();

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool applicationReady_ = false;
    bool cancelled_ = false;
    bool startedEarly_ = false;
};
