// Every place that adds with a double click adds the colour it shows to the
// open palette, through the palette's one add command.
#include "app/TForm1.h"
#include "app/Widgets.h"
#include "color/ColorArea.h"
#include "grab/GrabPage.h"
#include "palette/PalettePage.h"
#include "support/FormFixture.h"

#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the window system delivers for a double click: a click, then the
// double click and its release.
void DoubleClick(QWidget* w, QPoint p)
{
    QTest::mousePress(w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    QTest::mouseDClick(w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
}

TEST(AddingColours, DoubleClickOnTheModelSquareAddsTheColourUnderThePointer)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.SetCurrentColor(0, 0, 255);
    // Near the top left (QTest takes (0, 0) for "the centre"): white for every hue.
    DoubleClick(form.colorArea->Color_model1, QPoint(1, 1));
    ASSERT_EQ(form.Pal.SwatchCount(), 1);
    const TSwatch& s = form.Pal.Palette.back();
    EXPECT_EQ((TRgbColor{s.Red, s.Green, s.Blue}), (TRgbColor{255, 255, 255}));
    EXPECT_EQ(form.LastAddedColor, (TRgbColor{255, 255, 255}));
    EXPECT_EQ(form.Status(0), "Added a new color");
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_FALSE(form.PointerPicking);
}

TEST(AddingColours, DoubleClickOnAGrabbedColourAddsIt)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.GrabbedColors = {{10, 20, 30, 1, 0}, {200, 100, 50, 31, 0}};
    form.AdvPageControl1->setCurrentIndex(1);
    form.grabPage->Color_grabbedPaint();
    DoubleClick(form.grabPage->Color_grabbed, QPoint(31 + 10, 10));
    EXPECT_EQ(form.GrabbedSelection, 1);
    ASSERT_EQ(form.Pal.SwatchCount(), 1);
    const TSwatch& s = form.Pal.Palette.back();
    EXPECT_EQ((TRgbColor{s.Red, s.Green, s.Blue}), (TRgbColor{200, 100, 50}));
    EXPECT_EQ(form.NewColor, (TRgbColor{200, 100, 50}));
}

} // namespace
