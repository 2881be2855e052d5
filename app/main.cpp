#include "app/AppSetup.h"
#include "app/SingleInstance.h"
#include "app/TForm1.h"
#include "grab/GrabPage.h"
#include "grab/WindowKeys.h"
#include "platform/FontWarmUp.h"
#include "platform/GlobalKeys.h"
#include "platform/ScreenPortal.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    const TStartMode mode = ParseStartArguments(argc, argv);
    if (mode == TStartMode::Help || mode == TStartMode::Usage) {
        std::fputs(UsageText(), mode == TStartMode::Help ? stdout : stderr);
        return mode == TStartMode::Help ? 0 : 2;
    }

    PreferX11Platform();
    // Fonts are read on a thread of their own while Qt connects to the
    // display; that work ends before the application does.
    TFontWarmUp fonts;
    QApplication app(argc, argv);
    SetupApplication(app);
    const TFontWarmUp::TReady fontsReady = fonts.applicationStarted();

    // The first Tintwell of the session answers `tintwell --grab`; a second
    // start with --grab asks it and ends.
    TSingleInstance instance;
    if (!instance.claim() && mode == TStartMode::Grab && TSingleInstance::askToGrab())
        return 0;

    // On Wayland no program gets keys while another has the focus; the zoom
    // window's keys are keys of our own windows there.
    std::unique_ptr<TWindowKeys> windowKeys;
    std::unique_ptr<TGlobalKeysOverride> keysGuard;
    if (PortalSession()) {
        windowKeys = std::make_unique<TWindowKeys>();
        keysGuard = std::make_unique<TGlobalKeysOverride>(*windowKeys);
    }
    TForm1 Form1;
    Form1.show();
    auto grab = [&Form1] {
        Form1.BuildHiddenPages(); // at once, if the first paint has not come yet
        Form1.grabPage->StartFromOutside();
    };
    instance.onGrab = grab;
    if (mode == TStartMode::Grab)
        QTimer::singleShot(0, &Form1, grab);
    return app.exec();
}
