// "My Palettes" with its list and commands, and the palette page's File menu.
#pragma once

#include <QObject>

class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class QWidget;
class TForm1;

class TPaletteFiles : public QObject {
    Q_OBJECT
public:
    TPaletteFiles(TForm1& form, QWidget* filePage, QWidget* palettePage);

    // "My Palettes"
    QListWidget* list_pp = nullptr;
    QPushButton* FlatButton2 = nullptr; // Open
    QPushButton* mu_listnew = nullptr;  // New
    // Palette page
    QPushButton* FlatButton3 = nullptr; // File
    QMenu* file_popup = nullptr;
    QAction* mu_save = nullptr;
    QAction* mu_saveas = nullptr;
    QAction* mu_delete = nullptr;
    QAction* mu_newpp = nullptr;
    QAction* mu_rename = nullptr;

    // Fills list_pp from the palette folder (appends, like the file search).
    void ListPaletteFiles();
    // Selects the entry whose text equals `name` exactly; none when no entry does.
    void SelectListEntry(const QString& name);
    void list_ppDblClick();
    void mu_saveClick();

private:
    TForm1& form_;
};
