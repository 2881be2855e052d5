// The test board's "Free hand drawing" sub-page: circle and square stamps,
// a pen and a colour picker on a white surface, in the current colour.
#pragma once

#include "testboard/BoardPage.h"

#include <QImage>
#include <QPoint>

class QComboBox;
class QSlider;
class QToolButton;
class TPaintBox;
struct TBoardState;

class TBoardDrawPage : public TBoardPage {
public:
    // The drawing is kept in `state`; "Select color" hands the picked pixel
    // to `setCurrentColor`.
    TBoardDrawPage(QObject* parent, QStackedWidget* pages, TInk ink, TBoardState& state,
                   std::function<void(int, int, int)> setCurrentColor);

    TPaintBox* test_drawBoard = nullptr;
    QComboBox* JvImageComboBox1 = nullptr;
    QSlider* testWtracker = nullptr;
    QToolButton* FlatSpeedButton1 = nullptr; // "Clear All"
    // What the drawing surface shows; the state's DrawingImage keeps it between strokes.
    QImage DrawSurface;
    // The last pointer position on the surface, and where the pen line goes on from.
    QPoint DrawPoint;
    QPoint PenPosition;

    // Start-up: an empty drawing the size of the surface.
    void StartUp();
    void Refresh() override;

    void test_drawBoardMouseDown(Qt::MouseButton button, QPoint at);
    void test_drawBoardMouseMove(QPoint at);
    void test_drawBoardClick();
    void test_drawBoardMouseUp(Qt::MouseButton button, QPoint at);
    void test_drawBoardPaint();
    void FlatSpeedButton1Click();
    void JvImageComboBox1Change();

private:
    int tool() const;
    void drawStep();
    void keepSurface();

    TBoardState& state_;
    std::function<void(int, int, int)> setCurrentColor_;
};
