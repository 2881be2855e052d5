// The "Grab Colors" page: the colours sampled with the zoom window, which
// the user picks as the current colour or adds to the open palette.
#pragma once

#include "palette/SwatchGrid.h"

#include <QObject>
#include <QPoint>

class QLabel;
class QWidget;
class TForm1;
class TImageButton;
class TPaintBox;
class TScrollBox;

class TGrabPage : public QObject {
    Q_OBJECT
public:
    static constexpr int GrabbedViewWidth = 232; // 7 cells of 30 pixels a row
    // The grabbed colours' cells in the view.
    static constexpr TSwatchGrid GrabbedGrid{30, 30, GrabbedViewWidth};

    TGrabPage(TForm1& form, QWidget* page);

    TScrollBox* JvScrollBox2 = nullptr;
    TPaintBox* Color_grabbed = nullptr;
    TImageButton* ImageButton1 = nullptr; // Start
    TImageButton* ImageButton2 = nullptr; // Clear All
    TImageButton* ImageButton3 = nullptr; // Add all
    QLabel* hintLabel = nullptr;

    void ImageButton1Click();
    // Start, asked for from outside (`tintwell --grab`): shows this page and
    // opens the zoom window; when a window of ours is modal already (the
    // zoom window itself, a question), brings that forward instead.
    void StartFromOutside();
    void ImageButton2Click();
    void ImageButton3Click();
    void Color_grabbedPaint();
    void Color_grabbedMouseDown(QPoint pos);
    void Color_grabbedMouseUp();
    void Color_grabbedDblClick();
    // Index of the grabbed colour whose cell holds `pos` strictly inside its
    // outline; the last one in the list when several do; -1 for none.
    int GrabbedColorAt(QPoint pos) const;

private:
    TForm1& form_;
};
