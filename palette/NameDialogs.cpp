#include "palette/NameDialogs.h"

#include "palette/PaletteFiles.h"
#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kBadName =
    QStringLiteral("A palette name is the name of its file. It can not be empty or start with \".\", "
                   "and can not contain \"/\", \"\\\" or control characters.\nPlease type another name.");

} // namespace

TNameDialogBase::TNameDialogBase(QWidget* parent, TPaletteFiles& files, const QString& groupCaption, int editWidth)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , files_(files)
{
    setFixedSize(229, 98);
    group = new QGroupBox(groupCaption, this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(6, 4, 217, 56);
    pt_filename = new QLineEdit(group);
    pt_filename->setGeometry((217 - editWidth) / 2, 26, editWidth, 19);
    okButton = new QPushButton(QStringLiteral("Ok"), this);
    okButton->setGeometry(68, 67, 75, 24);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setGeometry(148, 67, 75, 24);
    cancelButton->setAutoDefault(false);
}

void TNameDialogBase::TellBadName() const
{
    Services().dialogs->message(TMsgIcon::Warning, kBadName);
}

// ---- Name dialog ---------------------------------------------------------------

TForm4::TForm4(QWidget* parent, TPaletteFiles& files, bool saveAs)
    : TNameDialogBase(parent, files, QStringLiteral(" New Palette Name"), 202)
    , saveAs_(saveAs)
{
    setObjectName(QStringLiteral("Form4"));
    NameControl(pt_filename, "pt_filename", QStringLiteral("New palette name"));
    NameControl(b_flatSave, "b_flatSave", QStringLiteral("Ok"));
    NameControl(b_flashCancel, "b_flashCancel", QStringLiteral("Cancel"));
    connect(b_flatSave, &QPushButton::clicked, this, [this] { b_flatSaveClick(); });
    connect(b_flashCancel, &QPushButton::clicked, this, [this] { b_flashCancelClick(); });
    FormCreate();
}

void TForm4::FormCreate()
{
    const TPaletteModel& pal = files_.Palette();
    setWindowTitle(saveAs_ ? QStringLiteral("Save As...") : QStringLiteral("Save Palette"));
    pt_filename->setText(pal.PaletteOnFile ? pal.PaletteName : QStringLiteral("untitled"));
    pt_filename->selectAll();
}

void TForm4::b_flatSaveClick()
{
    QString name = pt_filename->text();
    TPaletteModel& pal = files_.Palette();
    TPaletteFlags facts = files_.Flags();
    facts.nameUsable = IsUsablePaletteName(name);
    // A name that differs from a listed one only in how its letters are
    // composed is that palette: its file is the one replaced.
    const QString existing = facts.nameUsable ? files_.ExistingPaletteName(name) : QString();
    facts.nameTaken = !existing.isNull();
    TPaletteOutcomes done;
    for (;;) {
        const TPaletteCommandPlan plan = PlanCommand(TPaletteCommand::SaveUnderName, facts, done);
        switch (plan.next) {
        case TPaletteStep::TellBadName: TellBadName(); return;
        case TPaletteStep::AskToOverwrite:
            done.confirmed = Services().dialogs->ask(TMsgIcon::Warning,
                                                     QStringLiteral("Palette: ") + name
                                                         + QStringLiteral(" - is already existed.\nDo you want to "
                                                                          "overwrite it? "));
            break;
        case TPaletteStep::Work: {
            if (facts.nameTaken)
                name = existing;
            const TFileResult written = pal.WritePaletteFile(name);
            if (!written) {
                WriteFailed = true;
                Services().dialogs->message(TMsgIcon::Error, written.error);
            }
            done.work = written ? TWorkOutcome::Done : TWorkOutcome::Failed;
            break;
        }
        case TPaletteStep::Finish:
            ApplyChange(pal, plan.change, name);
            files_.ShowNamed(name, facts.nameTaken ? QStringLiteral("Overwrited file") : QStringLiteral("Saved file"),
                             name + QStringLiteral("(Saved)"));
            accept();
            return;
        default: return;
        }
    }
}

void TForm4::b_flashCancelClick()
{
    reject();
}

// ---- Rename dialog -------------------------------------------------------------

TForm3::TForm3(QWidget* parent, TPaletteFiles& files)
    : TNameDialogBase(parent, files, QStringLiteral(" Rename To "), 205)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Rename Palette"));
    NameControl(pt_filename, "pt_filename", QStringLiteral("New name"));
    NameControl(FlatSpeedButton1, "FlatSpeedButton1", QStringLiteral("Ok"));
    NameControl(b_flatCancel, "b_flatCancel", QStringLiteral("Cancel"));
    connect(FlatSpeedButton1, &QPushButton::clicked, this, [this] { FlatSpeedButton1Click(); });
    connect(b_flatCancel, &QPushButton::clicked, this, [this] { b_flatCancelClick(); });
    FormCreate();
}

void TForm3::FormCreate()
{
    pt_filename->setText(files_.SelectedName());
    pt_filename->selectAll();
}

void TForm3::FlatSpeedButton1Click()
{
    const QString name = pt_filename->text();
    const QString old = files_.SelectedName();
    TPaletteModel& pal = files_.Palette();
    TPaletteFlags facts = files_.Flags();
    facts.nameUsable = IsUsablePaletteName(name);
    facts.nameTaken = facts.listSelection && facts.nameUsable && files_.PaletteExists(name);
    TPaletteOutcomes done;
    for (;;) {
        const TPaletteCommandPlan plan = PlanCommand(TPaletteCommand::RenameTo, facts, done);
        switch (plan.next) {
        case TPaletteStep::TellBadName: TellBadName(); return;
        case TPaletteStep::TellNameTaken:
            Services().dialogs->message(TMsgIcon::Warning,
                                        QStringLiteral("A palette named ") + name
                                            + QStringLiteral(" with is already existed."));
            return;
        case TPaletteStep::Work: {
            // QFile::rename never replaces an existing file.
            QFile file(pal.PaletteFilePath(old));
            if (!file.rename(pal.PaletteFilePath(name))) {
                Services().dialogs->message(TMsgIcon::Error,
                                            QStringLiteral("Cannot rename file \"%1\" to \"%2\". %3")
                                                .arg(QDir::toNativeSeparators(pal.PaletteFilePath(old)),
                                                     QDir::toNativeSeparators(pal.PaletteFilePath(name)),
                                                     file.errorString()));
                done.work = TWorkOutcome::Failed;
                break;
            }
            // A rename keeps the file's size and time: it is still the file last seen.
            if (pal.LastSeen.path == pal.PaletteFilePath(old))
                pal.LastSeen.path = pal.PaletteFilePath(name);
            files_.list_pp->item(files_.SelectedIndex())->setText(name);
            done.work = TWorkOutcome::Done;
            break;
        }
        case TPaletteStep::Finish:
            ApplyChange(pal, plan.change, name);
            files_.ShowNamed(name, QStringLiteral("File is renamed"), name);
            accept();
            return;
        default: return;
        }
    }
}

void TForm3::b_flatCancelClick()
{
    reject();
}
