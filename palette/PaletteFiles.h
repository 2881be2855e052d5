// "My Palettes" with its list and commands, and the palette page's File menu.
#pragma once

#include "palette/PaletteCommands.h"
#include "palette/PaletteModel.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class QTabBar;
class QWidget;
class QTabWidget;

class TPaletteFiles : public QObject {
    Q_OBJECT
public:
    // What the file commands and the name dialogs ask of the rest of the window.
    struct THooks {
        std::function<void(const QString&, const QString&)> status; // panels 0 and 1
        std::function<QString()> pageCaption;
        std::function<void(const QString&)> setPageCaption;
        std::function<void()> repaintView;
        std::function<void()> applySwatchSize; // from the palette page's size choice
        std::function<void(bool)> enableEditButtons;
        // Stores the current colour and `name` as the last colour and palette.
        std::function<void(const QString&)> storeLastValues;
    };
    // `window` owns the menu and the dialogs and places them; `pages` is the
    // palette notebook ("My Palettes" and the open palette's page), whose
    // page switches this guards.
    TPaletteFiles(QWidget* window, TPaletteModel& pal, THooks hooks, QTabWidget* pages, QWidget* filePage,
                  QWidget* palettePage);

    // "My Palettes"
    QListWidget* list_pp = nullptr;
    QPushButton* FlatButton2 = nullptr; // Open
    QPushButton* mu_listnew = nullptr; // New
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
    void StoreLastValues(const QString& name) { hooks_.storeLastValues(name); }
    // After a name dialog wrote or renamed the palette's file as `name`:
    // the view, the stored last values, the list, the caption and the status.
    void ShowNamed(const QString& name, const QString& status0, const QString& status1);
    TPaletteModel& Palette() { return pal_; }
    // The open palette's flags as the command plans read them.
    TPaletteFlags Flags() const;

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

    using TSaveOutcome = ::TSaveOutcome;
    // Save as the File menu's "Save" does it, telling how it ended.
    TSaveOutcome Save();
    // Before the window closes: the offer to save and, when the colours did
    // not reach their file, a copy kept under `userDataDir` or elsewhere.
    // False only when nothing could be kept and the user chose to keep the
    // window open.
    bool MayClose(const QString& userDataDir);

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
    void StartNewPalette(const TPaletteChange& change);
    // Before the open palette is replaced: offers to save unsaved colours.
    // Empty when a wanted save failed, so the open palette must stay;
    // otherwise what the command then does to the palette.
    std::optional<TPaletteChange> MayReplaceOpenPalette(TPaletteCommand command);
    void PageChanged(int index);
    // Asks PlanCommand for the next step, running the offer to save and the
    // save it leads to, until a step of the command's own comes. `facts`
    // holds the command's facts; the palette's flags are read afresh.
    TPaletteCommandPlan NextStep(TPaletteCommand command, TPaletteFlags facts, TPaletteOutcomes& done);
    // Keeps a copy of the unsaved colours; false when no place took it
    // (rescueErrors_ then says why for each).
    bool KeepRecoveryCopy(const QString& userDataDir, const TPaletteCommandPlan& plan);
    QStringList rescueErrors_;

    QWidget* window_;
    TPaletteModel& pal_;
    THooks hooks_;
    QTabWidget* pages_;
    QTabBar* tabBar_ = nullptr; // of pp_pageControl
    QWidget* listViewport_ = nullptr; // of list_pp
    QString importFolder_;
    int lastPage_ = 1;
    bool programSwitch_ = false;
    bool guardRan_ = false;
};
