#include "help/HelpMenu.h"

#include "help/AboutTintwell.h"
#include "help/HintHelp.h"
#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

QIcon HelpIcon()
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(40, 90, 160), 1));
    p.setBrush(QColor(90, 150, 220));
    p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath mark;
    mark.moveTo(4.8, 5.2);
    mark.cubicTo(4.8, 2.6, 9.4, 2.6, 9.4, 5.0);
    mark.cubicTo(9.4, 6.8, 7.0, 6.8, 7.0, 8.6);
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(7.0, 10.8), 0.95, 0.95);
    return QIcon(pixmap);
}

// Places a borderless window over the middle of the main window.
void CentreOn(QWidget& window, const QWidget& over)
{
    const QRect area = over.geometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

} // namespace

THelpMenu::THelpMenu(THooks hooks, QWidget& window, QWidget* lowerArea)
    : QObject(&window)
    , hooks_(std::move(hooks))
    , window_(window)
{
    FlatButton1 = new QPushButton(QStringLiteral("Help / Tip"), lowerArea);
    NameControl(FlatButton1, "FlatButton1", QStringLiteral("Help / Tip"));
    FlatButton1->setGeometry(14, 259, 83, 20);
    FlatButton1->setIcon(HelpIcon());
    FlatButton1->setIconSize(QSize(14, 14));
    FlatButton1->setFlat(true);
    FlatButton1->setContextMenuPolicy(Qt::CustomContextMenu);

    JvPopupMenu2 = new QMenu(&window);
    JvPopupMenu2->setObjectName("JvPopupMenu2");
    JvPopupMenu2->setAccessibleName(QStringLiteral("Help"));
    Helpdocument1 = JvPopupMenu2->addAction(QStringLiteral("Help document / Tutorial"));
    Helpdocument1->setObjectName("Helpdocument1");
    utorial1 = JvPopupMenu2->addAction(QStringLiteral("Tips"));
    utorial1->setObjectName("utorial1");
    JvPopupMenu2->addSeparator();
    About1 = JvPopupMenu2->addAction(QStringLiteral("About"));
    About1->setObjectName("About1");

    connect(FlatButton1, &QPushButton::clicked, this, &THelpMenu::FlatButton1Click);
    connect(FlatButton1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { JvPopupMenu2->popup(FlatButton1->mapToGlobal(at)); });
    connect(Helpdocument1, &QAction::triggered, this, &THelpMenu::Helpdocument1Click);
    connect(utorial1, &QAction::triggered, this, &THelpMenu::utorial1Click);
    connect(About1, &QAction::triggered, this, &THelpMenu::About1Click);
}

QPoint THelpMenu::MenuPoint() const
{
    return QPoint(window_.frameGeometry().x() + FlatButton1->x() + FlatButton1->width() - 10, QCursor::pos().y());
}

void THelpMenu::FlatButton1Click()
{
    JvPopupMenu2->popup(MenuPoint());
}

void THelpMenu::startCompanion(const QString& relativePath)
{
    // Started beside our own program file whatever the working folder; a
    // missing or broken companion is not reported.
    Services().desktop->startDetached(hooks_.programDir() + relativePath);
}

void THelpMenu::Helpdocument1Click()
{
    startCompanion(HelperProgram());
}
void THelpMenu::utorial1Click()
{
    startCompanion(TipProgram());
}

QWidget* THelpMenu::dialogParent() const
{
    // Over the zoom window when that is the window in front, else over ours.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return &window_;
}

void THelpMenu::About1Click()
{
    TForm6 about(dialogParent());
    CentreOn(about, window_);
    Services().dialogs->exec(about);
}

void THelpMenu::ShowTip(const QString& text)
{
    TipText = text;
    TForm5 tip(TipText, dialogParent());
    CentreOn(tip, window_);
    Services().dialogs->exec(tip);
}
