// The "Grab Colors" page: the colours sampled with the zoom window, which
// the user picks as the current colour or adds to the open palette.
#pragma once

#include "grab/GrabState.h"
#include "grab/ZoomWindow.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

class QLabel;
class QWidget;
class TImageButton;
class TPaintBox;
class TScrollBox;

class TGrabPage : public QObject {
    Q_OBJECT
public:
    static constexpr int GrabbedViewWidth = TGrabState::Grid.viewWidth; // 7 cells of 30 pixels a row

    // What the page asks of the rest of the window.
    struct THooks {
        std::function<void(int, int, int)> setColor; // a grabbed colour becomes the current colour
        std::function<void()> pointerReleased; // a press on the list ended
        std::function<void()> addCurrentColor; // a double click adds the current colour to the palette
        // Add all: the colours join the open palette; `status` is the last action's text.
        std::function<void(const std::vector<TSwatch>&, const QString& status)> appendToPalette;
        std::function<void()> showPage; // brings this page to the front
        // What the zoom window asks of the rest; its colorGrabbed is the page's own.
        Tgrab_color::THooks zoom;
    };
    // Builds the page's controls into `page`; `window` is the main window,
    // which steps aside while the zoom window is open.
    TGrabPage(TGrabState& grab, THooks hooks, QWidget& window, QWidget* page);

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
    // The zoom window's hooks: those given to the page, and a grabbed colour
    // enables Add all.
    Tgrab_color::THooks ZoomHooks();

private:
    TGrabState& grab_;
    THooks hooks_;
    QWidget& window_;
};
