#include "help/HelpMenu.h"

#include "app/TForm1.h"
#include "app/Widgets.h"

#include <QMenu>
#include <QPushButton>

THelpMenu::THelpMenu(TForm1& form, QWidget* lowerArea)
    : QObject(&form)
    , form_(form)
{
    FlatButton1 = new QPushButton(QStringLiteral("Help / Tip"), lowerArea);
    NameControl(FlatButton1, "FlatButton1", QStringLiteral("Help / Tip"));
    FlatButton1->setGeometry(14, 259, 83, 20);

    JvPopupMenu2 = new QMenu(&form);
    JvPopupMenu2->setObjectName("JvPopupMenu2");
    Helpdocument1 = JvPopupMenu2->addAction(QStringLiteral("Help document / Tutorial"));
    Helpdocument1->setObjectName("Helpdocument1");
    utorial1 = JvPopupMenu2->addAction(QStringLiteral("Tips"));
    utorial1->setObjectName("utorial1");
    JvPopupMenu2->addSeparator();
    About1 = JvPopupMenu2->addAction(QStringLiteral("About"));
    About1->setObjectName("About1");
}

void THelpMenu::ShowTip(const QString& text)
{
    form_.TipText = text;
}
