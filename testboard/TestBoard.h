// The "Test Board" page: the current colour tried on text, free-hand
// drawing, shapes and patterns. A column of four buttons chooses the
// sub-page; only the visible sub-page follows the current colour, the others
// catch up when they are shown.
#pragma once

#include "color/ColorConv.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QStackedWidget;
class QToolButton;
class QWidget;
class TBoardDrawPage;
class TBoardLinePage;
class TBoardPage;
class TBoardShapePage;
class TBoardTextPage;
struct TBoardState;

class TTestBoard : public QObject {
    Q_OBJECT
public:
    // What the board asks of the rest of the window.
    struct THooks {
        std::function<TRgbColor()> currentColor; // the colour the board tries out
        std::function<void(int, int, int)> setCurrentColor; // "Select color" picked it off the drawing
        std::function<void(const QString&)> showTip; // the "?" picture was clicked
    };
    // Builds the board on `page`; the drawing is kept in `state`.
    TTestBoard(TBoardState& state, THooks hooks, QWidget* page, QObject* parent);

    // Page frame
    QToolButton* testB_tx = nullptr; // "Write texts"
    QToolButton* testB_fh = nullptr; // "Free hand drawing"
    QToolButton* testB_sp = nullptr; // "Shapes"
    QToolButton* testB_ln = nullptr; // "Patterns and lines"
    QToolButton* Image1 = nullptr; // the "?" picture: opens the board's tip
    QStackedWidget* test_pageControl = nullptr;

    // The sub-pages, in page control order.
    TBoardTextPage* textPage = nullptr;
    TBoardDrawPage* drawPage = nullptr;
    TBoardShapePage* shapePage = nullptr;
    TBoardLinePage* linePage = nullptr;

    // Start-up: sample text, drawing image and the first pattern style.
    void StartUp();
    // Marks the visible sub-page's button and applies the current colour to
    // that sub-page only.
    void test_pageControlChange();
    // The sub-page the page control shows.
    TBoardPage* VisiblePage() const;

    void testB_txClick();
    void testB_fhClick();
    void testB_spClick();
    void testB_lnClick();
    void Image1Click();

private:
    void buildFrame(QWidget* page);
    QColor Ink() const;

    THooks hooks_;
    QList<TBoardPage*> pages_;
    QList<QToolButton*> buttons_;
};
