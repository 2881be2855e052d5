#include "testboard/DrawPage.h"

#include "testboard/BoardIcons.h"
#include "testboard/BoardState.h"
#include "widgets/Widgets.h"

#include <QComboBox>
#include <QPainter>
#include <QSlider>
#include <QToolButton>

TBoardDrawPage::TBoardDrawPage(QObject* parent, QStackedWidget* pages, TInk ink, TBoardState& state,
                               std::function<void(int, int, int)> setCurrentColor)
    : TBoardPage(parent, pages, "text_pageDraw", QStringLiteral("Free hand drawing"), std::move(ink))
    , state_(state)
    , setCurrentColor_(std::move(setCurrentColor))
{
    DrawSurface = QImage(233, 209, QImage::Format_RGB32);
    ClearSurface(DrawSurface);

    test_drawBoard = new TPaintBox(page);
    NameControl(test_drawBoard, "test_drawBoard", QStringLiteral("Drawing board"));
    test_drawBoard->setGeometry(8, 8, 233, 209);
    test_drawBoard->setAttribute(Qt::WA_OpaquePaintEvent);
    test_drawBoard->onPaint = [this](QPainter& p, const QRect&) {
        // Every ordinary repaint rebuilds the surface from the kept drawing;
        // during a stroke the surface is shown as it stands.
        if (!state_.DrawingPressed)
            RebuildSurface(DrawSurface, state_.DrawingImage);
        p.drawImage(0, 0, DrawSurface);
    };
    test_drawBoard->onMouseDown = [this](Qt::MouseButton b, QPoint at) { test_drawBoardMouseDown(b, at); };
    test_drawBoard->onMouseMove = [this](QPoint at) { test_drawBoardMouseMove(at); };
    test_drawBoard->onClick = [this] { test_drawBoardClick(); };
    test_drawBoard->onMouseUp = [this](Qt::MouseButton b, QPoint at) { test_drawBoardMouseUp(b, at); };

    JvImageComboBox1 = new QComboBox(page);
    NameControl(JvImageComboBox1, "JvImageComboBox1", QStringLiteral("Drawing tool"));
    JvImageComboBox1->addItem(QIcon(BoardIcons::Tool(TDrawTool::Circle)), QStringLiteral("Circle"));
    JvImageComboBox1->addItem(QIcon(BoardIcons::Tool(TDrawTool::Square)), QStringLiteral("Square"));
    JvImageComboBox1->addItem(QIcon(BoardIcons::Tool(TDrawTool::Pen)), QStringLiteral("Pen"));
    JvImageComboBox1->addItem(QIcon(BoardIcons::Tool(TDrawTool::SelectColor)), QStringLiteral("Select color"));
    JvImageComboBox1->setCurrentIndex(0);
    JvImageComboBox1->setGeometry(11, 230, 126, 22);
    connect(JvImageComboBox1, &QComboBox::currentIndexChanged, this, &TBoardDrawPage::JvImageComboBox1Change);

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
    connect(FlatSpeedButton1, &QToolButton::clicked, this, &TBoardDrawPage::FlatSpeedButton1Click);
}

void TBoardDrawPage::StartUp()
{
    state_.DrawingRect = QRect(0, 0, test_drawBoard->width(), test_drawBoard->height());
    state_.DrawingImage = QImage(state_.DrawingRect.size(), QImage::Format_RGB32);
    state_.DrawingImage.fill(Qt::white);
    state_.DrawingPressed = false;
    RebuildSurface(DrawSurface, state_.DrawingImage);
    test_drawBoard->update();
}

// The tools read the current colour when they draw: nothing to bring up to date.
void TBoardDrawPage::Refresh() { }

int TBoardDrawPage::tool() const
{
    return JvImageComboBox1->currentIndex();
}

void TBoardDrawPage::drawStep()
{
    const int t = tool();
    if (t < 0 || t >= int(TDrawTool::SelectColor))
        return;
    DrawToolStep(DrawSurface, TDrawTool(t), testWtracker->value(), PenPosition, DrawPoint, Ink());
    test_drawBoard->update();
}

void TBoardDrawPage::keepSurface()
{
    state_.DrawingImage = DrawSurface.copy(state_.DrawingRect);
}

void TBoardDrawPage::test_drawBoardMouseDown(Qt::MouseButton, QPoint at)
{
    if (state_.DrawingPressed)
        return;
    if (tool() >= int(TDrawTool::SelectColor)) {
        if (DrawSurface.rect().contains(at)) {
            const QRgb pixel = DrawSurface.pixel(at);
            setCurrentColor_(qRed(pixel), qGreen(pixel), qBlue(pixel));
        }
    } else {
        PenPosition = at;
    }
    DrawPoint = at;
    state_.DrawingPressed = true;
}

void TBoardDrawPage::test_drawBoardMouseMove(QPoint at)
{
    if (!state_.DrawingPressed)
        return;
    DrawPoint = at;
    if (tool() < int(TDrawTool::SelectColor))
        test_drawBoardPaint();
}

void TBoardDrawPage::test_drawBoardPaint()
{
    if (state_.DrawingPressed)
        drawStep();
    else
        test_drawBoard->update();
}

void TBoardDrawPage::test_drawBoardClick()
{
    if (tool() >= int(TDrawTool::SelectColor))
        return;
    drawStep();
    keepSurface();
}

void TBoardDrawPage::test_drawBoardMouseUp(Qt::MouseButton, QPoint)
{
    keepSurface();
    state_.DrawingPressed = false;
    test_drawBoard->update();
}

void TBoardDrawPage::FlatSpeedButton1Click()
{
    ClearSurface(DrawSurface);
    keepSurface();
    test_drawBoard->update();
}

void TBoardDrawPage::JvImageComboBox1Change()
{
    test_drawBoard->setCursor(tool() >= int(TDrawTool::SelectColor) ? Qt::CrossCursor : Qt::ArrowCursor);
}
