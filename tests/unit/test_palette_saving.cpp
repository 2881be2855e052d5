// Saving never loses or silently overwrites: a failed Save As keeps the
// colours, another program's changes and read-only files are not replaced
// without a word, every name the file system takes can be saved and renamed
// to alike, names that only look different are one palette, and nothing is
// written that the next start could not read.
#include "PaletteWindow.h"

#include "support/FullDisks.h"

#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <sys/stat.h>
#include <utime.h>

namespace {

const QString kBadName =
    QStringLiteral("A palette name is the name of its file. It can not be empty or start with \".\", "
                   "and can not contain \"/\", \"\\\" or control characters.\nPlease type another name.");

QString ChangedQuestion(const QString& name)
{
    return QStringLiteral("Palette - ") + name
        + QStringLiteral(
               " - was changed by another program since Tintwell last read or saved it.\nDo you want to overwrite it?");
}

QStringList FolderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(PaletteSaving, FailedSaveAsThenCancelKeepsTheUnsavedColours)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    TNameDialogScript script{{"B"}};
    script.install(w.dialogs());
    w.dialogs().answers = {false}; // not saved first: the changes go to the new name
    {
        TFullDisks disk;
        w.files().mu_saveasClick();
    }
    EXPECT_EQ(script.openAfterOk, std::vector<bool>{true});
    ASSERT_EQ(w.dialogs().shown.size(), 2u);
    EXPECT_EQ(w.dialogs().shown[1].icon, TMsgIcon::Error);
    EXPECT_EQ(w.colours(), (QStringList{"1,1,1", "12,200,0"}));
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Pal.PaletteName, "A");
    EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n"));
    EXPECT_EQ(FolderEntries(w.f.paletteFolder()), QStringList{"A.dat"});

    // Still unsaved, so Save writes them now.
    w.files().mu_saveClick();
    EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n12\t200\t0\r\n"));
}

// Another program wrote the file after it was opened: Save asks first. No
// keeps both that file and the colours on screen, unsaved.
TEST(PaletteSaving, FileChangedByAnotherProgramIsNotReplacedWithoutAsking)
{
    struct Case {
        const char* what;
        std::function<void(const QString& path)> change;
    };
    const Case cases[] = {
        {"other content, other size",
         [](const QString& path) {
             QFile f(path);
             f.open(QIODevice::WriteOnly);
             f.write("7\t7\t7\r\n8\t8\t8\r\n");
         }},
        {"same size, newer time",
         [](const QString& path) {
             QFile f(path);
             f.open(QIODevice::WriteOnly);
             f.write("7\t7\t7\r\n");
             f.close();
             struct utimbuf later = {std::time(nullptr) + 60, std::time(nullptr) + 60};
             ::utime(QFile::encodeName(path).constData(), &later);
         }},
    };
    for (const Case& c : cases) {
        TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
        TForm1& form = w.form();
        form.b_ppAddClick();
        const QString path = w.f.paletteFolder() + "/A.dat";
        c.change(path);
        const QByteArray theirs = w.f.readPalette("A");

        w.files().mu_saveClick(); // answered No
        EXPECT_EQ(w.dialogs().texts(), QStringList{ChangedQuestion("A")}) << c.what;
        EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Confirm) << c.what;
        EXPECT_EQ(w.f.readPalette("A"), theirs) << c.what;
        EXPECT_FALSE(form.Pal.PaletteSaved) << c.what;
        EXPECT_EQ(w.colours(), (QStringList{"1,1,1", "12,200,0"})) << c.what;

        // Leaving the page with Yes to "save?" and No to overwriting keeps
        // the palette in sight, as a failed save does.
        w.dialogs().answers = {true, false};
        form.pp_pageControl->setCurrentIndex(0);
        EXPECT_EQ(form.pp_pageControl->currentIndex(), 1) << c.what;
        EXPECT_EQ(w.colours().size(), 2) << c.what;

        w.dialogs().shown.clear();
        w.dialogs().answers = {true};
        w.files().mu_saveClick();
        EXPECT_EQ(w.dialogs().texts(), QStringList{ChangedQuestion("A")}) << c.what;
        EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n12\t200\t0\r\n")) << c.what;
        EXPECT_TRUE(form.Pal.PaletteSaved) << c.what;

        // What we wrote ourselves is no change by another program.
        form.b_ppAddClick();
        w.dialogs().shown.clear();
        w.files().mu_saveClick();
        EXPECT_TRUE(w.dialogs().shown.empty()) << c.what;
        EXPECT_TRUE(form.Pal.PaletteSaved) << c.what;

        // Renamed, it is still the file last seen, and still watched.
        TNameDialogScript script{{"Renamed"}};
        script.install(w.dialogs());
        w.files().mu_renameClick();
        c.change(w.f.paletteFolder() + "/Renamed.dat");
        form.b_ppAddClick();
        w.dialogs().shown.clear();
        w.files().mu_saveClick();
        EXPECT_EQ(w.dialogs().texts(), QStringList{ChangedQuestion("Renamed")}) << c.what;
    }
}

TEST(PaletteSaving, ReadOnlyPaletteFileIsReportedNotReplaced)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    const QByteArray path = QFile::encodeName(w.f.paletteFolder() + "/A.dat");
    ASSERT_EQ(::chmod(path.constData(), 0444), 0);
    form.b_ppAddClick();
    w.files().mu_saveClick();
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(w.dialogs().shown[0].text.endsWith("A.dat\". Permission denied"))
        << w.dialogs().shown[0].text.toStdString();
    EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n"));
    struct stat st;
    ASSERT_EQ(::stat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(FolderEntries(w.f.paletteFolder()), QStringList{"A.dat"});
}

// Save, Save As and Rename take exactly the same names: up to the file
// system's limit for "<name>.dat" (255 bytes), and both report the system's
// refusal past it.
TEST(PaletteSaving, SaveAndRenameAcceptTheSameNames)
{
    struct Case {
        QString name;
        bool fits;
    };
    const Case cases[] = {
        {QString(251, QChar('n')), true}, // 255 bytes with ".dat"
        {QString(125, QChar(0x00E9)), true}, // 250 bytes of UTF-8
        {QString(245, QChar('m')), true}, // the temporary's old name did not fit
        {QString(252, QChar('n')), false},   {QString(126, QChar(0x00E9)), false},
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(QFile::encodeName(c.name).size()) + " bytes";
        // Save of an untitled palette.
        {
            TPaletteWindow w;
            w.form().b_ppAddClick();
            TNameDialogScript script{{c.name}};
            script.install(w.dialogs());
            w.files().mu_saveClick();
            EXPECT_EQ(script.openAfterOk, std::vector<bool>{!c.fits}) << what;
            EXPECT_EQ(w.listed(), c.fits ? QStringList{c.name} : QStringList{}) << what;
            if (!c.fits) {
                ASSERT_EQ(w.dialogs().shown.size(), 1u) << what;
                EXPECT_TRUE(w.dialogs().shown[0].text.endsWith("File name too long")) << what;
            }
            // Once saved under it, saved again under it.
            if (c.fits) {
                w.form().b_ppAddClick();
                w.files().mu_saveClick();
                EXPECT_TRUE(w.form().Pal.PaletteSaved) << what;
                EXPECT_EQ(w.f.readPalette(c.name).count('\n'), 2) << what;
            }
        }
        // Rename of a saved palette.
        {
            TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
            TNameDialogScript script{{c.name}};
            script.install(w.dialogs());
            w.files().mu_renameClick();
            EXPECT_EQ(script.openAfterOk, std::vector<bool>{!c.fits}) << what;
            EXPECT_EQ(w.listed(), c.fits ? QStringList{c.name} : QStringList{"A"}) << what;
            if (!c.fits) {
                ASSERT_EQ(w.dialogs().shown.size(), 1u) << what;
                EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error) << what;
            }
        }
    }
}

// Refused alike by the name and the rename dialog, with the same warning,
// and the dialog stays open for another name.
TEST(PaletteSaving, BothDialogsRefuseHiddenAndLookAlikeNames)
{
    const QStringList refused = {".hidden", ".", "A\u202Eb", QStringLiteral("left\u200Fmark"), "two\u2028lines"};
    for (const bool rename : {false, true}) {
        TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
        TNameDialogScript script{refused + QStringList{"Fine"}};
        script.install(w.dialogs());
        if (rename) {
            w.files().mu_renameClick();
        } else {
            w.form().b_ppAddClick();
            w.dialogs().answers = {false};
            w.files().mu_saveasClick();
        }
        const std::vector<bool> open(std::size_t(refused.size()), true);
        std::vector<bool> expected = open;
        expected.push_back(false);
        EXPECT_EQ(script.openAfterOk, expected) << rename;
        QStringList warnings;
        for (const TShownBox& box : w.dialogs().shown)
            if (box.icon == TMsgIcon::Warning && !box.question)
                warnings << box.text;
        EXPECT_EQ(warnings, QStringList(refused.size(), kBadName)) << rename;
        EXPECT_EQ(w.listed(), rename ? QStringList{"Fine"} : (QStringList{"A", "Fine"})) << rename;
    }
}

// "Grün" typed with a combining mark is the palette "Grün" already listed:
// Save asks to overwrite it and replaces that file, Rename refuses the name.
TEST(PaletteSaving, NamesEqualOnceComposedAreOnePalette)
{
    const QString composed = QStringLiteral("Gr\u00fcn");
    const QString decomposed = QStringLiteral("Gru\u0308n");
    {
        TPaletteWindow w({{composed, "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "B");
        w.form().b_ppAddClick();
        TNameDialogScript script{{decomposed}};
        script.install(w.dialogs());
        w.dialogs().answers = {false, true}; // not saved first; overwrite
        w.files().mu_saveasClick();
        EXPECT_EQ(w.dialogs().shown.back().text,
                  QStringLiteral("Palette: ") + decomposed
                      + QStringLiteral(" - is already existed.\nDo you want to overwrite it? "));
        EXPECT_EQ(w.listed(), (QStringList{"B", composed}));
        EXPECT_EQ(w.f.readPalette(composed), QByteArray("2\t2\t2\r\n12\t200\t0\r\n"));
        EXPECT_EQ(w.form().Pal.PaletteName, composed);
        EXPECT_EQ(w.selectedEntry(), composed);
    }
    {
        TPaletteWindow w({{composed, "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "B");
        TNameDialogScript script{{decomposed}};
        script.install(w.dialogs());
        w.files().mu_renameClick();
        EXPECT_EQ(
            w.dialogs().texts(),
            QStringList{QStringLiteral("A palette named ") + decomposed + QStringLiteral(" with is already existed.")});
        EXPECT_EQ(w.listed(), (QStringList{"B", composed}));
    }
}

// The next start reads at most SwatchFile::kMaxFileBytes: a palette whose
// file would be larger is not written at all (here CR LF line ends and the
// widest values make it just too large). A palette at the limit gets as far
// as writing, which a full disk then stops, so no 256 MB are written here.
TEST(PaletteSaving, PaletteTooLargeToOpenAgainIsNotWritten)
{
    QTemporaryDir dir;
    TPaletteModel pal;
    pal.PaletteFolder = dir.path();
    constexpr qint64 kLine = 3 * 11 + 2 + 2; // "-2147483648" three times, two TABs, CR LF
    const TSwatch widest{INT32_MIN, INT32_MIN, INT32_MIN, 0, 0};
    pal.Palette.assign(std::size_t(SwatchFile::kMaxFileBytes / kLine), widest);
    ASSERT_LE(qint64(pal.Palette.size()) * kLine, SwatchFile::kMaxFileBytes);
    bool writing = false;
    SetWriteFaultHook([&](const QString&, qint64, qint64) { return !(writing = true); });
    const TFileResult fits = pal.WritePaletteFile("P");
    EXPECT_TRUE(writing);
    EXPECT_TRUE(fits.error.endsWith("No space left on device")) << fits.error.toStdString();

    pal.Palette.push_back(widest);
    writing = false;
    const TFileResult r = pal.WritePaletteFile("P");
    SetWriteFaultHook({});
    EXPECT_FALSE(r);
    EXPECT_FALSE(writing);
    EXPECT_TRUE(r.error.contains("P.dat\". The palette would be too large to open again (256 MB; at most 256 MB)."))
        << r.error.toStdString();
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

TEST(PaletteSaving, FileSizeIsCountedAsTheFileIsWritten)
{
    const std::vector<std::vector<TSwatch>> palettes = {
        {},
        {{0, 0, 0, 0, 0}},
        {{9, 10, 99, 0, 0}, {100, 255, 999, 0, 0}},
        {{-1, -9, -10, 0, 0}, {-99, -100, 1000000, 0, 0}},
        {{INT32_MAX, INT32_MIN, INT32_MIN + 1, 0, 0}},
    };
    for (const auto& swatches : palettes)
        EXPECT_EQ(SwatchFile::SerializedSize(swatches), SwatchFile::Serialize(swatches).size());
}

} // namespace
