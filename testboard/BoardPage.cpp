#include "testboard/BoardPage.h"

#include "widgets/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QStackedWidget>

TBoardPage::TBoardPage(QObject* parent, QStackedWidget* pages, const char* name, const QString& spoken, TInk ink)
    : QObject(parent)
    , page(new QWidget)
    , ink_(std::move(ink))
{
    NameControl(page, name, spoken);
    pages->addWidget(page);
}

QLabel* AddBoardLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QFrame* WhitePanel(QWidget* parent, const char* name, const QString& spoken, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    NameControl(panel, name, spoken);
    panel->setFrameShape(QFrame::Box);
    panel->setFrameShadow(QFrame::Plain);
    panel->setLineWidth(1);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(160, 160, 160));
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    return panel;
}
