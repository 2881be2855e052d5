#include "palette/PaletteTools.h"

#include "app/TForm1.h"
#include "app/Widgets.h"

#include <QMenu>
#include <QPushButton>

namespace {

QAction* AddAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TPaletteTools::TPaletteTools(TForm1& form, QWidget* palettePage)
    : QObject(&form)
    , form_(form)
{
    mu_export = new QPushButton(QStringLiteral("Export"), palettePage);
    NameControl(mu_export, "mu_export", QStringLiteral("Export"));
    mu_export->setGeometry(332, 66, 58, 49);
    JvPopupMenu1 = new QMenu(&form);
    JvPopupMenu1->setObjectName("JvPopupMenu1");
    Exporttobmp1 = AddAction(JvPopupMenu1, "Exporttobmp1", QStringLiteral("Export to .bmp"));
    Openexportingfolder1 = AddAction(JvPopupMenu1, "Openexportingfolder1", QStringLiteral("Open exporting folder"));

    b_ppSort = new QPushButton(QStringLiteral("Sort"), palettePage);
    NameControl(b_ppSort, "b_ppSort", QStringLiteral("Sort"));
    b_ppSort->setGeometry(332, 122, 58, 49);
    sort_popup = new QMenu(&form);
    sort_popup->setObjectName("sort_popup");
    ByHue1 = AddAction(sort_popup, "ByHue1", QStringLiteral("By Tints/Shades"));
    BySaturation1 = AddAction(sort_popup, "BySaturation1", QStringLiteral("By Red"));
    Bybrightness1 = AddAction(sort_popup, "Bybrightness1", QStringLiteral("By Green"));
    ByBlue1 = AddAction(sort_popup, "ByBlue1", QStringLiteral("By Blue"));
}
