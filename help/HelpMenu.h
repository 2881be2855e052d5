// The "Help / Tip" button with its menu, the tips window and About.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPushButton;
class QWidget;
class TForm1;

class THelpMenu : public QObject {
    Q_OBJECT
public:
    THelpMenu(TForm1& form, QWidget* lowerArea);

    QPushButton* FlatButton1 = nullptr; // Help / Tip
    QMenu* JvPopupMenu2 = nullptr;
    QAction* Helpdocument1 = nullptr;
    QAction* utorial1 = nullptr;
    QAction* About1 = nullptr;

    void ShowTip(const QString& text);

private:
    TForm1& form_;
};
