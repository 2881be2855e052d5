// The "Help / Tip" button with its menu: the help document and tips
// companion programs, the About window, and the tips window every area can
// open through ShowTip.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

class THelpMenu : public QObject {
    Q_OBJECT
public:
    struct THooks {
        std::function<QString()> programDir; // the companions' folder, ending in a separator
    };
    // The button goes into `lowerArea`; the menu and the windows it opens
    // belong to `window`, the main window.
    THelpMenu(THooks hooks, QWidget& window, QWidget* lowerArea);

    QPushButton* FlatButton1 = nullptr; // Help / Tip
    QMenu* JvPopupMenu2 = nullptr;
    QAction* Helpdocument1 = nullptr;
    QAction* utorial1 = nullptr;
    QAction* About1 = nullptr;

    // The companion programs, relative to the program's folder.
    static QString HelperProgram() { return QStringLiteral("Help/tintwell_helper"); }
    static QString TipProgram() { return QStringLiteral("Help/tintwell_tip"); }

    void FlatButton1Click();
    void Helpdocument1Click();
    void utorial1Click();
    void About1Click();
    void ShowTip(const QString& text);
    // The text the tips window showed last.
    QString TipText;

    // Where the menu opens: 10 pixels inside the button's right end,
    // measured from the window's left edge, at the pointer's height.
    QPoint MenuPoint() const;

private:
    void startCompanion(const QString& relativePath);
    QWidget* dialogParent() const;

    THooks hooks_;
    QWidget& window_;
};
