#include "testboard/TestBoard.h"

#include "app/TForm1.h"

TTestBoard::TTestBoard(TForm1& form, QWidget* page)
    : QObject(&form)
    , form_(form)
    , page_(page)
{
}

void TTestBoard::StartUp()
{
    form_.DrawingRect = QRect(0, 0, 233, 209);
    form_.DrawingImage = QImage(233, 209, QImage::Format_RGB32);
    form_.DrawingImage.fill(Qt::white);
    form_.DrawingPressed = false;
}

void TTestBoard::test_pageControlChange()
{
}
