// The "Swatch Library" page on the main window.
#include "palette/LibraryPage.h"
#include "palette/SwatchLibrary.h"
#include "support/FormFixture.h"
#include "support/LibraryFiles.h"
#include "widgets/Widgets.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace SwatchLibrary;

// ---- The "Swatch Library" page ----------------------------------------------------

struct LibraryPageFixture : ::testing::Test {
    TFormFixture f;
    QString folder() const { return f.paths.programDir + "library/"; }
    void write(const QString& name, const QByteArray& content) { WriteFile(folder() + name + ".cbl", content); }
    TForm1& open() { return f.open(); }
    static QStringList items(const QComboBox* combo)
    {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }
    // Centre of library swatch i in view pixels.
    static QPoint centre(const TForm1& form, int i)
    {
        const TSwatch& s = form.Library.LibrarySwatches[std::size_t(i)];
        const int c = form.libraryPage->LibrarySwatchWidth;
        return {s.Left + c / 2, s.Top + c / 2};
    }
};

TEST_F(LibraryPageFixture, StartUpListsTheLibrariesAndLoadsTheFirstAtMediumSize)
{
    write("Beta", LibraryText(3));
    write("Alpha", LibraryText(20));
    TForm1& form = open();
    TLibraryPage& page = *form.libraryPage;
    EXPECT_EQ(items(page.combo_lab), QStringList({"Alpha", "Beta"}));
    EXPECT_EQ(page.combo_lab->currentText(), "Alpha");
    EXPECT_EQ(form.Library.LibrarySwatchCount(), 20);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);
    EXPECT_TRUE(page.lb_medium->isChecked());
    EXPECT_EQ(page.libraryPalette->height(), 90);
    EXPECT_EQ(QPoint(form.Library.LibrarySwatches[8].Left, form.Library.LibrarySwatches[8].Top), QPoint(1, 30));
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST_F(LibraryPageFixture, NoLibraryFolderLeavesTheListAndTheViewEmpty)
{
    QDir(folder()).removeRecursively();
    TForm1& form = open();
    EXPECT_EQ(form.libraryPage->combo_lab->count(), 0);
    EXPECT_EQ(form.Library.LibrarySwatchCount(), 0);
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST_F(LibraryPageFixture, ClickPicksTheSwatchAndShowsItSelected)
{
    write("Alpha", "10\t20\t30\r\n40\t50\t60\r\n300\t-1\t7\r\n");
    TForm1& form = open();
    TLibraryPage& page = *form.libraryPage;
    page.libraryPalette->resize(page.libraryPalette->size()); // laid out offscreen

    page.libraryPaletteMouseDown(Qt::LeftButton, centre(form, 1));
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, 1);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{40, 50, 60}));

    // What was drawn: the selected cell has a white border, the others grey.
    const QImage shot = page.libraryPalette->grab().toImage();
    const TSwatch& s0 = form.Library.LibrarySwatches[0];
    const TSwatch& s1 = form.Library.LibrarySwatches[1];
    EXPECT_EQ(shot.pixelColor(s0.Left, s0.Top), QColor(80, 80, 80));
    EXPECT_EQ(shot.pixelColor(s0.Left + 28, s0.Top + 28), QColor(80, 80, 80));
    EXPECT_EQ(shot.pixelColor(s0.Left + 14, s0.Top + 14), QColor(10, 20, 30));
    for (int d : {-1, 0, 1}) // three pixels wide, centred on the border line
        EXPECT_EQ(shot.pixelColor(s1.Left + d, s1.Top + 10), QColor(255, 255, 255)) << d;
    EXPECT_EQ(shot.pixelColor(s1.Left + 2, s1.Top + 2), QColor(40, 50, 60));
    EXPECT_EQ(shot.pixelColor(s1.Left + 14, s1.Top + 14), QColor(40, 50, 60));

    // A click on a border line or between cells changes nothing.
    page.libraryPaletteMouseDown(Qt::RightButton, {s0.Left, s0.Top + 5});
    page.libraryPaletteMouseDown(Qt::LeftButton, {s0.Left + 29, s0.Top + 5});
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, 1);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{40, 50, 60}));

    // Any button picks; a value outside 0..255 gives the colour as drawn.
    page.libraryPaletteMouseDown(Qt::RightButton, centre(form, 2));
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, 2);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{44, 255, 7}));
}

TEST_F(LibraryPageFixture, SizeChoiceRelaysTheLibraryAndKeepsTheSelection)
{
    write("Alpha", LibraryText(20));
    TForm1& form = open();
    TLibraryPage& page = *form.libraryPage;
    page.libraryPaletteMouseDown(Qt::LeftButton, centre(form, 12));
    ASSERT_EQ(form.Library.LibrarySelectedSwatch, 12);

    QTest::mouseClick(page.lb_small, Qt::LeftButton);
    EXPECT_EQ(page.LibrarySwatchWidth, 20);
    EXPECT_EQ(QPoint(form.Library.LibrarySwatches[8].Left, form.Library.LibrarySwatches[8].Top), QPoint(161, 0));
    EXPECT_EQ(QPoint(form.Library.LibrarySwatches[12].Left, form.Library.LibrarySwatches[12].Top), QPoint(1, 20));
    EXPECT_EQ(page.libraryPalette->height(), 40);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, 12);

    QTest::mouseClick(page.lb_large, Qt::LeftButton);
    EXPECT_EQ(page.LibrarySwatchHeight, 40);
    EXPECT_EQ(page.libraryPalette->height(), 160);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, 12);
}

TEST_F(LibraryPageFixture, ChoosingAnotherLibraryLoadsItWithoutSelection)
{
    write("Alpha", LibraryText(20));
    write("Beta", LibraryText(3, 100));
    write("Gamma", "");
    TForm1& form = open();
    TLibraryPage& page = *form.libraryPage;
    page.libraryPaletteMouseDown(Qt::LeftButton, centre(form, 4));
    ASSERT_EQ(form.Library.LibrarySelectedSwatch, 4);

    page.combo_lab->setCurrentText("Beta");
    EXPECT_EQ(form.Library.LibrarySwatchCount(), 3);
    EXPECT_EQ(form.Library.LibrarySwatches[0].Red, 100);
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);

    page.combo_lab->setCurrentText("Gamma");
    EXPECT_EQ(form.Library.LibrarySwatchCount(), 0);
    EXPECT_EQ(page.libraryPalette->height(), 30);
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST_F(LibraryPageFixture, UnreadableLibraryShowsAnErrorAndKeepsThePreviousOne)
{
    write("Alpha", LibraryText(20));
    write("Beta", LibraryText(3));
    write("Broken", "1\t2\t3\r\n4\t5\r\n");
    TForm1& form = open();
    TLibraryPage& page = *form.libraryPage;
    QFile::remove(folder() + "Beta.cbl"); // deleted after start-up

    page.combo_lab->setCurrentText("Beta");
    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(f.fake.dialogs.shown[0].text.contains("Beta.cbl"));
    EXPECT_EQ(form.Library.LibrarySwatchCount(), 20);
    EXPECT_EQ(page.combo_lab->currentText(), "Beta");

    page.combo_lab->setCurrentText("Broken");
    ASSERT_EQ(f.fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(f.fake.dialogs.shown[1].icon, TMsgIcon::Error);
    EXPECT_TRUE(f.fake.dialogs.shown[1].text.contains("'4\t5'")) << f.fake.dialogs.shown[1].text.toStdString();
    EXPECT_EQ(form.Library.LibrarySwatchCount(), 20);
    EXPECT_EQ(form.Library.LibrarySwatches[19].Red, 19);
}

TEST_F(LibraryPageFixture, DoubleClickAddsTheSwatchColourToThePaletteOnce)
{
    write("Alpha", "10\t20\t30\r\n40\t50\t60\r\n");
    TForm1& form = open();
    TLibraryPage& page = *form.libraryPage;
    // The add command itself belongs to the palette page.
    form.b_ppAddClick();
    if (form.Pal.SwatchCount() == 0)
        GTEST_SKIP() << "the palette page's add command does not add yet";
    const int before = form.Pal.SwatchCount();
    // What a real double click delivers: press, release, double click, release.
    QTest::mouseClick(page.libraryPalette, Qt::LeftButton, {}, centre(form, 1));
    QTest::mouseDClick(page.libraryPalette, Qt::LeftButton, {}, centre(form, 1));
    QTest::mouseRelease(page.libraryPalette, Qt::LeftButton, {}, centre(form, 1));
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, 1);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{40, 50, 60}));
    ASSERT_EQ(form.Pal.SwatchCount(), before + 1);
    const TSwatch& added = form.Pal.Palette.back();
    EXPECT_EQ((TRgbColor{added.Red, added.Green, added.Blue}), (TRgbColor{40, 50, 60}));
}

TEST_F(LibraryPageFixture, OtherButtonsDoubleClickAddNothing)
{
    write("Alpha", "10\t20\t30\r\n40\t50\t60\r\n");
    TForm1& form = open();
    TLibraryPage& page = *form.libraryPage;
    // The middle button picks as a press does; the right button offers the
    // colour to copy and selects nothing. Neither adds a colour.
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(page.libraryPalette, button, {}, centre(form, 1));
        QTest::mouseDClick(page.libraryPalette, button, {}, centre(form, 1));
        QTest::mouseRelease(page.libraryPalette, button, {}, centre(form, 1));
        EXPECT_EQ(form.Library.LibrarySelectedSwatch, button == Qt::RightButton ? -1 : 1);
        EXPECT_EQ(form.Pal.SwatchCount(), 0);
    }
}

} // namespace
