// The test board's "Patterns and lines" sub-page: a hatch or an outline in
// the current colour, in a rectangle, circle or ellipse.
#pragma once

#include "testboard/BoardPage.h"

class QComboBox;
class QFrame;
class QRadioButton;
class TShape;

class TBoardLinePage : public TBoardPage {
public:
    TBoardLinePage(QObject* parent, QStackedWidget* pages, TInk ink);

    QFrame* linePanel = nullptr;
    TShape* testLn = nullptr;
    QComboBox* testLn_style = nullptr;
    QRadioButton* testLn_1 = nullptr; // "In Rectangle"
    QRadioButton* testLn_2 = nullptr; // "In Circle"
    QRadioButton* testLn_3 = nullptr; // "In Ellipse"

    // Start-up: the first pattern style.
    void StartUp();
    // The pattern takes the current colour.
    void Refresh() override;

    void testLn_stylePropertiesChange();
    void testLn_1Click();
    void testLn_2Click();
    void testLn_3Click();
};
