// The test board, checked through what its widgets paint: the shapes, the
// hatch patterns, the free-hand tools and the sample text, each following
// the current colour only while its sub-page is shown.
#include "app/TForm1.h"
#include "color/ColorArea.h"
#include "support/FormFixture.h"
#include "testboard/DrawPage.h"
#include "testboard/FontNameBox.h"
#include "testboard/LinePage.h"
#include "testboard/Shape.h"
#include "testboard/ShapePage.h"
#include "testboard/TestBoard.h"
#include "testboard/TextPage.h"
#include "widgets/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kFrame = qRgb(70, 70, 70);

QRgb Rgb(const TRgbColor& c)
{
    return qRgb(c.Red, c.Green, c.Blue);
}

QImage Pixels(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour as the inputs set it: the new value, then the board's refresh.
void ChangeColour(TForm1& form, int r, int g, int b)
{
    form.SetCurrentColor(r, g, b);
    form.test_pageControlChange();
}

void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// Press at the first point, move through the others, release at the last.
void Drag(QWidget* w, const QList<QPoint>& path)
{
    Mouse(w, QEvent::MouseButtonPress, path.first(), Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i < path.size(); ++i)
        Mouse(w, QEvent::MouseMove, path[i], Qt::NoButton, Qt::LeftButton);
    Mouse(w, QEvent::MouseButtonRelease, path.last(), Qt::LeftButton, Qt::NoButton);
}

void Click(QWidget* w, QPoint at)
{
    Drag(w, {at});
}

struct Board {
    TFormFixture f;
    TForm1& form = f.open();
    TTestBoard& tb = *form.testBoard;
};

// ---------------------------------------------------------------- page frame

TEST(TestBoardPages, ButtonsShowTheirPageAndOnlyItsButtonLooksFlat)
{
    Board b;
    const QList<QToolButton*> buttons = {b.tb.testB_tx, b.tb.testB_fh, b.tb.testB_sp, b.tb.testB_ln};
    EXPECT_EQ(b.tb.test_pageControl->currentIndex(), 0);
    for (int page : {2, 1, 3, 0}) {
        buttons[page]->click();
        EXPECT_EQ(b.tb.test_pageControl->currentIndex(), page);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(buttons[i]->autoRaise(), i == page) << "page " << page << ", button " << i;
    }
}

// A point inside each shape that its inner shape does not cover.
struct ShapeSample {
    TShape* TBoardShapePage::*shape;
    QPoint at; // in the panel
    bool outer;
};

const ShapeSample kShapeSamples[] = {
    {&TBoardShapePage::testS1, {28, 20}, true},     {&TBoardShapePage::testS2, {40, 104}, true},
    {&TBoardShapePage::testS3, {76, 124}, true},    {&TBoardShapePage::testS4, {168, 22}, true},
    {&TBoardShapePage::testS5, {200, 96}, true},    {&TBoardShapePage::testS6, {172, 116}, true},
    {&TBoardShapePage::testS7, {30, 192}, true},    {&TBoardShapePage::testS8, {152, 204}, true},
    {&TBoardShapePage::testS9, {188, 196}, true},   {&TBoardShapePage::testSin1, {56, 48}, false},
    {&TBoardShapePage::testSin2, {169, 49}, false}, {&TBoardShapePage::testSin3, {74, 192}, false},
};

// A colour change while a sub-page is shown reaches that sub-page and leaves
// the others as they were.
TEST(TestBoardPages, ColourChangeReachesOnlyTheShownSubPage)
{
    Board b;
    auto memo = [&] { return b.tb.textPage->cxMemo1->palette().color(QPalette::Text).rgb(); };
    auto shapes = [&] { return Pixels(b.tb.shapePage->shapePanel).pixel(kShapeSamples[0].at); };
    auto pattern = [&] { return b.tb.linePage->testLn->brush().color().rgb(); };
    auto drawing = [&] { return Pixels(b.tb.drawPage->test_drawBoard); };
    const QList<QToolButton*> buttons = {b.tb.testB_tx, b.tb.testB_fh, b.tb.testB_sp, b.tb.testB_ln};
    const QList<TBoardPage*> pages = {b.tb.textPage, b.tb.drawPage, b.tb.shapePage, b.tb.linePage};
    for (int shown : {2, 0, 3, 1}) {
        buttons[shown]->click();
        ASSERT_EQ(b.tb.VisiblePage(), pages[shown]);
        const QRgb memoBefore = memo(), shapesBefore = shapes(), patternBefore = pattern();
        const QImage drawingBefore = drawing();
        const QRgb ink = qRgb(40 + 50 * shown, 10, 200);
        ChangeColour(b.form, qRed(ink), qGreen(ink), qBlue(ink));
        EXPECT_EQ(memo(), shown == 0 ? ink : memoBefore) << "shown " << shown;
        EXPECT_EQ(drawing(), drawingBefore) << "shown " << shown;
        EXPECT_EQ(shapes(), shown == 2 ? ink : shapesBefore) << "shown " << shown;
        EXPECT_EQ(pattern(), shown == 3 ? ink : patternBefore) << "shown " << shown;
    }
}

TEST(TestBoardShapes, OuterShapesTakeTheColourWhenShownAndInnerOnesStayWhite)
{
    Board b;
    ASSERT_EQ(b.tb.test_pageControl->currentIndex(), 0);
    const TRgbColor before = b.form.Color.NewColor;
    ChangeColour(b.form, 10, 120, 200);

    // Not shown: the shapes keep the colour they had.
    QImage hidden = Pixels(b.tb.shapePage->shapePanel);
    EXPECT_EQ(hidden.pixel(kShapeSamples[0].at), Rgb(before));

    b.tb.testB_spClick();
    const QImage shown = Pixels(b.tb.shapePage->shapePanel);
    for (const ShapeSample& s : kShapeSamples) {
        const QString name = (b.tb.shapePage->*s.shape)->objectName();
        EXPECT_EQ(shown.pixel(s.at), s.outer ? qRgb(10, 120, 200) : kWhite) << name.toStdString();
    }
}

// The leftmost pixel of a shape's outline, on its middle row, in the panel.
QPoint OutlinePoint(const TShape* s)
{
    const QRect g = s->geometry();
    if (s->shape() == TShapeForm::Circle) {
        const int d = std::min(g.width(), g.height());
        return {g.left() + (g.width() - d) / 2, g.top() + (g.height() - d) / 2 + d / 2};
    }
    return {g.left(), g.top() + g.height() / 2};
}

TEST(TestBoardShapes, BorderAddsAndRemovesTheGreyOutlineOfAllTwelve)
{
    Board b;
    b.tb.testB_spClick();
    ASSERT_TRUE(b.tb.shapePage->cxCheckBox1->isChecked());
    QImage img = Pixels(b.tb.shapePage->shapePanel);
    for (const TShape* s : b.tb.shapePage->AllShapes())
        EXPECT_EQ(img.pixel(OutlinePoint(s)), kGrey) << s->objectName().toStdString();

    b.tb.shapePage->cxCheckBox1->click();
    img = Pixels(b.tb.shapePage->shapePanel);
    int grey = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            grey += img.pixel(x, y) == kGrey;
    EXPECT_EQ(grey, 0);
    // Without an outline an inner shape still shows white over its outer one.
    EXPECT_EQ(img.pixel(OutlinePoint(b.tb.shapePage->testSin1) + QPoint(1, 0)), kWhite);

    b.tb.shapePage->cxCheckBox1->click();
    img = Pixels(b.tb.shapePage->shapePanel);
    for (const TShape* s : b.tb.shapePage->AllShapes())
        EXPECT_EQ(img.pixel(OutlinePoint(s)), kGrey) << s->objectName().toStdString();
}

// ------------------------------------------------------------------ patterns

// The pattern shape as it shows on its white panel.
QImage PatternPixels(TTestBoard& tb)
{
    return Pixels(tb.linePage->linePanel).copy(tb.linePage->testLn->geometry());
}

TEST(TestBoardPatterns, HatchStylesDrawLinesOfTheColourWithWhiteBetween)
{
    using Image = const QImage&;
    // A hatch pixel (x, y) continues at (x + dx, y + dy) for each direction.
    struct Row {
        int item;
        const char* text;
        QList<QPoint> directions;
    };
    const Row rows[] = {
        {0, "Cross", {{1, 0}, {0, 1}}},    {1, "Diagonal and Cross", {{1, 1}, {1, -1}}},
        {2, "Diagonal(Right)", {{1, -1}}}, {3, "Diagonal(Left)", {{1, 1}}},
        {4, "Horizontal", {{1, 0}}},       {5, "Vertical", {{0, 1}}},
    };
    Board b;
    b.tb.testB_lnClick();
    ChangeColour(b.form, 0, 128, 64);
    const QRgb ink = qRgb(0, 128, 64);
    for (const Row& row : rows) {
        b.tb.linePage->testLn_style->setCurrentIndex(row.item);
        EXPECT_EQ(b.tb.linePage->testLn_style->currentText(), row.text);
        const QImage img = PatternPixels(b.tb);
        // Only hatch and white inside, both present.
        int inked = 0, white = 0, other = 0;
        for (int y = 0; y < img.height() - 1; ++y)
            for (int x = 0; x < img.width() - 1; ++x) {
                const QRgb p = img.pixel(x, y);
                inked += p == ink;
                white += p == kWhite;
                other += p != ink && p != kWhite;
            }
        EXPECT_GT(inked, 0) << row.text;
        EXPECT_GT(white, inked) << row.text;
        EXPECT_EQ(other, 0) << row.text;
        // Every line runs in the style's directions: a lone inked pixel with
        // none of its neighbours inked means the wrong hatch.
        auto continues = [&](Image im, int x, int y) {
            for (const QPoint& d : row.directions) {
                const QPoint n(x + d.x(), y + d.y());
                if (im.rect().adjusted(0, 0, -1, -1).contains(n) && im.pixel(n) == ink)
                    return true;
            }
            return false;
        };
        int broken = 0;
        for (int y = 8; y < img.height() - 9; ++y)
            for (int x = 8; x < img.width() - 9; ++x)
                if (img.pixel(x, y) == ink && !continues(img, x, y))
                    ++broken;
        EXPECT_EQ(broken, 0) << row.text;
        // And not in a direction the style lacks: horizontal has no vertical
        // runs, vertical no horizontal ones.
        if (row.item == 4 || row.item == 5) {
            const QPoint across = row.item == 4 ? QPoint(0, 1) : QPoint(1, 0);
            int runs = 0;
            for (int y = 8; y < img.height() - 9; ++y)
                for (int x = 8; x < img.width() - 9; ++x)
                    runs += img.pixel(x, y) == ink && img.pixel(QPoint(x, y) + across) == ink;
            EXPECT_EQ(runs, 0) << row.text;
        }
    }
}

// The longest run of `ink` along the top row of the pattern.
int LongestRun(const QImage& img, int y, QRgb ink, int* inked = nullptr)
{
    int longest = 0, run = 0, count = 0;
    for (int x = 0; x < img.width(); ++x) {
        run = img.pixel(x, y) == ink ? run + 1 : 0;
        count += img.pixel(x, y) == ink;
        longest = std::max(longest, run);
    }
    if (inked)
        *inked = count;
    return longest;
}

TEST(TestBoardPatterns, LineStylesOutlineWithoutFillAndCrossDropsTheOutline)
{
    Board b;
    b.tb.testB_lnClick();
    const QRgb ink = Rgb(b.form.Color.NewColor);
    const int w = b.tb.linePage->testLn->width();

    b.tb.linePage->testLn_style->setCurrentIndex(6); // Solid Line
    QImage img = PatternPixels(b.tb);
    EXPECT_EQ(LongestRun(img, 0, ink), w);
    EXPECT_EQ(img.pixel(w / 2, img.height() / 2), kWhite); // no fill

    b.tb.linePage->testLn_style->setCurrentIndex(7); // Dash Line: dotted, not dashed
    img = PatternPixels(b.tb);
    int inked = 0;
    EXPECT_LE(LongestRun(img, 0, ink, &inked), 2);
    EXPECT_GT(inked, w / 5);
    EXPECT_EQ(img.pixel(w / 2, img.height() / 2), kWhite);

    b.tb.linePage->testLn_style->setCurrentIndex(6);
    b.tb.linePage->testLn_style->setCurrentIndex(0); // Cross: hatch, outline gone
    img = PatternPixels(b.tb);
    EXPECT_LT(LongestRun(img, 0, ink), w);
    int fill = 0;
    for (int x = 0; x < w; ++x)
        fill += img.pixel(x, img.height() / 2 + 3) == ink;
    EXPECT_GT(fill, 0);
}

TEST(TestBoardPatterns, EnvironmentsGiveRectangleCircleAndEllipse)
{
    struct Row {
        QRadioButton* TBoardLinePage::*radio;
        int across; // inked extent of the middle row
        bool corner; // the box's top-left pixel is inked
    };
    const Row rows[] = {
        {&TBoardLinePage::testLn_2, 129, false},
        {&TBoardLinePage::testLn_3, 185, false},
        {&TBoardLinePage::testLn_1, 185, true},
    };
    Board b;
    b.tb.testB_lnClick();
    b.tb.linePage->testLn_style->setCurrentIndex(6);
    const QRgb ink = Rgb(b.form.Color.NewColor);
    for (const Row& row : rows) {
        (b.tb.linePage->*row.radio)->click();
        const QImage img = PatternPixels(b.tb);
        const int y = 129 / 2;
        int first = -1, last = -1;
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == ink) {
                if (first < 0)
                    first = x;
                last = x;
            }
        const std::string name = (b.tb.linePage->*row.radio)->text().toStdString();
        EXPECT_EQ(last - first + 1, row.across) << name;
        EXPECT_EQ(img.pixel(0, 0) == ink, row.corner) << name;
    }
}

// ----------------------------------------------------------------- free hand

struct DrawBoard : Board {
    QWidget* surface = nullptr;
    DrawBoard()
    {
        tb.testB_fhClick();
        surface = tb.drawPage->test_drawBoard;
    }
    void tool(TDrawTool t) { tb.drawPage->JvImageComboBox1->setCurrentIndex(int(t)); }
    QImage shown() { return Pixels(surface); }
};

int CountColumn(const QImage& img, int x, QRgb ink)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        n += img.pixel(x, y) == ink;
    return n;
}

int CountRow(const QImage& img, int y, QRgb ink)
{
    int n = 0;
    for (int x = 0; x < img.width(); ++x)
        n += img.pixel(x, y) == ink;
    return n;
}

TEST(TestBoardDrawing, PenSizeSetsLineWidthAndStampOutline)
{
    struct Row {
        int size;
        int line; // pen line width
        int stamp; // extent of a square stamp: the 10-pixel box and its outline
    };
    for (const Row& row : {Row{0, 1, 14}, Row{10, 11, 34}}) {
        DrawBoard d;
        ChangeColour(d.form, 30, 60, 90);
        const QRgb ink = qRgb(30, 60, 90);
        d.tb.drawPage->testWtracker->setValue(row.size);

        d.tool(TDrawTool::Pen);
        Drag(d.surface, {{40, 150}, {80, 150}, {140, 150}, {200, 150}});
        d.tool(TDrawTool::Square);
        Click(d.surface, {100, 40});

        const QImage img = d.shown();
        EXPECT_EQ(CountColumn(img, 60, ink), row.line) << "size " << row.size;
        EXPECT_EQ(CountRow(img, 45, ink), row.stamp) << "size " << row.size;
        // The stroke is kept once the button is up.
        EXPECT_EQ(d.form.Board.DrawingImage, d.tb.drawPage->DrawSurface) << "size " << row.size;
        EXPECT_FALSE(d.form.Board.DrawingPressed);
    }
}

TEST(TestBoardDrawing, ClickWithoutMovementStampsButPenLeavesNothing)
{
    struct Row {
        TDrawTool tool;
        const char* name;
        QPoint inked; // a pixel the stamp at (100, 100) covers, if any
    };
    const Row rows[] = {
        {TDrawTool::Circle, "Circle", {105, 105}},
        {TDrawTool::Square, "Square", {100, 100}},
        {TDrawTool::Pen, "Pen", {}},
    };
    for (const Row& row : rows) {
        DrawBoard d;
        const QImage blank = d.shown();
        const QRgb ink = Rgb(d.form.Color.NewColor);
        d.tool(row.tool);
        Click(d.surface, {100, 100});
        const QImage img = d.shown();
        if (row.inked.isNull()) {
            EXPECT_EQ(img, blank) << row.name;
        } else {
            EXPECT_EQ(img.pixel(row.inked), ink) << row.name;
            EXPECT_EQ(d.form.Board.DrawingImage.pixel(row.inked), ink) << row.name;
            EXPECT_EQ(img.pixel(80, 100), kWhite) << row.name;
        }
    }
}

TEST(TestBoardDrawing, SelectColorTakesThePixelUnderThePointer)
{
    struct Row {
        QPoint at;
        QRgb expected;
    };
    DrawBoard d;
    // Something of another colour to pick up.
    ChangeColour(d.form, 12, 34, 56);
    Click(d.surface, {150, 150});
    const Row rows[] = {
        {{50, 50}, kWhite},
        {{0, 0}, kFrame},
        {{0, 120}, kFrame},
        {{155, 155}, qRgb(12, 34, 56)},
    };
    d.tool(TDrawTool::SelectColor);
    EXPECT_EQ(d.surface->cursor().shape(), Qt::CrossCursor);
    for (const Row& row : rows) {
        ChangeColour(d.form, 1, 2, 3);
        const QImage before = d.shown();
        Click(d.surface, row.at);
        EXPECT_EQ(Rgb(d.form.Color.NewColor), row.expected) << row.at.x() << "," << row.at.y();
        EXPECT_EQ(d.shown(), before) << "picking draws nothing";
    }
    d.tool(TDrawTool::Pen);
    EXPECT_EQ(d.surface->cursor().shape(), Qt::ArrowCursor);
}

TEST(TestBoardDrawing, DrawingSurvivesPageSwitchesAndClearAllEmptiesIt)
{
    DrawBoard d;
    const QImage blank = d.shown();
    const QRgb ink = Rgb(d.form.Color.NewColor);
    Click(d.surface, {60, 60});
    d.tb.testB_spClick();
    d.tb.testB_fhClick();
    QImage img = d.shown();
    EXPECT_EQ(img.pixel(65, 65), ink);
    EXPECT_EQ(img.pixel(0, 0), kFrame);
    EXPECT_EQ(img.pixel(232, 208), kFrame);

    d.tb.drawPage->FlatSpeedButton1->click();
    EXPECT_EQ(d.shown(), blank);
    EXPECT_EQ(d.form.Board.DrawingImage, blank);
    d.surface->repaint();
    EXPECT_EQ(d.shown(), blank);
}

// --------------------------------------------------------------------- text

TEST(TestBoardText, MemoTextFollowsTheHexBoxWhileShown)
{
    Board b;
    b.form.AdvPageControl1->setCurrentIndex(2);
    ASSERT_EQ(b.tb.test_pageControl->currentIndex(), 0);
    EXPECT_EQ(b.tb.textPage->cxMemo1->toPlainText(), "Try this sample text.");
    EXPECT_EQ(b.tb.textPage->cxMemo1->palette().color(QPalette::Text).rgb(), Rgb(b.form.Color.NewColor));

    // Large enough for glyphs with solid cores in the exact colour.
    b.tb.textPage->cxSpinEdit1->setValue(70);
    EXPECT_EQ(b.tb.textPage->cxMemo1->font().pointSize(), 70);
    b.form.colorArea->hexInput->setText(QStringLiteral("00A050"));
    if (b.form.Color.NewColor != TRgbColor{0, 160, 80})
        GTEST_SKIP() << "the hex box does not set the current colour yet";

    EXPECT_EQ(b.tb.textPage->cxMemo1->palette().color(QPalette::Text).rgb(), qRgb(0, 160, 80));
    const QImage img = Pixels(b.tb.textPage->cxMemo1->viewport());
    int inked = 0, old = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            inked += img.pixel(x, y) == qRgb(0, 160, 80);
            old += img.pixel(x, y) == qRgb(255, 0, 0);
        }
    EXPECT_GT(inked, 20);
    EXPECT_EQ(old, 0);
}

TEST(TestBoardText, FontNameAndStylesComeFromThePicker)
{
    Board b;
    TFontNameBox* fonts = b.tb.textPage->cxFontNameComboBox1;
    EXPECT_EQ(fonts->count(), 1); // only the memo's family until the list is needed
    fonts->ensureFilled();
    if (fonts->count() == 0)
        GTEST_SKIP() << "no fonts installed";
    const int pick = fonts->count() - 1;
    fonts->setCurrentIndex(pick);
    emit fonts->activated(pick);
    EXPECT_EQ(b.tb.textPage->cxMemo1->font().family(), fonts->itemText(pick));

    b.tb.textPage->fontBold->click();
    b.tb.textPage->fontStrikeOut->click();
    QFont f = b.tb.textPage->cxMemo1->font();
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.strikeOut());
    EXPECT_FALSE(f.italic());
    EXPECT_FALSE(f.underline());
    EXPECT_EQ(f.family(), fonts->itemText(pick));
    b.tb.textPage->fontBold->click();
    EXPECT_FALSE(b.tb.textPage->cxMemo1->font().bold());
}

} // namespace
