// The "Help / Tip" menu, the companion programs it starts, and the tips and
// About windows, driven through the dialogs and desktop doubles.
#include "app/TForm1.h"
#include "help/AboutTintwell.h"
#include "help/HelpMenu.h"
#include "help/HintHelp.h"
#include "help/TipViewer.h"
#include "support/FormFixture.h"
#include "testboard/TestBoard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QImage Pixels(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList Lines(const QPlainTextEdit* memo)
{
    QStringList out;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

// Switches the working folder for a scope.
class TWorkingFolder {
public:
    explicit TWorkingFolder(const QString& path)
        : previous_(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~TWorkingFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

const QString kBoardTipLines[] = {
    QStringLiteral("On the test board, you can use these four different mathods to test your new color. "),
    QString(),
    QStringLiteral("If you want to change the testing color, you can select colors from Color Model, Grab Colors, "
                   "Swatch Library or even your own palette and the new testing color will be applied to test board "
                   "right away."),
};

TEST(Tips, ShowTipTextsKeepTheirLineBreaks)
{
    struct Row {
        const char* caller;
        std::function<void(TForm1&)> open;
        QStringList lines;
    };
    const QString zoomText = QStringLiteral(
        "Set hotkey of Zooming to start the zooming activity and pause to capture the zooming area on the screen.");
    const Row rows[] = {
        {"test board picture",
         [](TForm1& form) { form.testBoard->Image1->click(); },
         {kBoardTipLines[0], kBoardTipLines[1], kBoardTipLines[2]}},
        {"zoom window", [zoomText](TForm1& form) { form.ShowTip(zoomText); }, {zoomText}},
        {"text with CR LF", [](TForm1& form) { form.ShowTip(QStringLiteral("one\r\n\r\ntwo")); }, {"one", "", "two"}},
    };
    for (const Row& row : rows) {
        TFormFixture f;
        TForm1& form = f.open();
        QStringList shown;
        QPointer<QDialog> window;
        f.fake.dialogs.onExec = [&](QDialog& dialog) {
            window = &dialog;
            auto* tip = qobject_cast<TForm5*>(&dialog);
            EXPECT_NE(tip, nullptr);
            if (tip)
                shown = Lines(tip->hint_memo);
            return int(QDialog::Accepted);
        };
        row.open(form);
        EXPECT_EQ(shown, row.lines) << row.caller;
        EXPECT_EQ(f.fake.dialogs.execTitles, std::vector<QString>{"Do you know?"}) << row.caller;
        EXPECT_TRUE(window.isNull()) << row.caller << ": released after closing";
    }
}

TEST(Tips, WindowHasItsLookBlocksAndClosesWithItsButton)
{
    TFormFixture f;
    TForm1& form = f.open();
    int opened = 0;
    f.fake.dialogs.onExec = [&](QDialog& dialog) {
        ++opened;
        auto* tip = qobject_cast<TForm5*>(&dialog);
        EXPECT_NE(tip, nullptr);
        if (!tip)
            return int(QDialog::Rejected);
        EXPECT_TRUE(tip->isModal());
        EXPECT_TRUE(tip->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(tip->size(), QSize(223, 124));
        EXPECT_TRUE(tip->hint_memo->isReadOnly());
        EXPECT_EQ(tip->FlatPanel2->text(), "Do you know?");
        EXPECT_TRUE(tip->FlatPanel2->font().bold());
        EXPECT_EQ(tip->FlatPanel2->font().pixelSize(), 15);
        EXPECT_EQ(tip->hint_memo->font().pixelSize(), 13);
        EXPECT_EQ(tip->hint_memo->toPlainText(), "Short " + QString::number(opened));

        const QImage img = Pixels(tip);
        EXPECT_EQ(img.pixel(0, 0), qRgb(245, 226, 118)) << "frame";
        EXPECT_EQ(img.pixel(190, 12), qRgb(253, 249, 227)) << "title strip";
        EXPECT_EQ(img.pixel(20, 112), qRgb(255, 254, 249)) << "text box";
        int titleInk = 0;
        for (int y = 1; y < 25; ++y)
            for (int x = 1; x < 200; ++x)
                titleInk += img.pixel(x, y) == qRgb(159, 53, 17);
        EXPECT_GT(titleInk, 0) << "title colour";

        tip->JvXPToolButton1->click();
        return tip->result();
    };
    form.ShowTip(QStringLiteral("Short 1"));
    form.ShowTip(QStringLiteral("Short 2"));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(form.helpMenu->TipText, "Short 2");
}

TEST(About, WindowShowsItsTextsAndPictureAndOkClosesIt)
{
    TFormFixture f;
    TForm1& form = f.open();
    bool ran = false;
    f.fake.dialogs.onExec = [&](QDialog& dialog) {
        ran = true;
        auto* about = qobject_cast<TForm6*>(&dialog);
        EXPECT_NE(about, nullptr);
        if (!about)
            return int(QDialog::Rejected);
        EXPECT_TRUE(about->isModal());
        EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(about->size(), QSize(381, 290));
        EXPECT_EQ(about->Label16->text(), "Tintwell");
        EXPECT_EQ(about->Label16->font().pixelSize(), 32);
        EXPECT_TRUE(about->Label16->font().bold());
        EXPECT_EQ(about->Label17->text(), "Version 1.0");
        EXPECT_EQ(about->Label17->font().pixelSize(), 12);
        EXPECT_EQ(about->publishDate->text(), "Publish date : July 6th, 2006");
        EXPECT_EQ(about->FlatButton4->text(), "Ok");

        const QImage img = Pixels(about);
        const QRgb ground = qRgb(222, 222, 216);
        EXPECT_EQ(img.pixel(8, 150), ground);
        EXPECT_EQ(img.pixel(60, 197), qRgb(221, 219, 217)) << "date box";
        // The picture lies on the window's ground: its corners are the
        // ground, its middle is not.
        const QRect picture = about->Image2->geometry();
        EXPECT_EQ(picture, QRect(240, 24, 105, 129));
        EXPECT_EQ(img.pixel(picture.topLeft()), ground);
        EXPECT_EQ(img.pixel(picture.bottomRight()), ground);
        int drawn = 0;
        for (int y = picture.top(); y <= picture.bottom(); ++y)
            for (int x = picture.left(); x <= picture.right(); ++x)
                drawn += img.pixel(x, y) != ground;
        EXPECT_GT(drawn, picture.width() * picture.height() / 4);

        about->FlatButton4->click();
        return about->result();
    };
    form.helpMenu->About1->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(f.fake.dialogs.execTitles, std::vector<QString>{"About"});
}

TEST(HelpMenu, OpensBesideTheButtonAtThePointersHeight)
{
    TFormFixture f;
    TForm1& form = f.open();
    form.show();
    THelpMenu& help = *form.helpMenu;
    QCursor::setPos(form.frameGeometry().x() + 40, form.frameGeometry().y() + 300);
    const int pointerY = QCursor::pos().y();
    help.FlatButton1->click();
    EXPECT_TRUE(help.JvPopupMenu2->isVisible());
    EXPECT_EQ(help.JvPopupMenu2->pos(), QPoint(form.frameGeometry().x() + 87, pointerY));
    help.JvPopupMenu2->hide();

    const QList<QAction*> items = help.JvPopupMenu2->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "Help document / Tutorial");
    EXPECT_EQ(items[1]->text(), "Tips");
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), "About");
}

TEST(HelpMenu, CompanionProgramsStartBesideTheProgramFromAnyWorkingFolder)
{
    TFormFixture f;
    TForm1& form = f.open();
    QTemporaryDir elsewhere;
    TWorkingFolder cwd(elsewhere.path());

    form.helpMenu->Helpdocument1->trigger();
    form.helpMenu->utorial1->trigger();
    EXPECT_EQ(f.fake.desktop.startedPrograms,
              QStringList({f.paths.programDir + "Help/tintwell_helper", f.paths.programDir + "Help/tintwell_tip"}));
    EXPECT_TRUE(f.fake.dialogs.shown.empty());
    EXPECT_TRUE(f.fake.dialogs.execTitles.empty());
}

TEST(HelpMenu, MissingCompanionProgramsShowNothing)
{
    TFormFixture f;
    TForm1& form = f.open();
    // The real desktop, with no programs in the program folder's Help/.
    TServicesOverride realDesktop(TServices{nullptr, &QtDesktop(), nullptr});
    ASSERT_FALSE(QFileInfo::exists(f.paths.programDir + "Help/tintwell_helper"));
    const int windows = QApplication::topLevelWidgets().size();

    form.helpMenu->Helpdocument1->trigger();
    form.helpMenu->utorial1->trigger();
    QCoreApplication::processEvents();

    EXPECT_TRUE(f.fake.dialogs.shown.empty());
    EXPECT_TRUE(f.fake.dialogs.execTitles.empty());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    EXPECT_EQ(form.Status(0), "New File");
}

TEST(TipsProgram, GoesThroughEveryTipAndWrapsAroundBothEnds)
{
    const QStringList tips = {"first", "second", "third"};
    TTipViewer viewer(tips);
    EXPECT_EQ(viewer.tipText->toPlainText(), "first");
    EXPECT_EQ(viewer.counter->text(), "Tip 1 of 3");

    viewer.previousButton->click();
    EXPECT_EQ(viewer.tipText->toPlainText(), "third");
    EXPECT_EQ(viewer.counter->text(), "Tip 3 of 3");
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        viewer.nextButton->click();
        seen << viewer.tipText->toPlainText();
    }
    EXPECT_EQ(seen, tips);
    EXPECT_TRUE(viewer.tipText->isReadOnly());
    EXPECT_FALSE(TintwellTips().isEmpty());
}

} // namespace
