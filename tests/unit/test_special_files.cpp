// Files that are not what their names promise: devices, pipes, sockets and
// folders under a palette's, a library's or the settings' name, files that
// outgrow the read limit, hidden files, other spellings of the extension, a
// byte-order mark, relative folders in the settings, and text from files
// that looks like markup.
#include "app/StartSettings.h"
#include "app/Widgets.h"
#include "palette/LibraryPage.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchLibrary.h"
#include "platform/RegularFile.h"
#include "support/FormFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}

// Puts every kind of non-regular file into `folder` under `<kind><suffix>`.
// The socket stays bound while the returned descriptor is open.
int PlantSpecialFiles(const QString& folder, const QString& suffix)
{
    const auto at = [&](const char* kind) { return QFile::encodeName(folder + '/' + kind + suffix); };
    EXPECT_EQ(::symlink("/dev/zero", at("Zero").constData()), 0);
    EXPECT_EQ(::mkfifo(at("Fifo").constData(), 0600), 0);
    EXPECT_EQ(::symlink(at("Fifo").constData(), at("FifoLink").constData()), 0);
    EXPECT_TRUE(QDir().mkpath(folder + "/Folder" + suffix));
    EXPECT_EQ(::symlink("/nonexistent/target", at("Dangling").constData()), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = at("Socket");
    if (path.size() < qsizetype(sizeof addr.sun_path)) {
        std::memcpy(addr.sun_path, path.constData(), std::size_t(path.size()));
        EXPECT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    }
    return sock;
}

TEST(RegularFileReading, OnlyRegularFilesAreReadAndNothingBlocks)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    WriteFile(d + "/Plain.dat", "1\t2\t3\r\n");
    WriteFile(d + "/Empty.dat", "");
    ASSERT_EQ(::symlink(QFile::encodeName(d + "/Plain.dat").constData(), QFile::encodeName(d + "/Link.dat").constData()), 0);
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
        {"Fifo", TRegularFileRead::NotRegular, {}},    // no writer: would block for good
        {"FifoLink", TRegularFileRead::NotRegular, {}},
        {"Folder", TRegularFileRead::NotRegular, {}},
        {"Socket", TRegularFileRead::NotRegular, {}},  // cannot even be opened
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
        {"Pastel.CBL", ".cbl", "Pastel"}, {"Pastel.cbl", ".cbl", "Pastel"}, {"x.Dat", ".dat", "x"},
        {".Secret.cbl", ".cbl", ""},      {".cbl", ".cbl", ""},            {"Pastel.cbl.bak", ".cbl", ""},
        {"Pastel.dat", ".cbl", ""},       {"cbl", ".cbl", ""},             {"a.b.dat", ".dat", "a.b"},
        {"Bad\xff.dat", ".dat", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SwatchFile::ListedName(QByteArray(c.file), QString::fromLatin1(c.suffix)), QString::fromUtf8(c.listed))
            << c.file;

    const QList<QByteArray> files{"A.DAT", "A.dat", "B.Dat", "B.DAT", "c.dat"};
    EXPECT_EQ(SwatchFile::ListNames(files, ".dat"), QStringList({"A", "B", "c"}));
    EXPECT_EQ(SwatchFile::FileForName(files, "A", ".dat"), "A.dat");  // the exact spelling first
    EXPECT_EQ(SwatchFile::FileForName(files, "B", ".dat"), "B.DAT");  // then always the same one
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
    ASSERT_TRUE(SwatchFile::Parse("\xEF\xBB\xBF" "1\t2\t3\r\n4\t5\t6", out, error)) << error.toStdString();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].Red, 1);
    ASSERT_TRUE(SwatchFile::Parse("\xEF\xBB\xBF", out, error));
    EXPECT_TRUE(out.empty());
    // Only at the very start: anywhere else it is text the format has not.
    EXPECT_FALSE(SwatchFile::Parse("1\t2\t3\r\n\xEF\xBB\xBF" "4\t5\t6", out, error));
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

// ---- Through the main window ------------------------------------------------------

TEST(SpecialFilesAtStart, ADeviceOrPipeAsTheLastPaletteOrTheStoreStartsCleanly)
{
    // The last palette is a pipe (reading it would block for good) and
    // another palette is listed: the program starts untitled, without a
    // message, and lists only the real palette.
    {
        TFormFixture f;
        f.storeDefaults("1\t2\t3", "Fifo");
        f.writePalette("Real", "1\t2\t3\r\n");
        const int sock = PlantSpecialFiles(f.paletteFolder(), ".dat");
        TForm1& form = f.open();
        EXPECT_EQ(form.StartState, TForm1::TStartState::NoPalettes);
        EXPECT_EQ(form.paletteFiles->list_pp->count(), 1);
        EXPECT_TRUE(f.fake.dialogs.shown.empty());
        f.close();
        ::close(sock);
    }
    // The store is a link to an endless device: a first run, the link moved
    // aside, fresh settings written.
    {
        TFormFixture f;
        f.storeDefaults();
        TmRegistry reg;
        reg.StoreFolder = f.paths.storeFolder;
        reg.Key = QStringLiteral("\\software\\tintwell\\");
        const QString file = reg.KeyFile();
        ASSERT_TRUE(QFile::remove(file));
        ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(file).constData()), 0);
        TForm1& form = f.open();
        EXPECT_EQ(form.StartState, TForm1::TStartState::FirstRun);
        f.close();
        EXPECT_EQ(f.storedValues().size(), 7);
        const QStringList aside = QDir(QFileInfo(file).absolutePath()).entryList({"values.damaged-*"}, QDir::System);
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(QFileInfo(QFileInfo(file).absolutePath() + '/' + aside[0]).symLinkTarget(), "/dev/zero");
    }
}

TEST(SpecialFilesAtStart, LibrariesListOnlyRegularVisibleFiles)
{
    TFormFixture f;
    const QString lib = f.paths.programDir + "library";
    WriteFile(lib + "/.Secret.cbl", "1\t1\t1\r\n");
    WriteFile(lib + "/Pastel.CBL", "1\t2\t3\r\n4\t5\t6\r\n");
    const int sock = PlantSpecialFiles(lib, ".cbl");
    TForm1& form = f.open();
    ASSERT_EQ(form.libraryPage->combo_lab->count(), 1);
    EXPECT_EQ(form.libraryPage->combo_lab->itemText(0), "Pastel");
    EXPECT_EQ(form.Library.LibrarySwatchCount(), 2);
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
    ::close(sock);
}

TEST(PlainText, NamesAndFileTextAreNeverShownAsMarkup)
{
    // A palette named like markup is the status bar's plain text.
    {
        TFormFixture f;
        f.storeDefaults("1\t2\t3", "<i>x");
        f.writePalette("<i>x", "1\t2\t3\r\n");
        TForm1& form = f.open();
        ASSERT_EQ(form.StartState, TForm1::TStartState::Reopened);
        QLabel* name = form.main_status->panel(1);
        EXPECT_EQ(name->text(), "<i>x");
        EXPECT_EQ(name->textFormat(), Qt::PlainText);
        EXPECT_EQ(form.main_status->panel(0)->textFormat(), Qt::PlainText);
        f.close();
    }
    // A library line that looks like a heading, in the real message box.
    {
        TFormFixture f;
        WriteFile(f.paths.programDir + "library/News.cbl", "<h1>Update required</h1>\r\n");
        auto realDialogs = std::make_unique<TServicesOverride>(TServices{&QtDialogs(), nullptr, nullptr});
        Qt::TextFormat format = Qt::AutoText;
        QString text;
        bool seen = false;
        std::function<void()> answer = [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    seen = true;
                    format = box->textFormat();
                    text = box->text();
                    box->accept();
                    return;
                }
            QTimer::singleShot(10, answer);
        };
        QTimer::singleShot(0, answer);
        f.open();
        ASSERT_TRUE(seen);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_TRUE(text.contains("'<h1>Update required</h1>' is not a valid integer value")) << text.toStdString();
        realDialogs.reset(); // the close question goes to the fake again
        f.close();
    }
}

} // namespace
