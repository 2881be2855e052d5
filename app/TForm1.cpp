#include "app/TForm1.h"

#include "app/FirstPaint.h"
#include "app/StartSettings.h"
#include "color/ColorArea.h"
#include "color/ColorCopy.h"
#include "grab/GrabPage.h"
#include "help/HelpMenu.h"
#include "palette/LibraryPage.h"
#include "palette/PaletteFiles.h"
#include "palette/PalettePage.h"
#include "palette/PaletteTools.h"
#include "palette/SwatchLibrary.h"
#include "platform/Services.h"
#include "testboard/TestBoard.h"
#include "widgets/Widgets.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

const char* const kKey = "\\software\\tintwell\\";

QWidget* AddPage(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* page = new QWidget;
    NameControl(page, name, caption);
    tabs->addTab(page, caption);
    return page;
}

} // namespace

TForm1::TForm1(const TAppPaths& paths, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    Settings.Paths = paths;
    Settings.mRegistry1.RootKey = rkHKEY_LOCAL_MACHINE;
    Settings.mRegistry1.Key = QString::fromLatin1(kKey);
    Settings.mRegistry1.CanCreate = true;
    Settings.mRegistry1.StoreFolder = Settings.Paths.storeFolder;
    buildFrame();
    FormCreate();
}

TForm1::~TForm1()
{
    // The areas and their controls work on the state held in this object,
    // so they go before it does: the controls first, while the areas they
    // report to still exist, then whatever area did not go with its page.
    const QPointer<QObject> areas[] = {colorCopy, colorArea, palettePage, paletteFiles, paletteTools,
                                       helpMenu,  grabPage,  testBoard,   libraryPage};
    delete upperArea;
    delete lowerArea;
    for (const QPointer<QObject>& area : areas)
        delete area.data();
}

void TForm1::buildFrame()
{
    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(QStringLiteral("Tintwell V1.0"));
    setWindowTitle(QStringLiteral("Tintwell V1.0"));
    setFixedSize(ClientWidth, ClientHeight);

    upperArea = new QWidget(this);
    upperArea->setObjectName(QStringLiteral("upperArea"));
    upperArea->setGeometry(0, 0, ClientWidth, UpperHeight);
    auto* leftColumn = new QWidget(upperArea);
    leftColumn->setObjectName(QStringLiteral("leftColumn"));
    leftColumn->setGeometry(10, 16, 85, 294);

    AdvPageControl1 = new QTabWidget(upperArea);
    NameControl(AdvPageControl1, "AdvPageControl1", QStringLiteral("Color tools"));
    AdvPageControl1->setTabPosition(QTabWidget::East);
    AdvPageControl1->setDocumentMode(true);
    // Compact tabs so the four fit down the side. The style sheet is set on
    // the tab bar alone: on the tab widget it would restyle every page.
    AdvPageControl1->setUsesScrollButtons(false);
    AdvPageControl1->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar { font-size: 10px; } QTabBar::tab { padding: 3px 1px 3px 1px; min-width: 17px; }"));
    AdvPageControl1->setGeometry(104, 16, 315, 295);
    pageColorModel = AddPage(AdvPageControl1, "page_colorModel", QStringLiteral("Color Model"));
    pageGrabColors = AddPage(AdvPageControl1, "page_grabColors", QStringLiteral("Grab Colors"));
    pageTestBoard = AddPage(AdvPageControl1, "page_testBoard", QStringLiteral("Test Board"));
    pageSwatchLibrary = AddPage(AdvPageControl1, "page_swatchLibrary", QStringLiteral("Swatch Library"));
    AdvPageControl1->setCurrentIndex(0);
    KeepWheelFromSwitchingTabs(AdvPageControl1->tabBar());

    lowerArea = new QWidget(this);
    lowerArea->setObjectName(QStringLiteral("lowerArea"));
    lowerArea->setGeometry(0, UpperHeight, ClientWidth, LowerHeight);
    pp_pageControl = new QTabWidget(lowerArea);
    NameControl(pp_pageControl, "pp_pageControl", QStringLiteral("Palettes"));
    pp_pageControl->setGeometry(14, 14, 406, 235);
    pp_pageFile = AddPage(pp_pageControl, "pp_pageFile", QStringLiteral("My Palettes"));
    pp_pageName = AddPage(pp_pageControl, "pp_pageName", QStringLiteral("untitled"));
    pp_pageControl->setCurrentIndex(1);

    main_status = new TStatusBar({120, ClientWidth - 122}, this);
    NameControl(main_status, "main_status", QStringLiteral("Status"));
    main_status->setGeometry(0, ClientHeight - StatusHeight, ClientWidth, StatusHeight);
    NameLabel(main_status->panel(0), "main_status_panel0", QStringLiteral("Last action"));
    NameLabel(main_status->panel(1), "main_status_panel1", QStringLiteral("Palette name"));

    colorArea = new TColorArea(Color,
                               TColorArea::THooks{
                                   .colorEdited = [this] { test_pageControlChange(); },
                                   .deselectGrabbed = [this] { Grab.GrabbedSelection = -1; },
                                   .deselectLibrary = [this] { Library.LibrarySelectedSwatch = -1; },
                                   .addToPalette = [this] { b_ppAddClick(); },
                               },
                               *this, leftColumn, pageColorModel);
    const auto status = [this](const QString& panel0, const QString& panel1) { SetStatus(panel0, panel1); };
    const auto pageCaption = [this] { return PageCaption(); };
    palettePage =
        new TPalettePage(this, Pal,
                         TPalettePage::THooks{
                             .currentColor = [this] { return Color.NewColor; },
                             .setColor = [this](const TRgbColor& c) { SetCurrentColor(c.Red, c.Green, c.Blue); },
                             .colorAdded =
                                 [this](const TRgbColor& c) {
                                     Color.LastAddedColor = c;
                                     result_oldColorPaint();
                                 },
                             .clearOtherSelections =
                                 [this] {
                                     Grab.GrabbedSelection = -1;
                                     Library.LibrarySelectedSwatch = -1;
                                     // Their views show the cleared selections at their next paint.
                                     AdvPageControl1->update();
                                 },
                             .refreshTestBoard = [this] { test_pageControlChange(); },
                             .pointerReleased = [this] { Color.PointerPicking = false; },
                             .status = status,
                             .status0 = [this](const QString& text) { SetStatus0(text); },
                             .pageCaption = pageCaption,
                             .listInFront = [this] { return pp_pageControl->currentIndex() == 0; },
                             .openSelected = [this] { list_ppDblClick(); },
                         },
                         pp_pageName);
    paletteFiles = new TPaletteFiles(this, Pal,
                                     TPaletteFiles::THooks{
                                         .status = status,
                                         .pageCaption = pageCaption,
                                         .setPageCaption = [this](const QString& caption) { SetPageCaption(caption); },
                                         .repaintView = [this] { RepaintPaletteView(); },
                                         .applySwatchSize = [this] { ApplySwatchSize(); },
                                         .enableEditButtons = [this](bool on) { palettePage->EnableEditButtons(on); },
                                         .storeLastValues =
                                             [this](const QString& name) {
                                                 Settings.mRegistry1.AddValue(SettingName(posLastColor),
                                                                              ColorSettingText(Color.NewColor));
                                                 Settings.mRegistry1.AddValue(SettingName(posLastFileName), name);
                                                 Settings.mRegistry1.WriteValues();
                                             },
                                     },
                                     pp_pageControl, pp_pageFile, pp_pageName);
    paletteTools = new TPaletteTools(this, Pal, Pal.ExportFolder,
                                     TPaletteTools::THooks{
                                         .status = status,
                                         .pageCaption = pageCaption,
                                         .repaintView = [this] { RepaintPaletteView(); },
                                         .applySwatchSize = [this] { ApplySwatchSize(); },
                                         .storeExportFolder =
                                             [this](const QString& folder) {
                                                 Settings.mRegistry1.AddValue(SettingName(posExportFolder), folder);
                                                 return Settings.mRegistry1.WriteValues()
                                                     || Settings.mRegistry1.LastWriteFailure
                                                     != TmRegistry::TWriteFailure::NotStored;
                                             },
                                     },
                                     pp_pageName);
    helpMenu = new THelpMenu(THelpMenu::THooks{[this] { return Settings.Paths.programDir; }}, *this, lowerArea);
    colorCopy = new TColorCopy(this,
                               TColorCopy::THooks{
                                   .status = [this](const QString& text) { SetStatus0(text); },
                                   .formChosen =
                                       [this](TColorForm form) {
                                           Settings.mRegistry1.AddValue(SettingName(posCopyForm), ColorFormName(form));
                                           Settings.mRegistry1.WriteValues();
                                       },
                                   .setColor = [this](const TRgbColor& c) { SetCurrentColor(c.Red, c.Green, c.Blue); },
                               });
    AttachCopyMenus();

    connect(AdvPageControl1, &QTabWidget::currentChanged, this, &TForm1::AdvPageControl1Change);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(ClientWidth / 2, ClientHeight / 2));
    }
}

QString TForm1::SettingAt(int position) const
{
    return Settings.SettingAt(position);
}

QString TForm1::DefaultDataFolder() const
{
    if (FolderIsWritable(Settings.Paths.programDir))
        return Settings.Paths.programDir;
    return Settings.Paths.userDataDir;
}

QString TForm1::ColorSettingText(const TRgbColor& c)
{
    return ::ColorSettingText(c);
}

bool TForm1::ParseColorSetting(const QString& text, TRgbColor& out)
{
    return ::ParseColorSetting(text, out);
}

// Start-up: build the run's state from the settings of the previous use.
void TForm1::FormCreate()
{
    Color.PointerPicking = false;
    Color.ModelImage = QImage(ModelImageSize, ModelImageSize, QImage::Format_RGB32);
    Color.HueStrip = QImage(HueStripWidth, HueStripHeight, QImage::Format_RGB32);

    Grab.GrabbedColors.clear();
    Grab.GrabbedSelection = -1;

    // The test board (and the other pages hidden behind "Color Model") are
    // built once the window is on screen and drawn: BuildHiddenPages below.

    Color.TrackerDragging = false;
    Color.ModelDragging = false;

    pp_pageControl->setCurrentIndex(1);

    Settings.SettingsValues.clear();
    Settings.mRegistry1.ReadValues(Settings.SettingsValues);

    const QString dataFolder = DefaultDataFolder();
    const bool firstRun = IsFirstRun(Settings.SettingsValues);
    if (firstRun) {
        // First run: store the defaults, in this order, then read them back.
        for (const auto& [name, value] : FirstRunValues(Settings.Paths.programDir, dataFolder))
            Settings.mRegistry1.AddValue(name, value);
        if (StoreWasEmpty(Settings.SettingsValues)) {
            // Nothing stored yet: reading back would give exactly the queued
            // values, in this order. The write itself (flushed to disk) waits
            // until the window is on screen and drawn.
            Settings.SettingsValues.clear();
            for (const auto& pair : Settings.mRegistry1.PendingValues)
                Settings.SettingsValues.append(pair.second);
            RunAfterFirstPaint(this, [this] { Settings.mRegistry1.WriteValues(); });
        } else {
            Settings.mRegistry1.WriteValues();
            Settings.SettingsValues.clear();
            Settings.mRegistry1.ReadValues(Settings.SettingsValues);
        }
    }
    // A store that could not be written reads back nothing: the run goes on
    // with the default folders.
    const TStartFolders folders = PlanStartFolders(Settings.SettingsValues, Settings.Paths.programDir, dataFolder);
    Pal.PaletteFolder = folders.paletteFolder;
    Pal.ExportFolder = folders.exportFolder;
    if (firstRun)
        QDir().mkpath(Pal.PaletteFolder);
    // A store that was damaged, emptied or unreadable does not hide the
    // palettes already in the folder.
    paletteFiles->ListPaletteFiles();

    QStringList listed;
    for (int row = 0; row < paletteFiles->list_pp->count(); ++row)
        listed.append(paletteFiles->list_pp->item(row)->text());
    TStartOpening opening = PlanStartOpening(Settings.SettingsValues, firstRun, listed);
    QString deferredError;
    if (opening.readPalette) {
        TPaletteModel probe;
        probe.PaletteFolder = Pal.PaletteFolder;
        const TFileResult read = probe.ReadPaletteFile(opening.paletteName);
        if (read) {
            Pal.Palette = std::move(probe.Palette);
            Pal.LastSeen = probe.LastSeen;
            if (Pal.SwatchCount() >= 1) {
                palettePage->ApplySwatchSize();
                Pal.LayoutPalette();
                const TSwatch& last = Pal.Palette.back();
                Color.LastAddedColor = {last.Red, last.Green, last.Blue};
            }
        } else {
            // A missing or damaged file starts as if there were no palettes;
            // the file itself is left untouched.
            deferredError = read.error;
            opening = TStartOpening{};
        }
    }
    if (opening.state == TStartState::NoPalettes)
        QDir().mkpath(Pal.PaletteFolder);
    if (!opening.readPalette)
        Pal.Palette.clear();
    Color.NewColor = opening.color;
    Pal.PaletteName = opening.paletteName;
    Pal.PaletteOnFile = opening.readPalette;
    SetPageCaption(Pal.PaletteName);
    if (opening.state == TStartState::NoPalettes)
        RepaintPaletteView();
    if (opening.state == TStartState::Reopened)
        SetStatus(QStringLiteral("File opened"), Pal.PaletteName);
    else
        SetStatus(QStringLiteral("New File"), Pal.PaletteName + QStringLiteral(" (Not saved)"));
    StartState = opening.state;

    colorCopy->LastForm = ColorFormFromName(SettingAt(posCopyForm));
    Pal.SelectedSwatch = -1;
    FillHueStrip(Color.HueStrip);
    SetPageCaption(Pal.PaletteName);
    paletteFiles->SelectListEntry(Pal.PaletteName);
    RefreshColorModel();
    Pal.PaletteSaved = Pal.PaletteOnFile;
    QDir().mkpath(Pal.ExportFolder);
    RepaintPaletteView();
    RunAfterFirstPaint(this, [this] { BuildHiddenPages(); });

    if (!deferredError.isEmpty())
        QTimer::singleShot(0, this, [deferredError] { Services().dialogs->message(TMsgIcon::Error, deferredError); });
}

// The pages behind the "Color Model" tab are not needed for the first paint:
// they are built, with their start-up state (the test board's sample text
// and drawing, the list of swatch libraries and the first library), right
// after the window has been drawn for the first time, or at once when the
// user turns to one of them first.
void TForm1::BuildHiddenPages()
{
    if (grabPage)
        return;
    grabPage = new TGrabPage(Grab,
                             TGrabPage::THooks{
                                 [this](int red, int green, int blue) { SetCurrentColor(red, green, blue); },
                                 [this] { Color.PointerPicking = false; },
                                 [this] { b_ppAddClick(); },
                                 [this](const std::vector<TSwatch>& swatches, const QString& status) {
                                     palettePage->AppendSwatches(swatches);
                                     if (!Pal.Palette.empty()) {
                                         const TSwatch& last = Pal.Palette.back();
                                         Color.LastAddedColor = {last.Red, last.Green, last.Blue};
                                     }
                                     result_oldColorPaint();
                                     SetStatus(status, PageCaption() + QStringLiteral("(Not saved)"));
                                 },
                                 [this] { AdvPageControl1->setCurrentWidget(pageGrabColors); },
                                 Tgrab_color::THooks{
                                     [this](const QString& text) { ShowTip(text); },
                                     [this] {
                                         Settings.SettingsValues.clear();
                                         Settings.mRegistry1.ReadValues(Settings.SettingsValues);
                                         return Settings.SettingsValues;
                                     },
                                     [this](const QList<QPair<QString, QString>>& values) {
                                         for (const auto& [name, value] : values)
                                             Settings.mRegistry1.AddValue(name, value);
                                         Settings.mRegistry1.WriteValues();
                                     },
                                     [this](const TColorCopy::TKeys& keys) { colorCopy->WatchKeys(keys); },
                                     {},
                                 },
                             },
                             *this, pageGrabColors);
    grabPage->ImageButton3->setEnabled(!Grab.GrabbedColors.empty());
    testBoard = new TTestBoard(Board,
                               TTestBoard::THooks{[this] { return Color.NewColor; },
                                                  [this](int r, int g, int b) { SetCurrentColor(r, g, b); },
                                                  [this](const QString& text) { ShowTip(text); }},
                               pageTestBoard, this);
    testBoard->StartUp();
    libraryPage = new TLibraryPage(
        this, Library,
        TLibraryPage::THooks{
            [this] {
                return SwatchLibrary::StandardLibrarySources(
                    Settings.Paths.libraryDir(), Settings.Paths.systemShareDir, Settings.Paths.userConfigDir,
                    Settings.Paths.userDataDir.isEmpty() ? QString() : QDir::cleanPath(Settings.Paths.userDataDir));
            },
            [this](const TRgbColor& c) { SetCurrentColor(c.Red, c.Green, c.Blue); },
            [this] { Color.PointerPicking = false; }, [this] { b_ppAddClick(); }},
        pageSwatchLibrary);
    libraryPage->StartUp();

    colorCopy->AttachCopyMenu(grabPage->Color_grabbed, [this](QPoint at, TRgbColor& c) {
        const int hit = grabPage->GrabbedColorAt(at);
        if (hit < 0)
            return false;
        const TSwatch& s = Grab.GrabbedColors[std::size_t(hit)];
        c = {s.Red, s.Green, s.Blue};
        return true;
    });
    colorCopy->AttachCopyMenu(libraryPage->libraryPalette, [this](QPoint at, TRgbColor& c) {
        const int hit = SwatchLibrary::HitSwatch(Library.LibrarySwatches, libraryPage->LibrarySwatchWidth, at);
        if (hit < 0)
            return false;
        const TSwatch& s = Library.LibrarySwatches[std::size_t(hit)];
        c = {s.Red, s.Green, s.Blue};
        return true;
    });
}

void TForm1::AttachCopyMenus()
{
    colorCopy->AttachCopyMenu(colorArea->result_newColor, [this](QPoint, TRgbColor& c) {
        c = Color.NewColor;
        return true;
    });
    colorCopy->AttachCopyMenu(palettePage->Color_myPalette, [this](QPoint at, TRgbColor& c) {
        const std::int32_t hit = Pal.SwatchAt(at.x(), at.y());
        if (hit < 0)
            return false;
        const TSwatch& s = Pal.Palette[std::size_t(hit)];
        c = {s.Red, s.Green, s.Blue};
        return true;
    });
    colorCopy->WatchKeys({this, colorArea->hexInput, [this] { return Color.NewColor; }, {}, true, {}});

    // The hex box's own menu pastes a colour text as Ctrl+V does, instead of
    // cutting it to six characters.
    QLineEdit* hex = colorArea->hexInput;
    hex->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(hex, &QWidget::customContextMenuRequested, this, [this, hex](const QPoint& at) {
        QMenu* menu = hex->createStandardContextMenu();
        menu->setObjectName(QStringLiteral("hex_popup"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // Qt names the item from 6.5 on; before, only its caption tells it.
        const QString caption = QLineEdit::tr("&Paste");
        for (QAction* paste : menu->actions()) {
            if (paste->objectName() != QLatin1String("edit-paste") && !paste->text().startsWith(caption))
                continue;
            paste->setObjectName(QStringLiteral("edit-paste"));
            disconnect(paste, &QAction::triggered, nullptr, nullptr);
            connect(paste, &QAction::triggered, colorCopy, [this] { colorCopy->PasteClipboard(); });
        }
        menu->popup(hex->mapToGlobal(at));
    });
}

// Shutdown: offer to save, then store the last colour and palette name.
bool TForm1::FormClose()
{
    if (!paletteFiles->MayClose(Settings.Paths.userDataDir))
        return false;
    Settings.mRegistry1.AddValue(SettingName(posLastColor), ColorSettingText(Color.NewColor));
    Settings.mRegistry1.AddValue(SettingName(posLastFileName), Pal.PaletteName);
    Settings.mRegistry1.WriteValues();
    return true;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!closed_) {
        closed_ = true;
        if (!FormClose()) {
            closed_ = false;
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TForm1::AdvPageControl1Change(int index)
{
    BuildHiddenPages();
    if (index == 2)
        test_pageControlChange();
    else if (index == 1)
        grabPage->ImageButton3->setEnabled(!Grab.GrabbedColors.empty());
}

// ---- Operations the areas offer each other ------------------------------------

void TForm1::SetCurrentColor(int red, int green, int blue)
{
    colorArea->SetCurrentColor(red, green, blue);
}
void TForm1::RefreshColorModel()
{
    colorArea->RefreshColorModel();
}
void TForm1::result_oldColorPaint()
{
    colorArea->result_oldColorPaint();
}
void TForm1::b_ppAddClick()
{
    palettePage->b_ppAddClick();
}
void TForm1::ApplySwatchSize()
{
    palettePage->ApplySwatchSize();
}
void TForm1::RepaintPaletteView()
{
    palettePage->Color_myPalettePaint();
}
void TForm1::list_ppDblClick()
{
    paletteFiles->list_ppDblClick();
}
void TForm1::mu_saveClick()
{
    paletteFiles->mu_saveClick();
}
void TForm1::test_pageControlChange()
{
    // Before the test board is built there is nothing on it to refresh; it
    // shows the current colour when its page is first shown.
    if (testBoard)
        testBoard->test_pageControlChange();
}
void TForm1::ShowTip(const QString& text)
{
    helpMenu->ShowTip(text);
}

void TForm1::SetStatus(const QString& panel0, const QString& panel1)
{
    SetStatus0(panel0);
    SetStatus1(panel1);
}

void TForm1::SetStatus0(const QString& text)
{
    main_status->setPanelText(0, text);
}
void TForm1::SetStatus1(const QString& text)
{
    main_status->setPanelText(1, text);
}
QString TForm1::Status(int panel) const
{
    return main_status->panelText(panel);
}

QString TForm1::PageCaption() const
{
    return pageCaption_;
}

void TForm1::SetPageCaption(const QString& caption)
{
    // '&' would otherwise turn into a keyboard shortcut marker.
    pageCaption_ = caption;
    QString shown = caption;
    shown.replace('&', QStringLiteral("&&"));
    pp_pageControl->setTabText(1, shown);
    pp_pageName->setAccessibleName(caption);
}
