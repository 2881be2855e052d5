// Swatch libraries: listing, layout and picking rules, and the libraries
// shipped with the program.
#include "color/ColorConv.h"
#include "palette/SwatchLibrary.h"
#include "support/LibraryFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace SwatchLibrary;

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
        {TSwatchSize::Medium, 20, 8, 90}, // rows of 8, 8 and 4
        {TSwatchSize::Medium, 16, 8, 90}, // two full rows and an empty one
        {TSwatchSize::Medium, 0, 8, 30},  {TSwatchSize::Large, 6, 6, 80}, {TSwatchSize::Small, 11, 12, 20},
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
        EXPECT_EQ(QPoint(rows[std::size_t(p.index)].Left, rows[std::size_t(p.index)].Top), p.at)
            << "swatch " << p.index;
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
        {{1, 10}, -1}, // left border line
        {{10, 0}, -1}, // top border line
        {{2, 1}, 0}, // first pixel inside
        {{29, 10}, 0}, // right border column
        {{10, 28}, 0}, // bottom border row
        {{30, 10}, -1}, // gap to the next cell
        {{31, 10}, -1}, // next cell's left border
        {{32, 10}, 1},  {{10, 29}, -1}, // gap to the next row
        {{10, 31}, 8},  {{250, 10}, -1},
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
    int index; // a colour to spot-check
    TRgbColor color;
};

const Shipped kShipped[] = {
    {"CSS Named Colors", 148, 0, {240, 248, 255}}, // aliceblue
    {"Flat UI", 20, 0, {26, 188, 156}}, // turquoise
    {"Grey Ramp", 16, 15, {255, 255, 255}},
    {"Material Design", 256, 5, {244, 67, 54}}, // red 500
    {"Solarized", 16, 0, {0, 43, 54}}, // base03
    {"Tango", 27, 26, {46, 52, 54}}, // aluminium 6
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
    auto at = [&](int i) {
        return TRgbColor{rows[std::size_t(i)].Red, rows[std::size_t(i)].Green, rows[std::size_t(i)].Blue};
    };
    EXPECT_EQ(at(2), (TRgbColor{0, 255, 255})); // aqua
    EXPECT_EQ(at(24), (TRgbColor{169, 169, 169})); // darkgray
    EXPECT_EQ(at(25), (TRgbColor{0, 100, 0})); // darkgreen
    EXPECT_EQ(at(26), (TRgbColor{169, 169, 169})); // darkgrey
    EXPECT_EQ(at(53), (TRgbColor{128, 128, 128})); // gray
    EXPECT_EQ(at(54), (TRgbColor{0, 128, 0})); // green
    EXPECT_EQ(at(56), (TRgbColor{128, 128, 128})); // grey
    EXPECT_EQ(at(119), (TRgbColor{102, 51, 153})); // rebeccapurple
    EXPECT_EQ(at(147), (TRgbColor{154, 205, 50})); // yellowgreen
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

} // namespace
