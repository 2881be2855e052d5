#include "palette/PaletteFiles.h"

#include "app/TForm1.h"
#include "app/Widgets.h"
#include "platform/Services.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {

QPushButton* AddFlatButton(QWidget* parent, const char* name, const QString& caption, int y)
{
    auto* button = new QPushButton(caption, parent);
    NameControl(button, name, caption);
    button->setGeometry(332, y, 58, 49);
    return button;
}

QAction* AddAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TPaletteFiles::TPaletteFiles(TForm1& form, QWidget* filePage, QWidget* palettePage)
    : QObject(&form)
    , form_(form)
{
    list_pp = new QListWidget(filePage);
    NameControl(list_pp, "list_pp", QStringLiteral("My Palettes"));
    list_pp->setGeometry(10, 8, 313, 177);
    list_pp->setSortingEnabled(false);
    FlatButton2 = AddFlatButton(filePage, "FlatButton2", QStringLiteral("Open"), 10);
    mu_listnew = AddFlatButton(filePage, "mu_listnew", QStringLiteral("New"), 66);

    FlatButton3 = AddFlatButton(palettePage, "FlatButton3", QStringLiteral("File"), 10);
    file_popup = new QMenu(&form);
    file_popup->setObjectName("file_popup");
    mu_save = AddAction(file_popup, "mu_save", QStringLiteral("Save"));
    mu_saveas = AddAction(file_popup, "mu_saveas", QStringLiteral("Save As"));
    mu_delete = AddAction(file_popup, "mu_delete", QStringLiteral("Delete"));
    file_popup->addSeparator();
    mu_newpp = AddAction(file_popup, "mu_newpp", QStringLiteral("New Palette"));
    mu_rename = AddAction(file_popup, "mu_rename", QStringLiteral("Rename"));
}

void TPaletteFiles::ListPaletteFiles()
{
    list_pp->addItems(form_.Pal.ListPaletteFiles());
}

void TPaletteFiles::SelectListEntry(const QString& name)
{
    list_pp->setCurrentRow(-1);
    for (int i = 0; i < list_pp->count(); ++i)
        if (list_pp->item(i)->text() == name) {
            list_pp->setCurrentRow(i);
            return;
        }
}

void TPaletteFiles::list_ppDblClick()
{
}

void TPaletteFiles::mu_saveClick()
{
    if (form_.Pal.PaletteOnFile) {
        const TFileResult r = form_.Pal.WritePaletteFile(form_.Pal.PaletteName);
        if (!r) {
            Services().dialogs->message(TMsgIcon::Error, r.error);
            return;
        }
        form_.Pal.PaletteSaved = true;
        form_.SetStatus(QStringLiteral("Saved file"), form_.Pal.PaletteName + QStringLiteral("(Saved)"));
    }
}
