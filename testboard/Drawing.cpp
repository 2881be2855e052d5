#include "testboard/Drawing.h"

#include <QPainter>

#include <algorithm>

namespace {

void DrawFrame(QPainter& p, const QSize& size)
{
    p.setPen(QPen(DrawingFrameColor(), 1));
    p.setBrush(Qt::NoBrush);
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    const QPoint corners[] = {{0, 0}, {right, 0}, {right, bottom}, {0, bottom}, {0, 0}};
    p.drawPolyline(corners, 5);
}

} // namespace

void ClearSurface(QImage& surface)
{
    QPainter p(&surface);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(DrawingFrameColor(), 1));
    p.setBrush(Qt::white);
    // A stroked rectangle covers its size plus the pen: this one covers the surface exactly.
    p.drawRect(QRect(0, 0, surface.width() - 1, surface.height() - 1));
}

void RebuildSurface(QImage& surface, const QImage& drawing)
{
    ClearSurface(surface);
    QPainter p(&surface);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawImage(QRect(QPoint(0, 0), surface.size()), drawing);
    DrawFrame(p, surface.size());
}

int StampOutlineWidth(int penSize)
{
    return 2 * penSize + 5;
}
int PenLineWidth(int penSize)
{
    return penSize + 1;
}

void DrawToolStep(QImage& surface, TDrawTool tool, int penSize, QPoint& position, const QPoint& at, const QColor& ink)
{
    QPainter p(&surface);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (tool) {
    case TDrawTool::Circle:
    case TDrawTool::Square: {
        // The 10 x 10 box from `at`, right and bottom edges excluded; the
        // wide outline is centred on the box's edge.
        p.setPen(QPen(ink, StampOutlineWidth(penSize), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        const QRectF box(at.x() + 0.5, at.y() + 0.5, 9, 9);
        if (tool == TDrawTool::Circle)
            p.drawEllipse(box);
        else
            p.drawRect(box);
        break;
    }
    case TDrawTool::Pen: {
        // A line that has not moved leaves no mark; a one-pixel line leaves
        // its end point to the next step.
        if (at != position) {
            const int width = PenLineWidth(penSize);
            p.setPen(QPen(ink, width, Qt::SolidLine, width == 1 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(position, at);
        }
        position = at;
        break;
    }
    case TDrawTool::SelectColor: break;
    }
}

void PaintShape(QPainter& painter, TShapeForm form, const QSize& size, const QPen& pen, const QBrush& brush)
{
    int x = 0, y = 0, w = size.width(), h = size.height();
    if (form == TShapeForm::Circle) {
        if (w < h) {
            y += (h - w) / 2;
            h = w;
        } else {
            x += (w - h) / 2;
            w = h;
        }
    }
    if (w <= 0 || h <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.setBrush(brush);
    // With a one-pixel outline the form covers the box exactly; without an
    // outline the fill leaves the last column and row.
    const QRect r(x, y, w - 1, h - 1);
    switch (form) {
    case TShapeForm::Rectangle: painter.drawRect(r); break;
    case TShapeForm::Circle:
    case TShapeForm::Ellipse: painter.drawEllipse(r); break;
    case TShapeForm::RoundRect: {
        const qreal radius = std::min(size.width(), size.height()) / 8.0;
        painter.drawRoundedRect(r, radius, radius);
        break;
    }
    }
}
