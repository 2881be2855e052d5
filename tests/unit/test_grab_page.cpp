// The "Grab Colors" page: the grid of grabbed colours, picking one, Clear
// All, Add all, and Start running the zoom window over the hidden main window.
#include "ZoomFixture.h"
#include "grab/GrabPage.h"
#include "grab/HotKeyEdit.h"
#include "palette/PalettePage.h"
#include "widgets/Widgets.h"

#include <QScrollBar>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<TSwatch> Grabbed(int n)
{
    std::vector<TSwatch> out;
    for (int i = 0; i < n; ++i)
        out.push_back(TSwatch{10 * i, 100 + i, 200 - i, 0, 0});
    TGrabState::Grid.Layout(out);
    return out;
}

QRgb At(QWidget* w, int x, int y)
{
    return w->grab().toImage().pixel(x, y) & 0xFFFFFF;
}

TEST(GrabbedView, SevenCellsARowAndOneSpareRowOfHeight)
{
    TFormFixture f;
    TForm1& form = f.open();
    struct {
        int count, height;
    } cases[] = {{0, 30}, {6, 30}, {7, 60}, {8, 60}, {14, 90}};
    for (const auto& c : cases) {
        form.Grab.GrabbedColors = Grabbed(c.count);
        form.grabPage->Color_grabbedPaint();
        EXPECT_EQ(form.grabPage->Color_grabbed->height(), c.height) << c.count;
        EXPECT_EQ(form.grabPage->Color_grabbed->width(), 232);
    }
    const auto cells = Grabbed(8);
    EXPECT_EQ(QPoint(cells[6].Left, cells[6].Top), QPoint(181, 0));
    EXPECT_EQ(QPoint(cells[7].Left, cells[7].Top), QPoint(1, 30));
}

TEST(GrabbedView, OnlyTheInsideOfACellIsHit)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.Grab.GrabbedColors = Grabbed(9); // cell 8 at (31, 30)
    struct {
        QPoint at;
        int hit;
    } cases[] = {
        {{1, 10}, -1}, {{2, 10}, 0},  {{29, 10}, 0},  {{30, 10}, -1}, {{31, 10}, -1}, {{32, 10}, 1},    {{10, 0}, -1},
        {{10, 1}, 0},  {{10, 28}, 0}, {{10, 29}, -1}, {{40, 45}, 8},  {{70, 45}, -1}, {{300, 300}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(form.grabPage->GrabbedColorAt(c.at), c.hit) << c.at.x() << "," << c.at.y();
}

TEST(GrabbedView, PickingAColourMakesItCurrentAndOutlinesItLight)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.Grab.GrabbedColors = Grabbed(3);
    TGrabPage& page = *form.grabPage;
    page.Color_grabbedPaint();

    QTest::mouseClick(page.Color_grabbed, Qt::LeftButton, {}, QPoint(30, 10)); // the gap
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 0}));

    // Any button but the right one, which opens the copy menu.
    QTest::mouseClick(page.Color_grabbed, Qt::MiddleButton, {}, QPoint(45, 12));
    EXPECT_EQ(form.Grab.GrabbedSelection, 1);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{10, 101, 199}));
    EXPECT_FALSE(form.Color.PointerPicking);
    EXPECT_EQ(At(page.Color_grabbed, 31, 14), qRgb(250, 250, 250) & 0xFFFFFF);
    EXPECT_EQ(At(page.Color_grabbed, 1, 14), qRgb(80, 80, 80) & 0xFFFFFF);
    EXPECT_EQ(At(page.Color_grabbed, 45, 14), qRgb(10, 101, 199) & 0xFFFFFF);
    EXPECT_EQ(At(page.Color_grabbed, 61, 14), qRgb(80, 80, 80) & 0xFFFFFF);
    EXPECT_EQ(At(page.Color_grabbed, 89, 14), qRgb(80, 80, 80) & 0xFFFFFF) << "29 pixels wide";
    EXPECT_EQ(At(page.Color_grabbed, 75, 28), qRgb(80, 80, 80) & 0xFFFFFF) << "29 pixels high";
}

TEST(GrabbedView, ClearAllEmptiesTheListButNotThePalette)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.Pal.Palette = {TSwatch{1, 1, 1, 0, 0}};
    form.Grab.GrabbedColors = Grabbed(9);
    form.Grab.GrabbedSelection = 4;
    TGrabPage& page = *form.grabPage;
    form.AdvPageControl1->setCurrentIndex(1);
    EXPECT_TRUE(page.ImageButton3->isEnabled());

    QTest::mouseClick(page.ImageButton2, Qt::LeftButton);
    EXPECT_TRUE(form.Grab.GrabbedColors.empty());
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    EXPECT_EQ(page.Color_grabbed->height(), 30);
    EXPECT_FALSE(page.ImageButton3->isEnabled());
    EXPECT_EQ(form.Pal.SwatchCount(), 1);

    // Coming back to the page sets the button from the count.
    form.AdvPageControl1->setCurrentIndex(0);
    form.AdvPageControl1->setCurrentIndex(1);
    EXPECT_FALSE(page.ImageButton3->isEnabled());
}

TEST(GrabbedView, AddAllAppendsEveryColourEachTime)
{
    TFormFixture f;
    TForm1& form = f.open();
    for (int i = 0; i < 5; ++i)
        form.Pal.Palette.push_back(TSwatch{i, i, i, 0, 0});
    form.Pal.PaletteSaved = true;
    form.Grab.GrabbedColors = Grabbed(3);
    TGrabPage& page = *form.grabPage;
    page.ImageButton3->setEnabled(true);

    QTest::mouseClick(page.ImageButton3, Qt::LeftButton);
    ASSERT_EQ(form.Pal.SwatchCount(), 8);
    EXPECT_EQ(form.Pal.Palette[5].Red, 0);
    EXPECT_EQ(form.Pal.Palette[7].Red, 20);
    EXPECT_EQ(form.Pal.Palette[7].Green, 102);
    // Laid out at the chosen size: medium, nine a row.
    EXPECT_EQ(QPoint(form.Pal.Palette[7].Left, form.Pal.Palette[7].Top), QPoint(211, 0));
    EXPECT_EQ(form.Color.LastAddedColor, (TRgbColor{20, 102, 198}));
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "Added color from screen");
    EXPECT_EQ(form.Status(1), "untitled(Not saved)");
    EXPECT_TRUE(form.palettePage->b_ppDel->isEnabled());
    EXPECT_TRUE(form.palettePage->b_ppSwap->isEnabled());
    EXPECT_TRUE(form.palettePage->b_ppWatch->isEnabled());
    EXPECT_EQ(form.Grab.GrabbedColors.size(), 3u) << "the list stays";

    QTest::mouseClick(page.ImageButton3, Qt::LeftButton);
    EXPECT_EQ(form.Pal.SwatchCount(), 11);
    EXPECT_EQ(QPoint(form.Pal.Palette[10].Left, form.Pal.Palette[10].Top), QPoint(31, 30));
}

TEST(GrabbedView, ScrollsTwoPixelsAStep)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.show(); // the scroll range follows the view's size once it is on screen
    form.AdvPageControl1->setCurrentIndex(1);
    form.Grab.GrabbedColors = Grabbed(70); // 11 rows: taller than the box
    TGrabPage& page = *form.grabPage;
    page.Color_grabbedPaint();
    QScrollBar* bar = page.JvScrollBox2->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    bar->setValue(4);
    QTest::keyPress(page.JvScrollBox2, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 6);
    QTest::keyRelease(page.JvScrollBox2, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 4);
}

// Start hides the main window, runs the zoom window modally and takes the
// colours it grabbed.
TEST(GrabbedView, StartRunsTheZoomWindowOverTheHiddenMainWindow)
{
    TZoomFixture z;
    TForm1& form = z.openForm();
    form.show();
    bool sawHidden = false;
    z.f.fake.dialogs.onExec = [&](QDialog& dialog) {
        auto* zoom = qobject_cast<Tgrab_color*>(&dialog);
        EXPECT_NE(zoom, nullptr);
        if (!zoom)
            return int(QDialog::Rejected);
        sawHidden = form.isHidden();
        EXPECT_TRUE(zoom->Timer1->isActive());
        zoom->Timer1->start(3600 * 1000);
        z.f.fake.screen.pointer = {1200, 900};
        zoom->MagnifierTick();
        z.keys.press(16455);
        dialog.reject();
        return int(QDialog::Rejected);
    };
    form.AdvPageControl1->setCurrentIndex(1);
    QTest::mouseClick(form.grabPage->ImageButton1, Qt::LeftButton);

    EXPECT_TRUE(sawHidden);
    EXPECT_FALSE(form.isHidden());
    EXPECT_EQ(z.f.fake.dialogs.execTitles, std::vector<QString>{"Tintwell V1.0 - Zoom Window"});
    ASSERT_EQ(form.Grab.GrabbedColors.size(), 1u);
    EXPECT_EQ(
        TRgbColor({form.Grab.GrabbedColors[0].Red, form.Grab.GrabbedColors[0].Green, form.Grab.GrabbedColors[0].Blue}),
        ScreenColor(1199, 900));
    EXPECT_TRUE(form.grabPage->ImageButton3->isEnabled());
    EXPECT_TRUE(z.keys.held.empty());
    EXPECT_EQ(z.f.storedValues().value(3), "Ctrl+G");
}

// The page on a bare window with recording hooks: everything it asks of the
// rest of the program goes through them.
class TLoneGrabPage {
public:
    TFakeServices fake;
    TFakeGlobalKeys keys;
    QWidget window;
    QWidget pageWidget;
    TGrabState grab;
    std::vector<QString> calls;
    std::vector<TSwatch> appended;
    QStringList stored{"255\t0\t0", "untitled", "Ctrl+Q", "Ctrl+W"};
    QList<QPair<QString, QString>> written;
    std::unique_ptr<TGrabPage> page;

    TLoneGrabPage()
    {
        TGrabPage::THooks hooks{
            [this](int r, int g, int b) { calls.push_back(QStringLiteral("setColor %1 %2 %3").arg(r).arg(g).arg(b)); },
            [this] { calls.push_back("pointerReleased"); },
            [this] { calls.push_back("addCurrentColor"); },
            [this](const std::vector<TSwatch>& swatches, const QString& status) {
                appended = swatches;
                calls.push_back("appendToPalette " + status);
            },
            [this] { calls.push_back("showPage"); },
            Tgrab_color::THooks{
                [this](const QString&) { calls.push_back("showTip"); },
                [this] { return stored; },
                [this](const QList<QPair<QString, QString>>& values) { written += values; },
                {},
                {},
            },
        };
        page = std::make_unique<TGrabPage>(grab, std::move(hooks), window, &pageWidget);
    }
};

TEST(GrabPageAlone, AsksTheRestOfTheProgramOnlyThroughItsHooks)
{
    TLoneGrabPage t;
    TGrabPage& page = *t.page;
    t.grab.GrabbedColors = Grabbed(3);
    page.Color_grabbedPaint();

    QTest::mouseClick(page.Color_grabbed, Qt::LeftButton, {}, QPoint(45, 12));
    EXPECT_EQ(t.grab.GrabbedSelection, 1);
    EXPECT_EQ(t.calls, (std::vector<QString>{"setColor 10 101 199", "pointerReleased"}));
    t.calls.clear();
    QTest::mouseDClick(page.Color_grabbed, Qt::LeftButton, {}, QPoint(45, 12));
    EXPECT_EQ(std::count(t.calls.begin(), t.calls.end(), "addCurrentColor"), 1);
    t.calls.clear();
    page.ImageButton3->setEnabled(true);
    QTest::mouseClick(page.ImageButton3, Qt::LeftButton);
    EXPECT_EQ(t.calls, std::vector<QString>{"appendToPalette Added color from screen"});
    ASSERT_EQ(t.appended.size(), 3u);
    EXPECT_EQ(t.appended[2].Red, 20);
    EXPECT_EQ(t.grab.GrabbedColors.size(), 3u) << "the list stays";
}

// The zoom window that Start opens reads and writes the hot keys, shows its
// tips and hands its colours over through the page's hooks; a grabbed colour
// enables Add all.
TEST(GrabPageAlone, StartRunsTheZoomWindowOnTheGivenHooks)
{
    TLoneGrabPage t;
    TGrabPage& page = *t.page;
    t.window.show();
    t.fake.screen.picture = QImage(800, 600, QImage::Format_RGB32);
    t.fake.screen.picture.fill(qRgb(12, 34, 56));
    t.fake.screen.pointer = {700, 500};
    t.fake.dialogs.onExec = [&](QDialog& dialog) {
        auto& zoom = static_cast<Tgrab_color&>(dialog);
        EXPECT_TRUE(t.window.isHidden());
        EXPECT_EQ(zoom.HotKey1->value(), ParseHotKey("Ctrl+Q", true)) << "read through the hook";
        zoom.Image3Click();
        zoom.Timer1->start(3600 * 1000);
        zoom.MagnifierTick();
        EXPECT_FALSE(page.ImageButton3->isEnabled());
        t.keys.press(ParseHotKey("Ctrl+W", true));
        EXPECT_TRUE(page.ImageButton3->isEnabled());
        dialog.reject();
        return int(QDialog::Rejected);
    };
    page.ImageButton1Click();

    EXPECT_FALSE(t.window.isHidden());
    EXPECT_EQ(t.calls, std::vector<QString>{"showTip"});
    ASSERT_EQ(t.grab.GrabbedColors.size(), 1u);
    EXPECT_EQ(TRgbColor({t.grab.GrabbedColors[0].Red, t.grab.GrabbedColors[0].Green, t.grab.GrabbedColors[0].Blue}),
              (TRgbColor{12, 34, 56}));
    const QList<QPair<QString, QString>> keys{{"zoomHotkey", "Ctrl+Q"}, {"grabHotkey", "Ctrl+W"}};
    EXPECT_EQ(t.written, keys);
}

} // namespace
