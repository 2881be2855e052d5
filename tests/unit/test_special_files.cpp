// Files that are not what their names promise, as the readers take them:
// devices, pipes, sockets and folders under a palette's or a library's name,
// files that outgrow the read limit, hidden files, other spellings of the
// extension, a byte-order mark and relative folders in the settings. The
// same files through the main window: test_special_files_window.cpp.
#include "app/StartSettings.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchLibrary.h"
#include "platform/RegularFile.h"
#include "support/SpecialFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

TEST(RegularFileReading, OnlyRegularFilesAreReadAndNothingBlocks)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    WriteFile(d + "/Plain.dat", "1\t2\t3\r\n");
    WriteFile(d + "/Empty.dat", "");
    ASSERT_EQ(
        ::symlink(QFile::encodeName(d + "/Plain.dat").constData(), QFile::encodeName(d + "/Link.dat").constData()), 0);
    const int sock = PlantSpecialFiles(d, ".dat");

    struct Case {
        const char* name;
        TRegularFileRead::TStatus status;
        QByteArray data;
    };
    const Case cases[] = {
        {"Plain", TRegularFileRead::Ok, "1\t2\t3\r\n"},
        {"Empty", TRegularFileRead::Ok, ""},
        {"Link", TRegularFileRead::Ok, "1\t2\t3\r\n"}, // a link to a regular file is read
        {"Zero", TRegularFileRead::NotRegular, {}},
        {"Fifo", TRegularFileRead::NotRegular, {}}, // no writer: would block for good
        {"FifoLink", TRegularFileRead::NotRegular, {}},
        {"Folder", TRegularFileRead::NotRegular, {}},
        {"Socket", TRegularFileRead::NotRegular, {}}, // cannot even be opened
        {"Dangling", TRegularFileRead::OpenFailed, {}},
        {"Missing", TRegularFileRead::OpenFailed, {}},
    };
    for (const Case& c : cases) {
        const TRegularFileRead r = ReadRegularFile(d + '/' + c.name + ".dat", 1024);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.data, c.data) << c.name;
        if (!r.ok())
            EXPECT_FALSE(RegularFileReadError(r, 1024, "a palette").isEmpty()) << c.name;
    }
    ::close(sock);
}

TEST(RegularFileReading, NeverReadsPastTheLimit)
{
    QTemporaryDir dir;
    WriteFile(dir.path() + "/At.dat", QByteArray(100, 'x'));
    WriteFile(dir.path() + "/Over.dat", QByteArray(101, 'x'));
    EXPECT_EQ(ReadRegularFile(dir.path() + "/At.dat", 100).data.size(), 100);
    const TRegularFileRead over = ReadRegularFile(dir.path() + "/Over.dat", 100);
    EXPECT_EQ(over.status, TRegularFileRead::TooLarge);
    EXPECT_TRUE(over.data.isEmpty());
    EXPECT_EQ(RegularFileReadError(over, 100, "a palette"), "It is too large for a palette (more than 0 MB).");

    // A regular file whose size says 0 but that yields more when read, as a
    // file still growing does: reading stops one byte past the limit.
    const TRegularFileRead grows = ReadRegularFile("/proc/self/maps", 64);
    ASSERT_NE(grows.status, TRegularFileRead::OpenFailed) << "no /proc here";
    EXPECT_EQ(grows.status, TRegularFileRead::TooLarge);
    EXPECT_EQ(grows.size, 65);
    EXPECT_EQ(ReadRegularFile("/proc/self/maps", 1 << 20).status, TRegularFileRead::Ok);
}

TEST(FolderListing, HiddenSpecialAndUndecodableEntriesAreNotListed)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    for (const char* name : {"Pastel.CBL", "Earth.cbl", "Mixed.Cbl", ".Secret.cbl", ".cbl", "a.b.cbl", "Tail.cbl.bak"})
        WriteFile(d + '/' + name, "1\t2\t3\r\n");
    const int sock = PlantSpecialFiles(d, ".cbl");
    // A name that is not valid in the file-name encoding could be listed
    // but never opened again.
    const QByteArray raw = QFile::encodeName(d) + "/Raw\xff.cbl";
    ::close(::open(raw.constData(), O_CREAT | O_WRONLY, 0600));
    EXPECT_EQ(SwatchLibrary::ListSwatchLibraries(d), QStringList({"a.b", "Earth", "Mixed", "Pastel"}));
    ::unlink(raw.constData()); // QDir could not remove it either
    ::close(sock);
}

TEST(FolderListing, NamesAndTheFilesTheyStandFor)
{
    struct Case {
        const char* file;
        const char* suffix;
        const char* listed; // "" for not listed
    };
    const Case cases[] = {
        {"Pastel.CBL", ".cbl", "Pastel"},
        {"Pastel.cbl", ".cbl", "Pastel"},
        {"x.Dat", ".dat", "x"},
        {".Secret.cbl", ".cbl", ""},
        {".cbl", ".cbl", ""},
        {"Pastel.cbl.bak", ".cbl", ""},
        {"Pastel.dat", ".cbl", ""},
        {"cbl", ".cbl", ""},
        {"a.b.dat", ".dat", "a.b"},
        {"Bad\xff.dat", ".dat", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SwatchFile::ListedName(QByteArray(c.file), QString::fromLatin1(c.suffix)),
                  QString::fromUtf8(c.listed))
            << c.file;

    const QList<QByteArray> files{"A.DAT", "A.dat", "B.Dat", "B.DAT", "c.dat"};
    EXPECT_EQ(SwatchFile::ListNames(files, ".dat"), QStringList({"A", "B", "c"}));
    EXPECT_EQ(SwatchFile::FileForName(files, "A", ".dat"), "A.dat"); // the exact spelling first
    EXPECT_EQ(SwatchFile::FileForName(files, "B", ".dat"), "B.DAT"); // then always the same one
    EXPECT_EQ(SwatchFile::FileForName(files, "New", ".dat"), "New.dat");
}

TEST(FolderListing, AnUpperCaseExtensionOpensTheFileItWasListedFrom)
{
    QTemporaryDir dir;
    WriteFile(dir.path() + "/Pastel.CBL", "1\t2\t3\r\n");
    ASSERT_EQ(SwatchLibrary::ListSwatchLibraries(dir.path()), QStringList{"Pastel"});
    std::vector<TSwatch> swatches;
    ASSERT_TRUE(SwatchLibrary::LoadSwatchLibrary(dir.path(), "Pastel", swatches));
    EXPECT_EQ(swatches.size(), 1u);

    // A palette: reading, writing and removing go to that same file, so no
    // second "Old.dat" appears beside it.
    TPaletteModel pal;
    pal.PaletteFolder = dir.path();
    WriteFile(dir.path() + "/Old.DAT", "4\t5\t6\r\n");
    ASSERT_TRUE(pal.ReadPaletteFile("Old"));
    EXPECT_EQ(pal.Palette.size(), 1u);
    pal.Palette.push_back({7, 8, 9, 0, 0});
    ASSERT_TRUE(pal.WritePaletteFile("Old"));
    EXPECT_EQ(QDir(dir.path()).entryList({"Old.*"}, QDir::Files), QStringList{"Old.DAT"});
    EXPECT_EQ(pal.ListPaletteFiles(), QStringList({"Old"}));
}

TEST(PaletteText, AByteOrderMarkIsSkipped)
{
    std::vector<TSwatch> out;
    QString error;
    ASSERT_TRUE(SwatchFile::Parse("\xEF\xBB\xBF"
                                  "1\t2\t3\r\n4\t5\t6",
                                  out, error))
        << error.toStdString();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].Red, 1);
    ASSERT_TRUE(SwatchFile::Parse("\xEF\xBB\xBF", out, error));
    EXPECT_TRUE(out.empty());
    // Only at the very start: anywhere else it is text the format has not.
    EXPECT_FALSE(SwatchFile::Parse("1\t2\t3\r\n\xEF\xBB\xBF"
                                   "4\t5\t6",
                                   out, error));
    EXPECT_TRUE(error.contains("(line 2)")) << error.toStdString();
}

TEST(StartSettings, RelativeFoldersAreTakenFromTheProgramFolder)
{
    const QString program = QStringLiteral("/opt/tintwell/");
    struct Case {
        const char* stored;
        const char* used;
    };
    const Case cases[] = {
        {"", ""},
        {"/home/me/Palettes", "/home/me/Palettes"},
        {"MyPalettes", "/opt/tintwell/MyPalettes"},
        {"./Exports/", "/opt/tintwell/Exports"},
        {"../shared/Palettes", "/opt/shared/Palettes"},
        {":Palettes", "/opt/tintwell/:Palettes"}, // not one of Qt's resource paths
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredFolder(c.stored, program), QString::fromUtf8(c.used)) << c.stored;

    const TStartSettings s = ReadStartSettings({"1\t2\t3", "../up", "", "", "", "P", "/e"}, program);
    EXPECT_TRUE(s.colorOk);
    EXPECT_EQ(s.color, (TRgbColor{1, 2, 3}));
    EXPECT_FALSE(s.lastNameUsable);
    EXPECT_EQ(s.paletteFolder, "/opt/tintwell/P");
    EXPECT_EQ(s.exportFolder, "/e");
}

} // namespace
