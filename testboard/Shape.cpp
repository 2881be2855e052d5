#include "testboard/Shape.h"

#include <QPainter>

TShape::TShape(TShapeForm form, QWidget* parent)
    : QWidget(parent)
    , shape_(form)
    , pen_(Qt::black, 1)
    , brush_(Qt::white)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::setShape(TShapeForm form)
{
    shape_ = form;
    update();
}

void TShape::setPen(const QPen& pen)
{
    pen_ = pen;
    update();
}

void TShape::setBrush(const QBrush& brush)
{
    brush_ = brush;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintShape(p, shape_, size(), pen_, brush_);
}
