#include "testboard/ShapePage.h"

#include "testboard/Shape.h"
#include "widgets/Widgets.h"

#include <QCheckBox>
#include <QFrame>

namespace {

const QColor kShapeOutline(128, 128, 128);

} // namespace

TBoardShapePage::TBoardShapePage(QObject* parent, QStackedWidget* pages, TInk ink)
    : TBoardPage(parent, pages, "test_pageShape", QStringLiteral("Shapes"), std::move(ink))
{
    shapePanel = WhitePanel(page, "shapePanel", QStringLiteral("Shapes"), {8, 8, 230, 233});
    struct Row {
        TShape** member;
        const char* name;
        TShapeForm form;
        QRect box;
    };
    const Row rows[] = {
        {&testS4, "testS4", TShapeForm::Circle, {136, 16, 65, 65}},
        {&testS1, "testS1", TShapeForm::Rectangle, {24, 16, 65, 65}},
        {&testS7, "testS7", TShapeForm::RoundRect, {24, 168, 97, 49}},
        {&testS2, "testS2", TShapeForm::Rectangle, {24, 88, 33, 33}},
        {&testS8, "testS8", TShapeForm::RoundRect, {136, 192, 33, 25}},
        {&testS5, "testS5", TShapeForm::Circle, {184, 80, 33, 33}},
        {&testS6, "testS6", TShapeForm::Circle, {160, 104, 25, 25}},
        {&testS3, "testS3", TShapeForm::Rectangle, {64, 112, 25, 25}},
        {&testS9, "testS9", TShapeForm::RoundRect, {176, 176, 25, 41}},
        {&testSin1, "testSin1", TShapeForm::Rectangle, {44, 37, 24, 23}},
        {&testSin2, "testSin2", TShapeForm::Circle, {157, 37, 25, 24}},
        {&testSin3, "testSin3", TShapeForm::RoundRect, {51, 184, 46, 17}},
    };
    // Created in table order: each later shape lies above the earlier ones.
    for (const Row& row : rows) {
        auto* shape = new TShape(row.form, shapePanel);
        NameControl(shape, row.name, QStringLiteral("Shape"));
        shape->setGeometry(row.box);
        shape->setPen(QPen(kShapeOutline, 1, Qt::SolidLine));
        shape->setBrush(QBrush(Qt::white));
        *row.member = shape;
    }
    for (TShape* shape : OuterShapes())
        shape->setBrush(QBrush(Ink()));

    cxCheckBox1 = new QCheckBox(QStringLiteral("Border"), page);
    NameControl(cxCheckBox1, "cxCheckBox1", QStringLiteral("Border"));
    cxCheckBox1->setChecked(true);
    cxCheckBox1->setGeometry(6, 253, 90, 20);
    connect(cxCheckBox1, &QCheckBox::toggled, this, &TBoardShapePage::cxCheckBox1Click);
}

void TBoardShapePage::Refresh()
{
    const QColor c = Ink();
    for (TShape* shape : OuterShapes()) {
        QBrush brush = shape->brush();
        brush.setColor(c);
        shape->setBrush(brush);
    }
}

QList<TShape*> TBoardShapePage::OuterShapes() const
{
    return {testS1, testS2, testS3, testS4, testS5, testS6, testS7, testS8, testS9};
}

QList<TShape*> TBoardShapePage::AllShapes() const
{
    return OuterShapes() + QList<TShape*>{testSin1, testSin2, testSin3};
}

void TBoardShapePage::cxCheckBox1Click()
{
    const Qt::PenStyle style = cxCheckBox1->isChecked() ? Qt::SolidLine : Qt::NoPen;
    for (TShape* shape : AllShapes()) {
        QPen pen = shape->pen();
        pen.setStyle(style);
        shape->setPen(pen);
    }
}
