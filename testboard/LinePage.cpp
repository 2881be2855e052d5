#include "testboard/LinePage.h"

#include "testboard/Shape.h"
#include "widgets/Widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QRadioButton>

TBoardLinePage::TBoardLinePage(QObject* parent, QStackedWidget* pages, TInk ink)
    : TBoardPage(parent, pages, "test_pageLine", QStringLiteral("Patterns and lines"), std::move(ink))
{
    linePanel = WhitePanel(page, "linePanel", QStringLiteral("Pattern"), {8, 8, 230, 177});
    testLn = new TShape(TShapeForm::Rectangle, linePanel);
    NameControl(testLn, "testLn", QStringLiteral("Pattern"));
    testLn->setGeometry(24, 24, 185, 129);

    AddBoardLabel(page, QStringLiteral("Pattern Style :"), {8, 194, 86, 16});
    testLn_style = new QComboBox(page);
    NameControl(testLn_style, "testLn_style", QStringLiteral("Pattern Style"));
    testLn_style->addItems({QStringLiteral("Cross"), QStringLiteral("Diagonal and Cross"),
                            QStringLiteral("Diagonal(Right)"), QStringLiteral("Diagonal(Left)"),
                            QStringLiteral("Horizontal"), QStringLiteral("Vertical"), QStringLiteral("Solid Line"),
                            QStringLiteral("Dash Line")});
    testLn_style->setGeometry(96, 191, 121, 22);
    connect(testLn_style, &QComboBox::currentIndexChanged, this, &TBoardLinePage::testLn_stylePropertiesChange);

    AddBoardLabel(page, QStringLiteral("Pattern Environment :"), {8, 219, 150, 16});
    testLn_1 = new QRadioButton(QStringLiteral("In Rectangle"), page);
    NameControl(testLn_1, "testLn_1", QStringLiteral("In Rectangle"));
    testLn_1->setGeometry(8, 237, 110, 20);
    testLn_1->setChecked(true);
    testLn_2 = new QRadioButton(QStringLiteral("In Circle"), page);
    NameControl(testLn_2, "testLn_2", QStringLiteral("In Circle"));
    testLn_2->setGeometry(122, 237, 110, 20);
    testLn_3 = new QRadioButton(QStringLiteral("In Ellipse"), page);
    NameControl(testLn_3, "testLn_3", QStringLiteral("In Ellipse"));
    testLn_3->setGeometry(8, 259, 110, 20);
    connect(testLn_1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            testLn_1Click();
    });
    connect(testLn_2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            testLn_2Click();
    });
    connect(testLn_3, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            testLn_3Click();
    });

    testLn->setBrush(QBrush(Ink(), Qt::CrossPattern));
    testLn->setPen(QPen(Ink(), 1, Qt::NoPen));
}

void TBoardLinePage::StartUp()
{
    testLn_style->setCurrentIndex(0);
}

void TBoardLinePage::Refresh()
{
    const QColor c = Ink();
    QBrush brush = testLn->brush();
    brush.setColor(c);
    testLn->setBrush(brush);
    QPen pen = testLn->pen();
    pen.setColor(c);
    testLn->setPen(pen);
    testLn_stylePropertiesChange();
}

void TBoardLinePage::testLn_stylePropertiesChange()
{
    static const Qt::BrushStyle hatches[] = {Qt::CrossPattern, Qt::DiagCrossPattern, Qt::BDiagPattern,
                                             Qt::FDiagPattern, Qt::HorPattern,       Qt::VerPattern};
    const int item = testLn_style->currentIndex();
    const QColor c = Ink();
    QPen pen = testLn->pen();
    QBrush brush = testLn->brush();
    if (item >= 0 && item <= 5) {
        brush.setColor(c);
        brush.setStyle(hatches[item]);
        pen.setStyle(Qt::NoPen);
    } else if (item == 6 || item == 7) {
        pen.setColor(c);
        pen.setWidth(1);
        pen.setStyle(item == 6 ? Qt::SolidLine : Qt::DotLine);
        brush.setStyle(Qt::NoBrush);
    } else {
        return;
    }
    testLn->setPen(pen);
    testLn->setBrush(brush);
}

void TBoardLinePage::testLn_1Click()
{
    testLn->setShape(TShapeForm::Rectangle);
}
void TBoardLinePage::testLn_2Click()
{
    testLn->setShape(TShapeForm::Circle);
}
void TBoardLinePage::testLn_3Click()
{
    testLn->setShape(TShapeForm::Ellipse);
}
