// The palette model without a window: the file format byte for byte, reads
// that fail without touching the palette, writes that fail without touching
// the file, the cell layout, the view height, hit testing and the listing.
#include "palette/PaletteModel.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::vector<TSwatch> Colours(std::initializer_list<std::array<int, 3>> rgb)
{
    std::vector<TSwatch> out;
    for (const auto& c : rgb)
        out.push_back({c[0], c[1], c[2], 0, 0});
    return out;
}

bool SameColours(const std::vector<TSwatch>& a, const std::vector<TSwatch>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Red != b[i].Red || a[i].Green != b[i].Green || a[i].Blue != b[i].Blue)
            return false;
    return true;
}

class PaletteFolder : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TPaletteModel pal;
    void SetUp() override { pal.PaletteFolder = dir.path(); }
    void TearDown() override { SetWriteFaultHook({}); }
    QByteArray fileBytes(const QString& name) const
    {
        QFile f(dir.path() + "/" + name + ".dat");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void putFile(const QString& fileName, const QByteArray& content) const
    {
        QFile f(dir.path() + "/" + fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
};

// ---- File format -------------------------------------------------------------

TEST_F(PaletteFolder, WritesAndReadsBackByteForByte)
{
    struct Case {
        const char* what;
        std::vector<TSwatch> swatches;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"red then grey: 22 bytes", Colours({{255, 0, 0}, {128, 128, 128}}),
         QByteArray("255\t0\t0\r\n128\t128\t128\r\n")},
        {"empty palette: 0 bytes", {}, QByteArray("")},
        {"values outside 0..255 kept", Colours({{300, -5, 7}}), QByteArray("300\t-5\t7\r\n")},
        {"extremes of 32 bits", Colours({{2147483647, -2147483647 - 1, 0}}),
         QByteArray("2147483647\t-2147483648\t0\r\n")},
    };
    for (const Case& c : cases) {
        pal.Palette = c.swatches;
        ASSERT_TRUE(pal.WritePaletteFile("p")) << c.what;
        EXPECT_EQ(fileBytes("p"), c.bytes) << c.what;
        pal.Palette = Colours({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}});
        ASSERT_TRUE(pal.ReadPaletteFile("p")) << c.what;
        EXPECT_TRUE(SameColours(pal.Palette, c.swatches)) << c.what;
        ASSERT_TRUE(pal.WritePaletteFile("again")) << c.what;
        EXPECT_EQ(fileBytes("again"), c.bytes) << c.what;
    }
    // The example exactly as bytes.
    pal.Palette = Colours({{255, 0, 0}, {128, 128, 128}});
    ASSERT_TRUE(pal.WritePaletteFile("example"));
    EXPECT_EQ(fileBytes("example"),
              QByteArray::fromHex("32 35 35 09 30 09 30 0D 0A 31 32 38 09 31 32 38 09 31 32 38 0D 0A"));
    EXPECT_EQ(fileBytes("example").size(), 22);
}

TEST_F(PaletteFolder, ReadAcceptsWhatHandEditingLeaves)
{
    struct Case {
        const char* what;
        QByteArray content;
        std::vector<TSwatch> expected;
    };
    const Case cases[] = {
        {"last line without its line end", "1\t2\t3\r\n4\t5\t6", Colours({{1, 2, 3}, {4, 5, 6}})},
        {"LF line ends", "1\t2\t3\n4\t5\t6\n", Colours({{1, 2, 3}, {4, 5, 6}})},
        {"blank lines between and after", "1\t2\t3\r\n\r\n\r\n4\t5\t6\r\n\r\n", Colours({{1, 2, 3}, {4, 5, 6}})},
        {"blanks around numbers and a plus sign", " 1 \t+2\t 3\r\n", Colours({{1, 2, 3}})},
        {"only a line end", "\r\n", {}},
    };
    for (const Case& c : cases) {
        putFile("h.dat", c.content);
        ASSERT_TRUE(pal.ReadPaletteFile("h")) << c.what;
        EXPECT_TRUE(SameColours(pal.Palette, c.expected)) << c.what;
    }
}

TEST_F(PaletteFolder, MalformedLineNamesItsTextAndLeavesThePaletteAlone)
{
    struct Case {
        const char* what;
        QByteArray content;
        const char* offending;
    };
    const Case cases[] = {
        {"one TAB only", "1\t2\r\n", "'1\t2'"},
        {"no TAB", "12\r\n", "'12'"},
        {"a fourth field", "1\t2\t3\t4\r\n", "'3\t4'"},
        {"a TAB at the end", "1\t2\t3\t\r\n", "'3\t'"},
        {"letters", "1\tgreen\t3\r\n", "'green'"},
        {"empty field", "1\t\t3\r\n", "''"},
        {"beyond 32 bits", "1\t2\t2147483648\r\n", "'2147483648'"},
        {"bad line after good ones", "1\t2\t3\r\n4\t5\t6\r\nx\t5\t6\r\n", "'x'"},
    };
    for (const Case& c : cases) {
        putFile("bad.dat", c.content);
        pal.Palette = Colours({{9, 8, 7}});
        const TFileResult r = pal.ReadPaletteFile("bad");
        EXPECT_FALSE(r) << c.what;
        EXPECT_TRUE(r.error.contains(QString::fromLatin1(c.offending))) << c.what << ": " << r.error.toStdString();
        EXPECT_TRUE(SameColours(pal.Palette, Colours({{9, 8, 7}}))) << c.what;
    }
}

TEST_F(PaletteFolder, MissingFileFailsAndLeavesThePaletteAlone)
{
    pal.Palette = Colours({{9, 8, 7}});
    const TFileResult r = pal.ReadPaletteFile("nowhere");
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.contains("nowhere.dat"));
    EXPECT_TRUE(SameColours(pal.Palette, Colours({{9, 8, 7}})));
}

// A write that fails half-way (full disk) or cannot start (no folder) leaves
// the palette's old file exactly as it was and no stray file behind.
TEST_F(PaletteFolder, FailedWriteKeepsTheOldFile)
{
    putFile("keep.dat", "1\t2\t3\r\n");
    pal.Palette = Colours({{4, 5, 6}, {7, 8, 9}});
    SetWriteFaultHook([](const QString&, qint64, qint64) { return false; });
    const TFileResult r = pal.WritePaletteFile("keep");
    SetWriteFaultHook({});
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(fileBytes("keep"), QByteArray("1\t2\t3\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.dat"});

    // A folder that cannot be made (a missing one is made again).
    pal.PaletteFolder = QStringLiteral("/proc/tintwell-gone");
    EXPECT_FALSE(pal.WritePaletteFile("keep"));
}

TEST_F(PaletteFolder, ListingNamesPaletteFilesOnly)
{
    putFile("Summer.dat", "");
    putFile("autumn.dat", "");
    putFile("autumn 2.dat", "");
    putFile("a.b.dat", "");
    putFile(".hidden.dat", "");
    putFile("notes.txt", "");
    putFile("Upper.DAT", "");
    putFile("x.dat.bak", "");
    QDir(dir.path()).mkdir("folder.dat");
    EXPECT_EQ(pal.ListPaletteFiles(), (QStringList{"a.b", "autumn", "autumn 2", "Summer", "Upper"}));
}

// ---- Layout and view height ----------------------------------------------------

TEST(PaletteLayout, CellsFillRowsLeftToRight)
{
    struct Case {
        TSwatchSize size;
        int count;
        int index;
        int left, top;
        int viewHeight;
    };
    const Case cases[] = {
        {TSwatchSize::Medium, 9, 0, 1, 0, 60},
        {TSwatchSize::Medium, 9, 8, 241, 0, 60},
        {TSwatchSize::Medium, 10, 9, 1, 30, 60},
        {TSwatchSize::Medium, 10, 7, 211, 0, 60},
        {TSwatchSize::Large, 10, 7, 1, 40, 80},
        {TSwatchSize::Large, 7, 6, 241, 0, 80},
        {TSwatchSize::Small, 10, 9, 181, 0, 20},
        {TSwatchSize::Small, 14, 13, 261, 0, 40},
        {TSwatchSize::Medium, 0, -1, 0, 0, 30},
        {TSwatchSize::Small, 0, -1, 0, 0, 20},
        {TSwatchSize::Medium, 100000, 99999, 1 + 30 * (99999 % 9), 30 * (99999 / 9), 30 * (100000 / 9 + 1)},
    };
    for (const Case& c : cases) {
        TPaletteModel pal;
        pal.Palette.resize(std::size_t(c.count));
        pal.ApplySwatchSize(c.size);
        pal.LayoutPalette();
        EXPECT_EQ(pal.PaletteViewHeight(), c.viewHeight) << c.count;
        if (c.index >= 0) {
            EXPECT_EQ(pal.Palette[std::size_t(c.index)].Left, c.left) << c.count << " #" << c.index;
            EXPECT_EQ(pal.Palette[std::size_t(c.index)].Top, c.top) << c.count << " #" << c.index;
        }
    }
}

TEST(PaletteLayout, SwitchingSizeMovesTheSameSwatches)
{
    TPaletteModel pal;
    pal.Palette.resize(10);
    pal.ApplySwatchSize(TSwatchSize::Medium);
    pal.LayoutPalette();
    EXPECT_EQ(pal.Palette[7].Left, 211);
    EXPECT_EQ(pal.Palette[7].Top, 0);
    EXPECT_EQ(pal.PaletteViewHeight(), 60);

    pal.ApplySwatchSize(TSwatchSize::Large);
    pal.LayoutPalette();
    EXPECT_EQ(pal.SwatchWidth, 40);
    EXPECT_EQ(pal.SwatchHeight, 40);
    EXPECT_EQ(pal.Palette[7].Left, 1);
    EXPECT_EQ(pal.Palette[7].Top, 40);
    EXPECT_EQ(pal.PaletteViewHeight(), 80);

    pal.ApplySwatchSize(TSwatchSize::Small);
    pal.LayoutPalette();
    for (const TSwatch& s : pal.Palette)
        EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(pal.PaletteViewHeight(), 20);
}

// ---- Hit testing -----------------------------------------------------------------

TEST(PaletteHitTest, OnlyPointsStrictlyInsideTheOutlineHit)
{
    TPaletteModel pal;
    pal.Palette.resize(20);
    pal.ApplySwatchSize(TSwatchSize::Medium);
    pal.LayoutPalette();
    const TSwatch cell = pal.Palette[10]; // row 1, column 1: (31, 30)
    struct Case {
        int dx, dy;
        int expected;
    };
    const Case cases[] = {
        {0, 10, -1}, {1, 10, 10},  {28, 10, 10}, {29, 10, -1}, {10, 0, -1},
        {10, 1, 10}, {10, 28, 10}, {10, 29, -1}, {1, 1, 10},   {28, 28, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pal.SwatchAt(cell.Left + c.dx, cell.Top + c.dy), c.expected) << c.dx << "," << c.dy;
    // Below the last cell and right of the last column: white space.
    EXPECT_EQ(pal.SwatchAt(100, 75), -1);
    EXPECT_EQ(pal.SwatchAt(275, 10), -1);
    EXPECT_EQ(pal.SwatchAt(-5, -5), -1);
}

TEST(PaletteHitTest, FindsCellsDeepInALargePalette)
{
    TPaletteModel pal;
    pal.Palette.resize(100000);
    pal.ApplySwatchSize(TSwatchSize::Small);
    pal.LayoutPalette();
    for (int i : {0, 13, 14, 54321, 99999}) {
        const TSwatch& s = pal.Palette[std::size_t(i)];
        EXPECT_EQ(pal.SwatchAt(s.Left + 5, s.Top + 5), i);
    }
    const auto [first, last] = pal.Grid().RowsBetween(pal.Palette, 2000, 2136);
    // Rows 100 (top 2000) to 106 (top 2120, its ring from 2119) reach into
    // y 2000..2136; row 99's ring ends at 1999, row 107's starts at 2139.
    EXPECT_EQ(first, std::size_t(100 * 14));
    EXPECT_EQ(last, std::size_t(107 * 14));
}

// ---- Names -------------------------------------------------------------------------

TEST(PaletteNames, FileNameRules)
{
    for (const QString& ok :
         {QStringLiteral("Summer"), QStringLiteral("my palette 2"), QStringLiteral("Grün été"),
          QStringLiteral("dots..."), QStringLiteral("a&b"), QStringLiteral("نخل"), QString(250, QChar('x'))})
        EXPECT_TRUE(IsUsablePaletteName(ok)) << ok.toStdString();
    // A leading dot would hide the file; direction marks and line or
    // paragraph separators would make two different names look alike.
    const char16_t invisible[] = {0x200E, 0x200F, 0x202A, 0x202B, 0x202C, 0x202D, 0x202E,
                                  0x2066, 0x2067, 0x2068, 0x2069, 0x061C, 0x2028, 0x2029};
    QStringList bad = {QString(), ".",    "..",        "../x",        ".hidden",           ".dots.",
                       "a/b",     "a\\b", "tab\there", "line\nbreak", QString(QChar(0x7F))};
    for (const char16_t c : invisible)
        bad << QStringLiteral("Summer") + QChar(c) + QStringLiteral("x");
    for (const QString& name : bad)
        EXPECT_FALSE(IsUsablePaletteName(name)) << name.toStdString();
}

TEST(PaletteNames, NamesEqualOnceComposedAreTheSame)
{
    const QString composed = QStringLiteral("Gr\u00fcn \u00e9t\u00e9");
    const QString decomposed = QStringLiteral("Gru\u0308n e\u0301te\u0301");
    ASSERT_NE(composed, decomposed);
    EXPECT_TRUE(SamePaletteName(composed, decomposed));
    EXPECT_TRUE(SamePaletteName(decomposed, decomposed));
    EXPECT_FALSE(SamePaletteName(QStringLiteral("Grun"), composed));
    EXPECT_FALSE(SamePaletteName(QStringLiteral("summer"), QStringLiteral("Summer")));
}

} // namespace
