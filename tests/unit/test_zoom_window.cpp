// The zoom window on a fed screen and a fake keyboard: its opening, the
// magnifier's arithmetic, freezing and grabbing by hot key and by click, the
// hot-key fields and what closing hands over.
#include "ZoomFixture.h"
#include "grab/GrabPage.h"
#include "grab/HotKeyEdit.h"
#include "grab/Magnifier.h"
#include "help/HelpMenu.h"
#include "widgets/Widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kNotAvailable = QStringLiteral(" is not available for registration.");

bool IsBlack(const QImage& img, int x, int y)
{
    return (img.pixel(x, y) & 0xFFFFFF) == 0;
}

// ---------------------------------------------------------------- opening

TEST(ZoomOpening, DefaultKeysAreRegisteredWithoutAWord)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    EXPECT_EQ(w.windowTitle(), "Tintwell V1.0 - Zoom Window");
    EXPECT_EQ(w.size(), QSize(414, 300));
    EXPECT_EQ(w.minimumSize(), QSize(414, 300));
    EXPECT_EQ(w.maximumSize(), QSize(614, 500));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.Image1->size(), QSize(293, 281));
    EXPECT_EQ(w.HotKey1->value(), 16474);
    EXPECT_EQ(w.HotKey2->value(), 16455);
    EXPECT_EQ(w.ZoomKey, 16474u);
    EXPECT_EQ(w.GrabKey, 16455u);
    EXPECT_TRUE(w.HotKeyManager1->Contains(16474));
    EXPECT_TRUE(w.HotKeyManager1->Contains(16455));
    EXPECT_TRUE(z.f.fake.dialogs.shown.empty());
    EXPECT_EQ(w.StatusText(0), "Grab");
    EXPECT_EQ(w.StatusText(1), "hint");
    EXPECT_EQ(w.Slider->value(), 5);
    EXPECT_TRUE(w.cbSrediste->isChecked());
    EXPECT_FALSE(w.Panel1->isHidden());
    EXPECT_TRUE(w.Image1->isHidden());
    EXPECT_FALSE(w.frameGeometry().contains(z.outside()));
}

TEST(ZoomOpening, EmptyStoredKeysAreWrittenAsTheDefaults)
{
    TZoomFixture z;
    z.f.storeDefaults();
    z.f.storeValues({{"zoomHotKey", ""}, {"grabHotKey", ""}});
    Tgrab_color& w = z.openZoom();
    EXPECT_EQ(w.HotKey1->value(), 16474);
    EXPECT_EQ(w.HotKey2->value(), 16455);
    const QStringList stored = z.f.storedValues();
    ASSERT_EQ(stored.size(), 7);
    EXPECT_EQ(stored[2], "Ctrl+Z");
    EXPECT_EQ(stored[3], "Ctrl+G");
}

struct TOpeningCase {
    const char* name;
    const char* zoomText;
    const char* grabText;
    bool grabHeldElsewhere;
    std::uint16_t field1, field2;
    THotKey zoomKey, grabKey;
    QList<QPair<TMsgIcon, QString>> messages;
};

TEST(ZoomOpening, KeysThatAreNoHotKeyOrNotFreeAreReportedAndCleared)
{
    const TOpeningCase cases[] = {
        {"zoom text is no hot key",
         "Foo+Z",
         "Ctrl+G",
         false,
         0,
         16455,
         0,
         16455,
         {{TMsgIcon::Confirm, "You need to start zooming"}, {TMsgIcon::Information, kNotAvailable}}},
        {"both empty after parsing",
         "Ctrl",
         "Shift+",
         false,
         0,
         0,
         0,
         0,
         {{TMsgIcon::Confirm, "You need to start zooming"},
          {TMsgIcon::Confirm, "You need to set one HotKey to grab color on the screen."},
          {TMsgIcon::Information, kNotAvailable},
          {TMsgIcon::Information, kNotAvailable}}},
        {"grab key held by another program",
         "Ctrl+Z",
         "Ctrl+G",
         true,
         16474,
         0,
         16474,
         0,
         {{TMsgIcon::Information, "Ctrl+G" + kNotAvailable}}},
        {"the same key twice: the zoom key wins",
         "Ctrl+G",
         "Ctrl+G",
         false,
         16455,
         0,
         16455,
         0,
         {{TMsgIcon::Information, "Ctrl+G" + kNotAvailable}}},
        {"Win does not fit the field", "Win+Z", "Alt+F2", false, 0x5A, 0x8071, 0x5A, 0x8071, {}},
    };
    for (const TOpeningCase& c : cases) {
        SCOPED_TRACE(c.name);
        TZoomFixture z;
        z.f.storeDefaults();
        z.f.storeValues({{"zoomHotKey", c.zoomText}, {"grabHotKey", c.grabText}});
        if (c.grabHeldElsewhere)
            z.keys.heldElsewhere.insert({'G', MOD_CONTROL});
        Tgrab_color& w = z.openZoom();
        EXPECT_EQ(w.HotKey1->value(), c.field1);
        EXPECT_EQ(w.HotKey2->value(), c.field2);
        EXPECT_EQ(w.ZoomKey, c.zoomKey);
        EXPECT_EQ(w.GrabKey, c.grabKey);
        QList<QPair<TMsgIcon, QString>> shown;
        for (const TShownBox& b : z.f.fake.dialogs.shown)
            shown.append({b.icon, b.text});
        EXPECT_EQ(shown, c.messages);
        // Only what was accepted is held.
        std::set<TFakeGlobalKeys::TCombination> expected;
        for (THotKey k : {c.zoomKey, c.grabKey})
            if (k) {
                unsigned mods = 0, key = 0;
                SplitHotKey(k, mods, key);
                expected.insert({int(key), mods});
            }
        EXPECT_EQ(z.keys.held, expected);
    }
}

// ---------------------------------------------------------------- magnifier

struct TTickCase {
    const char* name;
    int slider;
    QPoint pointer;
    QRect source; // screen rectangle shown
    QPoint sampleAt; // screen pixel that becomes the sampled colour
    QPoint cross; // crosshair centre in the picture
};

// Opening size 293 x 281 on a 1600 x 1200 screen.
const TTickCase kTicks[] = {
    {"zoom 5", 5, {1000, 700}, {988, 688, 24, 24}, {999, 700}, {144, 144}},
    {"zoom 0", 0, {1000, 700}, {927, 630, 146, 140}, {1000, 700}, {146, 140}},
    {"zoom 10", 10, {1000, 700}, {993, 694, 14, 12}, {1000, 699}, {154, 132}},
    {"top-left corner", 5, {0, 0}, {0, 0, 24, 24}, {0, 0}, {0, 0}},
    {"near the right edge", 5, {1595, 600}, {1576, 588, 24, 24}, {1594, 600}, {228, 144}},
    {"on the bottom row", 5, {800, 1199}, {788, 1176, 24, 24}, {799, 1199}, {144, 276}},
};

TEST(Magnifier, TickEnlargesTheSourceSamplesAndShowsTheColour)
{
    for (const TTickCase& c : kTicks) {
        SCOPED_TRACE(c.name);
        TZoomFixture z;
        Tgrab_color& w = z.openZoom();
        w.Slider->setValue(c.slider);
        w.cbSrediste->setChecked(false);
        z.tickAt(c.pointer);

        const TMagnifierStep step = MagnifierStep(c.slider, {293, 281}, c.pointer, {1600, 1200});
        EXPECT_EQ(step.source, c.source);
        EXPECT_EQ(step.cross, c.cross);
        EXPECT_EQ(step.sample, c.cross + QPoint(1, 1));

        const QImage& pic = w.LivePicture;
        ASSERT_EQ(pic.size(), QSize(293, 281));
        // Nearest neighbour, picture pixel x from source column x * sw / 293 rounded down.
        EXPECT_EQ(pic.pixel(0, 0), ScreenPixel(c.source.left(), c.source.top()));
        EXPECT_EQ(pic.pixel(292, 280), ScreenPixel(c.source.right(), c.source.bottom()));
        const int sw = c.source.width();
        for (int x : {146, 147, 200}) {
            const int column = x * sw / 293;
            EXPECT_EQ(pic.pixel(x, 3),
                      ScreenPixel(c.source.left() + column, c.source.top() + 3 * c.source.height() / 281))
                << "x " << x;
        }
        EXPECT_EQ(z.form->Grab.SampledColor, ScreenColor(c.sampleAt.x(), c.sampleAt.y()));
        const TRgbColor s = z.form->Grab.SampledColor;
        EXPECT_EQ(w.v_r->text(), QStringLiteral("R : %1").arg(s.Red));
        EXPECT_EQ(w.v_g->text(), QStringLiteral("G : %1").arg(s.Green));
        EXPECT_EQ(w.v_b->text(), QStringLiteral("B : %1").arg(s.Blue));
    }
}

TEST(Magnifier, SampleAtOpeningSizeIsReadAt145And145)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    z.tickAt({1000, 700});
    const QRgb read = w.LivePicture.pixel(145, 145);
    EXPECT_EQ(z.form->Grab.SampledColor, (TRgbColor{qRed(read), qGreen(read), qBlue(read)}));
    // The preview box is painted with it, framed in dark grey.
    const QImage preview = w.from_grabColor->grab().toImage();
    EXPECT_EQ(preview.pixel(20, 20) & 0xFFFFFF, read & 0xFFFFFF);
    EXPECT_EQ(preview.pixel(0, 0) & 0xFFFFFF, qRgb(70, 70, 70) & 0xFFFFFF);
    EXPECT_EQ(preview.pixel(55, 34) & 0xFFFFFF, qRgb(70, 70, 70) & 0xFFFFFF);
}

TEST(Magnifier, CrosshairIsDrawnAfterSamplingWithItsEndPointsLeftOut)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    z.tickAt({1000, 700});
    const QImage& pic = w.LivePicture;
    // Centre (144, 144); arms 293 div 4 = 73 across and 281 div 4 = 70 down.
    for (QPoint p : {QPoint(144, 144), QPoint(71, 144), QPoint(216, 144), QPoint(144, 74), QPoint(144, 213)})
        EXPECT_TRUE(IsBlack(pic, p.x(), p.y())) << p.x() << "," << p.y();
    for (QPoint p :
         {QPoint(70, 144), QPoint(217, 144), QPoint(144, 73), QPoint(144, 214), QPoint(145, 145), QPoint(143, 143)})
        EXPECT_FALSE(IsBlack(pic, p.x(), p.y())) << p.x() << "," << p.y();
    EXPECT_EQ(z.form->Grab.SampledColor, ScreenColor(999, 700));

    // At the corner the arms are cut at the picture's edges.
    z.tickAt({0, 0});
    EXPECT_TRUE(IsBlack(pic, 0, 0));
    EXPECT_TRUE(IsBlack(pic, 72, 0));
    EXPECT_FALSE(IsBlack(pic, 73, 0));
    EXPECT_TRUE(IsBlack(pic, 0, 69));
    EXPECT_FALSE(IsBlack(pic, 0, 70));
    EXPECT_EQ(z.form->Grab.SampledColor, ScreenColor(0, 0));
}

TEST(Magnifier, HalvesGoToTheEvenNeighbour)
{
    struct {
        QSize picture;
        int dx, dy;
    } cases[] = {
        {{300, 324}, 12, 14}, // 12.5 and 13.5 at d = 24
        {{301, 323}, 13, 13}, // just above and below the halves
        {{293, 281}, 12, 12},
    };
    for (const auto& c : cases) {
        const TMagnifierStep s = MagnifierStep(5, c.picture, {500, 500}, {1600, 1200});
        EXPECT_EQ(s.d, 24);
        EXPECT_EQ(s.dx, c.dx) << c.picture.width();
        EXPECT_EQ(s.dy, c.dy) << c.picture.height();
    }
}

TEST(Magnifier, LargestWindowStillSamplesInsideThePicture)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    w.resize(614, 500);
    w.FormResize(); // a window never shown gets its resize event only when shown
    ASSERT_EQ(w.Image1->size(), QSize(493, 481));
    w.cbSrediste->setChecked(false); // the crosshair would cover a sample moved onto its line
    for (int zoom : {0, 5, 10})
        for (QPoint p : {QPoint(1599, 1199), QPoint(0, 1199), QPoint(1000, 700)}) {
            w.Slider->setValue(zoom);
            z.tickAt(p);
            EXPECT_EQ(w.LivePicture.size(), QSize(493, 481));
            const TMagnifierStep s = MagnifierStep(zoom, {493, 481}, p, {1600, 1200});
            const QRgb read = w.LivePicture.pixel(std::min(s.sample.x(), 492), std::min(s.sample.y(), 480));
            EXPECT_EQ(z.form->Grab.SampledColor, (TRgbColor{qRed(read), qGreen(read), qBlue(read)}));
        }
}

// ---------------------------------------------------------------- states

// At rest (same screen pixels, same pointer) a tick leaves the live picture
// untouched; any change that shows must still reach it.
TEST(Magnifier, TickAtRestRepaintsNothingAndAnyChangeRepaints)
{
    struct TCase {
        const char* name;
        std::function<void(TZoomFixture&, Tgrab_color&)> change;
        bool repaints;
    };
    const TCase cases[] = {
        {"nothing changed", [](TZoomFixture&, Tgrab_color&) {}, false},
        {"pointer one pixel right", [](TZoomFixture& z, Tgrab_color&) { z.f.fake.screen.pointer += QPoint(1, 0); },
         true},
        {"a screen pixel changed",
         [](TZoomFixture& z, Tgrab_color&) { z.f.fake.screen.picture.setPixel(1005, 702, qRgb(1, 2, 3)); }, true},
        {"a screen pixel changed far away",
         [](TZoomFixture& z, Tgrab_color&) { z.f.fake.screen.picture.setPixel(10, 10, qRgb(1, 2, 3)); }, false},
        {"zoom factor", [](TZoomFixture&, Tgrab_color& w) { w.Slider->setValue(3); }, true},
        {"crosshair off", [](TZoomFixture&, Tgrab_color& w) { w.cbSrediste->setChecked(false); }, true},
        {"window resized",
         [](TZoomFixture&, Tgrab_color& w) {
             w.resize(500, 400);
             w.FormResize();
         },
         true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TZoomFixture z;
        Tgrab_color& w = z.openZoom();
        z.tickAt(z.outside());
        const qint64 before = w.LivePicture.cacheKey();
        c.change(z, w);
        w.MagnifierTick();
        EXPECT_EQ(w.LivePicture.cacheKey() != before, c.repaints);
    }
}

TEST(Magnifier, ResumingAfterAFreezeShowsTheLiveColourAgain)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    z.tickAt(z.outside());
    const TRgbColor live = z.form->Grab.SampledColor;
    z.keys.press(16474); // freeze
    w.Image2MouseMove({3, 3});
    ASSERT_NE(z.form->Grab.SampledColor, live);
    z.keys.press(16474); // resume; the pointer has not moved
    w.MagnifierTick();
    EXPECT_EQ(z.form->Grab.SampledColor, live);
    EXPECT_EQ(w.v_r->text(), QStringLiteral("R : %1").arg(live.Red));
}

TEST(ZoomStates, PointerInsideShowsTheSettingsAndOutsideTheMagnifier)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    z.tickAt(z.outside());
    EXPECT_TRUE(w.Panel1->isHidden());
    EXPECT_FALSE(w.Image1->isHidden());
    EXPECT_EQ(w.StatusText(0), "Start zooming");
    EXPECT_EQ(w.StatusText(1), "Preess Ctrl+G to grab colors,Ctrl+Z to capture zooming area.");
    EXPECT_EQ(w.myhelp->text(), "(Set HotKey Ctrl+G to grab colors.)");

    const TRgbColor before = z.form->Grab.SampledColor;
    z.tickAt(z.inside());
    EXPECT_FALSE(w.Panel1->isHidden());
    EXPECT_TRUE(w.Image1->isHidden());
    EXPECT_EQ(w.StatusText(0), "Pause zooming");
    EXPECT_EQ(w.StatusText(1), "");
    EXPECT_EQ(z.form->Grab.SampledColor, before) << "nothing is sampled inside";

    // The window's edges: left/top inside, right/bottom outside.
    const QRect r = w.frameGeometry();
    z.tickAt(r.topLeft());
    EXPECT_EQ(w.StatusText(0), "Pause zooming");
    z.tickAt(QPoint(r.x() + r.width(), r.y()));
    EXPECT_EQ(w.StatusText(0), "Start zooming");
}

TEST(ZoomStates, WithoutAZoomKeyTheHintSaysSo)
{
    TZoomFixture z;
    z.f.storeDefaults();
    z.f.storeValues({{"zoomHotKey", "Foo"}});
    Tgrab_color& w = z.openZoom();
    z.tickAt(z.outside());
    EXPECT_EQ(w.myhelp->text(), "(You have not set up your hotkey!)");
    EXPECT_EQ(w.StatusText(1), "Preess Ctrl+G to grab colors, to capture zooming area.");
}

TEST(ZoomStates, ZoomKeyFreezesThePictureAndResumes)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    z.tickAt(z.outside());
    const QImage live = w.LivePicture.copy();

    z.keys.press(16474);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.StatusText(0), "Stop zooming");
    EXPECT_EQ(w.StatusText(1), "Sample colors now! Or preess Ctrl+Z to resume zooming");
    EXPECT_TRUE(w.Image1->isHidden());
    EXPECT_FALSE(w.Image2->isHidden());
    EXPECT_EQ(w.FrozenPicture.convertToFormat(QImage::Format_RGB32), live) << "crosshair included";

    // The grab key does nothing while frozen.
    z.keys.press(16455);
    EXPECT_TRUE(w.ZoomColors.empty());

    z.keys.press(16474);
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 25);
    EXPECT_EQ(w.StatusText(0), "Start zooming");
    EXPECT_EQ(w.StatusText(1), "Preess Ctrl+G to grab colors");
    EXPECT_FALSE(w.Image1->isHidden());
    EXPECT_TRUE(w.Image2->isHidden());
}

TEST(ZoomStates, HotKeysActWhileAHotKeyFieldHasTheFocus)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    z.tickAt(z.inside()); // the settings, with the fields, are in front
    ASSERT_FALSE(w.Panel1->isHidden());
    for (THotKeyEdit* field : {w.HotKey1, w.HotKey2}) {
        field->setFocus();
        ASSERT_EQ(w.focusWidget(), field);
        const std::uint16_t shown = field->value();
        z.keys.press(16474);
        EXPECT_FALSE(w.Timer1->isActive()) << "the zoom key freezes";
        EXPECT_EQ(w.StatusText(0), "Stop zooming");
        z.keys.press(16474);
        EXPECT_TRUE(w.Timer1->isActive()) << "and resumes";
        z.keys.press(16455);
        EXPECT_EQ(field->value(), shown) << "nothing is typed into the field";
        EXPECT_EQ(w.ZoomKey, 16474u);
        EXPECT_EQ(w.GrabKey, 16455u);
        EXPECT_TRUE(z.f.fake.dialogs.shown.empty());
    }
    // The pointer outside: the grab key grabs.
    z.tickAt(z.outside());
    z.keys.press(16455);
    EXPECT_EQ(w.ZoomColors.size(), 1u);

    // A combination this window does not hold is still typed into a field.
    z.tickAt(z.inside());
    w.HotKey1->setFocus();
    QTest::keyClick(w.HotKey1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(w.HotKey1->value(), 0x4051);
    EXPECT_EQ(w.ZoomKey, 0x4051u);
    z.keys.press(0x4051);
    EXPECT_FALSE(w.Timer1->isActive());
}

TEST(ZoomStates, FrozenPictureIsSampledByMouseAndGrabbedByClick)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    z.tickAt({1000, 700}); // source (988, 688, 24, 24)

    // While live, the frozen picture's handlers do nothing.
    w.Image2MouseMove({10, 10});
    w.Image2MouseDown(Qt::LeftButton, {10, 10});
    EXPECT_TRUE(w.ZoomColors.empty());

    z.keys.press(16474);
    w.Image2MouseMove({10, 10});
    EXPECT_EQ(z.form->Grab.SampledColor, ScreenColor(988, 688));
    EXPECT_EQ(w.v_r->text(), "R : 220");
    w.Image2MouseMove({5000, 5000}); // dragged off the picture
    EXPECT_EQ(z.form->Grab.SampledColor, ScreenColor(988, 688));
    w.Image2MouseDown(Qt::RightButton, {10, 10});
    ASSERT_EQ(w.ZoomColors.size(), 1u);
    EXPECT_EQ(w.ZoomColors[0].Red, 220);
    EXPECT_EQ(w.ZoomColors[0].Green, 688 & 0xFF);
    EXPECT_TRUE(z.form->grabPage->ImageButton3->isEnabled());
}

TEST(ZoomStates, GrabKeyGrabsOnlyWhileThePointerIsOutside)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    EXPECT_FALSE(z.form->grabPage->ImageButton3->isEnabled());
    z.tickAt(z.inside());
    z.keys.press(16455);
    EXPECT_TRUE(w.ZoomColors.empty());

    const QPoint points[] = {{100, 100}, {1200, 900}, {1500, 1100}};
    for (QPoint p : points) {
        z.tickAt(p);
        z.keys.press(16455);
    }
    ASSERT_EQ(w.ZoomColors.size(), 3u);
    EXPECT_EQ(TRgbColor({w.ZoomColors[1].Red, w.ZoomColors[1].Green, w.ZoomColors[1].Blue}), ScreenColor(1199, 900));
    // Two cells a row in the 64-pixel view.
    EXPECT_EQ(QPoint(w.ZoomColors[0].Left, w.ZoomColors[0].Top), QPoint(1, 0));
    EXPECT_EQ(QPoint(w.ZoomColors[1].Left, w.ZoomColors[1].Top), QPoint(31, 0));
    EXPECT_EQ(QPoint(w.ZoomColors[2].Left, w.ZoomColors[2].Top), QPoint(1, 30));
    EXPECT_EQ(w.paint_gbColors->height(), 60);
    EXPECT_TRUE(z.form->grabPage->ImageButton3->isEnabled());
}

// ---------------------------------------------------------------- fields

TEST(ZoomFields, TypedKeyGetsCtrlUnlessItHasCtrlOrAlt)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        std::uint16_t value;
    } cases[] = {
        {Qt::Key_Q, Qt::NoModifier, 0x4051},        {Qt::Key_W, Qt::ShiftModifier, 0x6057},
        {Qt::Key_F5, Qt::AltModifier, 0x8074},      {Qt::Key_P, Qt::ControlModifier | Qt::AltModifier, 0xC050},
        {Qt::Key_Plus, Qt::KeypadModifier, 0x406B},
    };
    for (const auto& c : cases) {
        QTest::keyClick(w.HotKey2, c.key, c.mods);
        EXPECT_EQ(w.HotKey2->value(), c.value) << c.value;
        EXPECT_EQ(w.GrabKey, c.value);
        EXPECT_EQ(w.myhelp->text(), "(Set HotKey " + FormatHotKey(c.value, true) + " to grab colors.)");
    }
    EXPECT_EQ(w.HotKey2->text(), "Ctrl+Num +");
    // Only the last accepted key is held, with the zoom key.
    EXPECT_EQ(z.keys.held, (std::set<TFakeGlobalKeys::TCombination>{{'Z', MOD_CONTROL}, {0x6B, MOD_CONTROL}}));
    EXPECT_TRUE(z.f.fake.dialogs.shown.empty());
}

TEST(ZoomFields, TheGrabKeyTypedIntoTheZoomFieldIsRefusedButStored)
{
    TZoomFixture z;
    {
        Tgrab_color& w = z.openZoom();
        QTest::keyClick(w.HotKey1, Qt::Key_G, Qt::ControlModifier);
        ASSERT_EQ(z.f.fake.dialogs.shown.size(), 1u);
        EXPECT_EQ(z.f.fake.dialogs.shown[0].icon, TMsgIcon::Information);
        EXPECT_EQ(z.f.fake.dialogs.shown[0].text, "Ctrl+G is not available for registration.");
        EXPECT_EQ(w.HotKey1->text(), "Ctrl+G");
        EXPECT_EQ(w.ZoomKey, 16474u);
        EXPECT_TRUE(w.HotKeyManager1->Contains(16474));
        z.closeZoom();
    }
    EXPECT_TRUE(z.keys.held.empty()) << "everything released when the window went";
    const QStringList stored = z.f.storedValues();
    EXPECT_EQ(stored.value(2), "Ctrl+G");
    EXPECT_EQ(stored.value(3), "Ctrl+G");

    // Next time the zoom key takes it and the grab key is refused.
    z.f.fake.dialogs.shown.clear();
    Tgrab_color& again = z.openZoom();
    EXPECT_EQ(again.ZoomKey, 16455u);
    EXPECT_EQ(again.GrabKey, 0u);
    EXPECT_EQ(again.HotKey2->value(), 0);
    EXPECT_EQ(z.f.fake.dialogs.texts(), QStringList{"Ctrl+G is not available for registration."});
}

TEST(ZoomFields, ClearingAFieldIsNoHotKeyAndKeepsTheRegisteredOne)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    QTest::keyClick(w.HotKey1, Qt::Key_Backspace);
    EXPECT_EQ(w.HotKey1->value(), 0);
    ASSERT_EQ(z.f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(z.f.fake.dialogs.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(z.f.fake.dialogs.shown[0].text, " doesn't appear to be a hotkey.");
    EXPECT_EQ(w.ZoomKey, 16474u);

    // A new key replaces the old one with the system.
    QTest::keyClick(w.HotKey1, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.ZoomKey, 0x6058u);
    EXPECT_FALSE(w.HotKeyManager1->Contains(16474));
    EXPECT_TRUE(z.keys.held.count({'X', MOD_CONTROL | MOD_SHIFT}));
    EXPECT_FALSE(z.keys.held.count({'Z', MOD_CONTROL}));
    z.keys.press(0x6058);
    EXPECT_FALSE(w.Timer1->isActive()) << "the new zoom key freezes";
}

TEST(ZoomFields, KeyHeldByAnotherProgramIsRefused)
{
    TZoomFixture z;
    z.keys.heldElsewhere.insert({'K', MOD_CONTROL});
    Tgrab_color& w = z.openZoom();
    QTest::keyClick(w.HotKey2, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(z.f.fake.dialogs.texts(), QStringList{"Ctrl+K is not available for registration."});
    EXPECT_EQ(w.GrabKey, 16455u);
    EXPECT_EQ(w.myhelp->text(), "");
}

TEST(ZoomFields, QuestionMarksShowTheirTips)
{
    TZoomFixture z;
    Tgrab_color& w = z.openZoom();
    QTest::mouseClick(w.Image3, Qt::LeftButton);
    EXPECT_EQ(
        z.form->helpMenu->TipText,
        "Set hotkey of Zooming to start the zooming activity and pause to capture the zooming area on the screen.");
    QTest::mouseClick(w.Image4, Qt::LeftButton);
    EXPECT_EQ(z.form->helpMenu->TipText,
              "Set hotkey of Grab color to select the color you want on the screen after the zooming starts.");
}

// ---------------------------------------------------------------- closing

TEST(ZoomClosing, ColoursFollowTheExistingOnesAndTheKeysAreStored)
{
    TZoomFixture z;
    TForm1& form = z.openForm();
    form.Grab.GrabbedColors = {TSwatch{1, 2, 3, 0, 0}, TSwatch{4, 5, 6, 0, 0}};
    Tgrab_color& w = z.openZoom();
    for (QPoint p : {QPoint(100, 100), QPoint(200, 100), QPoint(300, 100)}) {
        z.tickAt(p);
        z.keys.press(16455);
    }
    QTest::keyClick(w.HotKey2, Qt::Key_H, Qt::AltModifier);
    form.hide();
    z.closeZoom();

    ASSERT_EQ(form.Grab.GrabbedColors.size(), 5u);
    const QPoint cells[] = {{1, 0}, {31, 0}, {61, 0}, {91, 0}, {121, 0}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(QPoint(form.Grab.GrabbedColors[size_t(i)].Left, form.Grab.GrabbedColors[size_t(i)].Top), cells[i])
            << i;
    EXPECT_EQ(
        TRgbColor({form.Grab.GrabbedColors[3].Red, form.Grab.GrabbedColors[3].Green, form.Grab.GrabbedColors[3].Blue}),
        ScreenColor(199, 100));
    EXPECT_FALSE(form.isHidden());
    const QStringList stored = z.f.storedValues();
    ASSERT_EQ(stored.size(), 7);
    EXPECT_EQ(stored[2], "Ctrl+Z");
    EXPECT_EQ(stored[3], "Alt+H");
    EXPECT_TRUE(z.keys.held.empty());
}

TEST(ZoomClosing, NothingGrabbedLeavesTheListAsItWas)
{
    TZoomFixture z;
    TForm1& form = z.openForm();
    form.Grab.GrabbedColors = {TSwatch{1, 2, 3, 0, 0}};
    z.openZoom();
    z.closeZoom();
    ASSERT_EQ(form.Grab.GrabbedColors.size(), 1u);
    EXPECT_EQ(form.Grab.GrabbedColors[0].Left, 1);
}

} // namespace
