// Picking the current colour: the pictures of the square, the tracker and
// the mixer as the widgets render them, the pointer on all three, and the
// inputs with their guards. The arithmetic: test_color_picking_rules.cpp.
#include "app/TForm1.h"
#include "color/ColorArea.h"
#include "color/ColorPicking.h"
#include "support/FormFixture.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

// Found by argument lookup, so it stays outside the unnamed namespace.
static std::ostream& operator<<(std::ostream& os, const TRgbColor& c)
{
    return os << c.Red << "," << c.Green << "," << c.Blue;
}

namespace {

TRgbColor Rgb(QRgb c)
{
    return {qRed(c), qGreen(c), qBlue(c)};
}

// What a widget shows, rendered by the widget itself.
QImage Shown(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The same rendered for a screen with `ratio` device pixels per pixel.
QImage ShownAt(QWidget* w, qreal ratio)
{
    QImage out(int(std::ceil(w->width() * ratio)), int(std::ceil(w->height() * ratio)), QImage::Format_RGB32);
    out.setDevicePixelRatio(ratio);
    out.fill(Qt::magenta);
    w->render(&out);
    return out;
}

// Pointer events built by hand: QTest moves the press of a null point to
// the widget's centre, and its moves need not carry the held button.
void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void Press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}
void SendMove(QWidget* w, QPoint pos, Qt::MouseButton held)
{
    SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, held);
}
void Release(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

TRgbColor Inputs(const TColorArea& a)
{
    return {a.rgbInput_R->value(), a.rgbInput_G->value(), a.rgbInput_B->value()};
}

// ------------------------------------------------------ rendered pictures

TEST(ColorModelPictures, SquareShowsWholeModelPixelsAndTheMarker)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(255, 0, 0); // hue 0, marker in the top right corner
    const QImage square = Shown(a.Color_model1);
    ASSERT_EQ(square.size(), QSize(220, 220));

    // Model column 70 of row 0 is 255, 76, 76 and is displayed in columns 154..156.
    EXPECT_EQ(Rgb(square.pixel(154, 0)), (TRgbColor{255, 76, 76}));
    EXPECT_EQ(Rgb(square.pixel(156, 0)), (TRgbColor{255, 76, 76}));
    EXPECT_NE(Rgb(square.pixel(153, 0)), (TRgbColor{255, 76, 76}));
    EXPECT_EQ(Rgb(square.pixel(2, 2)), (TRgbColor{255, 255, 255}));

    // Away from the marker every pixel is the model pixel the stretch rule names.
    int wrong = 0;
    for (int y = 0; y < 220; ++y)
        for (int x = 0; x < 220; ++x) {
            if (x >= 215 && y <= 4)
                continue; // the marker
            const QRgb expected =
                form.Color.ModelImage.pixel(StretchSourceIndex(x, 100, 220), StretchSourceIndex(y, 100, 220));
            wrong += square.pixel(x, y) != expected;
        }
    EXPECT_EQ(wrong, 0);

    // Red adds up to 255: the marker is light, clipped at the box's edge.
    const QRgb light = qRgb(240, 240, 240);
    EXPECT_EQ(square.pixel(215, 0), light);
    EXPECT_EQ(square.pixel(215, 4), light);
    EXPECT_EQ(square.pixel(219, 4), light);
    EXPECT_NE(square.pixel(216, 3), light);
}

TEST(ColorModelPictures, SquareIsFilledForTheHueOfEveryChange)
{
    // The square's picture is kept while the hue stays; it must still be
    // the current hue's after each kind of change, and after the model
    // picture itself was replaced.
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    const auto expectHueOf = [&](const TRgbColor& c, const char* what) {
        QImage model;
        FillModelImage(model, std::int32_t(RgbToHsb(c).Hue));
        QImage square(220, 220, QImage::Format_RGB32);
        StretchNearest(model, square);
        const TMarkerPlaces places = PlaceMarkers(c);
        DrawModelMarker(square, places.ModelX, places.ModelY, MarkerColorFor(c));
        EXPECT_EQ(a.SquarePicture(), square) << what;
    };
    const struct {
        TRgbColor color;
        const char* what;
    } steps[] = {
        {{255, 0, 0}, "red"},
        {{128, 0, 0}, "a darker red: the same hue"},
        {{0, 0, 255}, "blue: another hue"},
        {{255, 0, 0}, "back to red"},
        {{200, 120, 40}, "orange"},
    };
    for (const auto& step : steps) {
        form.SetCurrentColor(step.color.Red, step.color.Green, step.color.Blue);
        expectHueOf(step.color, step.what);
    }
    // A typed channel that keeps the hue.
    a.rgbInput_G->setValue(119);
    expectHueOf({200, 119, 40}, "green typed");
    // A new, blank model picture of the same hue.
    form.Color.ModelImage = QImage(100, 100, QImage::Format_RGB32);
    form.Color.ModelImage.fill(Qt::black);
    form.SetCurrentColor(200, 119, 40);
    expectHueOf({200, 119, 40}, "after the model picture was replaced");
}

TEST(ColorModelPictures, MarkerTurnsDarkAbove400)
{
    TFormFixture f;
    TForm1& form = f.open();
    const struct {
        TRgbColor color;
        QRgb marker;
    } cases[] = {
        {{200, 200, 0}, qRgb(240, 240, 240)}, // exactly 400
        {{201, 200, 0}, qRgb(40, 40, 40)},
        {{255, 255, 255}, qRgb(40, 40, 40)},
        {{0, 0, 0}, qRgb(240, 240, 240)},
    };
    for (const auto& c : cases) {
        form.SetCurrentColor(c.color.Red, c.color.Green, c.color.Blue);
        const QImage square = Shown(form.colorArea->Color_model1);
        // A side of the outline that lies inside the box, on the marker's row.
        const int side = form.Color.ModelX >= 4 ? form.Color.ModelX - 4 : form.Color.ModelX + 4;
        EXPECT_EQ(square.pixel(side, form.Color.ModelY), c.marker) << c.color;
    }
}

TEST(ColorModelPictures, TrackerShowsTheHuesAndFramesTheMarkerRow)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.SetCurrentColor(0, 255, 255); // hue 180
    ASSERT_EQ(form.Color.TrackerY, 109);
    const QImage tracker = Shown(form.colorArea->Color_tracker);
    ASSERT_EQ(tracker.size(), QSize(20, 220));

    EXPECT_EQ(Rgb(tracker.pixel(5, 0)), PureHueColor(359));
    EXPECT_EQ(Rgb(tracker.pixel(5, 219)), PureHueColor(2)); // strip row 357
    EXPECT_EQ(Rgb(tracker.pixel(5, 218)), PureHueColor(4)); // strip row 355
    const QRgb frame = qRgb(20, 20, 20);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(tracker.pixel(x, 107), frame) << x;
        EXPECT_EQ(tracker.pixel(x, 111), frame) << x;
    }
    for (int y = 108; y <= 110; ++y) {
        EXPECT_EQ(tracker.pixel(0, y), frame);
        EXPECT_EQ(tracker.pixel(19, y), frame);
        EXPECT_EQ(Rgb(tracker.pixel(1, y)), PureHueColor(359 - StretchSourceIndex(y, 359, 220)));
        EXPECT_EQ(Rgb(tracker.pixel(18, y)), PureHueColor(359 - StretchSourceIndex(y, 359, 220)));
    }
    EXPECT_NE(tracker.pixel(5, 106), frame);
    EXPECT_NE(tracker.pixel(5, 112), frame);
}

TEST(ColorModelPictures, MixerDrawsTwelveFramedCellsWithGaps)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(255, 0, 0);
    const QImage strip = Shown(a.Color_mixer);
    ASSERT_EQ(strip.size(), QSize(252, 23));
    const QRgb black = qRgb(0, 0, 0);
    const QRgb background = strip.pixel(20, 10); // the gap shows the page
    EXPECT_NE(background, black);
    const int reds[] = {239, 222, 205, 187, 169, 150, 130, 109, 87, 63, 36, 5};
    for (int i = 0; i < 12; ++i) {
        const int left = 21 * i;
        EXPECT_EQ(strip.pixel(left, 0), black) << i;
        EXPECT_EQ(strip.pixel(left + 19, 19), black) << i;
        EXPECT_EQ(strip.pixel(left, 10), black) << i;
        EXPECT_EQ(Rgb(strip.pixel(left + 1, 1)), (TRgbColor{reds[i], 0, 0})) << i;
        EXPECT_EQ(Rgb(strip.pixel(left + 18, 18)), (TRgbColor{reds[i], 0, 0})) << i;
        EXPECT_EQ(strip.pixel(left + 20, 10), background) << i;
        EXPECT_EQ(strip.pixel(left + 10, 20), background) << i;
        EXPECT_EQ(strip.pixel(left + 10, 22), background) << i;
    }
}

TEST(ColorModelPictures, ColourBoxesAreFramedFills)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.SetCurrentColor(12, 200, 0);
    const QImage box = Shown(form.colorArea->result_newColor);
    const QRgb border = qRgb(71, 71, 71);
    EXPECT_EQ(box.pixel(0, 0), border);
    EXPECT_EQ(box.pixel(59, 39), border);
    EXPECT_EQ(Rgb(box.pixel(1, 1)), (TRgbColor{12, 200, 0}));
    EXPECT_EQ(Rgb(box.pixel(58, 38)), (TRgbColor{12, 200, 0}));
    // Nothing was added yet: the last added box stays black.
    EXPECT_EQ(Rgb(Shown(form.colorArea->result_oldColor).pixel(30, 20)), (TRgbColor{0, 0, 0}));
}

TEST(ColorModelPictures, DenseScreensShowTheSamePixelsEnlarged)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(200, 100, 30);
    const struct {
        QWidget* box;
        const QImage& picture;
    } boxes[] = {
        {a.Color_model1, a.SquarePicture()},
        {a.Color_tracker, a.TrackerPicture()},
    };
    for (qreal ratio : {2.0, 1.5, 1.25}) {
        for (const auto& b : boxes) {
            const QImage device = ShownAt(b.box, ratio);
            int wrong = 0;
            for (int y = 0; y < device.height(); ++y)
                for (int x = 0; x < device.width(); ++x) {
                    const int lx = std::min(int(std::floor(x / ratio + 1e-9)), b.picture.width() - 1);
                    const int ly = std::min(int(std::floor(y / ratio + 1e-9)), b.picture.height() - 1);
                    wrong += device.pixel(x, y) != b.picture.pixel(lx, ly);
                }
            EXPECT_EQ(wrong, 0) << b.box->objectName().toStdString() << " at " << ratio;
        }
    }
}

// ------------------------------------------------------------- the pointer

TEST(ModelSquarePointer, PressPlacesTheMarkerAndTakesTheColourUnderIt)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    const struct {
        TRgbColor hueOf;
        QPoint press;
        QPoint marker;
        TRgbColor color;
    } cases[] = {
        {{255, 0, 0}, {0, 0}, {0, 0}, {255, 255, 255}},
        {{0, 0, 255}, {0, 0}, {0, 0}, {255, 255, 255}},
        {{255, 0, 0}, {219, 219}, {219, 219}, {3, 0, 0}},
        {{255, 0, 0}, {300, -50}, {219, 0}, HsbToRgb(0, 0.99L, 1)},
        {{0, 255, 0}, {-1, -1}, {0, 0}, {255, 255, 255}},
        {{0, 255, 0}, {110, 50}, {110, 50}, HsbToRgb(120, 0.5L, 0.78L)},
    };
    for (const auto& c : cases) {
        form.SetCurrentColor(c.hueOf.Red, c.hueOf.Green, c.hueOf.Blue);
        form.Grab.GrabbedSelection = 2;
        Press(a.Color_model1, c.press, Qt::LeftButton);
        EXPECT_TRUE(form.Color.PointerPicking);
        EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), c.marker) << c.press.x() << "," << c.press.y();
        EXPECT_EQ(form.Color.NewColor, c.color) << c.press.x() << "," << c.press.y();
        EXPECT_EQ(Inputs(a), c.color);
        EXPECT_EQ(form.Grab.GrabbedSelection, -1);
        Release(a.Color_model1, c.press, Qt::LeftButton);
        EXPECT_FALSE(form.Color.PointerPicking);
        EXPECT_FALSE(form.Color.ModelDragging);
    }
}

TEST(ModelSquarePointer, EveryButtonDragsAndPositionsOutsideAreLimited)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        TFormFixture f;
        TForm1& form = f.open();
        TColorArea& a = *form.colorArea;
        form.SetCurrentColor(255, 0, 0);
        Press(a.Color_model1, {10, 10}, button);
        SendMove(a.Color_model1, {400, 500}, button);
        EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(219, 219)) << button;
        EXPECT_EQ(form.Color.NewColor, (TRgbColor{3, 0, 0})) << button;
        SendMove(a.Color_model1, {-30, 100}, button);
        EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(0, 100)) << button;
        EXPECT_EQ(form.Color.NewColor, HsbToRgb(0, 0, (100 - StretchSourceIndex(100, 100, 220)) / 100.0L)) << button;
        Release(a.Color_model1, {-30, 100}, button);
        EXPECT_FALSE(form.Color.PointerPicking);

        // Without a press, moves do nothing.
        SendMove(a.Color_model1, {50, 50}, Qt::NoButton);
        EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(0, 100));
    }
}

TEST(ModelSquarePointer, InputsFollowADragWithoutWritingBack)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(0, 0, 255);
    form.Library.LibrarySelectedSwatch = 4;
    Press(a.Color_model1, {100, 100}, Qt::LeftButton);
    for (QPoint p : {QPoint(120, 40), QPoint(57, 133), QPoint(200, 10)}) {
        SendMove(a.Color_model1, p, Qt::LeftButton);
        // A write-back would have moved the marker to where the colour puts it.
        EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), p);
        const TRgbColor expected = HsbToRgb(240, StretchSourceIndex(p.x(), 100, 220) / 100.0L,
                                            (100 - StretchSourceIndex(p.y(), 100, 220)) / 100.0L);
        EXPECT_EQ(form.Color.NewColor, expected);
        EXPECT_EQ(Inputs(a), expected);
        EXPECT_EQ(a.hexInput->text(), ColorToHex(MakeColorValue(expected)));
    }
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);
    Release(a.Color_model1, {200, 10}, Qt::LeftButton);

    // After the release a typed channel places both markers from the colour.
    a.rgbInput_R->setValue(0);
    a.rgbInput_G->setValue(0);
    const TMarkerPlaces places = PlaceMarkers(form.Color.NewColor);
    EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(places.ModelX, places.ModelY));
    EXPECT_EQ(form.Color.TrackerY, places.TrackerY);
}

TEST(HueTrackerPointer, DragChangesTheHueUnderAStillMarker)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(255, 0, 0);
    Press(a.Color_model1, {110, 50}, Qt::LeftButton);
    Release(a.Color_model1, {110, 50}, Qt::LeftButton);
    const QImage squareBefore = a.SquarePicture();

    form.Grab.GrabbedSelection = 1;
    Press(a.Color_tracker, {10, 0}, Qt::RightButton);
    EXPECT_TRUE(form.Color.PointerPicking);
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    EXPECT_EQ(form.Color.TrackerY, 0);
    EXPECT_EQ(form.Color.HueColor, (TRgbColor{255, 0, 4}));
    EXPECT_EQ(form.Color.NewColor, HsbToRgb(359, 0.5L, 0.78L));

    const struct {
        int y, trackerY, hue;
    } moves[] = {{500, 219, 2}, {-20, 0, 359}, {110, 110, 359 - 179}};
    for (const auto& m : moves) {
        SendMove(a.Color_tracker, {10, m.y}, Qt::RightButton);
        EXPECT_EQ(form.Color.TrackerY, m.trackerY);
        EXPECT_EQ(form.Color.HueColor, PureHueColor(m.hue));
        EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(110, 50));
        EXPECT_EQ(form.Color.NewColor, HsbToRgb(m.hue, 0.5L, 0.78L)) << m.y;
        EXPECT_EQ(Inputs(a), form.Color.NewColor);
    }
    EXPECT_NE(a.SquarePicture(), squareBefore);
    // The square shows the new hue.
    EXPECT_EQ(Rgb(Shown(a.Color_model1).pixel(219, 219)), HsbToRgb(180, 0.99L, 0.01L));
    Release(a.Color_tracker, {10, 110}, Qt::RightButton);
    EXPECT_FALSE(form.Color.PointerPicking);
    EXPECT_FALSE(form.Color.TrackerDragging);

    // Moves on the square do nothing unless the press began there.
    SendMove(a.Color_model1, {0, 0}, Qt::LeftButton);
    EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(110, 50));
}

TEST(ModelSquarePointer, AModalWindowDuringAPressEndsIt)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    Press(a.Color_model1, {30, 30}, Qt::LeftButton);
    ASSERT_TRUE(form.Color.PointerPicking);
    // The release would go to the modal window, never to the square.
    QEvent blocked(QEvent::WindowBlocked);
    QApplication::sendEvent(&form, &blocked);
    EXPECT_FALSE(form.Color.PointerPicking);
    EXPECT_FALSE(form.Color.ModelDragging);
    a.rgbInput_B->setValue(77);
    EXPECT_EQ(form.Color.NewColor.Blue, 77);
}

// ------------------------------------------------------------------- mixer

TEST(MixerPointer, PressPicksByColumnAndChangesOnlyTheNewBoxAndInputs)
{
    const struct {
        int x;
        int cell;
    } cases[] = {
        {0, -1}, {1, 0}, {20, -1}, {21, -1}, {22, 1}, {41, -1}, {42, -1}, {250, 11},
    };
    const int reds[] = {239, 222, 205, 187, 169, 150, 130, 109, 87, 63, 36, 5};
    for (const auto& c : cases) {
        TFormFixture f;
        TForm1& form = f.open();
        TColorArea& a = *form.colorArea;
        form.SetCurrentColor(255, 0, 0);
        const QImage square = a.SquarePicture(), tracker = a.TrackerPicture(), strip = a.MixerPicture();
        const TMixerCells cells = a.MixerCells;
        const int trackerY = form.Color.TrackerY;
        form.Grab.GrabbedSelection = 3;

        Press(a.Color_mixer, {c.x, 21}, Qt::LeftButton); // rows under the cells count too
        const TRgbColor expected = c.cell < 0 ? TRgbColor{255, 0, 0} : TRgbColor{reds[c.cell], 0, 0};
        EXPECT_EQ(form.Color.NewColor, expected) << c.x;
        EXPECT_EQ(Inputs(a), expected) << c.x;
        EXPECT_EQ(a.hexInput->text(), ColorToHex(MakeColorValue(expected)));
        EXPECT_EQ(Rgb(Shown(a.result_newColor).pixel(30, 20)), expected);
        EXPECT_EQ(form.Color.PointerPicking, c.cell >= 0);
        EXPECT_EQ(form.Grab.GrabbedSelection, -1);
        Release(a.Color_mixer, {c.x, 21}, Qt::LeftButton);
        EXPECT_FALSE(form.Color.PointerPicking);

        EXPECT_EQ(a.MixerCells, cells);
        EXPECT_EQ(a.MixerPicture(), strip);
        EXPECT_EQ(a.SquarePicture(), square);
        EXPECT_EQ(a.TrackerPicture(), tracker);
        EXPECT_EQ(form.Color.TrackerY, trackerY);
        EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(219, 0));
    }
}

// The pick itself repaints nothing, but the next paint the window system
// asks for (here: another page in front and this one back) shows the cells
// of the picked colour and a marker in the picked colour's shade.
TEST(MixerPointer, APlatformRepaintAfterAPickShowsTheCurrentCellsAndMarker)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.show();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(255, 255, 255); // light: a dark marker
    QCoreApplication::processEvents();
    const QImage square = a.SquarePicture();
    const QRgb darkMarker = MarkerColorFor({255, 255, 255});
    const QRgb lightMarker = MarkerColorFor({130, 130, 130});
    ASSERT_NE(darkMarker, lightMarker);

    Press(a.Color_mixer, {1 + 21 * 6, 5}, Qt::LeftButton); // cell 6: grey 130
    Release(a.Color_mixer, {1 + 21 * 6, 5}, Qt::LeftButton);
    ASSERT_EQ(form.Color.NewColor, (TRgbColor{130, 130, 130}));
    EXPECT_EQ(a.MixerCells, MixerSteps({255, 255, 255}, true));

    form.AdvPageControl1->setCurrentIndex(1);
    QCoreApplication::processEvents();
    form.AdvPageControl1->setCurrentIndex(0);
    QCoreApplication::processEvents();

    EXPECT_EQ(a.MixerCells, MixerSteps({130, 130, 130}, true));
    const TMixerCell first = MixerSteps({130, 130, 130}, true)[0];
    EXPECT_EQ(Rgb(Shown(a.Color_mixer).pixel(5, 5)), (TRgbColor{first.Red, first.Green, first.Blue}));
    // Same hue, same marker place; only the marker's shade follows.
    const QImage now = a.SquarePicture();
    int recoloured = 0;
    for (int y = 0; y < square.height(); ++y)
        for (int x = 0; x < square.width(); ++x) {
            const QRgb before = square.pixel(x, y), after = now.pixel(x, y);
            if (before == after)
                continue;
            ASSERT_EQ(before, darkMarker) << x << "," << y;
            ASSERT_EQ(after, lightMarker) << x << "," << y;
            ++recoloured;
        }
    EXPECT_GT(recoloured, 0);
    EXPECT_EQ(Shown(a.Color_model1), now);
    // A paint changes the pictures only, never the colour or the inputs.
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{130, 130, 130}));
    EXPECT_EQ(Inputs(a), (TRgbColor{130, 130, 130}));
}

TEST(MixerPointer, SwitchingModesRecomputesFromThePickedColour)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(128, 128, 128);
    Press(a.Color_mixer, {22 + 21 * 4, 5}, Qt::LeftButton); // cell 5: grey 86
    Release(a.Color_mixer, {22 + 21 * 4, 5}, Qt::LeftButton);
    ASSERT_EQ(form.Color.NewColor, (TRgbColor{86, 86, 86}));
    EXPECT_EQ(a.MixerCells[0].Red, 122);

    QTest::mouseClick(a.mixer_lighter, Qt::LeftButton);
    EXPECT_TRUE(a.mixer_lighter->isChecked());
    EXPECT_EQ(a.MixerCells, MixerSteps({86, 86, 86}, false));
    EXPECT_EQ(Rgb(Shown(a.Color_mixer).pixel(5, 5)), (TRgbColor{109, 109, 109}));
    QTest::mouseClick(a.mixer_darker, Qt::LeftButton);
    EXPECT_EQ(a.MixerCells, MixerSteps({86, 86, 86}, true));
}

// ------------------------------------------------------------------ inputs

TEST(ColourInputs, SpinEditChangeRefreshesEverythingOnce)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    form.SetCurrentColor(255, 0, 0);
    QSignalSpy r(a.rgbInput_R, &QSpinBox::valueChanged), g(a.rgbInput_G, &QSpinBox::valueChanged),
        b(a.rgbInput_B, &QSpinBox::valueChanged), hex(a.hexInput, &QLineEdit::textChanged);

    a.rgbInput_G->setValue(128);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 128, 0}));
    EXPECT_EQ(a.hexInput->text(), "FF8000");
    EXPECT_EQ(form.Color.HueColor, (TRgbColor{255, 128, 0}));
    EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(219, 0));
    EXPECT_EQ(form.Color.TrackerY, 201);
    EXPECT_EQ(a.MixerCells[0], (TMixerCell{239, 122, 0, 0}));
    EXPECT_EQ(r.count(), 0);
    EXPECT_EQ(g.count(), 1);
    EXPECT_EQ(b.count(), 0);
    EXPECT_EQ(hex.count(), 1);

    // Setting what they already show raises nothing.
    form.SetCurrentColor(255, 128, 0);
    a.rgbInput_R->setValue(255);
    a.hexInput->setText("FF8000");
    EXPECT_EQ(r.count() + g.count() + b.count(), 1);
    EXPECT_EQ(hex.count(), 1);

    // Typed digits change the colour as they come.
    a.rgbInput_B->selectAll();
    QTest::keyClicks(a.rgbInput_B, "64");
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 128, 64}));
    EXPECT_EQ(a.hexInput->text(), "FF8040");
    QTest::keyClicks(a.rgbInput_B, "0"); // 640 is out of range and refused
    EXPECT_EQ(a.rgbInput_B->value(), 64);
}

TEST(ColourInputs, TypedHexIsTakenOverInUpperCase)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    a.hexInput->setFocus();
    a.hexInput->selectAll();
    QTest::keyClick(a.hexInput, Qt::Key_Backspace);
    ASSERT_EQ(a.hexInput->text(), "");
    QTest::keyClicks(a.hexInput, "00ff0");
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 0})); // five characters do nothing
    QTest::keyClicks(a.hexInput, "0");
    EXPECT_EQ(a.hexInput->text(), "00FF00");
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{0, 255, 0}));
    EXPECT_EQ(Inputs(a), (TRgbColor{0, 255, 0}));
    EXPECT_EQ(form.Color.HueColor, (TRgbColor{0, 255, 0}));
    EXPECT_EQ(QPoint(form.Color.ModelX, form.Color.ModelY), QPoint(219, 0));
    EXPECT_EQ(form.Color.TrackerY, 146);
    EXPECT_EQ(Rgb(a.SquarePicture().pixel(219, 219)), HsbToRgb(120, 0.99L, 0.01L));
}

TEST(ColourInputs, HexFilterDropsWhatIsNotAHexDigit)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    a.hexInput->setFocus();
    a.hexInput->setCursorPosition(6);
    QTest::keyClick(a.hexInput, Qt::Key_Backspace);
    ASSERT_EQ(a.hexInput->text(), "FF000");
    for (const char* typed : {"G", "g", " ", ".", "#", "-", "z"}) {
        QTest::keyClicks(a.hexInput, typed);
        EXPECT_EQ(a.hexInput->text(), "FF000") << typed;
    }
    QTest::keyClick(a.hexInput, Qt::Key_Backspace);
    EXPECT_EQ(a.hexInput->text(), "FF00");
    QTest::keyClicks(a.hexInput, "8b");
    EXPECT_EQ(a.hexInput->text(), "FF008B");
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 139}));
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST(ColourInputs, PastedTextThatIsNotHexShowsTheErrorAndChangesNothing)
{
    const struct {
        const char* pasted;
        const char* error;
    } cases[] = {
        {"G01234", "'$G0' is not a valid integer value"},
        {"12 456", "'$ 4' is not a valid integer value"},
        {"1234-6", "'$-6' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        TFormFixture f;
        TForm1& form = f.open();
        TColorArea& a = *form.colorArea;
        form.SetCurrentColor(10, 20, 30);
        const QImage square = a.SquarePicture();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        a.hexInput->setFocus();
        a.hexInput->selectAll();
        // The line edit's own paste (its context menu's), which bypasses the
        // colour reading of Ctrl+V.
        a.hexInput->paste();
        EXPECT_EQ(a.hexInput->text(), c.pasted);
        ASSERT_EQ(f.fake.dialogs.shown.size(), 1u) << c.pasted;
        EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Error);
        EXPECT_EQ(f.fake.dialogs.shown[0].text, c.error);
        EXPECT_EQ(form.Color.NewColor, (TRgbColor{10, 20, 30}));
        EXPECT_EQ(Inputs(a), (TRgbColor{10, 20, 30}));
        EXPECT_EQ(a.SquarePicture(), square);
    }

    // Pasted hex digits are taken over like typed ones.
    TFormFixture f;
    TForm1& form = f.open();
    QGuiApplication::clipboard()->setText("abcdef");
    form.colorArea->hexInput->selectAll();
    form.colorArea->hexInput->paste();
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(form.colorArea->hexInput->text(), "ABCDEF");
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST(ColourInputs, DuringAPressTheInputsOnlyClearTheSelections)
{
    TFormFixture f;
    TForm1& form = f.open();
    TColorArea& a = *form.colorArea;
    Press(a.Color_model1, {60, 60}, Qt::LeftButton);
    const TRgbColor picked = form.Color.NewColor;
    form.Grab.GrabbedSelection = 5;
    form.Library.LibrarySelectedSwatch = 6;
    a.rgbInput_R->setValue(picked.Red == 9 ? 10 : 9);
    EXPECT_EQ(form.Color.NewColor, picked);
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);
    form.Grab.GrabbedSelection = 5;
    form.Library.LibrarySelectedSwatch = 6;
    a.hexInput->setText("123456");
    EXPECT_EQ(form.Color.NewColor, picked);
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);
    Release(a.Color_model1, {60, 60}, Qt::LeftButton);
}

} // namespace
