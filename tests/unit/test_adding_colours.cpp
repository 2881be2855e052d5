// Every place that adds with a double click adds the colour it shows to the
// open palette, through the palette's one add command.
#include "app/TForm1.h"
#include "color/ColorArea.h"
#include "grab/GrabPage.h"
#include "palette/PaletteFiles.h"
#include "palette/PalettePage.h"
#include "support/FormFixture.h"
#include "widgets/Widgets.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the window system delivers for a double click: a click, then the
// double click and its release.
void DoubleClick(QWidget* w, QPoint p, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(w, button, {}, p);
    QTest::mouseRelease(w, button, {}, p);
    QTest::mouseDClick(w, button, {}, p);
    QTest::mouseRelease(w, button, {}, p);
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
    EXPECT_EQ(form.Color.LastAddedColor, (TRgbColor{255, 255, 255}));
    EXPECT_EQ(form.Status(0), "Added a new color");
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_FALSE(form.Color.PointerPicking);
}

TEST(AddingColours, DoubleClickOnAGrabbedColourAddsIt)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.Grab.GrabbedColors = {{10, 20, 30, 1, 0}, {200, 100, 50, 31, 0}};
    form.AdvPageControl1->setCurrentIndex(1);
    form.grabPage->Color_grabbedPaint();
    DoubleClick(form.grabPage->Color_grabbed, QPoint(31 + 10, 10));
    EXPECT_EQ(form.Grab.GrabbedSelection, 1);
    ASSERT_EQ(form.Pal.SwatchCount(), 1);
    const TSwatch& s = form.Pal.Palette.back();
    EXPECT_EQ((TRgbColor{s.Red, s.Green, s.Blue}), (TRgbColor{200, 100, 50}));
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{200, 100, 50}));
}

// Only the left button double-clicks: a double click with another button is
// two presses, which pick or select as any press does, and nothing more.
TEST(AddingColours, DoubleClicksWithTheRightOrMiddleButtonAddOpenAndApplyNothing)
{
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        TFormFixture f;
        f.storeDefaults(QStringLiteral("0\t0\t255"), QStringLiteral("P"));
        f.writePalette("P", "10\t20\t30\r\n");
        f.writePalette("Q", "40\t50\t60\r\n");
        TForm1& form = f.open();
        form.show();
        QCoreApplication::processEvents();
        const std::string what = button == Qt::RightButton ? "right" : "middle";
        ASSERT_EQ(form.Pal.SwatchCount(), 1) << what;

        DoubleClick(form.colorArea->Color_model1, QPoint(1, 1), button);
        EXPECT_EQ(form.Pal.SwatchCount(), 1) << what << " on the square";

        form.Grab.GrabbedColors = {{200, 100, 50, 1, 0}};
        form.AdvPageControl1->setCurrentIndex(1);
        form.grabPage->Color_grabbedPaint();
        DoubleClick(form.grabPage->Color_grabbed, QPoint(10, 10), button);
        EXPECT_EQ(form.Pal.SwatchCount(), 1) << what << " on a grabbed colour";

        form.Color.NewColor = {1, 2, 3};
        const int selectedBefore = form.Pal.SelectedSwatch;
        DoubleClick(form.palettePage->Color_myPalette, QPoint(10, 10), button);
        // The right button offers the colour to copy and selects nothing.
        EXPECT_EQ(form.Pal.SelectedSwatch, button == Qt::RightButton ? selectedBefore : 0)
            << what << " on a palette cell";
        EXPECT_EQ(form.Color.NewColor, (TRgbColor{1, 2, 3})) << what << " on a palette cell";

        form.pp_pageControl->setCurrentIndex(0);
        QListWidget* list = form.paletteFiles->list_pp;
        QListWidgetItem* q = list->findItems("Q", Qt::MatchExactly).value(0);
        ASSERT_NE(q, nullptr);
        DoubleClick(list->viewport(), list->visualItemRect(q).center(), button);
        EXPECT_EQ(form.Pal.PaletteName, "P") << what << " on the palette list";
        EXPECT_EQ(form.pp_pageControl->currentIndex(), 0) << what << " on the palette list";
        EXPECT_TRUE(f.fake.dialogs.shown.empty()) << what;
    }
}

} // namespace
