#include "palette/PaletteFiles.h"

#include "palette/NameDialogs.h"
#include "palette/PaletteFormats.h"
#include "palette/PaletteRescue.h"
#include "platform/Services.h"
#include "widgets/Widgets.h"

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

TPaletteFiles::TPaletteFiles(QWidget* window, TPaletteModel& pal, THooks hooks, QTabWidget* pages, QWidget* filePage,
                             QWidget* palettePage)
    : QObject(window)
    , window_(window)
    , pal_(pal)
    , hooks_(std::move(hooks))
    , pages_(pages)
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
    file_popup = new QMenu(window);
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

    lastPage_ = pages_->currentIndex();
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) { PageChanged(index); });
    tabBar_ = pages_->tabBar();
    tabBar_->installEventFilter(this);
    // Keys that switch pages reach the tab widget from the page's controls.
    pages_->installEventFilter(this);
    KeepWheelFromSwitchingTabs(tabBar_);
}

// ---- The list ------------------------------------------------------------------

void TPaletteFiles::ListPaletteFiles()
{
    list_pp->addItems(pal_.ListPaletteFiles());
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
    const QStringList listed = pal_.ListPaletteFiles();
    if (listed.contains(name))
        return name;
    for (const QString& other : listed)
        if (SamePaletteName(other, name))
            return other;
    return {};
}

void TPaletteFiles::ShowNamed(const QString& name, const QString& status0, const QString& status1)
{
    hooks_.repaintView();
    StoreLastValues(name);
    RefillList(name);
    hooks_.setPageCaption(name);
    hooks_.status(status0, status1);
}

TPaletteFlags TPaletteFiles::Flags() const
{
    TPaletteFlags flags;
    flags.onFile = pal_.PaletteOnFile;
    flags.saved = pal_.PaletteSaved;
    flags.hasSwatches = !pal_.Palette.empty();
    flags.listSelection = SelectedIndex() >= 0;
    return flags;
}

TPaletteCommandPlan TPaletteFiles::NextStep(TPaletteCommand command, TPaletteFlags facts, TPaletteOutcomes& done)
{
    for (;;) {
        facts.onFile = pal_.PaletteOnFile;
        facts.saved = pal_.PaletteSaved;
        facts.hasSwatches = !pal_.Palette.empty();
        const TPaletteCommandPlan plan = PlanCommand(command, facts, done);
        if (plan.next == TPaletteStep::AskToSave)
            done.wantsSave = Services().dialogs->ask(TMsgIcon::Warning,
                                                     SaveOfferText(plan.offer, hooks_.pageCaption(), pal_.PaletteName));
        else if (plan.next == TPaletteStep::Save)
            done.save = Save();
        else
            return plan;
    }
}

void TPaletteFiles::list_ppClick()
{
    if (SelectedIndex() >= 0)
        hooks_.setPageCaption(SelectedName());
}

void TPaletteFiles::list_ppKeyDown()
{
    list_ppClick();
}
void TPaletteFiles::list_ppKeyUp()
{
    list_ppClick();
}

void TPaletteFiles::list_ppKeyPress(int key)
{
    if (key == 13)
        list_ppDblClick();
}

bool TPaletteFiles::ReadAndLayout(const QString& name)
{
    const TFileResult read = pal_.ReadPaletteFile(name);
    if (!read) {
        Services().dialogs->message(TMsgIcon::Error, read.error);
        return false;
    }
    if (pal_.SwatchCount() > 0) {
        hooks_.applySwatchSize();
        pal_.LayoutPalette();
    }
    return true;
}

bool TPaletteFiles::OpenSelected()
{
    const QString name = SelectedName();
    TPaletteOutcomes done;
    TPaletteCommandPlan plan = PlanCommand(TPaletteCommand::Open, Flags(), done);
    if (plan.next != TPaletteStep::Work)
        return false;
    // Read before anything changes: a file that is gone or damaged leaves
    // the open palette as it was, under its own caption.
    done.work = ReadAndLayout(name) ? TWorkOutcome::Done : TWorkOutcome::Failed;
    plan = PlanCommand(TPaletteCommand::Open, Flags(), done);
    if (plan.next != TPaletteStep::Finish) {
        hooks_.setPageCaption(pal_.PaletteOnFile ? pal_.PaletteName : kUntitled);
        return false;
    }
    pal_.SelectedSwatch = -1;
    ApplyChange(pal_, plan.change, name);
    hooks_.setPageCaption(name);
    ShowPalettePage();
    hooks_.repaintView();
    hooks_.status(QStringLiteral("File opened"), pal_.PaletteName);
    if (pal_.SwatchCount() > 0)
        hooks_.enableEditButtons(true);
    return true;
}

void TPaletteFiles::list_ppDblClick()
{
    OpenSelected();
}

void TPaletteFiles::StartNewPalette(const TPaletteChange& change)
{
    pal_.SelectedSwatch = -1;
    ApplyChange(pal_, change, pal_.PaletteName);
    hooks_.setPageCaption(kUntitled);
    hooks_.repaintView();
    hooks_.status(QStringLiteral("New file"), kNotSaved);
}

void TPaletteFiles::mu_listnewClick()
{
    ShowPalettePage();
    StartNewPalette(PlanCommand(TPaletteCommand::NewFromList, Flags(), {}).change);
}

// ---- Page switches -------------------------------------------------------------

void TPaletteFiles::ShowPalettePage()
{
    programSwitch_ = true;
    pages_->setTabEnabled(1, true);
    pages_->setCurrentIndex(1);
    programSwitch_ = false;
    lastPage_ = pages_->currentIndex();
}

bool TPaletteFiles::LeavePalettePage()
{
    TPaletteOutcomes done;
    const TPaletteCommandPlan plan = NextStep(TPaletteCommand::LeavePage, Flags(), done);
    if (plan.next != TPaletteStep::Finish)
        return false;
    ApplyChange(pal_, plan.change, pal_.PaletteName);
    return true;
}

bool TPaletteFiles::pp_pageControlChanging()
{
    if (pages_->currentIndex() != 1)
        return true;
    return LeavePalettePage();
}

void TPaletteFiles::pp_pageControlChange()
{
    if (pages_->currentIndex() == 1)
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
    const bool mouse =
        type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::MouseButtonRelease;
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
    if (type == QEvent::KeyPress && (watched == tabBar_ || watched == pages_)) {
        const int target = TabSwitchTarget(pages_, static_cast<QKeyEvent*>(event), watched == tabBar_);
        if (target >= 0 && target != pages_->currentIndex()) {
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
    const TPaletteModel& pal = pal_;
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
    return {window_->x() + FlatButton3->x() - FlatButton3->width(), int(pointer.y() / ratio)};
}

void TPaletteFiles::FlatButton3Click()
{
    UpdateFileMenu();
    file_popup->popup(FilePopupPoint());
}

TPaletteFiles::TSaveOutcome TPaletteFiles::Save()
{
    TPaletteModel& pal = pal_;
    TPaletteFlags facts = Flags();
    facts.changedOnDisk = pal.PaletteOnFile && pal.ChangedOnDisk(pal.PaletteName);
    TPaletteOutcomes done;
    bool nameDialog = false;
    for (;;) {
        const TPaletteCommandPlan plan = PlanCommand(TPaletteCommand::Save, facts, done);
        switch (plan.next) {
        case TPaletteStep::AskToOverwrite:
            done.confirmed = Services().dialogs->ask(
                TMsgIcon::Confirm,
                QStringLiteral("Palette - ") + pal.PaletteName
                    + QStringLiteral(" - was changed by another program since Tintwell last read or saved it.\n"
                                     "Do you want to overwrite it?"));
            break;
        case TPaletteStep::Work:
            nameDialog = plan.nameDialog;
            if (nameDialog) {
                TForm4 dialog(window_, *this, false);
                if (Services().dialogs->exec(dialog) == QDialog::Accepted)
                    done.work = TWorkOutcome::Done;
                else
                    done.work = dialog.WriteFailed ? TWorkOutcome::Failed : TWorkOutcome::Cancelled;
            } else if (const TFileResult written = pal.WritePaletteFile(pal.PaletteName); written) {
                done.work = TWorkOutcome::Done;
            } else {
                Services().dialogs->message(TMsgIcon::Error, written.error);
                done.work = TWorkOutcome::Failed;
            }
            break;
        case TPaletteStep::Finish:
            ApplyChange(pal, plan.change, pal.PaletteName);
            // The name dialog has said how the palette was saved.
            if (!nameDialog)
                hooks_.status(QStringLiteral("Saved file"), pal.PaletteName + QStringLiteral("(Saved)"));
            return plan.saveOutcome;
        default: return plan.saveOutcome;
        }
    }
}

void TPaletteFiles::mu_saveClick()
{
    Save();
}

void TPaletteFiles::mu_saveasClick()
{
    TPaletteOutcomes done;
    if (PlanCommand(TPaletteCommand::SaveAs, Flags(), done).next == TPaletteStep::GiveUp)
        return;
    pal_.SelectedSwatch = -1;
    TPaletteCommandPlan plan = NextStep(TPaletteCommand::SaveAs, Flags(), done);
    if (plan.next != TPaletteStep::Work)
        return;
    {
        TForm4 dialog(window_, *this, true);
        if (Services().dialogs->exec(dialog) == QDialog::Accepted)
            done.work = TWorkOutcome::Done;
        else
            done.work = dialog.WriteFailed ? TWorkOutcome::Failed : TWorkOutcome::Cancelled;
    }
    plan = NextStep(TPaletteCommand::SaveAs, Flags(), done);
    if (plan.readBack)
        ReadAndLayout(pal_.PaletteName);
    hooks_.repaintView();
}

void TPaletteFiles::mu_deleteClick()
{
    const int i = SelectedIndex();
    TPaletteFlags facts = Flags();
    facts.hasNeighbour = list_pp->count() >= 2;
    TPaletteOutcomes done;
    QString next;
    for (;;) {
        const TPaletteCommandPlan plan = PlanCommand(TPaletteCommand::Delete, facts, done);
        switch (plan.next) {
        case TPaletteStep::AskToDelete:
            done.confirmed = Services().dialogs->ask(
                TMsgIcon::Warning,
                QStringLiteral("Your palette can not be resotred after being deleted.\nDo you want to continue ?"));
            break;
        case TPaletteStep::Work: {
            const QString name = list_pp->item(i)->text();
            pal_.SelectedSwatch = -1;
            if (::unlink(QFile::encodeName(pal_.PaletteFilePath(name)).constData()) != 0) {
                const int error = errno;
                Services().dialogs->message(TMsgIcon::Error,
                                            QStringLiteral("Palette - ") + name
                                                + QStringLiteral(" is not deleted!\nError: ") + QString::number(error));
                done.work = TWorkOutcome::Failed;
                break;
            }
            done.work = TWorkOutcome::Done;
            if (!facts.hasNeighbour) {
                delete list_pp->takeItem(i);
                break;
            }
            const int neighbour = i == 0 ? i + 1 : i - 1;
            next = list_pp->item(neighbour)->text();
            list_pp->setCurrentRow(neighbour);
            delete list_pp->takeItem(i);
            break;
        }
        case TPaletteStep::OpenNeighbour: done.neighbourRead = ReadAndLayout(next); break;
        case TPaletteStep::Finish: {
            ApplyChange(pal_, plan.change, next);
            const bool untitled = plan.change.name == TNameChange::Untitled;
            hooks_.setPageCaption(pal_.PaletteName);
            hooks_.repaintView();
            hooks_.status(QStringLiteral("File is deleted"), untitled ? kNotSaved : pal_.PaletteName);
            return;
        }
        default: return;
        }
    }
}

std::optional<TPaletteChange> TPaletteFiles::MayReplaceOpenPalette(TPaletteCommand command)
{
    pal_.SelectedSwatch = -1;
    TPaletteOutcomes done;
    const TPaletteCommandPlan plan = NextStep(command, Flags(), done);
    if (plan.next != TPaletteStep::Finish)
        return std::nullopt;
    return plan.change;
}

void TPaletteFiles::mu_newppClick()
{
    const std::optional<TPaletteChange> change = MayReplaceOpenPalette(TPaletteCommand::NewPalette);
    if (!change)
        return;
    StartNewPalette(*change);
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
    const std::optional<TPaletteChange> change = MayReplaceOpenPalette(TPaletteCommand::Import);
    if (!change)
        return;
    TPaletteModel& pal = pal_;
    pal.Palette = std::move(read.swatches);
    ApplyChange(pal, *change, read.name);
    pal.SelectedSwatch = -1;
    hooks_.applySwatchSize();
    pal.LayoutPalette();
    hooks_.setPageCaption(read.name);
    ShowPalettePage();
    hooks_.enableEditButtons(true);
    hooks_.repaintView();
    hooks_.status(QStringLiteral("Palette imported"), read.name + QStringLiteral(" (Not saved)"));
}

void TPaletteFiles::mu_renameClick()
{
    const TPaletteCommandPlan plan = PlanCommand(TPaletteCommand::Rename, Flags(), {});
    if (plan.next == TPaletteStep::RemindToSave) {
        Services().dialogs->message(TMsgIcon::Information,
                                    QStringLiteral("Remember to save your palette first before rename it."));
        return;
    }
    if (plan.next != TPaletteStep::Work)
        return;
    // The dialog renames the file and applies the change itself.
    TForm3 dialog(window_, *this);
    Services().dialogs->exec(dialog);
}

// ---- Closing -------------------------------------------------------------------

bool TPaletteFiles::MayClose(const QString& userDataDir)
{
    TPaletteOutcomes done;
    for (;;) {
        const TPaletteCommandPlan plan = NextStep(TPaletteCommand::Close, Flags(), done);
        switch (plan.next) {
        case TPaletteStep::KeepCopy: done.copyKept = KeepRecoveryCopy(userDataDir, plan); break;
        case TPaletteStep::AskCloseAnyway: {
            const QString notSaved = plan.saveFailed ? QStringLiteral("Your palette could not be saved.")
                                                     : QStringLiteral("Your palette was not saved.");
            done.closeAnyway = Services().dialogs->ask(
                TMsgIcon::Warning,
                notSaved + QStringLiteral(" No copy of it could be kept anywhere:\n") + rescueErrors_.join('\n')
                    + QStringLiteral("\n\nClose anyway? Its colours will be lost. Answer No to keep the "
                                     "window open and try again after freeing some space."));
            break;
        }
        case TPaletteStep::Finish: return true;
        default: return false;
        }
    }
}

// The palette is written where the user's data lives, or, when that disk
// cannot take it, on another file system, and the program says where.
bool TPaletteFiles::KeepRecoveryCopy(const QString& userDataDir, const TPaletteCommandPlan& plan)
{
    const QString name = plan.copyUnderName ? pal_.PaletteName : kUntitled;
    const TRescueResult copy = KeepRescueCopy(pal_.Palette, name, RescuePlaces(userDataDir));
    rescueErrors_ = copy.errors;
    if (!copy.ok)
        return false;
    const QString notSaved = plan.saveFailed ? QStringLiteral("Your palette could not be saved.")
                                             : QStringLiteral("Your palette was not saved.");
    QString text = notSaved + QStringLiteral(" A copy of it was kept in\n") + QDir::toNativeSeparators(copy.path);
    if (copy.emptiedAtLogout)
        text += QStringLiteral("\nThis folder is emptied when you log out or restart the computer: "
                               "move the copy to a safe place.");
    Services().dialogs->message(TMsgIcon::Information, text);
    return true;
}
