// "My Palettes" with its list and commands, and the palette page's File menu.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class QTabBar;
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
    QAction* mu_import = nullptr;
    QAction* mu_rename = nullptr;

    // Fills list_pp from the palette folder (appends, like the file search).
    void ListPaletteFiles();
    // Empties list_pp, fills it again and selects `name`.
    void RefillList(const QString& name);
    // Selects the entry whose text equals `name` exactly; none when no entry does.
    void SelectListEntry(const QString& name);
    // Index and text of the selected entry of list_pp; -1 and empty for none.
    int SelectedIndex() const;
    QString SelectedName() const;
    // The listed palette that has `name` (compared as SamePaletteName
    // does), spelled as its file is; null when there is none.
    QString ExistingPaletteName(const QString& name) const;
    bool PaletteExists(const QString& name) const { return !ExistingPaletteName(name).isNull(); }
    // Stores the current colour and `name` as the last colour and palette.
    void StoreLastValues(const QString& name);

    // Handlers of "My Palettes".
    void list_ppClick();
    void list_ppKeyDown();
    void list_ppKeyUp();
    void list_ppKeyPress(int key);
    void list_ppDblClick();
    void FlatButton2Click() { list_ppDblClick(); }
    void mu_listnewClick();

    // Before a page switch by the user: the question about unsaved changes.
    // False only when the user wanted to save and the save failed; the
    // switch is then given up so the changes stay in sight.
    bool pp_pageControlChanging();
    // After a page switch by the user: entering the palette page reopens
    // the palette selected in the list.
    void pp_pageControlChange();
    // Brings the palette page to the front as the program does it, without
    // the guard and the reopen of a user's switch.
    void ShowPalettePage();

    // The File menu.
    void FlatButton3Click();
    void UpdateFileMenu();
    // Where the File menu opens: x from the main window's left edge and the
    // button, y the pointer's.
    QPoint FilePopupPoint() const;
    void mu_saveClick();
    void mu_saveasClick();
    void mu_deleteClick();
    void mu_newppClick();
    // "Import palette...": a GIMP, Adobe, JSON, CSS or text palette becomes
    // a new, unsaved palette named after its file, behind the same question
    // as "New Palette". A file that cannot be read changes nothing.
    void mu_importClick();
    void mu_renameClick();

    // Failed: the palette is not saved although the user asked for it (a
    // write error, even when the name dialog was cancelled after it, or an
    // overwrite of another program's changes declined). Cancelled: the
    // name dialog was cancelled without a failed write.
    enum class TSaveOutcome { Saved, Cancelled, Failed };
    // Save as the File menu's "Save" does it, telling how it ended.
    TSaveOutcome Save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opens the palette selected in the list; false when nothing is
    // selected or its file could not be read (the open palette then stays).
    bool OpenSelected();
    // Reads `name` into the open palette and lays it out; shows the error
    // and returns false when the file cannot be read.
    bool ReadAndLayout(const QString& name);
    bool LeavePalettePage();
    void StartNewPalette();
    // Before the open palette is replaced: offers to save unsaved colours.
    // False when a wanted save failed, so the open palette must stay.
    bool MayReplaceOpenPalette();
    void PageChanged(int index);

    TForm1& form_;
    QTabBar* tabBar_ = nullptr;      // of pp_pageControl
    QWidget* listViewport_ = nullptr; // of list_pp
    QString importFolder_;
    int lastPage_ = 1;
    bool programSwitch_ = false;
    bool guardRan_ = false;
};
