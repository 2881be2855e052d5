#include "testboard/TestBoard.h"

#include "testboard/BoardIcons.h"
#include "testboard/DrawPage.h"
#include "testboard/LinePage.h"
#include "testboard/ShapePage.h"
#include "testboard/TextPage.h"
#include "widgets/Widgets.h"

#include <QStackedWidget>
#include <QToolButton>

namespace {

const QString kBoardTip = QStringLiteral(
    "On the test board, you can use these four different mathods to test your new color. \n\n"
    "If you want to change the testing color, you can select colors from Color Model, Grab Colors, "
    "Swatch Library or even your own palette and the new testing color will be applied to test board right away.");

QToolButton* PageButton(QWidget* parent, const char* name, const QString& hint, const QPixmap& picture, int y)
{
    auto* button = new QToolButton(parent);
    NameControl(button, name, hint);
    button->setToolTip(hint);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(17, 17));
    button->setGeometry(8, y, 25, 25);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

TTestBoard::TTestBoard(TBoardState& state, THooks hooks, QWidget* page, QObject* parent)
    : QObject(parent)
    , hooks_(std::move(hooks))
{
    buildFrame(page);
    const TBoardPage::TInk ink = [this] { return Ink(); };
    textPage = new TBoardTextPage(this, test_pageControl, ink);
    drawPage = new TBoardDrawPage(this, test_pageControl, ink, state, hooks_.setCurrentColor);
    shapePage = new TBoardShapePage(this, test_pageControl, ink);
    linePage = new TBoardLinePage(this, test_pageControl, ink);
    pages_ = {textPage, drawPage, shapePage, linePage};
    buttons_ = {testB_tx, testB_fh, testB_sp, testB_ln};

    test_pageControl->setCurrentIndex(0);
    connect(test_pageControl, &QStackedWidget::currentChanged, this, [this] { test_pageControlChange(); });
    // The look of the page buttons before anything is shown.
    testB_tx->setAutoRaise(true);
}

void TTestBoard::buildFrame(QWidget* page)
{
    testB_tx = PageButton(page, "testB_tx", QStringLiteral("Write texts"), BoardIcons::TextPage(), 16);
    testB_fh = PageButton(page, "testB_fh", QStringLiteral("Free hand drawing"), BoardIcons::FreeHandPage(), 40);
    testB_sp = PageButton(page, "testB_sp", QStringLiteral("Shapes"), BoardIcons::ShapesPage(), 64);
    testB_ln = PageButton(page, "testB_ln", QStringLiteral("Patterns and lines"), BoardIcons::PatternsPage(), 88);
    connect(testB_tx, &QToolButton::clicked, this, &TTestBoard::testB_txClick);
    connect(testB_fh, &QToolButton::clicked, this, &TTestBoard::testB_fhClick);
    connect(testB_sp, &QToolButton::clicked, this, &TTestBoard::testB_spClick);
    connect(testB_ln, &QToolButton::clicked, this, &TTestBoard::testB_lnClick);

    // A bare picture that also takes the keyboard focus.
    Image1 = new QToolButton(page);
    NameControl(Image1, "Image1", QStringLiteral("About the test board"));
    Image1->setToolTip(QStringLiteral("About the test board"));
    Image1->setGeometry(11, 259, 17, 17);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setIcon(QIcon(BoardIcons::HelpBadge()));
    Image1->setIconSize(QSize(17, 17));
    Image1->setFocusPolicy(Qt::TabFocus);
    Image1->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; background: transparent; }"
                                         "QToolButton:focus { border: 1px dotted #606060; }"));
    connect(Image1, &QToolButton::clicked, this, &TTestBoard::Image1Click);

    test_pageControl = new QStackedWidget(page);
    NameControl(test_pageControl, "test_pageControl", QStringLiteral("Test board"));
    test_pageControl->setGeometry(41, 2, 246, 287);
}

void TTestBoard::StartUp()
{
    linePage->StartUp();
    textPage->StartUp();
    drawPage->StartUp();
}

QColor TTestBoard::Ink() const
{
    const TRgbColor c = hooks_.currentColor();
    return QColor(c.Red & 0xFF, c.Green & 0xFF, c.Blue & 0xFF);
}

TBoardPage* TTestBoard::VisiblePage() const
{
    for (TBoardPage* p : pages_)
        if (p->page == test_pageControl->currentWidget())
            return p;
    return nullptr;
}

void TTestBoard::test_pageControlChange()
{
    const int shown = test_pageControl->currentIndex();
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setAutoRaise(i == shown);
    if (TBoardPage* page = VisiblePage())
        page->Refresh();
}

void TTestBoard::testB_txClick()
{
    test_pageControl->setCurrentIndex(0);
}
void TTestBoard::testB_fhClick()
{
    test_pageControl->setCurrentIndex(1);
}
void TTestBoard::testB_spClick()
{
    test_pageControl->setCurrentIndex(2);
}
void TTestBoard::testB_lnClick()
{
    test_pageControl->setCurrentIndex(3);
}

void TTestBoard::Image1Click()
{
    hooks_.showTip(kBoardTip);
}
