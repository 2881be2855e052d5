// The palette view and its editing commands: exact drawing, painting only
// what is visible, selecting, applying, adding, swapping, watching,
// deleting, the size choice and scrolling.
#include "PaletteWindow.h"

#include "grab/GrabPage.h"
#include "palette/LibraryPage.h"
#include "widgets/Widgets.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kDeleteQuestion = QStringLiteral("A deleted color can not be restored!\nDo you want to continue ?");

QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

// The scroll box's visible picture, read at view coordinates.
class ViewPicture {
public:
    explicit ViewPicture(TPalettePage& page)
        : page_(page)
        , image_(page.JvScrollBox1->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32))
    {
    }
    QRgb at(int x, int y) const
    {
        const QPoint p = page_.Color_myPalette->mapTo(page_.JvScrollBox1->viewport(), QPoint(x, y));
        return image_.pixel(p) & 0xFFFFFF;
    }

private:
    TPalettePage& page_;
    QImage image_;
};

QString Hex(QRgb c)
{
    return QString::number(c & 0xFFFFFF, 16);
}

TEST(PaletteView, DrawsOutlinesFillsAndTheSelectedRingToThePixel)
{
    // Eleven medium cells: row 0 holds 0..8, row 1 holds 9 and 10.
    QByteArray content = PaletteLines(11);
    content.replace(0, content.indexOf("\r\n"), "300\t-5\t7"); // swatch 0
    TPaletteWindow w({{"P", content}}, "P");
    TForm1& form = w.form();
    form.Pal.SelectedSwatch = 1;
    form.RepaintPaletteView();
    const ViewPicture pic(w.page());
    const QRgb outline = Rgb(80, 80, 80), ring = Rgb(250, 250, 250), white = Rgb(255, 255, 255);
    const TSwatch& s10 = form.Pal.Palette[10];
    struct Case {
        const char* what;
        int x, y;
        QRgb expected;
    };
    const Case cases[] = {
        {"cell 0 outline, top left", 1, 0, outline},
        {"cell 0 fill: low bytes of 300, -5, 7", 2, 1, Rgb(44, 251, 7)},
        {"cell 0 fill, last inner pixel", 28, 27, Rgb(44, 251, 7)},
        {"cell 0 outline, right edge", 29, 10, outline},
        {"cell 0 outline, bottom edge", 10, 28, outline},
        {"gap under cell 0", 10, 29, white},
        {"left margin", 0, 10, white},
        {"ring of cell 1 in the gap on its left", 30, 10, ring},
        {"ring of cell 1", 31, 10, ring},
        {"ring of cell 1, inner edge", 32, 10, ring},
        {"cell 1 fill", 33, 10, Rgb(7, 13, 0)},
        {"cell 1 fill, last inner pixel", 57, 26, Rgb(7, 13, 0)},
        {"ring of cell 1, right", 58, 10, ring},
        {"ring of cell 1 in the gap on its right", 60, 10, ring},
        {"cell 2 outline next to the ring", 61, 10, outline},
        {"ring of cell 1 in the gap below it", 40, 29, ring},
        {"cell 10 outline under the ring", 40, 30, outline},
        {"cell 10 fill", s10.Left + 5, s10.Top + 5, Rgb(70, 130, 0)},
        {"white space after the last cell", 100, 40, white},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hex(pic.at(c.x, c.y)), Hex(c.expected)) << c.what;
}

TEST(PaletteView, RepaintCostsTheVisibleCellsOnlyInAHugePalette)
{
    TPaletteWindow w({{"Huge", PaletteLines(100000)}}, "Huge");
    TForm1& form = w.form();
    ASSERT_EQ(form.Pal.SwatchCount(), 100000);
    EXPECT_EQ(w.page().Color_myPalette->height(), 30 * (100000 / 9 + 1));
    // 137 pixels show at most six rows of nine.
    form.RepaintPaletteView();
    w.page().Color_myPalette->repaint();
    EXPECT_GT(w.page().LastPaintedCells, 0);
    EXPECT_LE(w.page().LastPaintedCells, 6 * 9);

    w.page().JvScrollBox1->scrollToEnd();
    const ViewPicture pic(w.page());
    EXPECT_LE(w.page().LastPaintedCells, 6 * 9);
    const TSwatch& last = form.Pal.Palette.back();
    EXPECT_EQ(Hex(pic.at(last.Left + 5, last.Top + 5)), Hex(Rgb(last.Red, last.Green, last.Blue)));
}

TEST(PaletteView, PressSelectsOnlyInsideACellAndDoubleClickAppliesTheSelection)
{
    TPaletteWindow w({{"P", "10\t20\t30\r\n40\t50\t60\r\n"}}, "P");
    TForm1& form = w.form();
    TPaintBox* view = w.page().Color_myPalette;
    // Left edge of cell 1 (x 31) is not inside; x 32 is; any button but
    // the right one (the copy menu's) selects.
    QTest::mousePress(view, Qt::MiddleButton, {}, QPoint(31, 10));
    EXPECT_EQ(form.Pal.SelectedSwatch, -1);
    QTest::mousePress(view, Qt::MiddleButton, {}, QPoint(32, 10));
    EXPECT_EQ(form.Pal.SelectedSwatch, 1);
    QTest::mouseRelease(view, Qt::MiddleButton, {}, QPoint(32, 10));
    // White space keeps the selection.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_EQ(form.Pal.SelectedSwatch, 1);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(150, 50));

    form.Grab.GrabbedSelection = 3;
    form.Library.LibrarySelectedSwatch = 4;
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{40, 50, 60}));
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);
    // The release ends any pointer pick, whichever box it began on.
    form.Color.PointerPicking = true;
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_FALSE(form.Color.PointerPicking);
    EXPECT_EQ(form.Status(0), "Watch a color");
    EXPECT_EQ(form.Status(1), "P");

    // Without a selection a double click does nothing.
    form.Pal.SelectedSwatch = -1;
    form.SetCurrentColor(1, 2, 3);
    form.SetStatus0("before");
    w.page().Color_myPaletteDblClick();
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{1, 2, 3}));
    EXPECT_EQ(form.Status(0), "before");
}

TEST(PaletteView, AddAppendsTheCurrentColourAndShowsIt)
{
    TPaletteWindow w({{"P", PaletteLines(9)}}, "P");
    TForm1& form = w.form();
    EXPECT_EQ(w.page().Color_myPalette->height(), 60);
    form.Pal.SelectedSwatch = 4;
    form.SetCurrentColor(1, 2, 3);
    QTest::mouseClick(w.page().b_ppAdd, Qt::LeftButton);
    ASSERT_EQ(form.Pal.SwatchCount(), 10);
    EXPECT_EQ(w.colours().back(), "1,2,3");
    EXPECT_EQ(form.Pal.Palette[9].Left, 1);
    EXPECT_EQ(form.Pal.Palette[9].Top, 30);
    EXPECT_EQ(w.page().Color_myPalette->height(), 60);
    EXPECT_EQ(form.Pal.SelectedSwatch, 4);
    EXPECT_EQ(form.Color.LastAddedColor, (TRgbColor{1, 2, 3}));
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "Added a new color");
    EXPECT_EQ(form.Status(1), "P"); // left as it was
    EXPECT_TRUE(w.page().b_ppDel->isEnabled());

    // Enough rows to scroll: the new cell is scrolled into sight.
    for (int i = 0; i < 40; ++i)
        form.b_ppAddClick();
    QScrollBar* bar = w.page().JvScrollBox1->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(PaletteView, AddToAnEmptyPaletteEnablesTheEditButtons)
{
    TPaletteWindow w;
    TForm1& form = w.form();
    EXPECT_FALSE(w.page().b_ppDel->isEnabled());
    EXPECT_FALSE(w.page().b_ppSwap->isEnabled());
    EXPECT_FALSE(w.page().b_ppWatch->isEnabled());
    form.b_ppAddClick();
    EXPECT_TRUE(w.page().b_ppDel->isEnabled());
    EXPECT_TRUE(w.page().b_ppSwap->isEnabled());
    EXPECT_TRUE(w.page().b_ppWatch->isEnabled());
    EXPECT_EQ(w.colours(), QStringList{"255,0,0"});
}

// Adding while "My Palettes" is in front opens the list's palette first;
// when nothing can be opened, nothing is added anywhere.
TEST(PaletteView, AddFromTheListPageOpensTheSelectedPaletteFirst)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "A");
    TForm1& form = w.form();
    form.pp_pageControl->setCurrentIndex(0);
    w.selectEntry("B");
    form.SetCurrentColor(9, 9, 9);
    form.b_ppAddClick();
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 1);
    EXPECT_EQ(form.Pal.PaletteName, "B");
    EXPECT_EQ(w.colours(), (QStringList{"2,2,2", "9,9,9"}));
    EXPECT_EQ(form.Status(0), "Added a new color");
    EXPECT_EQ(form.Status(1), "B");
    EXPECT_TRUE(w.dialogs().shown.empty());
}

TEST(PaletteView, AddFromTheListPageWithNothingToOpenAddsNothing)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "A");
    TForm1& form = w.form();
    form.pp_pageControl->setCurrentIndex(0);

    w.selectEntry("none");
    form.b_ppAddClick();
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 0);
    EXPECT_EQ(w.colours(), QStringList{"1,1,1"});
    EXPECT_TRUE(w.dialogs().shown.empty());

    QFile::remove(w.f.paletteFolder() + "/B.dat");
    w.selectEntry("B");
    form.b_ppAddClick();
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 0);
    EXPECT_EQ(form.Pal.PaletteName, "A");
    EXPECT_EQ(w.colours(), QStringList{"1,1,1"});
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
}

TEST(PaletteView, SwapReplacesOnlyTheSelectedColour)
{
    TPaletteWindow w({{"P", "1\t1\t1\r\n2\t2\t2\r\n"}}, "P");
    TForm1& form = w.form();
    const TRgbColor lastAdded = form.Color.LastAddedColor;
    form.Pal.SelectedSwatch = 0;
    form.SetCurrentColor(7, 8, 9);
    QTest::mouseClick(w.page().b_ppSwap, Qt::LeftButton);
    EXPECT_EQ(w.colours(), (QStringList{"7,8,9", "2,2,2"}));
    EXPECT_EQ(form.Pal.Palette[0].Left, 1);
    EXPECT_EQ(form.Pal.SelectedSwatch, 0);
    EXPECT_EQ(form.Color.LastAddedColor, lastAdded);
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "A color is swapped");
    EXPECT_EQ(form.Status(1), "P");
}

TEST(PaletteView, CommandsWithNothingToActOnExplainThemselves)
{
    struct Case {
        const char* what;
        QByteArray content;
        void (TPalettePage::*command)();
        TMsgIcon icon;
        const char* text; // null: no box
    };
    const Case cases[] = {
        {"swap, empty palette", "", &TPalettePage::b_ppSwapClick, TMsgIcon::None,
         "You have not added any color in your palette yet."},
        {"swap, no selection", "1\t1\t1\r\n", &TPalettePage::b_ppSwapClick, TMsgIcon::Information,
         "You need to select one color on your palette to \nswap it with the new color."},
        {"watch, empty palette", "", &TPalettePage::b_ppWatchMouseDown, TMsgIcon::None, nullptr},
        {"watch, no selection", "1\t1\t1\r\n", &TPalettePage::b_ppWatchMouseDown, TMsgIcon::Information,
         "You have not select any color on your palette yet."},
        {"delete, empty palette", "", &TPalettePage::b_ppDelClick, TMsgIcon::Warning,
         "You can not delete color from palette now !\nThe reason may because your palette is empty or you "
         "have not \nselected any color yet."},
        {"delete, no selection", "1\t1\t1\r\n", &TPalettePage::b_ppDelClick, TMsgIcon::Warning,
         "You can not delete color from palette now !\nThe reason may because your palette is empty or you "
         "have not \nselected any color yet."},
    };
    for (const Case& c : cases) {
        TPaletteWindow w({{"P", c.content}}, "P");
        TForm1& form = w.form();
        form.SetCurrentColor(7, 8, 9);
        const QStringList before = w.colours();
        (w.page().*c.command)();
        if (c.text) {
            ASSERT_EQ(w.dialogs().shown.size(), 1u) << c.what;
            EXPECT_EQ(w.dialogs().shown[0].text, QString::fromUtf8(c.text)) << c.what;
            EXPECT_EQ(w.dialogs().shown[0].icon, c.icon) << c.what;
            EXPECT_FALSE(w.dialogs().shown[0].question) << c.what;
        } else {
            EXPECT_TRUE(w.dialogs().shown.empty()) << c.what;
        }
        EXPECT_EQ(w.colours(), before) << c.what;
        EXPECT_EQ(form.Color.NewColor, (TRgbColor{7, 8, 9})) << c.what;
        EXPECT_TRUE(form.Pal.PaletteSaved) << c.what;
        EXPECT_EQ(form.Status(0), "File opened") << c.what;
    }
}

TEST(PaletteView, WatchActsWhenTheButtonGoesDown)
{
    TPaletteWindow w({{"P", "1\t1\t1\r\n300\t-5\t7\r\n"}}, "P");
    TForm1& form = w.form();
    form.Pal.SelectedSwatch = 1;
    form.Grab.GrabbedSelection = 2;
    form.Library.LibrarySelectedSwatch = 2;
    QTest::mousePress(w.page().b_ppWatch, Qt::MiddleButton);
    // The colour shown in the cell: the low byte of each channel.
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{44, 251, 7}));
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);
    EXPECT_EQ(form.Status(0), "Watch a color");
    EXPECT_EQ(form.Status(1), "P");
    form.Color.PointerPicking = true;
    QTest::mouseRelease(w.page().b_ppWatch, Qt::MiddleButton);
    EXPECT_FALSE(form.Color.PointerPicking);
    EXPECT_TRUE(form.Pal.PaletteSaved);
}

TEST(PaletteView, DeleteMovesTheSelectionByTheRules)
{
    struct Case {
        int count;
        int selected;
        bool answer;
        QStringList expected;
        int selectedAfter;
        bool buttonsAfter;
    };
    const QStringList five = {"0,0,0", "1,1,1", "2,2,2", "3,3,3", "4,4,4"};
    const Case cases[] = {
        {5, 2, true, {"0,0,0", "1,1,1", "3,3,3", "4,4,4"}, 2, true},
        {5, 0, true, {"1,1,1", "2,2,2", "3,3,3", "4,4,4"}, 0, true},
        {5, 4, true, {"0,0,0", "1,1,1", "2,2,2", "3,3,3"}, 3, true},
        {1, 0, true, {}, -1, false},
        {5, 2, false, five, 2, true},
    };
    for (const Case& c : cases) {
        QByteArray content;
        for (int i = 0; i < c.count; ++i)
            content += QByteArray::number(i) + '\t' + QByteArray::number(i) + '\t' + QByteArray::number(i) + "\r\n";
        TPaletteWindow w({{"P", content}}, "P");
        TForm1& form = w.form();
        form.Pal.SelectedSwatch = c.selected;
        w.dialogs().answers = {c.answer};
        QTest::mouseClick(w.page().b_ppDel, Qt::LeftButton);
        const QString what =
            QStringLiteral("%1 swatches, delete %2, answer %3").arg(c.count).arg(c.selected).arg(c.answer);
        EXPECT_EQ(w.dialogs().texts(), QStringList{kDeleteQuestion}) << what.toStdString();
        EXPECT_EQ(w.colours(), c.expected) << what.toStdString();
        EXPECT_EQ(form.Pal.SelectedSwatch, c.selectedAfter) << what.toStdString();
        EXPECT_EQ(w.page().b_ppDel->isEnabled(), c.buttonsAfter) << what.toStdString();
        EXPECT_EQ(w.page().b_ppSwap->isEnabled(), c.buttonsAfter) << what.toStdString();
        EXPECT_EQ(w.page().b_ppWatch->isEnabled(), c.buttonsAfter) << what.toStdString();
        EXPECT_EQ(form.Pal.PaletteSaved, !c.answer) << what.toStdString();
        EXPECT_EQ(form.Status(0), c.answer ? "A color is deleted" : "File opened") << what.toStdString();
        // The cells are laid out again: each sits where its index says.
        for (int i = 0; i < form.Pal.SwatchCount(); ++i)
            EXPECT_EQ(form.Pal.Palette[std::size_t(i)].Left, 1 + 30 * (i % 9)) << what.toStdString();
    }
}

TEST(PaletteView, SizeChoiceLaysOutAgainWithoutTouchingTheSavedMark)
{
    TPaletteWindow w({{"P", PaletteLines(10)}}, "P");
    TForm1& form = w.form();
    w.page().check_small->click();
    EXPECT_EQ(form.Pal.SwatchWidth, 20);
    EXPECT_EQ(form.Pal.Palette[9].Left, 181);
    EXPECT_EQ(form.Pal.Palette[9].Top, 0);
    EXPECT_EQ(w.page().Color_myPalette->height(), 20);
    w.page().check_large->click();
    EXPECT_EQ(form.Pal.Palette[7].Left, 1);
    EXPECT_EQ(form.Pal.Palette[7].Top, 40);
    EXPECT_EQ(w.page().Color_myPalette->height(), 80);
    EXPECT_TRUE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "File opened");
    // Cells added later take the chosen size too.
    form.b_ppAddClick();
    EXPECT_EQ(form.Pal.Palette[10].Left, 121);
    EXPECT_EQ(form.Pal.Palette[10].Top, 40);
}

TEST(PaletteView, WheelAndKeysScrollByTwoPixelsWithinTheRange)
{
    TPaletteWindow w({{"P", PaletteLines(100)}}, "P");
    TScrollBox* box = w.page().JvScrollBox1;
    QScrollBar* bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    auto wheel = [&](int delta) {
        const QPointF at(50, 50);
        QWheelEvent e(at, box->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(box->viewport(), &e);
    };
    wheel(-120); // towards the user
    EXPECT_EQ(bar->value(), 2);
    wheel(-120);
    EXPECT_EQ(bar->value(), 4);
    wheel(120);
    EXPECT_EQ(bar->value(), 2);
    box->setFocus();
    QTest::keyPress(box, Qt::Key_A);
    EXPECT_EQ(bar->value(), 4);
    QTest::keyRelease(box, Qt::Key_A);
    EXPECT_EQ(bar->value(), 2);
    wheel(120);
    wheel(120);
    EXPECT_EQ(bar->value(), 0);
}

TEST(PaletteView, PartialWheelStepsOfTouchpadsAddUpToTwoPixelsANotch)
{
    // Every scroll box of the program (palette, library, grabbed colours) is one of these.
    struct Case {
        std::vector<int> deltas;
        int moved; // pixels down
    };
    const Case cases[] = {
        {{-120}, 2},
        {{120}, -2},
        {{-15}, 0},
        {{-15, -15, -15, -15}, 1},
        {{-15, -15, -15, -15, -15, -15, -15, -15}, 2},
        {{-40}, 0},
        {{-40, -40, -40}, 2},
        {{40, 40, 40}, -2},
        {{-40, -40, -40, -40, -40, -40}, 4},
        // A turn back drops what was left of the other direction.
        {{-40, 40}, 0},
        {{-40, 40, 40}, -1},
        {{-360}, 6},
    };
    for (const Case& c : cases) {
        TScrollBox box;
        box.resize(100, 100);
        auto* content = new QWidget;
        content->resize(80, 1000);
        box.setWidget(content);
        QScrollBar* bar = box.verticalScrollBar();
        bar->setValue(50);
        QString what;
        for (int delta : c.deltas) {
            what += QString::number(delta) + ' ';
            const QPointF at(20, 20);
            QWheelEvent e(at, at, {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(box.viewport(), &e);
        }
        EXPECT_EQ(bar->value(), 50 + c.moved) << what.toStdString();
    }
}

// The palette view, the library view and the grabbed list sit one pixel in
// from their scroll box's top left corner, before and after scrolling, and
// the scroll range reaches the view's last row below that pixel.
TEST(PaletteView, ViewsSitOnePixelInsideTheirScrollBoxes)
{
    TFormFixture f;
    f.storeDefaults(QStringLiteral("0\t0\t0"), QStringLiteral("P"));
    f.writePalette("P", PaletteLines(200));
    QByteArray library;
    for (int i = 0; i < 300; ++i)
        library += QByteArray::number(i % 256) + "\t1\t2\r\n";
    QFile file(f.paths.programDir + "library/Lib.cbl");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(library);
    file.close();
    TForm1& form = f.open();
    form.show();
    form.Grab.GrabbedColors.assign(100, TSwatch{10, 20, 30, 0, 0});
    struct View {
        const char* name;
        int page; // of the upper tabs, -1 for the palette page
        TScrollBox* box;
        QWidget* view;
        std::function<void()> paint;
    };
    const View views[] = {
        {"palette", -1, form.palettePage->JvScrollBox1, form.palettePage->Color_myPalette,
         [&] { form.palettePage->Color_myPalettePaint(); }},
        {"grabbed", 1, form.grabPage->JvScrollBox2, form.grabPage->Color_grabbed,
         [&] { form.grabPage->Color_grabbedPaint(); }},
        {"library", 3, form.libraryPage->JvScrollBox3, form.libraryPage->libraryPalette,
         [&] { form.libraryPage->libraryPalettePaint(); }},
    };
    for (const View& v : views) {
        if (v.page >= 0)
            form.AdvPageControl1->setCurrentIndex(v.page);
        v.paint();
        QCoreApplication::processEvents();
        QScrollBar* bar = v.box->verticalScrollBar();
        QWidget* viewport = v.box->viewport();
        ASSERT_GT(v.view->height(), viewport->height()) << v.name;
        EXPECT_EQ(v.view->mapTo(viewport, QPoint(0, 0)), QPoint(1, 1)) << v.name;
        EXPECT_EQ(bar->maximum(), 1 + v.view->height() - viewport->height()) << v.name;
        bar->setValue(10);
        EXPECT_EQ(v.view->mapTo(viewport, QPoint(0, 0)), QPoint(1, -9)) << v.name;
        // A later repaint that changes the view's height keeps both.
        bar->setValue(0);
        v.view->resize(v.view->width(), v.view->height() + 30);
        QCoreApplication::processEvents();
        EXPECT_EQ(v.view->mapTo(viewport, QPoint(0, 0)), QPoint(1, 1)) << v.name;
        EXPECT_EQ(bar->maximum(), 1 + v.view->height() - viewport->height()) << v.name;
    }
}

} // namespace
