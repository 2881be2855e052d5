// One sub-page of the test board: a page of the board's page control that
// builds its own controls and shows the current colour on them when the
// board asks it to.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>

class QFrame;
class QLabel;
class QRect;
class QStackedWidget;
class QWidget;

class TBoardPage : public QObject {
public:
    // The current colour as the board paints with it.
    using TInk = std::function<QColor()>;

    // Adds the sub-page's widget, named `name`, to `pages`.
    TBoardPage(QObject* parent, QStackedWidget* pages, const char* name, const QString& spoken, TInk ink);

    // The sub-page's widget in the page control.
    QWidget* const page;

    // The sub-page is shown, or the current colour changed while it is:
    // it takes the current colour.
    virtual void Refresh() = 0;

protected:
    QColor Ink() const { return ink_(); }

private:
    TInk ink_;
};

// Controls that more than one sub-page builds.
QLabel* AddBoardLabel(QWidget* parent, const QString& text, const QRect& geometry);
// A white panel in a thin grey box, for shapes to stand on.
QFrame* WhitePanel(QWidget* parent, const char* name, const QString& spoken, const QRect& geometry);
