#include "testboard/TestBoard.h"

#include "testboard/FontNameBox.h"

#include "app/TForm1.h"
#include "widgets/Widgets.h"
#include "testboard/Drawing.h"
#include "testboard/Shape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

const QString kBoardTip = QStringLiteral(
    "On the test board, you can use these four different mathods to test your new color. \n\n"
    "If you want to change the testing color, you can select colors from Color Model, Grab Colors, "
    "Swatch Library or even your own palette and the new testing color will be applied to test board right away.");

const QColor kShapeOutline(128, 128, 128);
const QColor kIconInk(70, 74, 82);

QColor Ink(const TRgbColor& c)
{
    return QColor(c.Red & 0xFF, c.Green & 0xFF, c.Blue & 0xFF);
}

// Small pictures, drawn here so that the board needs no picture files.
QPixmap Picture(int size, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    draw(p);
    return pixmap;
}

QPixmap TextPicture()
{
    return Picture(17, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kIconInk);
        p.drawRect(QRectF(2, 2, 9, 2));
        p.drawRect(QRectF(5.5, 2, 2, 11));
        p.setBrush(QColor(200, 60, 40));
        p.drawRect(QRectF(10, 9, 6, 1.5));
        p.drawRect(QRectF(10, 12, 6, 1.5));
        p.drawRect(QRectF(2, 15, 14, 1.5));
    });
}

QPixmap FreeHandPicture()
{
    return Picture(17, [](QPainter& p) {
        QPainterPath path(QPointF(2, 13));
        path.cubicTo(QPointF(5, 2), QPointF(8, 16), QPointF(11, 7));
        path.quadTo(QPointF(13, 3), QPointF(15, 5));
        p.setPen(QPen(QColor(40, 110, 190), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    });
}

QPixmap ShapesPicture()
{
    return Picture(17, [](QPainter& p) {
        p.setPen(QPen(kIconInk, 1));
        p.setBrush(QColor(230, 150, 40));
        p.drawRect(QRectF(1.5, 1.5, 9, 9));
        p.setBrush(QColor(60, 150, 90));
        p.drawEllipse(QRectF(6.5, 6.5, 9, 9));
    });
}

QPixmap PatternsPicture()
{
    return Picture(17, [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kIconInk, 1));
        p.setBrush(QBrush(QColor(160, 60, 150), Qt::BDiagPattern));
        p.drawRect(QRect(1, 1, 14, 14));
    });
}

QPixmap HelpBadge()
{
    return Picture(17, [](QPainter& p) {
        p.setPen(QPen(QColor(214, 170, 40), 1));
        p.setBrush(QColor(255, 226, 120));
        p.drawEllipse(QRectF(0.5, 0.5, 16, 16));
        QPainterPath mark;
        mark.moveTo(5.6, 6.4);
        mark.cubicTo(5.6, 3.2, 11.4, 3.2, 11.4, 6.2);
        mark.cubicTo(11.4, 8.4, 8.5, 8.4, 8.5, 10.8);
        p.setPen(QPen(QColor(120, 60, 10), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mark);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 60, 10));
        p.drawEllipse(QPointF(8.5, 13.3), 1.1, 1.1);
    });
}

QPixmap ToolPicture(TDrawTool tool)
{
    return Picture(16, [tool](QPainter& p) {
        p.setPen(QPen(kIconInk, 1));
        p.setBrush(kIconInk);
        switch (tool) {
        case TDrawTool::Circle:
            p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
            break;
        case TDrawTool::Square:
            p.drawRect(QRectF(3.5, 3.5, 9, 9));
            break;
        case TDrawTool::Pen: {
            QPolygonF nib;
            nib << QPointF(2, 14) << QPointF(3.5, 10) << QPointF(11.5, 2) << QPointF(14, 4.5) << QPointF(6, 12.5);
            p.setBrush(QColor(250, 210, 90));
            p.drawPolygon(nib);
            break;
        }
        case TDrawTool::SelectColor:
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
            p.drawLine(QPointF(8, 1), QPointF(8, 6));
            p.drawLine(QPointF(8, 10), QPointF(8, 15));
            p.drawLine(QPointF(1, 8), QPointF(6, 8));
            p.drawLine(QPointF(10, 8), QPointF(15, 8));
            break;
        }
    });
}

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

QWidget* SubPage(QStackedWidget* pages, const char* name, const QString& spoken)
{
    auto* page = new QWidget;
    NameControl(page, name, spoken);
    pages->addWidget(page);
    return page;
}

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

// The labels left of the font list and the size edit share 62 pixels.
QLabel* AddNarrowLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    QLabel* label = AddLabel(parent, text, geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = label->font();
    f.setPixelSize(11);
    label->setFont(f);
    return label;
}

QFrame* WhitePanel(QWidget* parent, const char* name, const QString& spoken, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    NameControl(panel, name, spoken);
    panel->setFrameShape(QFrame::Box);
    panel->setFrameShadow(QFrame::Plain);
    panel->setLineWidth(1);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(160, 160, 160));
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    return panel;
}

QToolButton* StyleButton(QWidget* parent, const char* name, const QString& spoken, const QString& letter,
                         void (*style)(QFont&), int x)
{
    auto* button = new QToolButton(parent);
    NameControl(button, name, spoken);
    button->setToolTip(spoken);
    button->setText(letter);
    button->setCheckable(true);
    button->setAutoRaise(true);
    QFont f = button->font();
    style(f);
    button->setFont(f);
    button->setGeometry(x, 14, 20, 20);
    return button;
}

} // namespace

TTestBoard::TTestBoard(TForm1& form, QWidget* page)
    : QObject(&form)
    , form_(form)
{
    buildFrame(page);
    buildTextPage();
    buildDrawPage();
    buildShapePage();
    buildLinePage();

    test_pageControl->setCurrentIndex(0);
    connect(test_pageControl, &QStackedWidget::currentChanged, this, [this] { test_pageControlChange(); });
    // The look of the page buttons before anything is shown.
    testB_tx->setAutoRaise(true);
}

void TTestBoard::buildFrame(QWidget* page)
{
    testB_tx = PageButton(page, "testB_tx", QStringLiteral("Write texts"), TextPicture(), 16);
    testB_fh = PageButton(page, "testB_fh", QStringLiteral("Free hand drawing"), FreeHandPicture(), 40);
    testB_sp = PageButton(page, "testB_sp", QStringLiteral("Shapes"), ShapesPicture(), 64);
    testB_ln = PageButton(page, "testB_ln", QStringLiteral("Patterns and lines"), PatternsPicture(), 88);
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
    Image1->setIcon(QIcon(HelpBadge()));
    Image1->setIconSize(QSize(17, 17));
    Image1->setFocusPolicy(Qt::TabFocus);
    Image1->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; background: transparent; }"
                                         "QToolButton:focus { border: 1px dotted #606060; }"));
    connect(Image1, &QToolButton::clicked, this, &TTestBoard::Image1Click);

    test_pageControl = new QStackedWidget(page);
    NameControl(test_pageControl, "test_pageControl", QStringLiteral("Test board"));
    test_pageControl->setGeometry(41, 2, 246, 287);
    test_pageText = SubPage(test_pageControl, "test_pageText", QStringLiteral("Write texts"));
    text_pageDraw = SubPage(test_pageControl, "text_pageDraw", QStringLiteral("Free hand drawing"));
    test_pageShape = SubPage(test_pageControl, "test_pageShape", QStringLiteral("Shapes"));
    test_pageLine = SubPage(test_pageControl, "test_pageLine", QStringLiteral("Patterns and lines"));
}

void TTestBoard::buildTextPage()
{
    QWidget* page = test_pageText;
    cxMemo1 = new QPlainTextEdit(page);
    NameControl(cxMemo1, "cxMemo1", QStringLiteral("Sample text"));
    cxMemo1->setGeometry(8, 8, 233, 129);
    cxMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cxMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cxMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette pal = cxMemo1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    cxMemo1->setPalette(pal);
    QFont memoFont = cxMemo1->font();
    memoFont.setPointSize(10);
    cxMemo1->setFont(memoFont);

    // The preview panel of the font list: the chosen font in the chosen
    // styles, with the style buttons.
    fontPreviewPanel = new QFrame(page);
    NameControl(fontPreviewPanel, "fontPreviewPanel", QStringLiteral("Font preview"));
    fontPreviewPanel->setFrameShape(QFrame::StyledPanel);
    fontPreviewPanel->setGeometry(8, 143, 233, 50);
    fontPreview = new QLabel(QStringLiteral("AaBbYyZz"), fontPreviewPanel);
    NameControl(fontPreview, "fontPreview", QStringLiteral("Font preview"));
    fontPreview->setGeometry(6, 3, 134, 44);
    fontPreview->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fontBold = StyleButton(fontPreviewPanel, "fontBold", QStringLiteral("Bold"), QStringLiteral("B"),
                           [](QFont& f) { f.setBold(true); }, 142);
    fontItalic = StyleButton(fontPreviewPanel, "fontItalic", QStringLiteral("Italic"), QStringLiteral("I"),
                             [](QFont& f) { f.setItalic(true); }, 163);
    fontUnderline = StyleButton(fontPreviewPanel, "fontUnderline", QStringLiteral("Underline"), QStringLiteral("U"),
                                [](QFont& f) { f.setUnderline(true); }, 184);
    fontStrikeOut = StyleButton(fontPreviewPanel, "fontStrikeOut", QStringLiteral("Strikeout"), QStringLiteral("S"),
                                [](QFont& f) { f.setStrikeOut(true); }, 205);
    for (QToolButton* b : {fontBold, fontItalic, fontUnderline, fontStrikeOut})
        connect(b, &QToolButton::clicked, this, &TTestBoard::cxFontNameComboBox1PropertiesFontPreviewButtonClick);

    AddNarrowLabel(page, QStringLiteral("Font name : "), {0, 203, 69, 16});
    cxFontNameComboBox1 = new TFontNameBox(page);
    NameControl(cxFontNameComboBox1, "cxFontNameComboBox1", QStringLiteral("Font name"));
    cxFontNameComboBox1->setGeometry(70, 200, 161, 22);
    cxFontNameComboBox1->setCurrentFamily(cxMemo1->font().family());
    connect(cxFontNameComboBox1, &QComboBox::activated, this, &TTestBoard::cxFontNameComboBox1PropertiesCloseUp);
    connect(cxFontNameComboBox1, &QComboBox::currentIndexChanged, this, &TTestBoard::updatePreview);
    connect(cxFontNameComboBox1, &QComboBox::highlighted, this, [this](int index) {
        QFont f = fontPreview->font();
        f.setFamily(cxFontNameComboBox1->itemText(index));
        fontPreview->setFont(f);
    });

    AddNarrowLabel(page, QStringLiteral("Font size :"), {0, 229, 70, 16});
    auto* smaller = new QToolButton(page);
    NameControl(smaller, "cxSpinEdit1_down", QStringLiteral("Smaller font"));
    smaller->setArrowType(Qt::LeftArrow);
    smaller->setAutoRepeat(true);
    smaller->setGeometry(71, 226, 14, 22);
    cxSpinEdit1 = new QSpinBox(page);
    NameControl(cxSpinEdit1, "cxSpinEdit1", QStringLiteral("Font size"));
    cxSpinEdit1->setRange(5, 70);
    cxSpinEdit1->setValue(10);
    cxSpinEdit1->setButtonSymbols(QAbstractSpinBox::NoButtons);
    cxSpinEdit1->setAlignment(Qt::AlignCenter);
    cxSpinEdit1->setGeometry(85, 226, 37, 22);
    auto* larger = new QToolButton(page);
    NameControl(larger, "cxSpinEdit1_up", QStringLiteral("Larger font"));
    larger->setArrowType(Qt::RightArrow);
    larger->setAutoRepeat(true);
    larger->setGeometry(122, 226, 14, 22);
    connect(smaller, &QToolButton::clicked, cxSpinEdit1, &QSpinBox::stepDown);
    connect(larger, &QToolButton::clicked, cxSpinEdit1, &QSpinBox::stepUp);
    connect(cxSpinEdit1, &QSpinBox::valueChanged, this, &TTestBoard::cxSpinEdit1PropertiesChange);
    updatePreview();
}

void TTestBoard::buildDrawPage()
{
    QWidget* page = text_pageDraw;
    DrawSurface = QImage(233, 209, QImage::Format_RGB32);
    ClearSurface(DrawSurface);

    test_drawBoard = new TPaintBox(page);
    NameControl(test_drawBoard, "test_drawBoard", QStringLiteral("Drawing board"));
    test_drawBoard->setGeometry(8, 8, 233, 209);
    test_drawBoard->setAttribute(Qt::WA_OpaquePaintEvent);
    test_drawBoard->onPaint = [this](QPainter& p, const QRect&) {
        // Every ordinary repaint rebuilds the surface from the kept drawing;
        // during a stroke the surface is shown as it stands.
        if (!form_.DrawingPressed)
            RebuildSurface(DrawSurface, form_.DrawingImage);
        p.drawImage(0, 0, DrawSurface);
    };
    test_drawBoard->onMouseDown = [this](Qt::MouseButton b, QPoint at) { test_drawBoardMouseDown(b, at); };
    test_drawBoard->onMouseMove = [this](QPoint at) { test_drawBoardMouseMove(at); };
    test_drawBoard->onClick = [this] { test_drawBoardClick(); };
    test_drawBoard->onMouseUp = [this](Qt::MouseButton b, QPoint at) { test_drawBoardMouseUp(b, at); };

    JvImageComboBox1 = new QComboBox(page);
    NameControl(JvImageComboBox1, "JvImageComboBox1", QStringLiteral("Drawing tool"));
    JvImageComboBox1->addItem(QIcon(ToolPicture(TDrawTool::Circle)), QStringLiteral("Circle"));
    JvImageComboBox1->addItem(QIcon(ToolPicture(TDrawTool::Square)), QStringLiteral("Square"));
    JvImageComboBox1->addItem(QIcon(ToolPicture(TDrawTool::Pen)), QStringLiteral("Pen"));
    JvImageComboBox1->addItem(QIcon(ToolPicture(TDrawTool::SelectColor)), QStringLiteral("Select color"));
    JvImageComboBox1->setCurrentIndex(0);
    JvImageComboBox1->setGeometry(11, 230, 126, 22);
    connect(JvImageComboBox1, &QComboBox::currentIndexChanged, this, &TTestBoard::JvImageComboBox1Change);

    testWtracker = new QSlider(Qt::Horizontal, page);
    NameControl(testWtracker, "testWtracker", QStringLiteral("Pen size"));
    testWtracker->setToolTip(QStringLiteral("Pen size"));
    testWtracker->setRange(0, 10);
    testWtracker->setValue(0);
    testWtracker->setPageStep(1);
    testWtracker->setTickPosition(QSlider::TicksBelow);
    testWtracker->setTickInterval(1);
    testWtracker->setGeometry(3, 257, 142, 26);

    FlatSpeedButton1 = new QToolButton(page);
    NameControl(FlatSpeedButton1, "FlatSpeedButton1", QStringLiteral("Clear All"));
    FlatSpeedButton1->setText(QStringLiteral("Clear All"));
    FlatSpeedButton1->setAutoRaise(true);
    FlatSpeedButton1->setGeometry(182, 263, 57, 17);
    connect(FlatSpeedButton1, &QToolButton::clicked, this, &TTestBoard::FlatSpeedButton1Click);
}

void TTestBoard::buildShapePage()
{
    shapePanel = WhitePanel(test_pageShape, "shapePanel", QStringLiteral("Shapes"), {8, 8, 230, 233});
    struct Row {
        TShape** member;
        const char* name;
        TShapeForm form;
        QRect box;
    };
    const Row rows[] = {
        {&testS4, "testS4", TShapeForm::Circle, {136, 16, 65, 65}},
        {&testS1, "testS1", TShapeForm::Rectangle, {24, 16, 65, 65}},
        {&testS7, "testS7", TShapeForm::RoundRect, {24, 168, 97, 49}},
        {&testS2, "testS2", TShapeForm::Rectangle, {24, 88, 33, 33}},
        {&testS8, "testS8", TShapeForm::RoundRect, {136, 192, 33, 25}},
        {&testS5, "testS5", TShapeForm::Circle, {184, 80, 33, 33}},
        {&testS6, "testS6", TShapeForm::Circle, {160, 104, 25, 25}},
        {&testS3, "testS3", TShapeForm::Rectangle, {64, 112, 25, 25}},
        {&testS9, "testS9", TShapeForm::RoundRect, {176, 176, 25, 41}},
        {&testSin1, "testSin1", TShapeForm::Rectangle, {44, 37, 24, 23}},
        {&testSin2, "testSin2", TShapeForm::Circle, {157, 37, 25, 24}},
        {&testSin3, "testSin3", TShapeForm::RoundRect, {51, 184, 46, 17}},
    };
    // Created in table order: each later shape lies above the earlier ones.
    for (const Row& row : rows) {
        auto* shape = new TShape(row.form, shapePanel);
        NameControl(shape, row.name, QStringLiteral("Shape"));
        shape->setGeometry(row.box);
        shape->setPen(QPen(kShapeOutline, 1, Qt::SolidLine));
        shape->setBrush(QBrush(Qt::white));
        *row.member = shape;
    }
    for (TShape* shape : OuterShapes())
        shape->setBrush(QBrush(Ink(form_.Color.NewColor)));

    cxCheckBox1 = new QCheckBox(QStringLiteral("Border"), test_pageShape);
    NameControl(cxCheckBox1, "cxCheckBox1", QStringLiteral("Border"));
    cxCheckBox1->setChecked(true);
    cxCheckBox1->setGeometry(6, 253, 90, 20);
    connect(cxCheckBox1, &QCheckBox::toggled, this, &TTestBoard::cxCheckBox1Click);
}

void TTestBoard::buildLinePage()
{
    QWidget* page = test_pageLine;
    linePanel = WhitePanel(page, "linePanel", QStringLiteral("Pattern"), {8, 8, 230, 177});
    testLn = new TShape(TShapeForm::Rectangle, linePanel);
    NameControl(testLn, "testLn", QStringLiteral("Pattern"));
    testLn->setGeometry(24, 24, 185, 129);

    AddLabel(page, QStringLiteral("Pattern Style :"), {8, 194, 86, 16});
    testLn_style = new QComboBox(page);
    NameControl(testLn_style, "testLn_style", QStringLiteral("Pattern Style"));
    testLn_style->addItems({QStringLiteral("Cross"), QStringLiteral("Diagonal and Cross"),
                            QStringLiteral("Diagonal(Right)"), QStringLiteral("Diagonal(Left)"),
                            QStringLiteral("Horizontal"), QStringLiteral("Vertical"), QStringLiteral("Solid Line"),
                            QStringLiteral("Dash Line")});
    testLn_style->setGeometry(96, 191, 121, 22);
    connect(testLn_style, &QComboBox::currentIndexChanged, this, &TTestBoard::testLn_stylePropertiesChange);

    AddLabel(page, QStringLiteral("Pattern Environment :"), {8, 219, 150, 16});
    testLn_1 = new QRadioButton(QStringLiteral("In Rectangle"), page);
    NameControl(testLn_1, "testLn_1", QStringLiteral("In Rectangle"));
    testLn_1->setGeometry(8, 237, 110, 20);
    testLn_1->setChecked(true);
    testLn_2 = new QRadioButton(QStringLiteral("In Circle"), page);
    NameControl(testLn_2, "testLn_2", QStringLiteral("In Circle"));
    testLn_2->setGeometry(122, 237, 110, 20);
    testLn_3 = new QRadioButton(QStringLiteral("In Ellipse"), page);
    NameControl(testLn_3, "testLn_3", QStringLiteral("In Ellipse"));
    testLn_3->setGeometry(8, 259, 110, 20);
    connect(testLn_1, &QRadioButton::toggled, this, [this](bool on) { if (on) testLn_1Click(); });
    connect(testLn_2, &QRadioButton::toggled, this, [this](bool on) { if (on) testLn_2Click(); });
    connect(testLn_3, &QRadioButton::toggled, this, [this](bool on) { if (on) testLn_3Click(); });

    testLn->setBrush(QBrush(Ink(form_.Color.NewColor), Qt::CrossPattern));
    testLn->setPen(QPen(Ink(form_.Color.NewColor), 1, Qt::NoPen));
}

QList<TShape*> TTestBoard::OuterShapes() const
{
    return {testS1, testS2, testS3, testS4, testS5, testS6, testS7, testS8, testS9};
}

QList<TShape*> TTestBoard::AllShapes() const
{
    return OuterShapes() + QList<TShape*>{testSin1, testSin2, testSin3};
}

void TTestBoard::StartUp()
{
    form_.DrawingRect = QRect(0, 0, test_drawBoard->width(), test_drawBoard->height());
    testLn_style->setCurrentIndex(0);
    cxMemo1->setPlainText(QStringLiteral("Try this sample text."));
    form_.DrawingImage = QImage(form_.DrawingRect.size(), QImage::Format_RGB32);
    form_.DrawingImage.fill(Qt::white);
    form_.DrawingPressed = false;
    RebuildSurface(DrawSurface, form_.DrawingImage);
    test_drawBoard->update();
}

// ---- Page frame --------------------------------------------------------------

void TTestBoard::test_pageControlChange()
{
    const int page = test_pageControl->currentIndex();
    const QList<QToolButton*> buttons = {testB_tx, testB_fh, testB_sp, testB_ln};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setAutoRaise(i == page);

    const QColor c = Ink(form_.Color.NewColor);
    switch (page) {
    case 0: {
        QPalette pal = cxMemo1->palette();
        pal.setColor(QPalette::Text, c);
        cxMemo1->setPalette(pal);
        cxSpinEdit1PropertiesChange();
        break;
    }
    case 2:
        for (TShape* shape : OuterShapes()) {
            QBrush brush = shape->brush();
            brush.setColor(c);
            shape->setBrush(brush);
        }
        break;
    case 3: {
        QBrush brush = testLn->brush();
        brush.setColor(c);
        testLn->setBrush(brush);
        QPen pen = testLn->pen();
        pen.setColor(c);
        testLn->setPen(pen);
        testLn_stylePropertiesChange();
        break;
    }
    default:
        // The drawing tools read the current colour when they draw.
        break;
    }
}

void TTestBoard::testB_txClick() { test_pageControl->setCurrentIndex(0); }
void TTestBoard::testB_fhClick() { test_pageControl->setCurrentIndex(1); }
void TTestBoard::testB_spClick() { test_pageControl->setCurrentIndex(2); }
void TTestBoard::testB_lnClick() { test_pageControl->setCurrentIndex(3); }

void TTestBoard::Image1Click() { form_.ShowTip(kBoardTip); }

// ---- Text page ---------------------------------------------------------------

void TTestBoard::cxFontNameComboBox1PropertiesCloseUp()
{
    const int index = cxFontNameComboBox1->currentIndex();
    if (index < 0)
        return;
    QFont f = cxMemo1->font();
    f.setFamily(cxFontNameComboBox1->itemText(index));
    cxMemo1->setFont(f);
}

void TTestBoard::cxFontNameComboBox1PropertiesFontPreviewButtonClick()
{
    QFont f = cxMemo1->font();
    f.setBold(fontBold->isChecked());
    f.setItalic(fontItalic->isChecked());
    f.setUnderline(fontUnderline->isChecked());
    f.setStrikeOut(fontStrikeOut->isChecked());
    cxMemo1->setFont(f);
    updatePreview();
}

void TTestBoard::cxSpinEdit1PropertiesChange()
{
    QFont f = cxMemo1->font();
    f.setPointSize(cxSpinEdit1->value());
    cxMemo1->setFont(f);
}

void TTestBoard::updatePreview()
{
    QFont f = fontPreview->font();
    if (cxFontNameComboBox1 && cxFontNameComboBox1->currentIndex() >= 0)
        f.setFamily(cxFontNameComboBox1->currentText());
    f.setPointSize(14);
    f.setBold(fontBold->isChecked());
    f.setItalic(fontItalic->isChecked());
    f.setUnderline(fontUnderline->isChecked());
    f.setStrikeOut(fontStrikeOut->isChecked());
    fontPreview->setFont(f);
}

// ---- Free-hand page ------------------------------------------------------------

int TTestBoard::tool() const { return JvImageComboBox1->currentIndex(); }

void TTestBoard::drawStep()
{
    const int t = tool();
    if (t < 0 || t >= int(TDrawTool::SelectColor))
        return;
    DrawToolStep(DrawSurface, TDrawTool(t), testWtracker->value(), PenPosition, DrawPoint, Ink(form_.Color.NewColor));
    test_drawBoard->update();
}

void TTestBoard::keepSurface()
{
    form_.DrawingImage = DrawSurface.copy(form_.DrawingRect);
}

void TTestBoard::test_drawBoardMouseDown(Qt::MouseButton, QPoint at)
{
    if (form_.DrawingPressed)
        return;
    if (tool() >= int(TDrawTool::SelectColor)) {
        if (DrawSurface.rect().contains(at)) {
            const QRgb pixel = DrawSurface.pixel(at);
            form_.SetCurrentColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
        }
    } else {
        PenPosition = at;
    }
    DrawPoint = at;
    form_.DrawingPressed = true;
}

void TTestBoard::test_drawBoardMouseMove(QPoint at)
{
    if (!form_.DrawingPressed)
        return;
    DrawPoint = at;
    if (tool() < int(TDrawTool::SelectColor))
        test_drawBoardPaint();
}

void TTestBoard::test_drawBoardPaint()
{
    if (form_.DrawingPressed)
        drawStep();
    else
        test_drawBoard->update();
}

void TTestBoard::test_drawBoardClick()
{
    if (tool() >= int(TDrawTool::SelectColor))
        return;
    drawStep();
    keepSurface();
}

void TTestBoard::test_drawBoardMouseUp(Qt::MouseButton, QPoint)
{
    keepSurface();
    form_.DrawingPressed = false;
    test_drawBoard->update();
}

void TTestBoard::FlatSpeedButton1Click()
{
    ClearSurface(DrawSurface);
    keepSurface();
    test_drawBoard->update();
}

void TTestBoard::JvImageComboBox1Change()
{
    test_drawBoard->setCursor(tool() >= int(TDrawTool::SelectColor) ? Qt::CrossCursor : Qt::ArrowCursor);
}

// ---- Shapes page ---------------------------------------------------------------

void TTestBoard::cxCheckBox1Click()
{
    const Qt::PenStyle style = cxCheckBox1->isChecked() ? Qt::SolidLine : Qt::NoPen;
    for (TShape* shape : AllShapes()) {
        QPen pen = shape->pen();
        pen.setStyle(style);
        shape->setPen(pen);
    }
}

// ---- Patterns page -------------------------------------------------------------

void TTestBoard::testLn_stylePropertiesChange()
{
    static const Qt::BrushStyle hatches[] = {Qt::CrossPattern, Qt::DiagCrossPattern, Qt::BDiagPattern,
                                             Qt::FDiagPattern, Qt::HorPattern,       Qt::VerPattern};
    const int item = testLn_style->currentIndex();
    const QColor c = Ink(form_.Color.NewColor);
    QPen pen = testLn->pen();
    QBrush brush = testLn->brush();
    if (item >= 0 && item <= 5) {
        brush.setColor(c);
        brush.setStyle(hatches[item]);
        pen.setStyle(Qt::NoPen);
    } else if (item == 6 || item == 7) {
        pen.setColor(c);
        pen.setWidth(1);
        pen.setStyle(item == 6 ? Qt::SolidLine : Qt::DotLine);
        brush.setStyle(Qt::NoBrush);
    } else {
        return;
    }
    testLn->setPen(pen);
    testLn->setBrush(brush);
}

void TTestBoard::testLn_1Click() { testLn->setShape(TShapeForm::Rectangle); }
void TTestBoard::testLn_2Click() { testLn->setShape(TShapeForm::Circle); }
void TTestBoard::testLn_3Click() { testLn->setShape(TShapeForm::Ellipse); }
