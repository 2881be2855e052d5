#include "testboard/BoardIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const QColor kIconInk(70, 74, 82);

// A transparent square of `size` that `draw` paints on, smoothed.
QPixmap Picture(int size, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    draw(p);
    return pixmap;
}

} // namespace

namespace BoardIcons {

QPixmap TextPage()
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

QPixmap FreeHandPage()
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

QPixmap ShapesPage()
{
    return Picture(17, [](QPainter& p) {
        p.setPen(QPen(kIconInk, 1));
        p.setBrush(QColor(230, 150, 40));
        p.drawRect(QRectF(1.5, 1.5, 9, 9));
        p.setBrush(QColor(60, 150, 90));
        p.drawEllipse(QRectF(6.5, 6.5, 9, 9));
    });
}

QPixmap PatternsPage()
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

QPixmap Tool(TDrawTool tool)
{
    return Picture(16, [tool](QPainter& p) {
        p.setPen(QPen(kIconInk, 1));
        p.setBrush(kIconInk);
        switch (tool) {
        case TDrawTool::Circle: p.drawEllipse(QRectF(3.5, 3.5, 9, 9)); break;
        case TDrawTool::Square: p.drawRect(QRectF(3.5, 3.5, 9, 9)); break;
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

} // namespace BoardIcons
