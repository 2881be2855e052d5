// "My Palettes" and the File menu: opening, the guard on leaving the palette
// page, Save, Save As, Delete, New, New Palette, Rename and the name dialogs,
// with their questions, status texts and what they leave on disk.
#include "PaletteWindow.h"

#include "platform/AtomicFile.h"

#include <QAction>
#include <QDirIterator>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

const QString kSaveAsQuestion = QStringLiteral("Palette - A - is not saved.\nDo you want to save it now ?");

QString GuardQuestion(const QString& caption)
{
    return QStringLiteral("Palette - ") + caption + QStringLiteral(" - is not saved. \nDo you want to save it now ?");
}

void ClickEntry(QListWidget* list, const QString& text)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
}

// Open file descriptors of this process that point at `path`.
int OpenHandlesOn(const QString& path)
{
    int n = 0;
    QDirIterator it(QStringLiteral("/proc/self/fd"), QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().symLinkTarget() == QFileInfo(path).absoluteFilePath())
            ++n;
    }
    return n;
}

class FaultyDisk {
public:
    FaultyDisk()
    {
        SetWriteFaultHook([](const QString&, qint64, qint64) { return false; });
    }
    ~FaultyDisk() { SetWriteFaultHook({}); }
};

// ---- Opening ---------------------------------------------------------------------

TEST(PaletteFiles, ListClickOnlyRenamesThePageAndEnterButtonOrDoubleClickOpens)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n3\t3\t3\r\n"}, {"C", ""}}, "A");
    TForm1& form = w.form();
    QListWidget* list = w.files().list_pp;
    form.pp_pageControl->setCurrentIndex(0);

    ClickEntry(list, "B");
    EXPECT_EQ(form.PageCaption(), "B");
    EXPECT_EQ(form.Pal.PaletteName, "A");
    EXPECT_EQ(w.colours(), QStringList{"1,1,1"});

    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 1);
    EXPECT_EQ(form.Pal.PaletteName, "B");
    EXPECT_EQ(w.colours(), (QStringList{"2,2,2", "3,3,3"}));
    EXPECT_EQ(form.Status(0), "File opened");
    EXPECT_EQ(form.Status(1), "B");
    EXPECT_TRUE(form.Pal.PaletteOnFile);
    EXPECT_TRUE(w.page().b_ppSwap->isEnabled());

    form.pp_pageControl->setCurrentIndex(0);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(form.PageCaption(), "C");
    EXPECT_EQ(form.Pal.PaletteName, "B");
    QTest::mouseClick(w.files().FlatButton2, Qt::LeftButton);
    EXPECT_EQ(form.Pal.PaletteName, "C");
    EXPECT_TRUE(w.colours().isEmpty());
    EXPECT_FALSE(w.page().b_ppSwap->isEnabled());

    form.pp_pageControl->setCurrentIndex(0);
    ClickEntry(list, "A");
    // White space below the names keeps the selection; a double click
    // there opens the selected palette like one on its name.
    const QPoint below(50, list->visualItemRect(list->item(2)).bottom() + 40);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(w.selectedEntry(), "A");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(form.Pal.PaletteName, "A");
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 1);
    EXPECT_TRUE(w.dialogs().shown.empty());
}

TEST(PaletteFiles, ComingBackToThePalettePageReadsTheListedPaletteAgain)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.pp_pageControl->setCurrentIndex(0);
    // Changed behind the program's back: the tab switch reads the file.
    w.f.writePalette("A", "5\t5\t5\r\n");
    form.pp_pageControl->setCurrentIndex(1);
    EXPECT_EQ(w.colours(), QStringList{"5,5,5"});
    EXPECT_EQ(form.Status(0), "File opened");
}

// A listed palette whose file is gone or damaged: the error names the
// file or the offending text, and the open palette stays as it was.
TEST(PaletteFiles, OpenThatCannotReadLeavesTheOpenPaletteAlone)
{
    struct Case {
        const char* what;
        QByteArray content; // null: the file is removed
        const char* inError;
    };
    const Case cases[] = {
        {"vanished file", {}, "B.dat"},
        {"malformed line", "1\t2\t3\r\n4\t5\r\n", "'4\t5'"},
    };
    for (const Case& c : cases) {
        TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "A");
        TForm1& form = w.form();
        form.b_ppAddClick(); // an unsaved change that must survive
        if (c.content.isNull())
            QFile::remove(w.f.paletteFolder() + "/B.dat");
        else
            w.f.writePalette("B", c.content);
        form.pp_pageControl->setCurrentIndex(0); // guard: answered No
        ClickEntry(w.files().list_pp, "B");
        w.files().list_ppDblClick();
        ASSERT_EQ(w.dialogs().shown.size(), 2u) << c.what;
        EXPECT_EQ(w.dialogs().shown[1].icon, TMsgIcon::Error) << c.what;
        EXPECT_TRUE(w.dialogs().shown[1].text.contains(QString::fromLatin1(c.inError))) << c.what;
        EXPECT_EQ(w.colours(), (QStringList{"1,1,1", "12,200,0"})) << c.what;
        EXPECT_EQ(form.Pal.PaletteName, "A") << c.what;
        EXPECT_EQ(form.PageCaption(), "A") << c.what;
        EXPECT_EQ(form.pp_pageControl->currentIndex(), 0) << c.what;
        EXPECT_EQ(OpenHandlesOn(w.f.paletteFolder() + "/B.dat"), 0) << c.what;
    }
}

TEST(PaletteFiles, CommandsNeedingAListedPaletteDoNothingWithoutASelection)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "A");
    TForm1& form = w.form();
    w.selectEntry(QString());
    ASSERT_EQ(w.files().SelectedIndex(), -1);
    w.files().list_ppClick();
    w.files().list_ppDblClick();
    w.files().mu_deleteClick();
    w.files().mu_renameClick();
    form.pp_pageControl->setCurrentIndex(0);
    form.pp_pageControl->setCurrentIndex(1);
    EXPECT_TRUE(w.dialogs().shown.empty());
    EXPECT_TRUE(w.dialogs().execTitles.empty());
    EXPECT_EQ(w.listed(), (QStringList{"A", "B"}));
    EXPECT_EQ(form.PageCaption(), "A");
    EXPECT_EQ(w.colours(), QStringList{"1,1,1"});
    EXPECT_EQ(form.Status(0), "File opened");
}

// ---- Leaving the palette page ----------------------------------------------------

TEST(PaletteFiles, GuardAsksOnLeavingWithChangesAndSavesOrForgetsThem)
{
    for (const bool yes : {true, false}) {
        TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
        TForm1& form = w.form();
        form.b_ppAddClick();
        w.dialogs().answers = {yes};
        QTabBar* tabs = form.pp_pageControl->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        EXPECT_EQ(form.pp_pageControl->currentIndex(), 0);
        EXPECT_EQ(w.dialogs().texts(), QStringList{GuardQuestion("A")}) << yes;
        EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Warning);
        EXPECT_TRUE(form.Pal.PaletteSaved) << yes;
        EXPECT_EQ(w.f.readPalette("A"), yes ? QByteArray("1\t1\t1\r\n12\t200\t0\r\n") : QByteArray("1\t1\t1\r\n"));

        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        EXPECT_EQ(form.pp_pageControl->currentIndex(), 1);
        EXPECT_EQ(w.dialogs().shown.size(), 1u) << yes;
        EXPECT_EQ(w.colours().size(), yes ? 2 : 1) << yes;
        EXPECT_EQ(form.Status(0), "File opened");
    }
}

TEST(PaletteFiles, GuardRunsOnceForKeyboardSwitchesToo)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    form.pp_pageControl->setCurrentIndex(0); // as Ctrl+Tab would
    EXPECT_EQ(w.dialogs().texts(), QStringList{GuardQuestion("A")});
    // Unchanged: no question.
    form.pp_pageControl->setCurrentIndex(1);
    form.pp_pageControl->setCurrentIndex(0);
    EXPECT_EQ(w.dialogs().shown.size(), 1u);
}

// However the page is switched, the question comes while the palette is
// still in front; the wheel over either tab bar switches nothing.
TEST(PaletteFiles, KeysAskBeforeTheSwitchAndTheWheelSwitchesNoTabs)
{
    struct Way {
        const char* what;
        bool onTabBar;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Way ways[] = {
        {"Left on the tab bar", true, Qt::Key_Left, Qt::NoModifier},
        {"Ctrl+Tab on the page", false, Qt::Key_Tab, Qt::ControlModifier},
        {"Ctrl+Shift+Tab on the page", false, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
    };
    for (const Way& way : ways) {
        TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
        TForm1& form = w.form();
        form.b_ppAddClick();
        QList<int> pageWhenAsked;
        w.dialogs().onAsk = [&](const QString&) { pageWhenAsked << form.pp_pageControl->currentIndex(); };
        w.dialogs().answers = {false};
        QWidget* target = way.onTabBar ? static_cast<QWidget*>(form.pp_pageControl->tabBar())
                                       : static_cast<QWidget*>(w.page().b_ppAdd);
        target->setFocus();
        QTest::keyClick(target, way.key, way.modifiers);
        EXPECT_EQ(pageWhenAsked, QList<int>{1}) << way.what;
        EXPECT_EQ(w.dialogs().texts(), QStringList{GuardQuestion("A")}) << way.what;
        EXPECT_EQ(form.pp_pageControl->currentIndex(), 0) << way.what;
        EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n")) << way.what;
    }

    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    for (QTabWidget* tabs : {form.pp_pageControl, form.AdvPageControl1}) {
        QTabBar* bar = tabs->tabBar();
        const int before = tabs->currentIndex();
        for (int delta : {-120, 120, -120, -15}) {
            const QPointF at = bar->tabRect(bar->currentIndex()).center();
            QWheelEvent e(at, bar->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(bar, &e);
        }
        EXPECT_EQ(tabs->currentIndex(), before) << tabs->objectName().toStdString();
    }
    EXPECT_TRUE(w.dialogs().shown.empty());
    // Keys still switch the upper tabs, and their page change runs.
    form.AdvPageControl1->tabBar()->setFocus();
    QTest::keyClick(form.AdvPageControl1->tabBar(), Qt::Key_Right);
    EXPECT_EQ(form.AdvPageControl1->currentIndex(), 1);
}

TEST(PaletteFiles, GuardYesOnANewPaletteAsksForItsName)
{
    TPaletteWindow w;
    TForm1& form = w.form();
    form.b_ppAddClick();
    TNameDialogScript script{{"Fresh"}};
    script.install(w.dialogs());
    w.dialogs().answers = {true};
    form.pp_pageControl->setCurrentIndex(0);
    EXPECT_EQ(script.titles, QStringList{"Save Palette"});
    EXPECT_EQ(w.f.readPalette("Fresh"), QByteArray("255\t0\t0\r\n"));
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 0);
    EXPECT_EQ(w.selectedEntry(), "Fresh");
}

// Yes with a save that fails keeps the user on the palette with the
// changes: coming back would otherwise read the old file over them.
TEST(PaletteFiles, GuardWhoseSaveFailsKeepsThePalettePage)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    QTabBar* tabs = form.pp_pageControl->tabBar();
    {
        FaultyDisk disk;
        w.dialogs().answers = {true};
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    }
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 1);
    ASSERT_EQ(w.dialogs().shown.size(), 2u);
    EXPECT_EQ(w.dialogs().shown[1].icon, TMsgIcon::Error);
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(w.colours().size(), 2);
    EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n"));

    {
        FaultyDisk disk;
        w.dialogs().answers = {true};
        form.pp_pageControl->setCurrentIndex(0);
    }
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 1);
    EXPECT_EQ(w.colours().size(), 2);
}

// The program's own switches (Open, New, New Palette) neither ask nor read.
TEST(PaletteFiles, NewStartsAnEmptyPaletteWithoutQuestionsAndKeepsTheName)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.pp_pageControl->setCurrentIndex(0);
    QTest::mouseClick(w.files().mu_listnew, Qt::LeftButton);
    EXPECT_EQ(form.pp_pageControl->currentIndex(), 1);
    EXPECT_TRUE(w.colours().isEmpty());
    EXPECT_TRUE(w.dialogs().shown.empty());
    EXPECT_EQ(form.PageCaption(), "untitled");
    EXPECT_EQ(form.Pal.PaletteName, "A");
    EXPECT_FALSE(form.Pal.PaletteOnFile);
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "New file");
    EXPECT_EQ(form.Status(1), "untitled (Not saved)");
    EXPECT_FALSE(w.page().b_ppDel->isEnabled());
    w.f.close();
    EXPECT_EQ(w.f.storedValues().value(1), "A");
}

// ---- The File menu ------------------------------------------------------------------

TEST(PaletteFiles, FileMenuFollowsThePaletteState)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    TPaletteFiles& files = w.files();
    struct State {
        const char* what;
        std::function<void()> reach;
        bool save, saveAs, del;
    };
    const State states[] = {
        {"opened, unchanged", [] {}, false, true, true},
        {"opened, changed", [&] { form.b_ppAddClick(); }, true, true, false},
        {"new palette", [&] { files.mu_listnewClick(); }, true, false, false},
    };
    for (const State& s : states) {
        s.reach();
        files.FlatButton3Click();
        EXPECT_TRUE(files.file_popup->isVisible()) << s.what;
        EXPECT_EQ(files.mu_save->isEnabled(), s.save) << s.what;
        EXPECT_EQ(files.mu_saveas->isEnabled(), s.saveAs) << s.what;
        EXPECT_EQ(files.mu_delete->isEnabled(), s.del) << s.what;
        EXPECT_TRUE(files.mu_newpp->isEnabled()) << s.what;
        EXPECT_TRUE(files.mu_rename->isEnabled()) << s.what;
        files.file_popup->hide();
    }
    // Opened as the button's context menu it is brought up to date too.
    form.b_ppAddClick();
    files.mu_save->setEnabled(false);
    files.file_popup->popup(QPoint(10, 10));
    EXPECT_TRUE(files.mu_save->isEnabled());
    files.file_popup->hide();

    w.f.fake.screen.pointer = QPoint(5, 432);
    EXPECT_EQ(files.FilePopupPoint(), QPoint(form.x() + 332 - 58, 432));
}

TEST(PaletteFiles, SaveWritesTheOpenedPaletteAndNoSetting)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    const QStringList stored = w.f.storedValues();
    w.files().mu_save->trigger();
    EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n12\t200\t0\r\n"));
    EXPECT_TRUE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "Saved file");
    EXPECT_EQ(form.Status(1), "A(Saved)");
    EXPECT_EQ(w.f.storedValues(), stored);
    EXPECT_TRUE(w.dialogs().shown.empty());
}

TEST(PaletteFiles, SaveThatFailsSaysSoAndKeepsTheOldFile)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    {
        FaultyDisk disk;
        form.mu_saveClick();
    }
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(w.dialogs().shown[0].text.contains("A.dat"));
    EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n"));
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "Added a new color");
}

TEST(PaletteFiles, SaveAsAnsweredNoThenCancelledGivesBackTheStoredPalette)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    form.Pal.SelectedSwatch = 1;
    TNameDialogScript script;
    script.install(w.dialogs());
    w.dialogs().answers = {false};
    w.files().mu_saveasClick();
    EXPECT_EQ(w.dialogs().texts(), QStringList{kSaveAsQuestion});
    EXPECT_EQ(script.titles, QStringList{"Save As..."});
    EXPECT_EQ(script.initialTexts, QStringList{"A"});
    EXPECT_EQ(w.colours(), QStringList{"1,1,1"});
    EXPECT_EQ(form.Pal.SelectedSwatch, -1);
    EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n"));
}

TEST(PaletteFiles, SaveAsYesSavesFirstThenWritesTheNewName)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    TNameDialogScript script{{"A copy"}};
    script.install(w.dialogs());
    w.dialogs().answers = {true};
    w.files().mu_saveasClick();
    const QByteArray both("1\t1\t1\r\n12\t200\t0\r\n");
    EXPECT_EQ(w.f.readPalette("A"), both);
    EXPECT_EQ(w.f.readPalette("A copy"), both);
    EXPECT_EQ(form.Pal.PaletteName, "A copy");
    EXPECT_EQ(w.colours(), (QStringList{"1,1,1", "12,200,0"}));
    EXPECT_EQ(w.listed(), (QStringList{"A", "A copy"}));
    EXPECT_EQ(w.selectedEntry(), "A copy");
    EXPECT_EQ(form.Status(0), "Saved file");
    EXPECT_EQ(form.Status(1), "A copy(Saved)");
}

// ---- Name dialog ----------------------------------------------------------------------

TEST(NameDialog, FirstSaveWritesTheFileListsItAndStoresTheLastValues)
{
    TPaletteWindow w;
    TForm1& form = w.form();
    form.b_ppAddClick();
    form.SetCurrentColor(12, 200, 0);
    TNameDialogScript script{{"Mine"}};
    script.install(w.dialogs());
    form.mu_saveClick();
    EXPECT_EQ(script.titles, QStringList{"Save Palette"});
    EXPECT_EQ(script.initialTexts, QStringList{"untitled"});
    EXPECT_EQ(w.f.readPalette("Mine"), QByteArray("255\t0\t0\r\n"));
    EXPECT_EQ(w.listed(), QStringList{"Mine"});
    EXPECT_EQ(w.selectedEntry(), "Mine");
    EXPECT_EQ(form.PageCaption(), "Mine");
    EXPECT_EQ(form.Pal.PaletteName, "Mine");
    EXPECT_TRUE(form.Pal.PaletteOnFile);
    EXPECT_TRUE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "Saved file");
    EXPECT_EQ(form.Status(1), "Mine(Saved)");
    const QStringList stored = w.f.storedValues();
    EXPECT_EQ(stored.value(0), "12\t200\t0");
    EXPECT_EQ(stored.value(1), "Mine");
    EXPECT_EQ(stored.size(), 7);
}

TEST(NameDialog, ExistingNameAsksBeforeOverwriting)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "A");
    TForm1& form = w.form();
    form.b_ppAddClick();
    // Save As with the palette's own name: Yes rewrites it.
    {
        TNameDialogScript script{{"A"}};
        script.install(w.dialogs());
        w.dialogs().answers = {false, true}; // not saved first; overwrite
        w.files().mu_saveasClick();
        EXPECT_EQ(w.dialogs().shown.back().text,
                  QStringLiteral("Palette: A - is already existed.\nDo you want to overwrite it? "));
        EXPECT_EQ(w.dialogs().shown.back().icon, TMsgIcon::Warning);
        EXPECT_EQ(w.f.readPalette("A"), QByteArray("1\t1\t1\r\n12\t200\t0\r\n"));
        EXPECT_EQ(form.Status(0), "Overwrited file");
        EXPECT_EQ(form.Status(1), "A(Saved)");
    }
    // Another palette's name and No: nothing written, the dialog stays
    // open for another name.
    {
        w.dialogs().shown.clear();
        form.SetStatus("before", "before");
        TNameDialogScript script{{"B", "C"}};
        script.install(w.dialogs());
        w.dialogs().answers = {false};
        w.files().mu_saveasClick();
        EXPECT_EQ(script.openAfterOk, (std::vector<bool>{true, false}));
        EXPECT_EQ(w.f.readPalette("B"), QByteArray("2\t2\t2\r\n"));
        EXPECT_EQ(w.f.readPalette("C"), QByteArray("1\t1\t1\r\n12\t200\t0\r\n"));
        EXPECT_EQ(w.listed(), (QStringList{"A", "B", "C"}));
    }
}

// A name that cannot be a file in the palette folder is refused with a
// warning, the dialog stays open and nothing is written anywhere.
TEST(NameDialog, RefusesNamesThatAreNoFileName)
{
    TPaletteWindow w;
    TForm1& form = w.form();
    form.b_ppAddClick();
    const QStringList refused = {"", ".", "..", "../escaped", "a/b", "a\\b", "tab\there", QString(QChar(0x1B))};
    TNameDialogScript script{refused + QStringList{"Grün été 2"}};
    script.install(w.dialogs());
    form.mu_saveClick();
    ASSERT_EQ(script.openAfterOk.size(), std::size_t(refused.size() + 1));
    for (int i = 0; i < refused.size(); ++i) {
        EXPECT_TRUE(script.openAfterOk[std::size_t(i)]) << refused[i].toStdString();
        EXPECT_EQ(w.dialogs().shown[std::size_t(i)].icon, TMsgIcon::Warning) << refused[i].toStdString();
    }
    EXPECT_FALSE(script.openAfterOk.back());
    EXPECT_EQ(w.dialogs().shown.size(), std::size_t(refused.size()));
    EXPECT_TRUE(w.dialogs().shown[0].text.contains("can not be empty"));
    EXPECT_EQ(QDir(w.f.paletteFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Grün été 2.dat"});
    EXPECT_FALSE(QFile::exists(w.f.paths.programDir + "escaped.dat"));
    EXPECT_EQ(w.listed(), QStringList{"Grün été 2"});
}

TEST(NameDialog, WriteThatFailsKeepsTheDialogOpenAndThePaletteUnsaved)
{
    TPaletteWindow w;
    TForm1& form = w.form();
    form.b_ppAddClick();
    TNameDialogScript script{{"Mine"}};
    script.install(w.dialogs());
    {
        FaultyDisk disk;
        form.mu_saveClick();
    }
    EXPECT_EQ(script.openAfterOk, std::vector<bool>{true});
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
    EXPECT_FALSE(form.Pal.PaletteOnFile);
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_TRUE(w.listed().isEmpty());
    EXPECT_EQ(w.f.storedValues().value(1), "untitled");
}

// ---- Rename ------------------------------------------------------------------------------

TEST(RenameDialog, RenamesTheFileAndEverythingThatShowsTheName)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "A");
    TForm1& form = w.form();
    TNameDialogScript script{{"A", "B", "Z"}};
    script.install(w.dialogs());
    form.SetCurrentColor(3, 4, 5);
    w.files().mu_rename->trigger();
    EXPECT_EQ(script.titles, QStringList{"Rename Palette"});
    EXPECT_EQ(script.initialTexts, QStringList{"A"});
    EXPECT_EQ(script.openAfterOk, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(
        w.dialogs().texts(),
        (QStringList{"A palette named A with is already existed.", "A palette named B with is already existed."}));
    EXPECT_FALSE(QFile::exists(w.f.paletteFolder() + "/A.dat"));
    EXPECT_EQ(w.f.readPalette("Z"), QByteArray("1\t1\t1\r\n"));
    EXPECT_EQ(w.f.readPalette("B"), QByteArray("2\t2\t2\r\n"));
    EXPECT_EQ(w.listed(), (QStringList{"B", "Z"}));
    EXPECT_EQ(w.selectedEntry(), "Z");
    EXPECT_EQ(form.PageCaption(), "Z");
    EXPECT_EQ(form.Pal.PaletteName, "Z");
    EXPECT_EQ(form.Status(0), "File is renamed");
    EXPECT_EQ(form.Status(1), "Z");
    EXPECT_EQ(w.f.storedValues().value(0), "3\t4\t5");
    EXPECT_EQ(w.f.storedValues().value(1), "Z");
}

TEST(RenameDialog, RenameRefusedByTheFileSystemChangesNothing)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    TForm1& form = w.form();
    QFile::remove(w.f.paletteFolder() + "/A.dat");
    TNameDialogScript script{{"Z"}};
    script.install(w.dialogs());
    w.files().mu_renameClick();
    EXPECT_EQ(script.openAfterOk, std::vector<bool>{true});
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
    EXPECT_EQ(w.listed(), QStringList{"A"});
    EXPECT_EQ(form.PageCaption(), "A");
    EXPECT_EQ(form.Pal.PaletteName, "A");
    EXPECT_EQ(form.Status(0), "File opened");
    EXPECT_FALSE(QFile::exists(w.f.paletteFolder() + "/Z.dat"));
}

TEST(RenameDialog, UnsavedPaletteIsNotRenamed)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
    w.form().b_ppAddClick();
    w.files().mu_renameClick();
    EXPECT_EQ(w.dialogs().texts(), QStringList{"Remember to save your palette first before rename it."});
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Information);
    EXPECT_TRUE(w.dialogs().execTitles.empty());
}

// ---- Delete -------------------------------------------------------------------------------

TEST(PaletteDelete, OpensTheNeighbourOrStartsUntitled)
{
    struct Case {
        QStringList palettes;
        QString deleted;
        QString opened; // empty: untitled
    };
    const Case cases[] = {
        {{"A", "B", "C"}, "A", "B"},
        {{"A", "B", "C"}, "B", "A"},
        {{"A", "B", "C"}, "C", "B"},
        {{"A"}, "A", ""},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<QString, QByteArray>> files;
        for (const QString& name : c.palettes)
            files.push_back({name,
                             name.toLatin1() == "A" ? "1\t1\t1\r\n"
                                 : name == "B"      ? "2\t2\t2\r\n"
                                                    : "3\t3\t3\r\n"});
        TPaletteWindow w(files, c.deleted);
        TForm1& form = w.form();
        w.dialogs().answers = {true};
        w.files().mu_delete->trigger();
        const std::string what = c.deleted.toStdString();
        EXPECT_EQ(w.dialogs().texts(),
                  QStringList{"Your palette can not be resotred after being deleted.\nDo you want to continue ?"})
            << what;
        EXPECT_FALSE(QFile::exists(w.f.paletteFolder() + "/" + c.deleted + ".dat")) << what;
        QStringList left = c.palettes;
        left.removeAll(c.deleted);
        EXPECT_EQ(w.listed(), left) << what;
        EXPECT_EQ(form.Status(0), "File is deleted") << what;
        if (c.opened.isEmpty()) {
            EXPECT_TRUE(w.colours().isEmpty()) << what;
            EXPECT_EQ(form.Pal.PaletteName, "untitled") << what;
            EXPECT_EQ(form.PageCaption(), "untitled") << what;
            EXPECT_EQ(form.Status(1), "untitled (Not saved)") << what;
            EXPECT_FALSE(form.Pal.PaletteOnFile) << what;
            EXPECT_FALSE(form.Pal.PaletteSaved) << what;
        } else {
            EXPECT_EQ(w.selectedEntry(), c.opened) << what;
            EXPECT_EQ(form.Pal.PaletteName, c.opened) << what;
            EXPECT_EQ(form.PageCaption(), c.opened) << what;
            EXPECT_EQ(form.Status(1), c.opened) << what;
            EXPECT_EQ(w.colours().size(), 1) << what;
            EXPECT_EQ(w.colours()[0][0], c.opened == "A" ? '1' : c.opened == "B" ? '2' : '3') << what;
            EXPECT_TRUE(form.Pal.PaletteOnFile) << what;
            EXPECT_TRUE(form.Pal.PaletteSaved) << what;
        }
    }
}

TEST(PaletteDelete, NoOrARefusingFileSystemChangesNothing)
{
    TPaletteWindow w({{"A", "1\t1\t1\r\n"}, {"B", "2\t2\t2\r\n"}}, "A");
    TForm1& form = w.form();
    w.files().mu_deleteClick(); // answered No
    EXPECT_TRUE(QFile::exists(w.f.paletteFolder() + "/A.dat"));

    QFile::remove(w.f.paletteFolder() + "/A.dat");
    form.Pal.SelectedSwatch = 0;
    w.dialogs().answers = {true};
    w.files().mu_deleteClick();
    ASSERT_EQ(w.dialogs().shown.size(), 3u);
    EXPECT_EQ(w.dialogs().shown[2].text, QStringLiteral("Palette - A is not deleted!\nError: 2"));
    EXPECT_EQ(w.dialogs().shown[2].icon, TMsgIcon::Error);
    EXPECT_EQ(w.listed(), (QStringList{"A", "B"}));
    EXPECT_EQ(form.Pal.PaletteName, "A");
    EXPECT_EQ(w.colours(), QStringList{"1,1,1"});
    EXPECT_EQ(form.Pal.SelectedSwatch, -1);
    EXPECT_EQ(form.Status(0), "File opened");
}

// ---- New Palette --------------------------------------------------------------------------

TEST(NewPalette, AsksAboutChangesAndStopsWhenTheSaveFails)
{
    struct Case {
        const char* what;
        bool answer;
        bool diskFails;
        QByteArray fileAfter;
        bool startedNew;
    };
    const Case cases[] = {
        {"No drops the changes", false, false, "1\t1\t1\r\n", true},
        {"Yes saves them first", true, false, "1\t1\t1\r\n12\t200\t0\r\n", true},
        {"Yes with a failing disk keeps the palette", true, true, "1\t1\t1\r\n", false},
    };
    for (const Case& c : cases) {
        TPaletteWindow w({{"A", "1\t1\t1\r\n"}}, "A");
        TForm1& form = w.form();
        form.b_ppAddClick();
        w.dialogs().answers = {c.answer};
        {
            std::unique_ptr<FaultyDisk> disk(c.diskFails ? new FaultyDisk : nullptr);
            w.files().mu_newpp->trigger();
        }
        EXPECT_EQ(w.dialogs().shown[0].text, QStringLiteral("Do you want to save your palette - \nA?")) << c.what;
        EXPECT_EQ(w.f.readPalette("A"), c.fileAfter) << c.what;
        EXPECT_EQ(w.colours().isEmpty(), c.startedNew) << c.what;
        if (c.startedNew) {
            EXPECT_EQ(form.Status(0), "New file") << c.what;
            EXPECT_EQ(form.Status(1), "untitled (Not saved)") << c.what;
            EXPECT_EQ(form.PageCaption(), "untitled") << c.what;
            EXPECT_EQ(form.Pal.PaletteName, "A") << c.what;
            EXPECT_FALSE(form.Pal.PaletteOnFile) << c.what;
        } else {
            EXPECT_FALSE(form.Pal.PaletteSaved) << c.what;
            EXPECT_TRUE(form.Pal.PaletteOnFile) << c.what;
        }
    }
}

} // namespace
