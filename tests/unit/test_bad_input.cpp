// What the program does with files and settings it cannot use as they are.
// Each case ends with a clear message or a documented choice, never a crash
// and never a changed or lost file. (The README's troubleshooting table lists
// the same cases.)
#include "PaletteWindow.h"
#include "app/TForm1.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "palette/PaletteSort.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray Lines(int count, const char* end)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number(i % 256) + '\t' + QByteArray::number((i / 256) % 256) + '\t'
            + QByteArray::number(i / 65536 % 256) + end;
    return out;
}

// Opens the listed palette `name` as the "Open" button does.
void Open(TPaletteWindow& w, const QString& name)
{
    w.selectEntry(name);
    w.files().list_ppDblClick();
}

TEST(BadInput, UnreadablePaletteFilesAreReportedAndTheOpenPaletteStays)
{
    QRandomGenerator rng(7);
    QByteArray garbage(4096, '\0');
    for (char& c : garbage)
        c = char(rng.bounded(256));
    QByteArray longLine(3 * 1024 * 1024, 'x'); // one 3 MB line without an end

    struct Case {
        const char* what;
        QByteArray content;
        const char* inMessage;
    };
    const Case cases[] = {
        {"malformed line", "1\t2\t3\r\n4\tfive\t6\r\n", "'five' is not a valid integer value"},
        {"binary garbage", garbage, "is not a valid integer value"},
        {"one enormous line", longLine, "'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        TPaletteWindow w({{"Good", "9\t9\t9\r\n"}, {"Bad", c.content}}, "Good");
        Open(w, "Bad");
        ASSERT_EQ(w.dialogs().shown.size(), 1u) << c.what;
        const TShownBox& box = w.dialogs().shown[0];
        EXPECT_EQ(box.icon, TMsgIcon::Error) << c.what;
        EXPECT_TRUE(box.text.contains(QString::fromLatin1(c.inMessage))) << c.what << ": " << box.text.toStdString();
        EXPECT_LT(box.text.size(), 400) << c.what; // a message, not the file
        EXPECT_EQ(w.colours(), QStringList{"9,9,9"}) << c.what;
        EXPECT_EQ(w.form().Pal.PaletteName, "Good") << c.what;
        EXPECT_EQ(w.f.readPalette("Bad"), c.content) << c.what;
    }
}

TEST(BadInput, FilesTooLargeForAPaletteAreRefusedBeforeReading)
{
    TPaletteWindow w({{"Good", "9\t9\t9\r\n"}}, "Good");
    {
        QFile huge(w.f.paletteFolder() + "/Huge.dat");
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(SwatchFile::kMaxFileBytes + 1)); // sparse: costs no disk
    }
    w.files().list_pp->clear();
    w.files().ListPaletteFiles();
    Open(w, "Huge");
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_TRUE(w.dialogs().shown[0].text.contains("too large for a palette"));
    EXPECT_EQ(w.colours(), QStringList{"9,9,9"});
}

TEST(BadInput, LargePalettesOpenSortAndSaveWhole)
{
    // A 50 MB file (about 4.5 million swatches) and a million swatches.
    for (const int count : {4200000, 1000000}) {
        const QByteArray content = Lines(count, "\r\n");
        TPaletteWindow w({{"Small", "9\t9\t9\r\n"}, {"Big", content}}, "Small");
        Open(w, "Big");
        ASSERT_TRUE(w.dialogs().shown.empty()) << count;
        ASSERT_EQ(w.form().Pal.SwatchCount(), count);
        EXPECT_EQ(w.form().Pal.Palette.back().Top, (count - 1) / 9 * 30);
        if (count == 1000000) {
            SortPalette(w.form().Pal.Palette, TSortOrder::ByRed);
            w.form().Pal.PaletteSaved = false;
        }
        w.files().Save();
        EXPECT_TRUE(w.form().Pal.PaletteSaved) << count;
        EXPECT_EQ(w.f.readPalette("Big").size(), content.size()) << count;
        if (count != 1000000)
            EXPECT_EQ(w.f.readPalette("Big"), content);
    }
}

TEST(BadInput, OtherLineEndsReadAndAreWrittenBackAsCrLf)
{
    for (const char* end : {"\n", "\r"}) {
        TPaletteWindow w({{"Ends", Lines(20, end)}}, "Ends");
        ASSERT_EQ(w.form().Pal.SwatchCount(), 20) << int(end[0]);
        w.form().Pal.PaletteSaved = false;
        w.files().Save();
        EXPECT_EQ(w.f.readPalette("Ends"), Lines(20, "\r\n")) << int(end[0]);
    }
}

TEST(BadInput, NamesWithLettersOfAnyLanguageSaveListAndReopen)
{
    const QString name = QStringLiteral("Frühling – 春の色 Ωμέγα");
    TPaletteWindow w;
    w.form().Pal.Palette = {{1, 2, 3, 0, 0}};
    TNameDialogScript script({name});
    script.install(w.dialogs());
    w.files().mu_saveClick();
    EXPECT_TRUE(w.form().Pal.PaletteSaved);
    EXPECT_EQ(w.listed(), QStringList{name});
    EXPECT_EQ(w.f.readPalette(name), "1\t2\t3\r\n");
    w.f.close();
    const TForm1& again = w.f.open();
    EXPECT_EQ(again.Pal.PaletteName, name);
    EXPECT_EQ(again.StartState, TForm1::TStartState::Reopened);
}

TEST(BadInput, PaletteFolderRemovedWhileRunningIsMadeAgainBySave)
{
    TPaletteWindow w({{"Mine", "1\t2\t3\r\n"}}, "Mine");
    ASSERT_TRUE(QDir(w.f.paletteFolder()).removeRecursively());
    w.form().Pal.Palette.push_back({4, 5, 6, 0, 0});
    w.form().Pal.PaletteSaved = false;
    w.files().Save();
    EXPECT_TRUE(w.dialogs().shown.empty());
    EXPECT_TRUE(w.form().Pal.PaletteSaved);
    EXPECT_EQ(w.f.readPalette("Mine"), "1\t2\t3\r\n4\t5\t6\r\n");
}

TEST(BadInput, PaletteFolderThatCannotBeWrittenKeepsThePaletteUnsaved)
{
    // A folder that cannot be created or written, even by root.
    TPaletteWindow w({{"Mine", "1\t2\t3\r\n"}}, "Mine");
    w.form().Pal.PaletteFolder = QStringLiteral("/proc/tintwell-palettes");
    w.form().Pal.Palette.push_back({4, 5, 6, 0, 0});
    w.form().Pal.PaletteSaved = false;
    w.files().Save();
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(w.dialogs().shown[0].text.startsWith("Cannot write file"));
    EXPECT_FALSE(w.form().Pal.PaletteSaved);
}

// The settings store's file damaged, emptied or unreadable: the program
// starts as on a first run, and keeps a damaged file aside.
TEST(BadInput, DamagedOrUnreadableSettingsStartAsAFirstRun)
{
    struct Case {
        const char* what;
        QByteArray content; // null: the file is a folder, which cannot be read
        bool keptAside;
    };
    const Case cases[] = {
        {"damaged", "tintwell-store 1\nlastColor\t1\\t2", true},
        {"empty", "", true},
        {"not readable", {}, false},
    };
    for (const Case& c : cases) {
        TFormFixture f;
        f.storeDefaults("1\t2\t3", "Mine");
        f.writePalette("Mine", "1\t2\t3\r\n");
        TmRegistry reg;
        reg.StoreFolder = f.paths.storeFolder;
        reg.Key = QStringLiteral("\\software\\tintwell\\");
        const QString file = reg.KeyFile();
        QFile::remove(file);
        if (c.content.isNull()) {
            ASSERT_TRUE(QDir().mkpath(file));
        } else {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(c.content);
        }
        TForm1& form = f.open();
        EXPECT_EQ(form.StartState, TForm1::TStartState::FirstRun) << c.what;
        EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 0})) << c.what;
        EXPECT_EQ(f.readPalette("Mine"), "1\t2\t3\r\n") << c.what;
        const QStringList aside = QDir(QFileInfo(file).absolutePath()).entryList({"values.damaged-*"});
        EXPECT_EQ(aside.size(), c.keptAside ? 1 : 0) << c.what;
        if (c.keptAside)
            EXPECT_EQ(f.storedValues().size(), 7) << c.what;
        // The palettes in the folder are listed all the same.
        ASSERT_EQ(form.paletteFiles->list_pp->count(), 1) << c.what;
        EXPECT_EQ(form.paletteFiles->list_pp->item(0)->text(), "Mine") << c.what;
        f.close(); // writing settings that cannot be written is no crash either
    }
}

} // namespace
