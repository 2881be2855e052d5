#include "palette/PaletteFiles.h"

#include "app/TForm1.h"
#include "widgets/Widgets.h"
#include "palette/NameDialogs.h"
#include "palette/PaletteFormats.h"
#include "palette/PalettePage.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <cerrno>
#include <unistd.h>

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

const QString kUntitled = QStringLiteral("untitled");
const QString kNotSaved = QStringLiteral("untitled (Not saved)");

} // namespace

TPaletteFiles::TPaletteFiles(TForm1& form, QWidget* filePage, QWidget* palettePage)
    : QObject(&form)
    , form_(form)
{
    list_pp = new QListWidget(filePage);
    NameControl(list_pp, "list_pp", QStringLiteral("My Palettes"));
    list_pp->setGeometry(10, 8, 313, 177);
    list_pp->setSortingEnabled(false);
    list_pp->setSelectionMode(QAbstractItemView::SingleSelection);
    list_pp->setUniformItemSizes(true);
    list_pp->setStyleSheet(QStringLiteral("QListWidget { background: white; } QListWidget::item { height: 16px; }"));
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
    mu_import = AddAction(file_popup, "mu_import", QStringLiteral("Import palette..."));
    mu_rename = AddAction(file_popup, "mu_rename", QStringLiteral("Rename"));

    connect(list_pp, &QListWidget::clicked, this, [this] { list_ppClick(); });
    list_pp->installEventFilter(this);
    listViewport_ = list_pp->viewport();
    listViewport_->installEventFilter(this);
    connect(FlatButton2, &QPushButton::clicked, this, [this] { FlatButton2Click(); });
    connect(mu_listnew, &QPushButton::clicked, this, [this] { mu_listnewClick(); });

    connect(FlatButton3, &QPushButton::clicked, this, [this] { FlatButton3Click(); });
    // The menu is also the button's context menu; whichever way it opens,
    // its items match the palette's state.
    FlatButton3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FlatButton3, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { file_popup->popup(FlatButton3->mapToGlobal(at)); });
    connect(file_popup, &QMenu::aboutToShow, this, [this] { UpdateFileMenu(); });
    connect(mu_save, &QAction::triggered, this, [this] { mu_saveClick(); });
    connect(mu_saveas, &QAction::triggered, this, [this] { mu_saveasClick(); });
    connect(mu_delete, &QAction::triggered, this, [this] { mu_deleteClick(); });
    connect(mu_newpp, &QAction::triggered, this, [this] { mu_newppClick(); });
    connect(mu_import, &QAction::triggered, this, [this] { mu_importClick(); });
    connect(mu_rename, &QAction::triggered, this, [this] { mu_renameClick(); });

    lastPage_ = form.pp_pageControl->currentIndex();
    connect(form.pp_pageControl, &QTabWidget::currentChanged, this, [this](int index) { PageChanged(index); });
    tabBar_ = form.pp_pageControl->tabBar();
    tabBar_->installEventFilter(this);
    // Keys that switch pages reach the tab widget from the page's controls.
    form.pp_pageControl->installEventFilter(this);
    KeepWheelFromSwitchingTabs(tabBar_);
}

// ---- The list ------------------------------------------------------------------

void TPaletteFiles::ListPaletteFiles()
{
    list_pp->addItems(form_.Pal.ListPaletteFiles());
}

void TPaletteFiles::RefillList(const QString& name)
{
    list_pp->clear();
    ListPaletteFiles();
    SelectListEntry(name);
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

int TPaletteFiles::SelectedIndex() const
{
    const int row = list_pp->currentRow();
    if (row < 0 || row >= list_pp->count() || !list_pp->item(row)->isSelected())
        return -1;
    return row;
}

QString TPaletteFiles::SelectedName() const
{
    const int row = SelectedIndex();
    return row < 0 ? QString() : list_pp->item(row)->text();
}

QString TPaletteFiles::ExistingPaletteName(const QString& name) const
{
    const QStringList listed = form_.Pal.ListPaletteFiles();
    if (listed.contains(name))
        return name;
    for (const QString& other : listed)
        if (SamePaletteName(other, name))
            return other;
    return {};
}

void TPaletteFiles::StoreLastValues(const QString& name)
{
    form_.mRegistry1.AddValue(QStringLiteral("lastColor"), TForm1::ColorSettingText(form_.Color.NewColor));
    form_.mRegistry1.AddValue(QStringLiteral("lastFileName"), name);
    form_.mRegistry1.WriteValues();
}

void TPaletteFiles::list_ppClick()
{
    if (SelectedIndex() >= 0)
        form_.SetPageCaption(SelectedName());
}

void TPaletteFiles::list_ppKeyDown() { list_ppClick(); }
void TPaletteFiles::list_ppKeyUp() { list_ppClick(); }

void TPaletteFiles::list_ppKeyPress(int key)
{
    if (key == 13)
        list_ppDblClick();
}

bool TPaletteFiles::ReadAndLayout(const QString& name)
{
    const TFileResult read = form_.Pal.ReadPaletteFile(name);
    if (!read) {
        Services().dialogs->message(TMsgIcon::Error, read.error);
        return false;
    }
    if (form_.Pal.SwatchCount() > 0) {
        form_.palettePage->ApplySwatchSize();
        form_.Pal.LayoutPalette();
    }
    return true;
}

bool TPaletteFiles::OpenSelected()
{
    const QString name = SelectedName();
    if (SelectedIndex() < 0)
        return false;
    TPaletteModel& pal = form_.Pal;
    // Read before anything changes: a file that is gone or damaged leaves
    // the open palette as it was, under its own caption.
    if (!ReadAndLayout(name)) {
        form_.SetPageCaption(pal.PaletteOnFile ? pal.PaletteName : kUntitled);
        return false;
    }
    pal.SelectedSwatch = -1;
    pal.PaletteName = name;
    form_.SetPageCaption(name);
    ShowPalettePage();
    form_.RepaintPaletteView();
    form_.SetStatus(QStringLiteral("File opened"), pal.PaletteName);
    pal.PaletteOnFile = true;
    if (pal.SwatchCount() > 0)
        form_.palettePage->EnableEditButtons(true);
    return true;
}

void TPaletteFiles::list_ppDblClick()
{
    OpenSelected();
}

void TPaletteFiles::StartNewPalette()
{
    TPaletteModel& pal = form_.Pal;
    pal.SelectedSwatch = -1;
    pal.PaletteOnFile = false;
    pal.PaletteSaved = false;
    pal.Palette.clear();
    form_.SetPageCaption(kUntitled);
    form_.RepaintPaletteView();
    form_.SetStatus(QStringLiteral("New file"), kNotSaved);
}

void TPaletteFiles::mu_listnewClick()
{
    ShowPalettePage();
    StartNewPalette();
}

// ---- Page switches -------------------------------------------------------------

void TPaletteFiles::ShowPalettePage()
{
    programSwitch_ = true;
    form_.pp_pageControl->setTabEnabled(1, true);
    form_.pp_pageControl->setCurrentIndex(1);
    programSwitch_ = false;
    lastPage_ = form_.pp_pageControl->currentIndex();
}

bool TPaletteFiles::LeavePalettePage()
{
    TPaletteModel& pal = form_.Pal;
    if (pal.PaletteSaved)
        return true;
    if (Services().dialogs->ask(TMsgIcon::Warning, QStringLiteral("Palette - ") + form_.PageCaption()
                                                       + QStringLiteral(" - is not saved. \nDo you want to save it now ?")))
        return Save() != TSaveOutcome::Failed;
    pal.PaletteSaved = true;
    return true;
}

bool TPaletteFiles::pp_pageControlChanging()
{
    if (form_.pp_pageControl->currentIndex() != 1)
        return true;
    return LeavePalettePage();
}

void TPaletteFiles::pp_pageControlChange()
{
    if (form_.pp_pageControl->currentIndex() == 1)
        OpenSelected();
}

void TPaletteFiles::PageChanged(int index)
{
    const int from = lastPage_;
    lastPage_ = index;
    if (programSwitch_)
        return;
    const bool guarded = guardRan_;
    guardRan_ = false;
    // A switch that came neither through a click on a tab nor through a
    // key (an assistive tool, say) has its guard now, after the fact.
    if (!guarded && from == 1 && index != 1 && !LeavePalettePage()) {
        ShowPalettePage();
        return;
    }
    pp_pageControlChange();
}

bool TPaletteFiles::eventFilter(QObject* watched, QEvent* event)
{
    // Only input reaches the code below: other events also arrive while the
    // window is being taken down, when the form must not be touched.
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
        || type == QEvent::MouseButtonRelease;
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease;
    if (!mouse && !key)
        return QObject::eventFilter(watched, event);

    if (watched == tabBar_ && mouse) {
        if (type == QEvent::MouseButtonPress) {
            auto* press = static_cast<QMouseEvent*>(event);
            const int target = tabBar_->tabAt(press->position().toPoint());
            if (press->button() == Qt::LeftButton && target >= 0 && target != tabBar_->currentIndex()
                && tabBar_->isTabEnabled(target)) {
                // The question comes while the palette is still in sight.
                if (!pp_pageControlChanging())
                    return true;
                guardRan_ = true;
            }
        } else if (type == QEvent::MouseButtonRelease) {
            QTimer::singleShot(0, this, [this] { guardRan_ = false; });
        }
        return false;
    }
    if (type == QEvent::KeyPress && (watched == tabBar_ || watched == form_.pp_pageControl)) {
        const int target = TabSwitchTarget(form_.pp_pageControl, static_cast<QKeyEvent*>(event), watched == tabBar_);
        if (target >= 0 && target != form_.pp_pageControl->currentIndex()) {
            // As for a click: the question comes while the palette is in sight.
            if (!pp_pageControlChanging())
                return true;
            guardRan_ = true;
            QTimer::singleShot(0, this, [this] { guardRan_ = false; });
        }
        return false;
    }
    if (watched == list_pp && key) {
        if (type == QEvent::KeyRelease) {
            list_ppKeyUp();
            return false;
        }
        const int pressed = static_cast<QKeyEvent*>(event)->key();
        list_ppKeyDown();
        if (pressed == Qt::Key_Return || pressed == Qt::Key_Enter) {
            list_ppKeyPress(13);
            return true;
        }
        return false;
    }
    if (watched == listViewport_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
        const bool onEntry = list_pp->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid();
        if (type == QEvent::MouseButtonDblClick && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            list_ppDblClick();
        if (!onEntry) {
            // White space below the names keeps the selection.
            list_pp->setFocus(Qt::MouseFocusReason);
            return true;
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}

// ---- The File menu -------------------------------------------------------------

void TPaletteFiles::UpdateFileMenu()
{
    const TPaletteModel& pal = form_.Pal;
    mu_save->setEnabled(!pal.PaletteSaved);
    mu_delete->setEnabled(pal.PaletteSaved);
    mu_saveas->setEnabled(pal.PaletteOnFile);
    mu_newpp->setEnabled(true);
    mu_import->setEnabled(true);
    mu_rename->setEnabled(true);
}

QPoint TPaletteFiles::FilePopupPoint() const
{
    const QPoint pointer = Services().screen->cursorPos();
    QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return {form_.x() + FlatButton3->x() - FlatButton3->width(), int(pointer.y() / ratio)};
}

void TPaletteFiles::FlatButton3Click()
{
    UpdateFileMenu();
    file_popup->popup(FilePopupPoint());
}

TPaletteFiles::TSaveOutcome TPaletteFiles::Save()
{
    TPaletteModel& pal = form_.Pal;
    if (pal.PaletteOnFile) {
        if (pal.ChangedOnDisk(pal.PaletteName)
            && !Services().dialogs->ask(TMsgIcon::Confirm,
                                        QStringLiteral("Palette - ") + pal.PaletteName
                                            + QStringLiteral(" - was changed by another program since Tintwell last read or saved it.\n"
                                                             "Do you want to overwrite it?")))
            return TSaveOutcome::Failed;
        const TFileResult written = pal.WritePaletteFile(pal.PaletteName);
        if (!written) {
            Services().dialogs->message(TMsgIcon::Error, written.error);
            return TSaveOutcome::Failed;
        }
        pal.PaletteSaved = true;
        form_.SetStatus(QStringLiteral("Saved file"), pal.PaletteName + QStringLiteral("(Saved)"));
        return TSaveOutcome::Saved;
    }
    form_.SaveAsMode = false;
    TForm4 dialog(form_, *this);
    if (Services().dialogs->exec(dialog) == QDialog::Accepted)
        return TSaveOutcome::Saved;
    return dialog.WriteFailed ? TSaveOutcome::Failed : TSaveOutcome::Cancelled;
}

void TPaletteFiles::mu_saveClick()
{
    Save();
}

void TPaletteFiles::mu_saveasClick()
{
    TPaletteModel& pal = form_.Pal;
    // Only a palette with a file has one to read back afterwards.
    if (!pal.PaletteOnFile)
        return;
    pal.SelectedSwatch = -1;
    form_.SaveAsMode = true;
    if (!pal.PaletteSaved
        && Services().dialogs->ask(TMsgIcon::Warning, QStringLiteral("Palette - ") + pal.PaletteName
                                                          + QStringLiteral(" - is not saved.\nDo you want to save it now ?"))
        && Save() == TSaveOutcome::Failed)
        return;
    form_.SaveAsMode = true;
    bool writeFailed = false;
    {
        TForm4 dialog(form_, *this);
        writeFailed = Services().dialogs->exec(dialog) != QDialog::Accepted && dialog.WriteFailed;
    }
    // Saved: the new file; cancelled: the old one, dropping unsaved changes.
    // Cancelled after a write failed, the colours that could not be written
    // stay, still unsaved.
    if (!writeFailed)
        ReadAndLayout(pal.PaletteName);
    form_.RepaintPaletteView();
}

void TPaletteFiles::mu_deleteClick()
{
    const int i = SelectedIndex();
    if (i < 0)
        return;
    if (!Services().dialogs->ask(
            TMsgIcon::Warning,
            QStringLiteral("Your palette can not be resotred after being deleted.\nDo you want to continue ?")))
        return;
    TPaletteModel& pal = form_.Pal;
    const QString name = list_pp->item(i)->text();
    pal.SelectedSwatch = -1;
    if (::unlink(QFile::encodeName(pal.PaletteFilePath(name)).constData()) != 0) {
        const int error = errno;
        Services().dialogs->message(TMsgIcon::Error, QStringLiteral("Palette - ") + name
                                                         + QStringLiteral(" is not deleted!\nError: ")
                                                         + QString::number(error));
        return;
    }
    auto becomeUntitled = [&] {
        pal.Palette.clear();
        pal.PaletteOnFile = false;
        pal.PaletteSaved = false;
        pal.PaletteName = kUntitled;
        form_.SetPageCaption(kUntitled);
        form_.RepaintPaletteView();
        form_.SetStatus(QStringLiteral("File is deleted"), kNotSaved);
    };
    if (list_pp->count() < 2) {
        delete list_pp->takeItem(i);
        becomeUntitled();
        return;
    }
    const int neighbour = i == 0 ? i + 1 : i - 1;
    const QString next = list_pp->item(neighbour)->text();
    list_pp->setCurrentRow(neighbour);
    delete list_pp->takeItem(i);
    if (!ReadAndLayout(next)) {
        // The deleted palette's swatches have no file any more, and the
        // neighbour cannot be read: start afresh rather than keep either.
        becomeUntitled();
        return;
    }
    pal.PaletteOnFile = true;
    pal.PaletteName = next;
    form_.SetPageCaption(next);
    form_.RepaintPaletteView();
    form_.SetStatus(QStringLiteral("File is deleted"), next);
}

bool TPaletteFiles::MayReplaceOpenPalette()
{
    TPaletteModel& pal = form_.Pal;
    pal.SelectedSwatch = -1;
    return pal.PaletteSaved
           || !Services().dialogs->ask(TMsgIcon::Warning, QStringLiteral("Do you want to save your palette - \n")
                                                              + form_.PageCaption() + QStringLiteral("?"))
           || Save() != TSaveOutcome::Failed;
}

void TPaletteFiles::mu_newppClick()
{
    if (!MayReplaceOpenPalette())
        return;
    StartNewPalette();
    ShowPalettePage();
}

void TPaletteFiles::mu_importClick()
{
    IDialogs::OpenFileRequest request;
    request.title = QStringLiteral("Import palette");
    request.filter = QStringLiteral("Palettes (*.gpl *.ase *.json *.css *.txt)");
    request.directory = importFolder_.isEmpty() ? QDir::homePath() : importFolder_;
    const QString path = Services().dialogs->openFileName(request);
    if (path.isEmpty())
        return;
    importFolder_ = QFileInfo(path).absolutePath();
    // Read first: a file that cannot be used leaves everything as it was,
    // and asks nothing.
    PaletteFormats::TReadResult read = PaletteFormats::ImportPaletteFile(path);
    if (!read.ok) {
        Services().dialogs->message(TMsgIcon::Error, read.error);
        return;
    }
    if (!MayReplaceOpenPalette())
        return;
    TPaletteModel& pal = form_.Pal;
    pal.Palette = std::move(read.swatches);
    pal.PaletteName = read.name;
    pal.PaletteOnFile = false;
    pal.PaletteSaved = false;
    pal.SelectedSwatch = -1;
    form_.palettePage->ApplySwatchSize();
    pal.LayoutPalette();
    form_.SetPageCaption(read.name);
    ShowPalettePage();
    form_.palettePage->EnableEditButtons(true);
    form_.RepaintPaletteView();
    form_.SetStatus(QStringLiteral("Palette imported"), read.name + QStringLiteral(" (Not saved)"));
}

void TPaletteFiles::mu_renameClick()
{
    if (!form_.Pal.PaletteSaved) {
        Services().dialogs->message(TMsgIcon::Information,
                                    QStringLiteral("Remember to save your palette first before rename it."));
        return;
    }
    if (SelectedIndex() < 0)
        return;
    TForm3 dialog(form_, *this);
    Services().dialogs->exec(dialog);
}
