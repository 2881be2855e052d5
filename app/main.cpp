#include "app/AppSetup.h"
#include "app/TForm1.h"
#include "grab/WindowKeys.h"
#include "platform/GlobalKeys.h"
#include "platform/ScreenPortal.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    PreferX11Platform();
    QApplication app(argc, argv);
    SetupApplication(app);
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
    return app.exec();
}
