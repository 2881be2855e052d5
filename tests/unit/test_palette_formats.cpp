// Palettes in other programs' formats: the bytes written, what is read back,
// and the errors of damaged files naming their line or byte offset.
#include "palette/PaletteExport.h"
#include "palette/PaletteFormats.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

namespace {

using namespace PaletteFormats;

std::vector<TSwatch> Sample()
{
    return {{58, 123, 213, 0, 0}, {0, 0, 0, 0, 0}, {255, 255, 255, 0, 0}, {300, -5, 7, 0, 0}};
}

// Colours as "r,g,b" texts, the easiest to compare and to print.
QStringList Colours(const std::vector<TSwatch>& swatches)
{
    QStringList out;
    for (const TSwatch& s : swatches)
        out << QStringLiteral("%1,%2,%3").arg(s.Red).arg(s.Green).arg(s.Blue);
    return out;
}

const QStringList kSampleLow8{"58,123,213", "0,0,0", "255,255,255", "44,251,7"};

TEST(GplFormat, WritesTheHeaderAndOneLinePerSwatchAsGimpDoes)
{
    EXPECT_EQ(WriteGpl(QStringLiteral("Sea"), Sample(), 9),
              QByteArray("GIMP Palette\nName: Sea\nColumns: 9\n#\n"
                         " 58 123 213\t3A7BD5\n"
                         "  0   0   0\t000000\n"
                         "255 255 255\tFFFFFF\n"
                         " 44 251   7\t2CFB07\n"));
    // A name cannot break the header into more lines.
    EXPECT_TRUE(WriteGpl(QStringLiteral("a\nb"), {}, 0).startsWith("GIMP Palette\nName: a b\n"));
}

TEST(GplFormat, ReadsWhatGimpReads)
{
    struct {
        const char* what;
        QByteArray file;
        QStringList colours;
        QString name;
    } cases[] = {
        {"comments, name, columns, blank lines",
         "GIMP Palette\nName: Bears\nColumns: 4\n#\n# a comment\n\n  8   8   8\tgrey3\n 68  44  44\n",
         {"8,8,8", "68,44,44"},
         "Bears"},
        {"CR LF line ends", "GIMP Palette\r\nName: Win\r\n1 2 3\tone\r\n4 5 6\r\n", {"1,2,3", "4,5,6"}, "Win"},
        {"CR line ends", "GIMP Palette\rName: Mac\r1 2 3\r", {"1,2,3"}, "Mac"},
        {"names with spaces and non-ASCII text",
         "GIMP Palette\nName: Größe Ünïcødé\n10 20 30 Dark sky blue\n 1\t2\t3\tÉté 夏\n",
         {"10,20,30", "1,2,3"},
         QString::fromUtf8("Größe Ünïcødé")},
        {"no Name or Columns, no last line end", "GIMP Palette\n255 0 0", {"255,0,0"}, ""},
        {"values brought into range as GIMP does", "GIMP Palette\n300 -4 12\n", {"255,0,12"}, ""},
        {"a byte order mark before the header", "\xEF\xBB\xBFGIMP Palette\n1 1 1\n", {"1,1,1"}, ""},
        {"an empty palette", "GIMP Palette\nName: None\n#\n", {}, "None"},
    };
    for (const auto& c : cases) {
        const TReadResult r = ReadGpl(c.file);
        ASSERT_TRUE(r.ok) << c.what << ": " << r.error.toStdString();
        EXPECT_EQ(Colours(r.swatches), c.colours) << c.what;
        EXPECT_EQ(r.name, c.name) << c.what;
    }
}

TEST(GplFormat, DamagedFilesNameTheLine)
{
    struct {
        QByteArray file;
        const char* says;
    } cases[] = {
        {"", "Line 1"},
        {"JASC-PAL\n0100\n", "Line 1: \"JASC-PAL\""},
        {"GIMP Palette\n1 2 3\n4 5\n", "Line 3"},
        {"GIMP Palette\n1 2 3\n\nred green blue\n", "Line 4: \"red green blue\""},
        {"GIMP Palette\n1 2 3x\n", "Line 2"},
    };
    for (const auto& c : cases) {
        const TReadResult r = ReadGpl(c.file);
        EXPECT_FALSE(r.ok) << c.file.constData();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.says))) << r.error.toStdString();
    }
}

// An ASE file put together by hand, block by block.
struct TAseBuilder {
    QByteArray bytes = QByteArray("ASEF\0\1\0\0\0\0\0\0", 12);
    void u16(quint16 v) { bytes += char(v >> 8), bytes += char(v & 0xFF); }
    void u32(quint32 v) { u16(quint16(v >> 16)), u16(quint16(v)); }
    void f32(float f)
    {
        quint32 b;
        std::memcpy(&b, &f, 4);
        u32(b);
    }
    void name(const QString& n)
    {
        u16(quint16(n.size() + 1));
        for (QChar c : n)
            u16(c.unicode());
        u16(0);
    }
    void group(const QString& n) { u16(0xC001), u32(quint32(2 + 2 * (n.size() + 1))), name(n); }
    void groupEnd() { u16(0xC002), u32(0); }
    void colour(const QString& n, const char* model, std::initializer_list<float> values)
    {
        u16(0x0001), u32(quint32(2 + 2 * (n.size() + 1) + 4 + 4 * values.size() + 2));
        name(n);
        bytes += QByteArray(model, 4);
        for (float v : values)
            f32(v);
        u16(2);
    }
};

TEST(AseFormat, WritesVersionOneWithAGroupAndGlobalRgbEntries)
{
    const QByteArray ase = WriteAse(QStringLiteral("Sé"), {{255, 0, 51, 0, 0}});
    TAseBuilder expected;
    expected.bytes[11] = 3; // group start, one colour, group end
    expected.group(QStringLiteral("Sé"));
    expected.u16(0x0001), expected.u32(34), expected.name(QStringLiteral("FF0033"));
    expected.bytes += "RGB ";
    expected.f32(1.0f), expected.f32(0.0f), expected.f32(51.0f / 255.0f);
    expected.u16(0); // global
    expected.groupEnd();
    EXPECT_EQ(ase.toHex(' '), expected.bytes.toHex(' '));
}

TEST(AseFormat, ReadsRgbGrayAndCmykInsideAndOutsideGroups)
{
    TAseBuilder b;
    b.colour(QStringLiteral("loose"), "RGB ", {1.0f, 0.5f, 0.0f});
    b.group(QStringLiteral("Greys"));
    b.colour(QStringLiteral("50% Gray"), "Gray", {0.5f});
    b.colour(QStringLiteral("white"), "Gray", {1.0f});
    b.groupEnd();
    b.colour(QStringLiteral("CMYK Red"), "CMYK", {0.0f, 1.0f, 1.0f, 0.0f});
    b.colour(QStringLiteral("Dark"), "CMYK", {0.5f, 0.0f, 1.0f, 0.4f});
    const TReadResult r = ReadAse(b.bytes);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    // 127.5 rounds to the even 128; (1 - 0.5)(1 - 0.4) 255 = 76.5 to the even 76.
    EXPECT_EQ(Colours(r.swatches), (QStringList{"255,128,0", "128,128,128", "255,255,255", "255,0,0", "76,153,0"}));
    EXPECT_EQ(r.name, QStringLiteral("Greys"));
}

TEST(AseFormat, RoundTripKeepsEveryColour)
{
    std::vector<TSwatch> all;
    for (int v = 0; v < 256; ++v)
        all.push_back({v, 255 - v, (v * 7) % 256, 0, 0});
    const TReadResult r = ReadAse(WriteAse(QStringLiteral("All"), all));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Colours(r.swatches), Colours(all));
    EXPECT_EQ(r.name, QStringLiteral("All"));
}

TEST(AseFormat, DamagedFilesAndLabNameTheOffset)
{
    TAseBuilder lab;
    lab.colour(QStringLiteral("ok"), "RGB ", {0, 0, 0});
    lab.colour(QStringLiteral("L"), "LAB ", {50, 0, 0});
    TAseBuilder truncated;
    truncated.colour(QStringLiteral("cut"), "RGB ", {0, 0, 0});
    truncated.bytes.chop(5);
    TAseBuilder unknownModel;
    unknownModel.colour(QStringLiteral("x"), "XYZ ", {0, 0, 0});
    QByteArray version2 = TAseBuilder().bytes;
    version2[4] = 0;
    version2[5] = 2;
    TAseBuilder nameTooLong;
    nameTooLong.u16(0x0001), nameTooLong.u32(4), nameTooLong.u16(500), nameTooLong.u16(0);

    struct {
        QByteArray file;
        const char* says;
    } cases[] = {
        {"", "Offset 0"},
        {"ASEX\0\1\0\0\0\0\0\0", "Offset 0"},
        {version2, "Offset 4: version 2.0"},
        {lab.bytes, "Offset 56: a LAB colour"},
        {truncated.bytes, "Offset 12: the block"},
        {unknownModel.bytes, "Offset 24: \"XYZ \""},
        {nameTooLong.bytes, "Offset 18: the name"},
        {TAseBuilder().bytes + "\xC0", "Offset 12"},
    };
    for (const auto& c : cases) {
        const TReadResult r = ReadAse(c.file);
        EXPECT_FALSE(r.ok) << c.says;
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.says))) << r.error.toStdString();
    }
}

TEST(JsonFormat, WritesNameAndColoursAndReadsThemBack)
{
    const QByteArray json = WriteJson(QStringLiteral("Say \"hi\""), {{58, 123, 213, 0, 0}, {0, 0, 0, 0, 0}});
    EXPECT_EQ(json,
              QByteArray("{\"name\": \"Say \\\"hi\\\"\", \"colors\": [\n"
                         "  {\"hex\": \"#3A7BD5\", \"rgb\": [58, 123, 213]},\n"
                         "  {\"hex\": \"#000000\", \"rgb\": [0, 0, 0]}\n]}\n"));
    const TReadResult r = ReadJson(WriteJson(QStringLiteral("Sea"), Sample()));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(Colours(r.swatches), kSampleLow8);
    EXPECT_EQ(r.name, QStringLiteral("Sea"));
    EXPECT_TRUE(ReadJson(WriteJson(QStringLiteral("Empty"), {})).ok);
    // Hex alone, as an object or a plain string, also reads.
    const TReadResult hexOnly = ReadJson(R"({"colors": [{"hex": "#f0a"}, "#102030"]})");
    ASSERT_TRUE(hexOnly.ok);
    EXPECT_EQ(Colours(hexOnly.swatches), (QStringList{"255,0,170", "16,32,48"}));
}

TEST(JsonFormat, DamagedFilesSayWhere)
{
    struct {
        QByteArray file;
        const char* says;
    } cases[] = {
        {"{\"colors\": [}", "Offset 12"},
        {"{\"colors\": []", "Offset 13: ',' or '}'"},
        {"{\"name\": \"a\\qb\", \"colors\": []}", "Offset 12: an unknown escape"},
        {"{\"colors\": []} x", "Offset 15: there is more"},
        {R"([1, 2])", "Offset 0: the file does not start with '{'"},
        {R"({"name": "x"})", "no \"colors\" list"},
        {R"({"colors": [{"rgb": [1, 2]}]})", "Colour 1 "},
        {R"({"colors": [{"rgb": [1, 2, 3]}, {"rgb": [1, 2, 256]}]})", "Colour 2 "},
        {R"({"colors": [{"rgb": [1.5, 2, 3]}]})", "Colour 1 "},
        {R"({"colors": [{"hex": "#12345"}]})", "Colour 1 "},
        {R"({"colors": [7]})", "Colour 1 "},
    };
    for (const auto& c : cases) {
        const TReadResult r = ReadJson(c.file);
        EXPECT_FALSE(r.ok) << c.file.constData();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.says))) << r.error.toStdString();
    }
}

TEST(CssFormat, WritesOneCustomPropertyPerSwatchUnderRoot)
{
    EXPECT_EQ(WriteCss(QStringLiteral("My Palette"), {{58, 123, 213, 0, 0}, {1, 2, 3, 0, 0}}),
              QByteArray(":root {\n  --my-palette-1: #3A7BD5;\n  --my-palette-2: #010203;\n}\n"));
    struct {
        const char* name;
        const char* ident;
    } cases[] = {
        {"Sea", "sea"},
        {"  Sea & Sky!! 2 ", "sea-sky-2"},
        {"under_score", "under_score"},
        {"--x--", "x"},
        {"Été", "été"},
        {"!!!", "palette"},
        {"", "palette"},
        {"9 lives", "9-lives"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CssIdentifier(QString::fromUtf8(c.name)), QString::fromUtf8(c.ident)) << c.name;
}

TEST(HexText, FindsHashCodesAndBareSixDigitLines)
{
    const QByteArray css = ":root {\n  --a: #3A7BD5;\n  --b: #f0a; /* short */\n}\n"
                           "#header { color: #102030 } a { background: url(#frag) }\n"
                           "#1234567 is too long, #12 too short, #abcdefg no code\n"
                           "  FFEEDD  \n"
                           "cafe12 and more text\n";
    const TReadResult r = ReadHexText(css);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Colours(r.swatches), (QStringList{"58,123,213", "255,0,170", "16,32,48", "255,238,221"}));
    // The CSS this program writes reads back as its colours.
    EXPECT_EQ(Colours(ReadHexText(WriteCss(QStringLiteral("x"), Sample())).swatches), kSampleLow8);
}

class ImportFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& content)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return f.fileName();
    }
};

TEST_F(ImportFile, EachFormatByItsExtensionNamedAfterTheFile)
{
    struct {
        const char* file;
        QByteArray content;
    } cases[] = {
        {"Sea.gpl", WriteGpl(QStringLiteral("Inner name"), Sample(), 4)},
        {"Sea.GPL", WriteGpl(QStringLiteral("x"), Sample(), 4)},
        {"Sea.ase", WriteAse(QStringLiteral("x"), Sample())},
        {"Sea.json", WriteJson(QStringLiteral("x"), Sample())},
        {"Sea.css", WriteCss(QStringLiteral("x"), Sample())},
        {"Sea.txt", "#3A7BD5\n000000\n#FFF\n2CFB07\n"},
        {"Sea.v2.txt", "#3A7BD5 #000000 #ffffff #2cfb07"},
    };
    for (const auto& c : cases) {
        const TReadResult r = ImportPaletteFile(write(QString::fromUtf8(c.file), c.content));
        ASSERT_TRUE(r.ok) << c.file << ": " << r.error.toStdString();
        EXPECT_EQ(Colours(r.swatches), kSampleLow8) << c.file;
        EXPECT_EQ(r.name, QString::fromUtf8(c.file).section('.', 0, -2)) << c.file;
    }
}

TEST_F(ImportFile, UnreadableOrColourlessFilesAreRefusedWithTheReason)
{
    const QString fifo = dir.filePath("pipe.gpl");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct {
        QString path;
        const char* says;
    } cases[] = {
        {dir.filePath("missing.gpl"), "does not exist"},
        {dir.path(), "not a regular file"},
        {fifo, "not a regular file"},
        {write("empty.gpl", "GIMP Palette\nName: e\n"), "holds no colour"},
        {write("words.txt", "no colours in here\n"), "holds no colour"},
        {write("bad.gpl", "GIMP Palette\n1 2 3\noops\n"), "Line 3"},
        {write("bad.ase", "ASEF"), "Offset 0"},
    };
    for (const auto& c : cases) {
        const TReadResult r = ImportPaletteFile(c.path);
        EXPECT_FALSE(r.ok) << c.path.toStdString();
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Cannot import \""))) << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.says))) << r.error.toStdString();
    }
    QByteArray data;
    QString error;
    EXPECT_FALSE(ReadRegularFile(write("big.txt", QByteArray(101, 'x')), 100, data, error));
    EXPECT_TRUE(error.contains("too large")) << error.toStdString();
    EXPECT_TRUE(ReadRegularFile(write("fits.txt", QByteArray(100, 'x')), 100, data, error));
    EXPECT_EQ(data.size(), 100);
}

TEST(PngExport, HoldsTheBmpsPicturePixelForPixel)
{
    std::vector<TSwatch> swatches;
    for (int i = 0; i < 23; ++i)
        swatches.push_back({i * 11, 255 - i * 5, (i * 37) % 256, 0, 0});
    const PaletteExport::TPicture picture = PaletteExport::BuildExportImage(QStringLiteral("Sea"), swatches, 30);
    ASSERT_TRUE(picture);
    QImage fromBmp, fromPng;
    ASSERT_TRUE(fromBmp.loadFromData(PaletteExport::EncodeBmp(picture.image), "BMP"));
    const QByteArray png = PaletteExport::EncodePng(picture.image);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    ASSERT_TRUE(fromPng.loadFromData(png, "PNG"));
    EXPECT_FALSE(fromPng.hasAlphaChannel());
    ASSERT_EQ(fromPng.size(), fromBmp.size());
    EXPECT_EQ(fromPng.convertToFormat(QImage::Format_RGB32), fromBmp.convertToFormat(QImage::Format_RGB32));
}

} // namespace
