// The main window. It owns every piece of long-lived state of a run (the
// current colour, the open palette, the grabbed colours, the loaded swatch
// library, the test board's drawing and the settings) and builds its areas.
// Each area is a class of its subsystem that creates its own controls and
// holds their handlers; they all work on the state kept here.
#pragma once

#include "app/AppPaths.h"
#include "app/SettingsState.h"
#include "app/StartSettings.h"
#include "app/TmRegistry.h"
#include "color/ColorConv.h"
#include "color/ColorState.h"
#include "grab/GrabState.h"
#include "palette/LibraryState.h"
#include "palette/PaletteModel.h"
#include "testboard/BoardState.h"

#include <QImage>
#include <QWidget>

#include <vector>

class QTabWidget;
class QMenu;
class TStatusBar;
class TColorArea;
class TPalettePage;
class TPaletteFiles;
class TPaletteTools;
class TLibraryPage;
class TGrabPage;
class TTestBoard;
class THelpMenu;
class TColorCopy;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 434;
    static constexpr int ClientHeight = 641;
    static constexpr int UpperHeight = 327;
    static constexpr int LowerHeight = 295;
    static constexpr int StatusHeight = 19;

    // Builds the window and runs the start-up sequence (FormCreate).
    explicit TForm1(const TAppPaths& paths = TAppPaths::ForRunningProgram(), QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- Settings ---------------------------------------------------------
    TSettingsState Settings;
    QString SettingAt(int position) const;

    // ---- Current colour and colour model ----------------------------------
    TColorState Color;

    // ---- Open palette -----------------------------------------------------
    TPaletteModel Pal; // Palette, SelectedSwatch, PaletteName, PaletteFolder, flags, cell size

    // ---- Grabbed colours ----------------------------------------------------
    TGrabState Grab;

    // ---- Swatch library -----------------------------------------------------
    TLibraryState Library;

    // ---- Test board ---------------------------------------------------------
    TBoardState Board;

    // ---- Frame controls -----------------------------------------------------
    QWidget* upperArea = nullptr;
    QWidget* lowerArea = nullptr;
    QTabWidget* AdvPageControl1 = nullptr;
    QWidget* pageColorModel = nullptr;
    QWidget* pageGrabColors = nullptr;
    QWidget* pageTestBoard = nullptr;
    QWidget* pageSwatchLibrary = nullptr;
    QTabWidget* pp_pageControl = nullptr;
    QWidget* pp_pageFile = nullptr;
    QWidget* pp_pageName = nullptr;
    TStatusBar* main_status = nullptr;

    // ---- Areas ----------------------------------------------------------------
    TColorArea* colorArea = nullptr;
    TPalettePage* palettePage = nullptr;
    TPaletteFiles* paletteFiles = nullptr;
    TPaletteTools* paletteTools = nullptr;
    TLibraryPage* libraryPage = nullptr;
    TGrabPage* grabPage = nullptr;
    TTestBoard* testBoard = nullptr;
    THelpMenu* helpMenu = nullptr;
    // Copying colours as text and pasting them: the copy menus, Ctrl+C, Ctrl+V.
    TColorCopy* colorCopy = nullptr;

    // ---- Handlers of the frame ------------------------------------------------
    void FormCreate();
    // Builds the pages hidden at start (runs once, right after start-up).
    void BuildHiddenPages();
    // The shutdown sequence. False only when a palette that could not be
    // saved could not be kept anywhere either and the user chose to keep
    // the window open.
    bool FormClose();
    void AdvPageControl1Change(int index);

    // ---- Operations the areas offer each other ----------------------------------
    void SetCurrentColor(int red, int green, int blue);
    void RefreshColorModel();
    void result_oldColorPaint();
    void b_ppAddClick();
    // Sets the open palette's cell size from the palette page's size choice.
    void ApplySwatchSize();
    void RepaintPaletteView();
    void list_ppDblClick();
    void mu_saveClick();
    void test_pageControlChange();
    void ShowTip(const QString& text);

    // Status bar panel 0 (last action) and panel 1 (palette name and mark).
    void SetStatus(const QString& panel0, const QString& panel1);
    void SetStatus0(const QString& text);
    void SetStatus1(const QString& text);
    QString Status(int panel) const;

    // Caption of the open palette's page.
    QString PageCaption() const;
    void SetPageCaption(const QString& caption);

    // Where the palette and export folders default to on the first run:
    // beside the program, or under the user's data folder when that is read-only.
    QString DefaultDataFolder() const;

    // How this run started, for the tests.
    using TStartState = ::TStartState;
    TStartState StartState = TStartState::FirstRun;

    // The colour-value text stored as "lastColor".
    static QString ColorSettingText(const TRgbColor& c);
    // Parses "r<TAB>g<TAB>b"; false when it is not three whole numbers 0..255.
    static bool ParseColorSetting(const QString& text, TRgbColor& out);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrame();
    // The copy menu on the colour boxes and cells, and the clipboard keys.
    void AttachCopyMenus();
    bool closed_ = false;
    QString pageCaption_;
};
