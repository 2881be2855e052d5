// Files that are not what their names promise, met by the main window: a
// device or a pipe as the last palette or the settings store, libraries
// beside special files, and text from files that looks like markup.
#include "palette/LibraryPage.h"
#include "palette/PaletteFiles.h"
#include "support/FormFixture.h"
#include "support/SpecialFiles.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include <unistd.h>

namespace {

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
