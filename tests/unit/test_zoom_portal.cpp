// The zoom window where the screen comes through the desktop portal: one
// screenshot at opening, magnified and sampled as the live screen is on X11;
// single picks where screenshots are refused; failures, new screenshots and
// closing. Also the hot keys as keys of our own windows.
#include "ZoomFixture.h"
#include "grab/GrabPage.h"
#include "grab/HotKeyEdit.h"
#include "grab/Magnifier.h"
#include "grab/StillScreen.h"
#include "grab/WindowKeys.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A portal that records the requests and answers when the test says.
class TFakeScreenPortal : public IScreenPortal {
public:
    QStringList requests;
    int cancels = 0;

    TFakeScreenPortal()
        : guard_(*this)
    {
    }
    void screenshot(TDone done) override
    {
        requests << "Screenshot";
        done_ = std::move(done);
    }
    void pickColor(TDone done) override
    {
        requests << "PickColor";
        done_ = std::move(done);
    }
    void cancel() override
    {
        if (done_)
            ++cancels;
        done_ = nullptr;
    }
    bool pending() const override { return bool(done_); }

    void answer(const TPortalAnswer& a)
    {
        ASSERT_TRUE(done_) << "nothing was asked";
        TDone d = std::move(done_);
        done_ = nullptr;
        d(a);
    }
    void answerPicture(const QImage& picture)
    {
        TPortalAnswer a;
        a.kind = TPortalAnswer::Kind::Picture;
        a.picture = picture;
        answer(a);
    }
    void answerFailure(TPortalAnswer::Kind kind, const QString& message)
    {
        TPortalAnswer a;
        a.kind = kind;
        a.message = message;
        answer(a);
    }
    void answerColor(int r, int g, int b)
    {
        TPortalAnswer a;
        a.kind = TPortalAnswer::Kind::Color;
        a.red = r;
        a.green = g;
        a.blue = b;
        answer(a);
    }

private:
    TDone done_;
    TScreenPortalOverride guard_;
};

class TPortalZoom : public TZoomFixture {
public:
    TPortalSessionOverride session{true};
    TFakeScreenPortal portal;
    QImage still; // the screen as the desktop gives it

    // The desktop's picture at one picture pixel per screen pixel.
    TPortalZoom() { still = f.fake.screen.picture.copy(QRect(QPoint(0, 0), DesktopSize())); }

    // The zoom window goes before the portal it holds a request with.
    ~TPortalZoom() { zoom.reset(); }

    static QSize DesktopSize()
    {
        const QRect r = QGuiApplication::primaryScreen()->virtualGeometry();
        return QSize(r.x() + r.width(), r.y() + r.height());
    }

    // Opens the zoom window and lets it ask for its screenshot.
    Tgrab_color& open()
    {
        Tgrab_color& w = openZoom();
        QCoreApplication::processEvents();
        return w;
    }
    Tgrab_color& openShowing()
    {
        Tgrab_color& w = open();
        portal.answerPicture(still);
        // From now on the live screen would give black: only the still picture counts.
        f.fake.screen.picture.fill(Qt::black);
        return w;
    }
};

std::vector<QWidget*> VisiblePictureWindows()
{
    std::vector<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "stillPicture" && w->isVisible())
            out.push_back(w);
    return out;
}

TEST(ZoomPortal, OpeningAsksForOneScreenshotAndShowsThatItWaits)
{
    TPortalZoom z;
    Tgrab_color& w = z.open();
    EXPECT_EQ(z.portal.requests, QStringList{"Screenshot"});
    const TRgbColor before = z.form->Grab.SampledColor;
    z.tickAt(z.outside());
    EXPECT_EQ(w.StatusText(0), "Waiting");
    EXPECT_EQ(w.StatusText(1), "Waiting for the desktop to give a screenshot. Close this window to give up.");
    EXPECT_FALSE(w.Panel1->isHidden());
    EXPECT_TRUE(w.Image1->isHidden());
    EXPECT_FALSE(w.StillButton->isEnabled());
    EXPECT_EQ(z.form->Grab.SampledColor, before) << "nothing to sample yet";
    z.keys.press(16455);
    EXPECT_TRUE(w.ZoomColors.empty());
    EXPECT_TRUE(z.f.fake.dialogs.shown.empty());
}

TEST(ZoomPortal, StillPictureIsShownFullScreenAndMagnifiedLikeTheScreen)
{
    TPortalZoom z;
    Tgrab_color& w = z.openShowing();
    EXPECT_EQ(w.Still()->state(), TStillScreen::State::Showing);
    const auto windows = VisiblePictureWindows();
    ASSERT_EQ(windows.size(), size_t(QGuiApplication::screens().size()));
    EXPECT_TRUE(windows.front()->windowState() & Qt::WindowFullScreen);

    const QSize desktop = TPortalZoom::DesktopSize();
    for (QPoint pointer :
         {QPoint(desktop.width() - 200, 30), QPoint(3, 4), QPoint(desktop.width() - 1, desktop.height() - 1)}) {
        SCOPED_TRACE(pointer.x());
        z.tickAt(pointer);
        const TMagnifierStep step = MagnifierStep(5, w.Image1->size(), pointer, z.still.size());
        const int W = w.Image1->width(), H = w.Image1->height();
        const int sx = qBound(0, step.sample.x(), W - 1), sy = qBound(0, step.sample.y(), H - 1);
        const QPoint at = step.source.topLeft() + QPoint(sx * step.source.width() / W, sy * step.source.height() / H);
        EXPECT_EQ(z.form->Grab.SampledColor, ScreenColor(at.x(), at.y()));
        EXPECT_EQ(w.LivePicture.pixel(0, 0), ScreenPixel(step.source.left(), step.source.top()));
    }
    EXPECT_EQ(w.StatusText(0), "Start zooming");
    EXPECT_EQ(w.StatusText(1),
              "Preess Ctrl+G to grab colors,Ctrl+Z to capture zooming area. F5 takes a new screenshot.");

    // The keys work as on X11: grab, freeze, click on the frozen picture.
    z.tickAt(z.outside());
    const TRgbColor sampled = z.form->Grab.SampledColor;
    z.keys.press(16455);
    ASSERT_EQ(w.ZoomColors.size(), 1u);
    EXPECT_EQ(w.ZoomColors[0].Red, sampled.Red);
    EXPECT_EQ(w.ZoomColors[0].Blue, sampled.Blue);
    z.keys.press(16474);
    EXPECT_FALSE(w.Live());
    EXPECT_EQ(w.StatusText(0), "Stop zooming");
    w.Image2MouseMove({10, 10});
    w.Image2MouseDown(Qt::LeftButton, {10, 10});
    EXPECT_EQ(w.ZoomColors.size(), 2u);
}

// A desktop that takes its pictures at twice the screen's pixels (a scaled
// monitor): the pointer is placed on the picture at that scale.
TEST(ZoomPortal, PictureAtAnotherScaleIsSampledUnderThePointer)
{
    TPortalZoom z;
    Tgrab_color& w = z.open();
    const QSize desktop = TPortalZoom::DesktopSize();
    z.portal.answerPicture(z.f.fake.screen.picture.copy(QRect(QPoint(0, 0), desktop * 2)));
    EXPECT_EQ(w.Still()->pictureScale(), 2.0);
    w.cbSrediste->setChecked(false);
    const QPoint pointer(desktop.width() - 150, 40); // screen pixels, outside the zoom window
    z.tickAt(pointer);
    ASSERT_TRUE(w.Panel1->isHidden());
    const TMagnifierStep step = MagnifierStep(5, w.Image1->size(), pointer * 2, desktop * 2);
    EXPECT_EQ(w.LivePicture.pixel(0, 0), ScreenPixel(step.source.left(), step.source.top()));
}

TEST(ZoomPortal, RefusedScreenshotsGiveSinglePicksWithTheDesktopsPicker)
{
    const char* refusal = "The desktop refused the screenshot.";
    for (TPortalAnswer::Kind kind : {TPortalAnswer::Kind::Refused, TPortalAnswer::Kind::NotOffered}) {
        TPortalZoom z;
        Tgrab_color& w = z.open();
        z.portal.answerFailure(kind, refusal);
        EXPECT_EQ(w.Still()->state(), TStillScreen::State::Picking);
        EXPECT_TRUE(z.f.fake.dialogs.shown.empty()) << "said in the status, not in a box";
        z.tickAt(z.outside());
        EXPECT_EQ(w.StatusText(0), "Pick colors");
        EXPECT_EQ(w.StatusText(1),
                  QString(refusal) + " Press Ctrl+G or \"Pick a color\" to use the desktop's own picker.");
        EXPECT_EQ(w.StillButton->text(), "Pick a color");
        EXPECT_FALSE(w.StillNote->isHidden());
        EXPECT_EQ(w.StillNote->text(), w.StatusText(1)) << "written out where it can be read";
        EXPECT_TRUE(w.myhelp->isHidden());
        EXPECT_TRUE(VisiblePictureWindows().empty());

        z.keys.press(16455);
        EXPECT_EQ(z.portal.requests, (QStringList{"Screenshot", "PickColor"}));
        z.keys.press(16455); // a second press while the picker is open asks nothing more
        EXPECT_EQ(z.portal.requests.size(), 2);
        z.portal.answerColor(51, 102, 204);
        ASSERT_EQ(w.ZoomColors.size(), 1u);
        EXPECT_EQ(w.ZoomColors[0].Red, 51);
        EXPECT_EQ(w.ZoomColors[0].Green, 102);
        EXPECT_EQ(w.ZoomColors[0].Blue, 204);
        EXPECT_EQ(z.form->Grab.SampledColor, (TRgbColor{51, 102, 204}));
        EXPECT_EQ(w.v_b->text(), "B : 204");
        EXPECT_TRUE(z.form->grabPage->ImageButton3->isEnabled());

        // The button picks too; a failed pick says why and adds nothing.
        w.StillButton->click();
        EXPECT_EQ(z.portal.requests.size(), 3);
        z.portal.answerFailure(TPortalAnswer::Kind::Refused, "The color pick was cancelled.");
        EXPECT_EQ(w.ZoomColors.size(), 1u);
        EXPECT_EQ(z.f.fake.dialogs.texts(), QStringList{"The color pick was cancelled."});

        z.closeZoom();
        ASSERT_EQ(z.form->Grab.GrabbedColors.size(), 1u);
        EXPECT_EQ(z.form->Grab.GrabbedColors[0].Blue, 204);
    }
}

TEST(ZoomPortal, FailuresAreSaidInABoxAndInTheStatus)
{
    const std::pair<TPortalAnswer::Kind, const char*> cases[] = {
        {TPortalAnswer::Kind::NoService, "The desktop portal is not running."},
        {TPortalAnswer::Kind::TimedOut, "The desktop did not answer the screenshot request within 60 s."},
        {TPortalAnswer::Kind::Unreadable, "The screenshot /tmp/x.png could not be read: bad."},
        {TPortalAnswer::Kind::Failed, "The desktop portal failed: oops"},
    };
    for (const auto& [kind, text] : cases) {
        SCOPED_TRACE(text);
        TPortalZoom z;
        Tgrab_color& w = z.open();
        z.portal.answerFailure(kind, text);
        ASSERT_EQ(z.f.fake.dialogs.shown.size(), 1u);
        EXPECT_EQ(z.f.fake.dialogs.shown[0].icon, TMsgIcon::Error);
        EXPECT_EQ(z.f.fake.dialogs.shown[0].text, text);
        z.tickAt(z.outside());
        EXPECT_EQ(w.StatusText(0), "No picture");
        EXPECT_EQ(w.StatusText(1), QString(text) + " Press F5 to try again.");
        z.keys.press(16455);
        EXPECT_EQ(z.portal.requests, QStringList{"Screenshot"}) << "the grab key asks nothing";
        EXPECT_TRUE(w.ZoomColors.empty());

        // Trying again works once the desktop answers.
        QTest::keyClick(&w, Qt::Key_F5);
        EXPECT_EQ(z.portal.requests, (QStringList{"Screenshot", "Screenshot"}));
        z.portal.answerPicture(z.still);
        EXPECT_EQ(w.Still()->state(), TStillScreen::State::Showing);
        z.tickAt(z.outside());
        EXPECT_TRUE(w.StillNote->isHidden());
        EXPECT_FALSE(w.myhelp->isHidden());
        EXPECT_EQ(w.StillButton->text(), "New screenshot (F5)");
        EXPECT_TRUE(w.StillButton->isEnabled());
    }
}

TEST(ZoomPortal, F5TakesANewScreenshotWithThePicturesOutOfTheWay)
{
    TPortalZoom z;
    Tgrab_color& w = z.openShowing();
    w.Still()->settleMs = 0;
    z.tickAt(z.outside());

    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_EQ(w.Still()->state(), TStillScreen::State::Waiting);
    EXPECT_TRUE(VisiblePictureWindows().empty()) << "the desktop must see what is under them";
    EXPECT_EQ(z.portal.requests.size(), 1) << "asked only once the pictures are gone";
    QTRY_COMPARE(z.portal.requests.size(), 2);
    z.tickAt(z.outside());
    EXPECT_EQ(w.StatusText(0), "Waiting");

    QImage changed = z.still;
    changed.fill(qRgb(51, 102, 204));
    z.portal.answerPicture(changed);
    EXPECT_FALSE(VisiblePictureWindows().empty());
    z.tickAt(z.outside());
    EXPECT_EQ(z.form->Grab.SampledColor, (TRgbColor{51, 102, 204}));

    // A new screenshot that fails keeps the one before, and says why.
    QTest::keyClick(&w, Qt::Key_F5);
    QTRY_COMPARE(z.portal.requests.size(), 3);
    z.portal.answerFailure(TPortalAnswer::Kind::TimedOut, "late");
    EXPECT_EQ(w.Still()->state(), TStillScreen::State::Showing);
    EXPECT_FALSE(VisiblePictureWindows().empty());
    EXPECT_EQ(z.f.fake.dialogs.texts(), QStringList{"late"});
    z.tickAt(z.outside() + QPoint(1, 1));
    EXPECT_EQ(z.form->Grab.SampledColor, (TRgbColor{51, 102, 204}));

    // F5 typed into a hot-key field is a combination for the field.
    w.HotKey1->setFocus();
    QApplication::setActiveWindow(&w);
    if (QApplication::focusWidget() == w.HotKey1) {
        QTest::keyClick(w.HotKey1, Qt::Key_F5);
        EXPECT_EQ(z.portal.requests.size(), 3);
    }
}

TEST(ZoomPortal, ClosingEndsTheRequestAndTakesThePicturesAlong)
{
    {
        TPortalZoom z;
        z.open();
        z.closeZoom();
        EXPECT_EQ(z.portal.cancels, 1) << "closing while waiting gives the request up";
        EXPECT_TRUE(z.form->isVisible());
    }
    {
        TPortalZoom z;
        Tgrab_color& w = z.openShowing();
        z.tickAt(z.outside());
        z.keys.press(16455);
        ASSERT_FALSE(VisiblePictureWindows().empty());
        // Esc over the picture ends the zoom window as its close box does.
        QTest::keyClick(VisiblePictureWindows().front(), Qt::Key_Escape);
        QTRY_VERIFY(z.form->isVisible());
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_TRUE(VisiblePictureWindows().empty());
        EXPECT_EQ(z.form->Grab.GrabbedColors.size(), 1u);
        EXPECT_TRUE(z.form->isVisible());
    }
    {
        TPortalZoom z;
        z.openShowing();
        // Closed by the desktop (its own close key on the full-screen window).
        VisiblePictureWindows().front()->close();
        QTRY_VERIFY(z.form->isVisible());
        EXPECT_TRUE(VisiblePictureWindows().empty());
    }
}

TEST(ZoomPortal, X11SessionAsksThePortalNothing)
{
    TPortalSessionOverride session(false);
    TFakeScreenPortal portal;
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    QCoreApplication::processEvents();
    EXPECT_TRUE(portal.requests.isEmpty());
    EXPECT_EQ(w.Still(), nullptr);
    EXPECT_EQ(w.StillButton, nullptr);
    z.tickAt(z.outside());
    EXPECT_EQ(w.StatusText(1), "Preess Ctrl+G to grab colors,Ctrl+Z to capture zooming area.");
}

TEST(WindowKeys, HeldCombinationsAreCaughtOnTheirWayToAnyWindow)
{
    TWindowKeys keys;
    TGlobalKeysOverride guard(keys);
    std::vector<std::pair<int, unsigned>> pressed;
    keys.onPressed = [&](int key, unsigned modifiers) { pressed.push_back({key, modifiers}); };

    EXPECT_TRUE(keys.canGrab(0x47, GlobalModControl));
    EXPECT_TRUE(keys.grab(0x47, GlobalModControl));
    EXPECT_FALSE(keys.grab(0x47, GlobalModControl)) << "held already";
    EXPECT_FALSE(keys.canGrab(0x47, GlobalModControl));
    EXPECT_FALSE(keys.grab(0, GlobalModControl));

    QLineEdit edit;
    edit.show();
    QTest::keyClick(&edit, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier); // not held
    QTest::keyClick(&edit, Qt::Key_H, Qt::ControlModifier); // not held
    QTest::keyClick(&edit, Qt::Key_G, Qt::ControlModifier, -1);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_G, Qt::ControlModifier, QString(), true);
    QApplication::sendEvent(&edit, &repeat);
    ASSERT_EQ(pressed.size(), 2u);
    EXPECT_EQ(pressed[0], (std::pair<int, unsigned>{0x47, GlobalModControl}));

    EXPECT_TRUE(keys.release(0x47, GlobalModControl));
    EXPECT_FALSE(keys.release(0x47, GlobalModControl));
    QTest::keyClick(&edit, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(pressed.size(), 2u);
}

} // namespace
