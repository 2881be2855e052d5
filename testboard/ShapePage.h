// The test board's "Shapes" sub-page: nine shapes in the current colour,
// three white ones inside them, and a switch for their grey outlines.
#pragma once

#include "testboard/BoardPage.h"

#include <QList>

class QCheckBox;
class QFrame;
class TShape;

class TBoardShapePage : public TBoardPage {
public:
    TBoardShapePage(QObject* parent, QStackedWidget* pages, TInk ink);

    QFrame* shapePanel = nullptr;
    TShape* testS1 = nullptr;
    TShape* testS2 = nullptr;
    TShape* testS3 = nullptr;
    TShape* testS4 = nullptr;
    TShape* testS5 = nullptr;
    TShape* testS6 = nullptr;
    TShape* testS7 = nullptr;
    TShape* testS8 = nullptr;
    TShape* testS9 = nullptr;
    TShape* testSin1 = nullptr;
    TShape* testSin2 = nullptr;
    TShape* testSin3 = nullptr;
    QCheckBox* cxCheckBox1 = nullptr; // "Border"

    // The outer shapes take the current colour.
    void Refresh() override;
    void cxCheckBox1Click();

    // The outer shapes, which take the current colour, and all twelve.
    QList<TShape*> OuterShapes() const;
    QList<TShape*> AllShapes() const;
};
