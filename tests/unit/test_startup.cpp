// The main window's start-up and shutdown: the three start states, the
// first run's stored values and folders, and the close question.
#include "app/TForm1.h"
#include "color/ColorArea.h"
#include "palette/PaletteFiles.h"
#include "platform/AtomicFile.h"
#include "support/FormFixture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

const QString kCloseQuestion = QStringLiteral("Don't forget to save your palette!\nDo you want to save it now ?");

TEST(StartUp, FirstRunStoresTheSevenDefaultsInOrderAndCreatesTheFolders)
{
    TFormFixture f;
    TForm1& form = f.open();
    EXPECT_EQ(form.StartState, TForm1::TStartState::FirstRun);
    const QStringList stored = f.storedValues();
    const QStringList expected = {"255\t0\t0",
                                  "untitled",
                                  "Ctrl+Z",
                                  "Ctrl+G",
                                  f.paths.programDir,
                                  f.paths.programDir + "MyPalettes",
                                  f.paths.programDir + "ExportPalette"};
    EXPECT_EQ(stored, expected);
    EXPECT_TRUE(QDir(f.paths.programDir + "MyPalettes").exists());
    EXPECT_TRUE(QDir(f.paths.programDir + "ExportPalette").exists());

    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 0}));
    EXPECT_EQ(form.colorArea->hexInput->text(), "FF0000");
    EXPECT_EQ(form.Color.LastAddedColor, (TRgbColor{0, 0, 0}));
    EXPECT_EQ(form.Status(0), "New File");
    EXPECT_EQ(form.Status(1), "untitled (Not saved)");
    EXPECT_EQ(form.PageCaption(), "untitled");
    EXPECT_EQ(form.paletteFiles->list_pp->count(), 0);
    EXPECT_FALSE(form.Pal.PaletteOnFile);
    EXPECT_FALSE(form.Pal.PaletteSaved);
}

TEST(StartUp, ReadOnlyProgramFolderPutsPalettesUnderTheUserDataFolder)
{
    TFormFixture f;
    // Nothing can be created under /proc, not even by root: an installed,
    // read-only program folder.
    f.paths.programDir = QStringLiteral("/proc/tintwell-installed/");
    ASSERT_FALSE(FolderIsWritable(f.paths.programDir));
    TForm1& form = f.open();
    EXPECT_EQ(form.Pal.PaletteFolder, f.paths.userDataDir + "MyPalettes");
    EXPECT_EQ(form.Pal.ExportFolder, f.paths.userDataDir + "ExportPalette");
    EXPECT_TRUE(QDir(f.paths.userDataDir + "MyPalettes").exists());
    EXPECT_TRUE(QDir(f.paths.userDataDir + "ExportPalette").exists());
    EXPECT_EQ(f.storedValues().value(4), f.paths.programDir);
}

TEST(StartUp, NoPaletteFilesStartsRedAndUntitledWhateverWasStored)
{
    TFormFixture f;
    f.storeDefaults("12\t200\t0", "Summer");
    TForm1& form = f.open();
    EXPECT_EQ(form.StartState, TForm1::TStartState::NoPalettes);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 0}));
    EXPECT_EQ(form.Pal.PaletteName, "untitled");
    EXPECT_EQ(form.Status(0), "New File");
    EXPECT_EQ(form.Status(1), "untitled (Not saved)");
}

TEST(StartUp, ReopensTheLastPaletteWithItsColour)
{
    TFormFixture f;
    f.storeDefaults("12\t200\t0", "Summer");
    f.writePalette("Autumn", "1\t2\t3\r\n");
    f.writePalette("Summer", "255\t0\t0\r\n128\t128\t128\r\n");
    TForm1& form = f.open();
    EXPECT_EQ(form.StartState, TForm1::TStartState::Reopened);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{12, 200, 0}));
    EXPECT_EQ(form.colorArea->hexInput->text(), "0CC800");
    EXPECT_EQ(form.Pal.PaletteName, "Summer");
    ASSERT_EQ(form.Pal.SwatchCount(), 2);
    EXPECT_EQ(form.Color.LastAddedColor, (TRgbColor{128, 128, 128}));
    EXPECT_EQ(form.Pal.Palette[1].Left, 31);
    EXPECT_TRUE(form.Pal.PaletteOnFile);
    EXPECT_TRUE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "File opened");
    EXPECT_EQ(form.Status(1), "Summer");
    EXPECT_EQ(form.PageCaption(), "Summer");
    ASSERT_NE(form.paletteFiles->list_pp->currentItem(), nullptr);
    EXPECT_EQ(form.paletteFiles->list_pp->currentItem()->text(), "Summer");

    f.close(); // unchanged: no question
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

TEST(StartUp, AnEmptyReopenedPaletteLeavesLastAddedBlack)
{
    TFormFixture f;
    f.storeDefaults("1\t2\t3", "Empty");
    f.writePalette("Empty", "");
    TForm1& form = f.open();
    EXPECT_EQ(form.StartState, TForm1::TStartState::Reopened);
    EXPECT_EQ(form.Pal.SwatchCount(), 0);
    EXPECT_EQ(form.Color.LastAddedColor, (TRgbColor{0, 0, 0}));
}

// What start-up does with settings or files it cannot use: it starts as if
// there were no palettes and leaves the files alone.
TEST(StartUp, UnusableLastPaletteOrColourStartsWithoutPalettes)
{
    struct Case {
        const char* what;
        QString lastColor;
        QString lastFile;
        QByteArray content;
        bool expectError;
    };
    const Case cases[] = {
        {"missing file", "1\t2\t3", "Gone", {}, false},
        {"malformed file", "1\t2\t3", "Bad", "1\t2\r\n", true},
        {"colour not three numbers", "red", "Good", "1\t2\t3\r\n", false},
        {"colour out of range", "300\t0\t0", "Good", "1\t2\t3\r\n", false},
        {"empty colour text in position 0 is a first run", "", "Good", "1\t2\t3\r\n", false},
        {"name reaching out of the palette folder", "1\t2\t3", "../Outside", "1\t2\t3\r\n", false},
    };
    for (const Case& c : cases) {
        TFormFixture f;
        f.storeDefaults(c.lastColor, c.lastFile);
        f.writePalette("Other", "9\t9\t9\r\n");
        if (!c.content.isNull())
            f.writePalette(c.lastFile, c.content);
        TForm1& form = f.open();
        QCoreApplication::processEvents();
        EXPECT_NE(form.StartState, TForm1::TStartState::Reopened) << c.what;
        EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 0})) << c.what;
        EXPECT_EQ(form.Pal.PaletteName, "untitled") << c.what;
        EXPECT_EQ(f.fake.dialogs.shown.size(), c.expectError ? 1u : 0u) << c.what;
        if (!c.content.isNull()) {
            EXPECT_EQ(f.readPalette(c.lastFile), c.content) << c.what;
        }
    }
}

TEST(Shutdown, CloseQuestionAnsweredNoStoresColourAndName)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.colorArea->rgbInput_G->setValue(200);
    form.Color.NewColor = {12, 200, 0};
    f.close();
    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fake.dialogs.shown[0].text, kCloseQuestion);
    EXPECT_EQ(f.fake.dialogs.shown[0].icon, TMsgIcon::Warning);
    const QStringList stored = f.storedValues();
    ASSERT_EQ(stored.size(), 7);
    EXPECT_EQ(stored[0], "12\t200\t0");
    EXPECT_EQ(stored[1], "untitled");
}

TEST(Shutdown, CloseQuestionAnsweredYesSavesAnOpenedPalette)
{
    TFormFixture f;
    f.storeDefaults("1\t2\t3", "Mine");
    f.writePalette("Mine", "1\t2\t3\r\n");
    TForm1& form = f.open();
    form.Pal.Palette.push_back({4, 5, 6, 0, 0});
    form.Pal.PaletteSaved = false;
    f.fake.dialogs.answers = {true};
    f.close();
    EXPECT_EQ(f.fake.dialogs.texts(), QStringList{kCloseQuestion});
    EXPECT_EQ(f.readPalette("Mine"), QByteArray("1\t2\t3\r\n4\t5\t6\r\n"));
    EXPECT_EQ(f.storedValues().value(1), "Mine");
}

TEST(Shutdown, SaveThatFailsAtCloseKeepsARecoveryCopy)
{
    TFormFixture f;
    f.storeDefaults("1\t2\t3", "Mine");
    f.writePalette("Mine", "1\t2\t3\r\n");
    TForm1& form = f.open();
    form.Pal.Palette.push_back({4, 5, 6, 0, 0});
    form.Pal.PaletteSaved = false;
    f.fake.dialogs.answers = {true};
    // The palette folder's disk is full; the user data folder is elsewhere.
    const QString folder = f.paletteFolder();
    SetWriteFaultHook([folder](const QString& path, qint64, qint64) { return !path.startsWith(folder); });
    f.close();
    SetWriteFaultHook(nullptr);

    EXPECT_EQ(f.readPalette("Mine"), QByteArray("1\t2\t3\r\n"));
    const QDir recovered(f.paths.userDataDir + "Recovered");
    const QStringList copies = recovered.entryList({"Mine *.dat"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    QFile copy(recovered.filePath(copies[0]));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("1\t2\t3\r\n4\t5\t6\r\n"));
    // The question, the write error, and where the copy is.
    ASSERT_EQ(f.fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(f.fake.dialogs.shown[1].icon, TMsgIcon::Error);
    EXPECT_TRUE(f.fake.dialogs.shown[2].text.contains(copies[0]));
    EXPECT_EQ(f.storedValues().value(1), "Mine");
}

} // namespace
