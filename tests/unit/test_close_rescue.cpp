// Closing with unsaved colours: Yes to "save?" means keep them, so when
// they did not reach their file they are written somewhere else, on another
// file system if need be, and the program says where; when nothing at all
// can be written the user may keep the window open. No means discard.
#include "PaletteWindow.h"

#include "palette/PaletteRescue.h"
#include "support/FullDisks.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

const QString kCloseQuestion = QStringLiteral("Don't forget to save your palette!\nDo you want to save it now ?");

// Points an environment variable elsewhere for one test.
class TEnvironment {
public:
    TEnvironment(const char* name, const QString& value)
        : name_(name)
        , old_(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~TEnvironment() { qputenv(name_, old_); }

private:
    const char* name_;
    QByteArray old_;
};

// Every file below `folder`, with its content.
QMap<QString, QByteArray> FilesBelow(const QString& folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        out[QDir(folder).relativeFilePath(f.fileName())] = f.readAll();
    }
    return out;
}

class CloseRescue : public ::testing::Test {
public:
    QTemporaryDir places;
    QString runtime = places.path() + "/runtime";
    QString temporary = places.path() + "/tmp";
    // The temporary folder's place for copies (the folder itself holds the
    // test fixtures' own folders).
    QString temporaryPlace = temporary + QStringLiteral("/tintwell-%1").arg(::geteuid());
    TEnvironment runtimeEnv{"XDG_RUNTIME_DIR", runtime};
    TEnvironment tmpEnv{"TMPDIR", temporary};
    CloseRescue()
    {
        QDir().mkpath(runtime);
        QDir().mkpath(temporary);
    }
};

TEST_F(CloseRescue, ColoursTheUserWantedSavedAreKeptWhereverTheyFit)
{
    enum Where { UserData, Runtime, Temporary, Nowhere };
    struct Case {
        const char* what;
        bool untitled; // a palette without a file (the name dialog opens)
        QStringList typed; // names typed in the name dialog, then Cancel
        std::vector<bool> answers;
        int fullDisks; // 1: palette folder; 2: + user data; 3: + runtime folder
        Where where;
        const char* inMessage;
    };
    const Case cases[] = {
        {"untitled: the name dialog's write fails, then Cancel",
         true,
         {"Fresh"},
         {true},
         1,
         UserData,
         "Your palette could not be saved. A copy of it was kept in\n"},
        {"untitled: the name dialog is cancelled",
         true,
         {},
         {true},
         0,
         UserData,
         "Your palette was not saved. A copy of it was kept in\n"},
        {"opened: another program changed the file, overwrite declined",
         false,
         {},
         {true, false},
         0,
         UserData,
         "could not be saved"},
        {"opened: the user data folder's disk is full too",
         false,
         {},
         {true},
         2,
         Runtime,
         "This folder is emptied when you log out"},
        {"opened: the runtime folder is full as well",
         false,
         {},
         {true},
         3,
         Temporary,
         "This folder is emptied when you log out"},
        {"answered No: the colours are thrown away", false, {}, {false}, 3, Nowhere, nullptr},
    };
    for (const Case& c : cases) {
        QDir(runtime).removeRecursively();
        QDir(temporary).removeRecursively();
        QDir().mkpath(runtime);
        QDir().mkpath(temporary);
        TPaletteWindow w({{"Other", "9\t9\t9\r\n"}, {"Mine", "1\t2\t3\r\n"}}, "Mine");
        TForm1& form = w.form();
        if (c.untitled)
            w.files().mu_listnewClick();
        form.SetCurrentColor(4, 5, 6);
        form.b_ppAddClick();
        if (std::string(c.what).find("another program") != std::string::npos)
            w.f.writePalette("Mine", "7\t7\t7\r\n8\t8\t8\r\n");
        const QByteArray colours = c.untitled ? "4\t5\t6\r\n" : "1\t2\t3\r\n4\t5\t6\r\n";
        const QMap<QString, QByteArray> paletteFiles = FilesBelow(w.f.paletteFolder());
        TNameDialogScript script{c.typed};
        script.install(w.dialogs());
        w.dialogs().answers = {c.answers.begin(), c.answers.end()};
        const QStringList full = QStringList{w.f.paletteFolder(), w.f.paths.userDataDir, runtime}.mid(0, c.fullDisks);
        {
            TFullDisks disks(full);
            EXPECT_TRUE(form.close()) << c.what;
        }

        EXPECT_EQ(FilesBelow(w.f.paletteFolder()), paletteFiles) << c.what;
        const QMap<QString, QByteArray> copies[] = {FilesBelow(w.f.paths.userDataDir), FilesBelow(runtime),
                                                    FilesBelow(temporaryPlace)};
        for (int k = 0; k < 3; ++k) {
            if (k != c.where) {
                EXPECT_TRUE(copies[k].isEmpty()) << c.what << " place " << k;
                continue;
            }
            ASSERT_EQ(copies[k].size(), 1) << c.what;
            const QString file = copies[k].firstKey();
            EXPECT_EQ(copies[k].first(), colours) << c.what;
            EXPECT_TRUE(QFileInfo(file).fileName().startsWith(c.untitled ? "untitled 2" : "Mine 2")) << c.what;
            EXPECT_TRUE(file.startsWith(k == Runtime ? "tintwell/Recovered/" : "Recovered/"))
                << c.what << ": " << file.toStdString();
            const TShownBox& last = w.dialogs().shown.back();
            EXPECT_EQ(last.icon, TMsgIcon::Information) << c.what;
            EXPECT_TRUE(last.text.contains(c.inMessage)) << c.what << ": " << last.text.toStdString();
            EXPECT_TRUE(last.text.contains(QFileInfo(file).fileName())) << c.what;
        }
        if (c.where == Nowhere)
            EXPECT_EQ(w.dialogs().texts(), QStringList{kCloseQuestion}) << c.what;
        EXPECT_EQ(w.f.storedValues().value(1), "Mine") << c.what;
    }
}

// With every disk full the program says so and asks; No keeps the window
// (and the colours) until there is room again, Yes closes without a copy.
TEST_F(CloseRescue, NothingWritableAnywhereLetsTheUserKeepTheWindowOpen)
{
    TPaletteWindow w({{"Mine", "1\t2\t3\r\n"}}, "Mine");
    TForm1& form = w.form();
    form.b_ppAddClick();
    const QStringList stored = w.f.storedValues();
    {
        TFullDisks disks;
        w.dialogs().answers = {true, false};
        EXPECT_FALSE(form.close());
    }
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(w.dialogs().shown.size(), 3u);
    EXPECT_EQ(w.dialogs().shown[1].icon, TMsgIcon::Error);
    const TShownBox& box = w.dialogs().shown[2];
    EXPECT_TRUE(box.question);
    EXPECT_EQ(box.icon, TMsgIcon::Warning);
    EXPECT_TRUE(box.text.startsWith("Your palette could not be saved. No copy of it could be kept anywhere:\n"));
    for (const QString& place : {w.f.paths.userDataDir + "Recovered", runtime + "/tintwell/Recovered",
                                 temporary + QStringLiteral("/tintwell-%1/Recovered").arg(::geteuid())})
        EXPECT_TRUE(box.text.contains(place + ": No space left on device")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("Close anyway?"));
    EXPECT_EQ(w.colours(), (QStringList{"1,2,3", "12,200,0"}));
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(w.f.storedValues(), stored);

    // Room again: the next close asks again and saves.
    w.dialogs().shown.clear();
    w.dialogs().answers = {true};
    EXPECT_TRUE(form.close());
    EXPECT_EQ(w.dialogs().texts(), QStringList{kCloseQuestion});
    EXPECT_EQ(w.f.readPalette("Mine"), QByteArray("1\t2\t3\r\n12\t200\t0\r\n"));

    // And Yes to "close anyway" closes without a copy.
    TPaletteWindow again({{"Mine", "1\t2\t3\r\n"}}, "Mine");
    again.form().b_ppAddClick();
    {
        TFullDisks disks;
        again.dialogs().answers = {true, true};
        EXPECT_TRUE(again.form().close());
    }
    EXPECT_EQ(again.dialogs().shown.size(), 3u);
    EXPECT_TRUE(FilesBelow(again.f.paths.userDataDir).isEmpty());
    EXPECT_TRUE(FilesBelow(runtime).isEmpty());
    EXPECT_TRUE(FilesBelow(temporaryPlace).isEmpty());
}

// The copy's name fits the file system even for the longest palette names,
// and a folder in the shared temporary folder is used only when it is ours.
TEST_F(CloseRescue, CopyNamesFitAndSharedFoldersMustBePrivate)
{
    const std::vector<TSwatch> swatches = {{1, 2, 3, 0, 0}};
    const QDateTime when(QDate(2026, 12, 10), QTime(13, 5, 7));
    const QString longName = QString(120, QChar(0x00E9)); // 240 bytes in UTF-8
    const TRescueResult first = KeepRescueCopy(swatches, longName, RescuePlaces(places.path() + "/data/"), when);
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(QFile::encodeName(QFileInfo(first.path).fileName()).size(),
              254); // 116 letters and " 2026-12-10 130507.dat"
    EXPECT_TRUE(QFileInfo(first.path).fileName().endsWith(" 2026-12-10 130507.dat"));
    const TRescueResult second = KeepRescueCopy(swatches, longName, RescuePlaces(places.path() + "/data/"), when);
    ASSERT_TRUE(second.ok);
    EXPECT_NE(second.path, first.path);
    EXPECT_TRUE(second.path.endsWith(" 2026-12-10 130507 (2).dat"));

    // Someone else's folder (here: one anybody may write) is passed over.
    const QString shared = temporaryPlace;
    QDir().mkpath(shared + "/Recovered");
    QFile::setPermissions(shared, QFileDevice::Permissions(0x7777));
    const TRescueResult refused = KeepRescueCopy(swatches, "P", {{shared + "/Recovered", true}}, when);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.errors, QStringList{shared + "/Recovered: not a private folder of this user"});
    EXPECT_TRUE(QDir(shared + "/Recovered").isEmpty());
}

} // namespace
