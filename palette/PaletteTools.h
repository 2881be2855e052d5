// The palette page's "Export" and "Sort" buttons with their menus.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPushButton;
class QWidget;
class TForm1;

class TPaletteTools : public QObject {
    Q_OBJECT
public:
    TPaletteTools(TForm1& form, QWidget* palettePage);

    QPushButton* mu_export = nullptr;
    QMenu* JvPopupMenu1 = nullptr;
    QAction* Exporttobmp1 = nullptr;
    QAction* Openexportingfolder1 = nullptr;

    QPushButton* b_ppSort = nullptr;
    QMenu* sort_popup = nullptr;
    QAction* ByHue1 = nullptr;
    QAction* BySaturation1 = nullptr;
    QAction* Bybrightness1 = nullptr;
    QAction* ByBlue1 = nullptr;

private:
    TForm1& form_;
};
