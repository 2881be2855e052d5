// How the test board draws: the free-hand tools on the drawing surface and
// the forms of the shapes. Plain functions on images and painters, so that
// they can be checked without a window.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QSize>

class QPainter;

// The items of the tool list, in list order.
enum class TDrawTool { Circle = 0, Square = 1, Pen = 2, SelectColor = 3 };

// The colour of the drawing surface's frame.
inline QColor DrawingFrameColor()
{
    return QColor(70, 70, 70);
}

// White over the whole surface inside a one-pixel frame.
void ClearSurface(QImage& surface);
// A repaint: the cleared surface, the drawing copied over it, the frame again.
void RebuildSurface(QImage& surface, const QImage& drawing);

// Outline width of a "Circle" or "Square" stamp and width of a "Pen" line
// for the pen size slider's position (0..10).
int StampOutlineWidth(int penSize);
int PenLineWidth(int penSize);

// One step of a drawing tool at `at` in `ink`. "Circle" and "Square" stamp a
// filled 10 x 10 form there; "Pen" draws a line from `position` to `at`
// (the end point itself is left for the next step) and moves `position` to
// `at`; "Select color" draws nothing.
void DrawToolStep(QImage& surface, TDrawTool tool, int penSize, QPoint& position, const QPoint& at, const QColor& ink);

// The forms a shape can take. A circle is the largest circle centred in the
// shape's box; the other forms fill the box. The corners of a curved-corner
// rectangle are quarter ellipses a quarter of the box's shorter side across.
enum class TShapeForm { Rectangle, Circle, RoundRect, Ellipse };

// Paints a form filling a box of `size` at (0, 0), outline included.
void PaintShape(QPainter& painter, TShapeForm form, const QSize& size, const QPen& pen, const QBrush& brush);
