// Colours and palettes leaving and entering the program through the window:
// the copy menus, Ctrl+C and Ctrl+V, the new export formats, importing a
// palette, and other programs' palettes as swatch libraries.
#include "PaletteWindow.h"
#include "ZoomFixture.h"
#include "color/ColorArea.h"
#include "color/ColorCopy.h"
#include "grab/GrabPage.h"
#include "grab/HotKeyEdit.h"
#include "palette/LibraryPage.h"
#include "palette/PaletteExport.h"
#include "palette/PaletteFormats.h"
#include "palette/PaletteTools.h"
#include "testboard/TestBoard.h"
#include "testboard/TextPage.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Opens the copy menu at `at` of `box` as a right click does, and returns it.
QMenu* CopyMenuAt(QWidget* box, QPoint at)
{
    for (QMenu* old : box->findChildren<QMenu*>(QStringLiteral("copy_popup")))
        delete old;
    emit box->customContextMenuRequested(at);
    return box->findChild<QMenu*>(QStringLiteral("copy_popup"));
}

QStringList Captions(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << a->text();
    return out;
}

void Choose(QMenu* menu, const char* name)
{
    QAction* a = menu->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
    menu->close();
}

TEST(CopyMenu, RightClickOnACellOffersItsColourAndChangesNothing)
{
    TPaletteWindow w({{"P", "10\t20\t30\r\n58\t123\t213\r\n"}}, "P");
    TForm1& form = w.form();
    TPaintBox* view = w.page().Color_myPalette;
    form.Pal.SelectedSwatch = 0;
    const TRgbColor before = form.Color.NewColor;

    QTest::mousePress(view, Qt::RightButton, {}, QPoint(40, 10));
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(40, 10));
    EXPECT_EQ(form.Pal.SelectedSwatch, 0);
    EXPECT_EQ(form.Color.NewColor, before);

    QMenu* menu = CopyMenuAt(view, {40, 10});
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Captions(menu),
              (QStringList{"#3A7BD5", "3A7BD5", "rgb(58, 123, 213)", "hsl(215, 65%, 53%)", "58, 123, 213"}));
    Choose(menu, "copy_rgb");
    EXPECT_EQ(w.f.fake.clipboard.content, "rgb(58, 123, 213)");
    EXPECT_EQ(form.Status(0), "Copied rgb(58, 123, 213)");
    EXPECT_EQ(form.Pal.SelectedSwatch, 0);
    EXPECT_EQ(form.Color.NewColor, before);
    // White space between or below cells offers nothing.
    EXPECT_EQ(CopyMenuAt(view, {30, 10}), nullptr);
    EXPECT_EQ(CopyMenuAt(view, {150, 50}), nullptr);
}

TEST(CopyMenu, NewBoxLibraryAndGrabbedCellsOfferTheirColours)
{
    TFormFixture f;
    f.storeDefaults();
    QFile lib(f.paths.programDir + "library/Two.cbl");
    ASSERT_TRUE(lib.open(QIODevice::WriteOnly));
    lib.write("1\t2\t3\r\n250\t128\t0\r\n");
    lib.close();
    TForm1& form = f.open();
    form.BuildHiddenPages();
    form.SetCurrentColor(255, 0, 170);
    form.Grab.GrabbedColors = {{9, 8, 7, 0, 0}, {100, 101, 102, 0, 0}};
    form.grabPage->Color_grabbedPaint();

    QMenu* menu = CopyMenuAt(form.colorArea->result_newColor, {5, 5});
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Captions(menu).first(), "#FF00AA");
    Choose(menu, "copy_plain");
    EXPECT_EQ(f.fake.clipboard.content, "255, 0, 170");

    const TSwatch lib1 = form.Library.LibrarySwatches[1];
    QTest::mousePress(form.libraryPage->libraryPalette, Qt::RightButton, {}, QPoint(lib1.Left + 5, lib1.Top + 5));
    EXPECT_EQ(form.Library.LibrarySelectedSwatch, -1);
    menu = CopyMenuAt(form.libraryPage->libraryPalette, {lib1.Left + 5, lib1.Top + 5});
    ASSERT_NE(menu, nullptr);
    Choose(menu, "copy_hex");
    EXPECT_EQ(f.fake.clipboard.content, "FA8000");

    const TSwatch g1 = form.Grab.GrabbedColors[1];
    QTest::mousePress(form.grabPage->Color_grabbed, Qt::RightButton, {}, QPoint(g1.Left + 5, g1.Top + 5));
    EXPECT_EQ(form.Grab.GrabbedSelection, -1);
    menu = CopyMenuAt(form.grabPage->Color_grabbed, {g1.Left + 5, g1.Top + 5});
    ASSERT_NE(menu, nullptr);
    Choose(menu, "copy_hsl");
    EXPECT_EQ(f.fake.clipboard.content, FormatColor({100, 101, 102}, TColorForm::Hsl));
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{255, 0, 170}));
}

TEST(CopyKeys, CtrlCCopiesTheCurrentColourInTheFormChosenLastWhichIsStoredAfterTheSeven)
{
    TFormFixture f;
    {
        TForm1& form = f.open();
        form.show();
        form.SetCurrentColor(58, 123, 213);
        form.setFocus();
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.fake.clipboard.content, "#3A7BD5"); // the first form until one is chosen
        EXPECT_EQ(form.Status(0), "Copied #3A7BD5");

        Choose(CopyMenuAt(form.colorArea->result_newColor, {5, 5}), "copy_hsl");
        f.fake.clipboard.content.clear();
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.fake.clipboard.content, "hsl(215, 65%, 53%)");

        // A text field with a selection copies its own text, not the colour.
        f.fake.clipboard.content.clear();
        form.colorArea->hexInput->setFocus();
        form.colorArea->hexInput->selectAll();
        QTest::keyClick(form.colorArea->hexInput, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.fake.clipboard.content, "");
        // Without a selection there, the colour again.
        form.colorArea->hexInput->deselect();
        QTest::keyClick(form.colorArea->hexInput, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.fake.clipboard.content, "hsl(215, 65%, 53%)");
        f.close();
    }
    const QStringList stored = f.storedValues();
    ASSERT_EQ(stored.size(), 8);
    EXPECT_EQ(stored[0], "58\t123\t213"); // lastColor, in its place
    EXPECT_EQ(stored[6], f.paths.programDir + "ExportPalette");
    EXPECT_EQ(stored[7], "hsl");

    TForm1& again = f.open();
    again.show();
    again.setFocus();
    QTest::keyClick(&again, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(f.fake.clipboard.content, FormatColor(again.Color.NewColor, TColorForm::Hsl)); // red: no palette reopened
}

TEST(PasteKeys, CtrlVAndAPasteIntoTheHexBoxTakeAnyColourText)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.show();
    form.BuildHiddenPages();
    form.setFocus();
    struct {
        QWidget* target;
        const char* text;
        TRgbColor expected;
    } cases[] = {
        {&form, "rgb(58, 123, 213)", {58, 123, 213}},
        {&form, "  rebeccapurple ", {102, 51, 153}},
        {form.colorArea->hexInput, "#F0A", {255, 0, 170}},
        {form.colorArea->hexInput, "hsl(120, 100%, 25%)", {0, 128, 0}},
        {form.colorArea->rgbInput_R, "1, 2, 3", {1, 2, 3}}, // a spin box without its text: the main window's paste
    };
    for (const auto& c : cases) {
        form.SetCurrentColor(9, 9, 9);
        f.fake.clipboard.content = QString::fromLatin1(c.text);
        c.target->setFocus();
        QWidget* receiver = c.target == form.colorArea->rgbInput_R ? c.target->findChild<QLineEdit*>() : c.target;
        // The spin box's text is replaced by the colour, so its own paste is not what happens.
        if (c.target == form.colorArea->rgbInput_R)
            receiver = &form;
        QTest::keyClick(receiver, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form.Color.NewColor, c.expected) << c.text;
        EXPECT_EQ(form.colorArea->hexInput->text(), FormatColor(c.expected, TColorForm::Hex)) << c.text;
        EXPECT_EQ(form.Status(0), "Pasted " + FormatColor(c.expected, TColorForm::HashHex)) << c.text;
    }
    EXPECT_TRUE(f.fake.dialogs.shown.empty());

    // Anything else changes nothing and says why.
    form.SetCurrentColor(9, 9, 9);
    f.fake.clipboard.content = QStringLiteral("rgb(300, 0, 0)");
    form.colorArea->hexInput->setFocus();
    QTest::keyClick(form.colorArea->hexInput, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{9, 9, 9}));
    EXPECT_EQ(form.colorArea->hexInput->text(), "090909");
    EXPECT_EQ(form.Status(0), "rgb() values are 0..255");
    EXPECT_TRUE(f.fake.dialogs.shown.empty());

    // The hex box's own menu pastes a colour the same way.
    f.fake.clipboard.content = QStringLiteral("rgb(1, 2, 3)");
    QGuiApplication::clipboard()->setText(QStringLiteral("rgb(1, 2, 3)")); // so that Qt enables its Paste item
    emit form.colorArea->hexInput->customContextMenuRequested({5, 5});
    QMenu* hexMenu = form.colorArea->hexInput->findChild<QMenu*>(QStringLiteral("hex_popup"));
    ASSERT_NE(hexMenu, nullptr);
    QAction* pasteItem = hexMenu->findChild<QAction*>(QStringLiteral("edit-paste"));
    ASSERT_NE(pasteItem, nullptr);
    pasteItem->trigger();
    hexMenu->close();
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{1, 2, 3}));
    EXPECT_EQ(form.colorArea->hexInput->text(), "010203");

    // Other text fields paste text as usual.
    form.SetCurrentColor(9, 9, 9);
    form.AdvPageControl1->setCurrentIndex(2);
    QPlainTextEdit* memo = form.testBoard->textPage->cxMemo1;
    f.fake.clipboard.content = QStringLiteral("#123456");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Color.NewColor, (TRgbColor{9, 9, 9}));
}

TEST(CopyKeys, CtrlCInTheZoomWindowCopiesTheSampledColourButNotInAHotKeyField)
{
    TZoomFixture z;
    Tgrab_color& zoom = z.openZoom();
    zoom.show();
    z.tickAt({300, 200});
    const TRgbColor sampled = z.form->Grab.SampledColor;
    zoom.setFocus();
    QTest::keyClick(&zoom, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(z.f.fake.clipboard.content, FormatColor(sampled, TColorForm::HashHex));
    EXPECT_EQ(zoom.StatusText(1), "Copied " + FormatColor(sampled, TColorForm::HashHex));

    z.f.fake.clipboard.content.clear();
    zoom.HotKey1->setFocus();
    QTest::keyClick(zoom.HotKey1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(z.f.fake.clipboard.content, "");
    z.closeZoom();
}

// ---- Export ------------------------------------------------------------------

class FormatExport : public ::testing::Test {
protected:
    TPaletteWindow w{{{"Sea", "58\t123\t213\r\n0\t0\t0\r\n300\t-5\t7\r\n"}}, "Sea"};
    QTemporaryDir out;
    TPaletteTools& tools() { return *w.form().paletteTools; }
    QByteArray read(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

TEST_F(FormatExport, EachFormatGoesThroughTheSaveDialogAndEndsAsTheBmpExportDoes)
{
    TForm1& form = w.form();
    const auto& sw = form.Pal.Palette;
    struct {
        QAction* item;
        const char* title;
        const char* filter;
        const char* suffix;
        QByteArray content;
        const char* status;
    } cases[] = {
        {tools().Exporttogpl1, "Export palette for GIMP, Inkscape and Krita", "GIMP palettes (*.gpl)", "gpl",
         PaletteFormats::WriteGpl("Sea", sw, 9), "Palette exported"},
        {tools().Exporttoase1, "Export palette for Adobe programs", "Adobe swatch exchange (*.ase)", "ase",
         PaletteFormats::WriteAse("Sea", sw), "Palette exported"},
        {tools().Exporttocss1, "Export palette as CSS", "CSS style sheets (*.css)", "css",
         PaletteFormats::WriteCss("Sea", sw), "Palette exported"},
        {tools().Exporttojson1, "Export palette as JSON", "JSON files (*.json)", "json",
         PaletteFormats::WriteJson("Sea", sw), "Palette exported"},
        {tools().Exporttopng1, "Export palette as a PNG picture", "PNG pictures (*.png)", "png",
         PaletteExport::EncodePng(PaletteExport::BuildExportImage("Sea", sw, 30).image), "Image exported"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString folder = out.filePath(QString::number(++n));
        QDir().mkpath(folder);
        const QString file = folder + "/Sea." + c.suffix;
        w.dialogs().saveAnswers = {file};
        c.item->trigger();
        const IDialogs::SaveFileRequest& asked = w.dialogs().saveRequests.back();
        EXPECT_EQ(asked.title, c.title);
        EXPECT_EQ(asked.filter, c.filter);
        EXPECT_EQ(asked.defaultSuffix, c.suffix);
        EXPECT_EQ(asked.directory, form.Pal.ExportFolder);
        EXPECT_EQ(asked.fileName, QStringLiteral("Sea.") + c.suffix);
        EXPECT_TRUE(asked.confirmOverwrite);
        EXPECT_EQ(read(file), c.content) << c.suffix;
        EXPECT_EQ(form.Status(0), c.status);
        EXPECT_EQ(w.f.fake.desktop.openedFolders.back(), folder + "/");
        EXPECT_EQ(w.f.storedValues().value(6), folder + "/") << c.suffix;
    }
    EXPECT_TRUE(w.dialogs().shown.empty());
    // The next export of a format offers the file chosen last for it.
    tools().Exporttocss1->trigger();
    EXPECT_EQ(w.dialogs().saveRequests.back().fileName, out.filePath("3/Sea.css"));
}

TEST_F(FormatExport, EmptyPaletteCancelAndAFailedWriteLeaveNoTrace)
{
    TForm1& form = w.form();
    form.SetStatus(QStringLiteral("before"), QStringLiteral("x"));
    w.dialogs().saveAnswers = {QString()};
    tools().Exporttojson1->trigger();
    EXPECT_EQ(form.Status(0), "before");

    w.dialogs().saveAnswers = {out.filePath("no-such-folder/Sea.gpl")};
    tools().Exporttogpl1->trigger();
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(w.dialogs().shown[0].text.startsWith("Cannot write file")) << w.dialogs().shown[0].text.toStdString();
    EXPECT_EQ(form.Status(0), "before");
    EXPECT_TRUE(w.f.fake.desktop.openedFolders.isEmpty());

    form.Pal.Palette.clear();
    const auto asked = w.dialogs().saveRequests.size();
    tools().Exporttoase1->trigger();
    EXPECT_EQ(w.dialogs().shown.back().text, "There have no colors to be exported.");
    EXPECT_EQ(w.dialogs().saveRequests.size(), asked);
}

// ---- Import ------------------------------------------------------------------

TEST(Import, AFileBecomesANewUnsavedPaletteNamedAfterIt)
{
    TPaletteWindow w({{"Sea", "1\t2\t3\r\n"}}, "Sea");
    TForm1& form = w.form();
    QTemporaryDir dir;
    const QString path = dir.filePath("Bears.gpl");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIMP Palette\r\nName: Bears\r\n#\r\n  8   8   8\tgrey3\r\n 68  44  44\r\n");
    file.close();

    w.dialogs().openAnswers = {path};
    w.files().mu_import->trigger();
    ASSERT_EQ(w.dialogs().openRequests.size(), 1u);
    EXPECT_EQ(w.dialogs().openRequests[0].filter, "Palettes (*.gpl *.ase *.json *.css *.txt)");
    EXPECT_TRUE(w.dialogs().shown.empty()); // the open palette was saved: no question
    EXPECT_EQ(w.colours(), (QStringList{"8,8,8", "68,44,44"}));
    EXPECT_EQ(form.Pal.PaletteName, "Bears");
    EXPECT_EQ(form.PageCaption(), "Bears");
    EXPECT_FALSE(form.Pal.PaletteOnFile);
    EXPECT_FALSE(form.Pal.PaletteSaved);
    EXPECT_EQ(form.Status(0), "Palette imported");
    EXPECT_EQ(form.Status(1), "Bears (Not saved)");
    EXPECT_EQ(form.Pal.Palette[1].Left, 31);
    EXPECT_EQ(w.f.readPalette("Sea"), "1\t2\t3\r\n"); // untouched

    // Now unsaved: the next import asks as "New Palette" does; No drops it.
    w.dialogs().openAnswers = {path};
    w.dialogs().answers = {false};
    w.files().mu_import->trigger();
    ASSERT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.dialogs().shown[0].text, "Do you want to save your palette - \nBears?");
    EXPECT_EQ(w.colours(), (QStringList{"8,8,8", "68,44,44"}));
}

TEST(Import, AFileThatCannotBeUsedShowsWhereAndChangesNothing)
{
    TPaletteWindow w({{"Sea", "1\t2\t3\r\n"}}, "Sea");
    TForm1& form = w.form();
    form.b_ppAddClick(); // unsaved
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.gpl");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIMP Palette\n1 2 3\nnot a colour\n");
    file.close();

    w.dialogs().openAnswers = {bad};
    w.files().mu_import->trigger();
    ASSERT_EQ(w.dialogs().shown.size(), 1u); // no question before the error
    EXPECT_EQ(w.dialogs().shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(w.dialogs().shown[0].text.contains("Line 3")) << w.dialogs().shown[0].text.toStdString();
    EXPECT_EQ(w.colours().size(), 2);
    EXPECT_EQ(form.Pal.PaletteName, "Sea");
    EXPECT_TRUE(form.Pal.PaletteOnFile);

    w.dialogs().openAnswers = {QString()}; // cancelled
    w.files().mu_import->trigger();
    EXPECT_EQ(w.dialogs().shown.size(), 1u);
    EXPECT_EQ(w.colours().size(), 2);
}

// ---- Other programs' palettes as libraries ---------------------------------------

TEST(SystemLibraries, ListedAfterTheProgramsOwnMarkedWithTheirSourceAndReadWhenChosen)
{
    TFormFixture f;
    f.storeDefaults();
    const QString share = f.root.path() + "/share", config = f.root.path() + "/config";
    auto put = [](const QString& path, const QByteArray& content) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
    };
    put(f.paths.programDir + "library/Shipped.cbl", "1\t1\t1\r\n");
    put(share + "/gimp/2.0/palettes/Bears.gpl", "GIMP Palette\nName: Bears\n8 8 8\tgrey3\n68 44 44\n");
    put(share + "/gimp/2.0/palettes/.hidden.gpl", "GIMP Palette\n1 1 1\n");
    put(share + "/gimp/2.0/palettes/readme.txt", "not a palette");
    put(config + "/GIMP/2.10/palettes/Mine_too.GPL", "GIMP Palette\n5 6 7\n");
    put(share + "/inkscape/palettes/GNOME_HIG.gpl", "GIMP Palette\r\n1 2 3\r\n");
    put(config + "/inkscape/palettes/Broken.gpl", "GIMP Palette\n1 2\n");
    put(f.paths.userDataDir + "library/Own.cbl", "9\t9\t9\r\n");
    put(f.paths.userDataDir + "library/Own2.gpl", "GIMP Palette\n4 4 4\n");
    f.paths.systemShareDir = share;
    f.paths.userConfigDir = config;
    TForm1& form = f.open();
    form.BuildHiddenPages();
    QComboBox* combo = form.libraryPage->combo_lab;
    QStringList labels;
    for (int i = 0; i < combo->count(); ++i)
        labels << combo->itemText(i);
    EXPECT_EQ(labels,
              (QStringList{"Shipped", "GIMP: Bears", "GIMP: Mine too", "Inkscape: GNOME HIG", "Inkscape: Broken",
                           "My library: Own", "My library: Own2"}));

    combo->setCurrentIndex(1);
    ASSERT_EQ(form.Library.LibrarySwatchCount(), 2);
    EXPECT_EQ(form.Library.LibrarySwatches[1].Red, 68);
    EXPECT_EQ(form.Library.LibrarySwatches[1].Left, 31); // laid out as every library
    combo->setCurrentIndex(3);
    EXPECT_EQ(form.Library.LibrarySwatches[0].Blue, 3);
    combo->setCurrentIndex(4); // damaged: the error, and the library before stays
    ASSERT_EQ(f.fake.dialogs.shown.size(), 1u);
    EXPECT_TRUE(f.fake.dialogs.shown[0].text.contains("Line 2")) << f.fake.dialogs.shown[0].text.toStdString();
    EXPECT_EQ(form.Library.LibrarySwatches[0].Blue, 3);
    combo->setCurrentIndex(6);
    EXPECT_EQ(form.Library.LibrarySwatches[0].Red, 4);
}

TEST(SystemLibraries, EveryPaletteGimpAndInkscapeShipShowsAsALibrary)
{
    const QString share = QStringLiteral(TINTWELL_EXT_DIR "/palettes/usr/share");
    if (!QFileInfo::exists(QStringLiteral(TINTWELL_EXT_DIR "/palettes/.done")))
        GTEST_SKIP() << "no GIMP/Inkscape palettes under " << TINTWELL_EXT_DIR << " (scripts/fetch-test-files.sh)";
    TFormFixture f;
    f.storeDefaults();
    f.paths.systemShareDir = share;
    TForm1& form = f.open();
    form.BuildHiddenPages();
    QComboBox* combo = form.libraryPage->combo_lab;
    int shown = 0;
    for (const char* program : {"gimp/2.0", "inkscape"}) {
        QDir dir(share + "/" + program + "/palettes", QStringLiteral("*.gpl"), QDir::Name, QDir::Files);
        for (const QFileInfo& file : dir.entryInfoList()) {
            const QString label = QString::fromLatin1(program[0] == 'g' ? "GIMP: " : "Inkscape: ")
                + file.completeBaseName().replace('_', ' ');
            const int index = combo->findText(label);
            ASSERT_GE(index, 0) << label.toStdString();
            combo->setCurrentIndex(index);
            const PaletteFormats::TReadResult read = PaletteFormats::ImportPaletteFile(file.filePath());
            ASSERT_TRUE(read.ok) << read.error.toStdString();
            EXPECT_EQ(form.Library.LibrarySwatchCount(), int(read.swatches.size())) << label.toStdString();
            ++shown;
        }
    }
    EXPECT_GT(shown, 0);
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
}

} // namespace
