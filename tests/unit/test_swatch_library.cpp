// Swatch libraries: listing, layout and picking rules, the libraries shipped
// with the program, and the "Swatch Library" page on the main window.
#include "widgets/Widgets.h"
#include "palette/LibraryPage.h"
#include "palette/SwatchLibrary.h"
#include "support/FormFixture.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <set>
#include <gtest/gtest.h>

namespace {

using namespace SwatchLibrary;

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}

// `count` distinct colours in library file form.
QByteArray LibraryText(int count, int base = 0)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number((base + i) % 256) + "\t" + QByteArray::number(i % 7) + "\t" + QByteArray::number(200) + "\r\n";
    return out;
}

std::vector<TSwatch> Rows(int count)
{
    return std::vector<TSwatch>(std::size_t(count), TSwatch{});
}

TEST(SwatchLibraryRules, ListsCblFilesByNameOnly)
{
    QTemporaryDir dir;
    WriteFile(dir.path() + "/Pastel.cbl", "1\t2\t3\r\n");
    WriteFile(dir.path() + "/Earth Tones.cbl", "");
    WriteFile(dir.path() + "/.cbl", "1\t2\t3\r\n");
    WriteFile(dir.path() + "/notes.txt", "");
    WriteFile(dir.path() + "/Pastel.cbl.bak", "");
    QDir().mkpath(dir.path() + "/Folder.cbl");
    EXPECT_EQ(ListSwatchLibraries(dir.path()), QStringList({"Earth Tones", "Pastel"}));
    EXPECT_TRUE(ListSwatchLibraries(dir.path() + "/missing").isEmpty());
}

TEST(SwatchLibraryRules, LayoutAndViewHeightFollowTheCellSize)
{
    struct {
        TSwatchSize size;
        int count;
        int perRow;
        int height;
    } heights[] = {
        {TSwatchSize::Medium, 20, 8, 90},  // rows of 8, 8 and 4
        {TSwatchSize::Medium, 16, 8, 90},  // two full rows and an empty one
        {TSwatchSize::Medium, 0, 8, 30},
        {TSwatchSize::Large, 6, 6, 80},
        {TSwatchSize::Small, 11, 12, 20},
    };
    for (const auto& h : heights) {
        const int cell = ApplyLibrarySwatchSize(h.size);
        EXPECT_EQ(SwatchesPerRow(cell), h.perRow);
        EXPECT_EQ(LibraryViewHeight(h.count, cell), h.height) << h.count << " swatches of " << cell;
    }

    struct {
        TSwatchSize size;
        int index;
        QPoint at;
    } places[] = {
        {TSwatchSize::Medium, 0, {1, 0}},   {TSwatchSize::Medium, 7, {211, 0}}, {TSwatchSize::Medium, 8, {1, 30}},
        {TSwatchSize::Small, 8, {161, 0}},  {TSwatchSize::Small, 12, {1, 20}},  {TSwatchSize::Large, 6, {1, 40}},
        {TSwatchSize::Large, 13, {41, 80}},
    };
    for (const auto& p : places) {
        std::vector<TSwatch> rows = Rows(20);
        LayoutLibrary(rows, ApplyLibrarySwatchSize(p.size));
        EXPECT_EQ(QPoint(rows[std::size_t(p.index)].Left, rows[std::size_t(p.index)].Top), p.at) << "swatch " << p.index;
    }
}

TEST(SwatchLibraryRules, HitTestIsStrictOnTheTopLeftBorderAndTakesTheLastHit)
{
    std::vector<TSwatch> rows = Rows(10);
    LayoutLibrary(rows, 30); // swatch 0 at (1, 0), swatch 1 at (31, 0), swatch 8 at (1, 30)
    struct {
        QPoint p;
        int hit;
    } cases[] = {
        {{1, 10}, -1},  // left border line
        {{10, 0}, -1},  // top border line
        {{2, 1}, 0},    // first pixel inside
        {{29, 10}, 0},  // right border column
        {{10, 28}, 0},  // bottom border row
        {{30, 10}, -1}, // gap to the next cell
        {{31, 10}, -1}, // next cell's left border
        {{32, 10}, 1},
        {{10, 29}, -1}, // gap to the next row
        {{10, 31}, 8},
        {{250, 10}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitSwatch(rows, 30, c.p), c.hit) << c.p.x() << "," << c.p.y();

    rows[5].Left = rows[2].Left;
    rows[5].Top = rows[2].Top;
    EXPECT_EQ(HitSwatch(rows, 30, {rows[2].Left + 5, 5}), 5);
}

TEST(SwatchLibraryRules, LoadReportsVanishedAndMalformedFilesAndKeepsWhatWasLoaded)
{
    QTemporaryDir dir;
    std::vector<TSwatch> loaded = Rows(3);
    TFileResult r = LoadSwatchLibrary(dir.path(), "Gone", loaded);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.contains("Gone.cbl")) << r.error.toStdString();
    EXPECT_EQ(loaded.size(), 3u);

    WriteFile(dir.path() + "/Bad.cbl", "1\t2\t3\r\n4\tfive\t6\r\n");
    r = LoadSwatchLibrary(dir.path(), "Bad", loaded);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.contains("'five'")) << r.error.toStdString();
    EXPECT_EQ(loaded.size(), 3u);

    WriteFile(dir.path() + "/Empty.cbl", "");
    EXPECT_TRUE(LoadSwatchLibrary(dir.path(), "Empty", loaded));
    EXPECT_TRUE(loaded.empty());
}

// ---- The libraries shipped beside the program ----------------------------------

struct Shipped {
    const char* name;
    int count;
    int index;       // a colour to spot-check
    TRgbColor color;
};

const Shipped kShipped[] = {
    {"CSS Named Colors", 148, 0, {240, 248, 255}},   // aliceblue
    {"Flat UI", 20, 0, {26, 188, 156}},              // turquoise
    {"Grey Ramp", 16, 15, {255, 255, 255}},
    {"Material Design", 256, 5, {244, 67, 54}},      // red 500
    {"Solarized", 16, 0, {0, 43, 54}},               // base03
    {"Tango", 27, 26, {46, 52, 54}},                 // aluminium 6
    {"Web Safe Colors", 216, 215, {255, 255, 255}},
};

QString ShippedFolder()
{
    return QStringLiteral(TINTWELL_PROGRAM_DIR "/library");
}

TEST(ShippedLibraries, EachParsesWithItsCountInCrLfLines)
{
    QStringList names;
    for (const Shipped& s : kShipped)
        names << s.name;
    EXPECT_EQ(ListSwatchLibraries(ShippedFolder()), names);

    for (const Shipped& s : kShipped) {
        SCOPED_TRACE(s.name);
        QFile file(LibraryFilePath(ShippedFolder(), s.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        EXPECT_EQ(data.count("\r\n"), s.count);
        EXPECT_EQ(data.count('\n'), s.count);
        EXPECT_EQ(data.count('\r'), s.count);
        EXPECT_TRUE(data.endsWith("\r\n"));

        std::vector<TSwatch> rows;
        const TFileResult r = LoadSwatchLibrary(ShippedFolder(), s.name, rows);
        ASSERT_TRUE(r) << r.error.toStdString();
        ASSERT_EQ(int(rows.size()), s.count);
        for (const TSwatch& row : rows)
            for (int v : {row.Red, row.Green, row.Blue})
                ASSERT_TRUE(v >= 0 && v <= 255);
        const TSwatch& spot = rows[std::size_t(s.index)];
        EXPECT_EQ((TRgbColor{spot.Red, spot.Green, spot.Blue}), s.color);
    }
}

TEST(ShippedLibraries, NamedColoursFollowTheirAlphabeticalTable)
{
    std::vector<TSwatch> rows;
    ASSERT_TRUE(LoadSwatchLibrary(ShippedFolder(), "CSS Named Colors", rows));
    ASSERT_EQ(rows.size(), 148u);
    auto at = [&](int i) { return TRgbColor{rows[std::size_t(i)].Red, rows[std::size_t(i)].Green, rows[std::size_t(i)].Blue}; };
    EXPECT_EQ(at(2), (TRgbColor{0, 255, 255}));       // aqua
    EXPECT_EQ(at(24), (TRgbColor{169, 169, 169}));    // darkgray
    EXPECT_EQ(at(25), (TRgbColor{0, 100, 0}));        // darkgreen
    EXPECT_EQ(at(26), (TRgbColor{169, 169, 169}));    // darkgrey
    EXPECT_EQ(at(53), (TRgbColor{128, 128, 128}));    // gray
    EXPECT_EQ(at(54), (TRgbColor{0, 128, 0}));        // green
    EXPECT_EQ(at(56), (TRgbColor{128, 128, 128}));    // grey
    EXPECT_EQ(at(119), (TRgbColor{102, 51, 153}));    // rebeccapurple
    EXPECT_EQ(at(147), (TRgbColor{154, 205, 50}));    // yellowgreen
}

TEST(ShippedLibraries, WebSafeHoldsEveryMultipleOf51Once)
{
    std::vector<TSwatch> rows;
    ASSERT_TRUE(LoadSwatchLibrary(ShippedFolder(), "Web Safe Colors", rows));
    std::set<int> seen;
    for (const TSwatch& s : rows) {
        for (int v : {s.Red, s.Green, s.Blue})
            EXPECT_EQ(v % 51, 0);
        seen.insert(s.Red << 16 | s.Green << 8 | s.Blue);
    }
    EXPECT_EQ(seen.size(), 216u);
}

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
