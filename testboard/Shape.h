// A shape control: a rectangle, circle, curved-corner rectangle or ellipse
// filling its box, with an outline pen and a fill brush.
#pragma once

#include "testboard/Drawing.h"

#include <QBrush>
#include <QPen>
#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT
public:
    TShape(TShapeForm form, QWidget* parent = nullptr);

    TShapeForm shape() const { return shape_; }
    void setShape(TShapeForm form);
    const QPen& pen() const { return pen_; }
    void setPen(const QPen& pen);
    const QBrush& brush() const { return brush_; }
    void setBrush(const QBrush& brush);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeForm shape_;
    QPen pen_;
    QBrush brush_;
};
