// A main window, a fake keyboard and a fed screen for the zoom window tests.
// The screen is a 1600 x 1200 picture whose every pixel has its own colour
// (never black), so a colour read back tells where it came from.
#pragma once

#include "FakeGlobalKeys.h"
#include "grab/GrabPage.h"
#include "grab/ZoomWindow.h"
#include "support/FormFixture.h"

#include <QTimer>

#include <memory>

inline QRgb ScreenPixel(int x, int y)
{
    return qRgb(x & 0xFF, y & 0xFF, 0x80 | ((x >> 8) & 7) | (((y >> 8) & 7) << 3));
}

inline TRgbColor ScreenColor(int x, int y)
{
    const QRgb p = ScreenPixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
}

class TZoomFixture {
public:
    TFormFixture f;
    TFakeGlobalKeys keys;
    TForm1* form = nullptr;
    std::unique_ptr<Tgrab_color> zoom;

    TZoomFixture()
    {
        QImage screen(1600, 1200, QImage::Format_RGB32);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                screen.setPixel(x, y, ScreenPixel(x, y));
        f.fake.screen.picture = screen;
        f.fake.screen.pointer = {1000, 700};
    }
    ~TZoomFixture() { zoom.reset(); }

    TForm1& openForm()
    {
        if (!form)
            form = &f.open();
        return *form;
    }
    // Opens the zoom window (its opening runs) without running its event loop.
    Tgrab_color& openZoom()
    {
        openForm();
        // With the hooks the grab page gives it, as its Start does.
        form->BuildHiddenPages();
        zoom = std::make_unique<Tgrab_color>(*form, form->Grab, form->grabPage->ZoomHooks());
        // Running (the window is live) but never firing: ticks are run by hand.
        zoom->Timer1->start(3600 * 1000);
        return *zoom;
    }
    // Closes the zoom window as its close box does, and releases it.
    void closeZoom()
    {
        zoom->reject();
        zoom.reset();
    }
    // One tick with the pointer at `pointer`.
    void tickAt(QPoint pointer)
    {
        f.fake.screen.pointer = pointer;
        zoom->MagnifierTick();
    }
    // A point well outside the zoom window.
    QPoint outside() const { return {1000, 700}; }
    QPoint inside() const { return zoom->frameGeometry().center(); }
};
