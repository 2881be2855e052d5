#include "palette/PaletteTools.h"

#include "palette/PaletteExport.h"
#include "palette/PaletteFormats.h"
#include "platform/AtomicFile.h"
#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace {

QAction* AddAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

const QString kExportStepFailed =
    QStringLiteral("The file can not be opened. It may becuase the file is not \r\nexisted anymore or deleted.");

} // namespace

TPaletteTools::TPaletteTools(QWidget* window, TPaletteModel& pal, const QString& exportFolder, THooks hooks,
                             QWidget* palettePage)
    : QObject(window)
    , window_(window)
    , pal_(pal)
    , exportFolder_(exportFolder)
    , hooks_(std::move(hooks))
{
    mu_export = new QPushButton(QStringLiteral("Export"), palettePage);
    NameControl(mu_export, "mu_export", QStringLiteral("Export"));
    mu_export->setGeometry(332, 66, 58, 49);
    JvPopupMenu1 = new QMenu(window);
    JvPopupMenu1->setObjectName("JvPopupMenu1");
    Exporttobmp1 = AddAction(JvPopupMenu1, "Exporttobmp1", QStringLiteral("Export to .bmp"));
    Exporttopng1 = AddAction(JvPopupMenu1, "Exporttopng1", QStringLiteral("Export to .png"));
    Exporttogpl1 = AddAction(JvPopupMenu1, "Exporttogpl1", QStringLiteral("Export to .gpl (GIMP, Inkscape, Krita)"));
    Exporttoase1 = AddAction(JvPopupMenu1, "Exporttoase1", QStringLiteral("Export to .ase (Adobe)"));
    Exporttocss1 = AddAction(JvPopupMenu1, "Exporttocss1", QStringLiteral("Export to .css"));
    Exporttojson1 = AddAction(JvPopupMenu1, "Exporttojson1", QStringLiteral("Export to .json"));
    Openexportingfolder1 = AddAction(JvPopupMenu1, "Openexportingfolder1", QStringLiteral("Open exporting folder"));

    b_ppSort = new QPushButton(QStringLiteral("Sort"), palettePage);
    NameControl(b_ppSort, "b_ppSort", QStringLiteral("Sort"));
    b_ppSort->setGeometry(332, 122, 58, 49);
    sort_popup = new QMenu(window);
    sort_popup->setObjectName("sort_popup");
    ByHue1 = AddAction(sort_popup, "ByHue1", QStringLiteral("By Tints/Shades"));
    BySaturation1 = AddAction(sort_popup, "BySaturation1", QStringLiteral("By Red"));
    Bybrightness1 = AddAction(sort_popup, "Bybrightness1", QStringLiteral("By Green"));
    ByBlue1 = AddAction(sort_popup, "ByBlue1", QStringLiteral("By Blue"));

    connect(mu_export, &QPushButton::clicked, this, &TPaletteTools::mu_exportClick);
    // A right click on the button opens the same menu at the pointer.
    mu_export->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mu_export, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { JvPopupMenu1->popup(mu_export->mapToGlobal(pos)); });
    connect(Exporttobmp1, &QAction::triggered, this, &TPaletteTools::Exporttobmp1Click);
    connect(Exporttopng1, &QAction::triggered, this, &TPaletteTools::Exporttopng1Click);
    connect(Exporttogpl1, &QAction::triggered, this, &TPaletteTools::Exporttogpl1Click);
    connect(Exporttoase1, &QAction::triggered, this, &TPaletteTools::Exporttoase1Click);
    connect(Exporttocss1, &QAction::triggered, this, &TPaletteTools::Exporttocss1Click);
    connect(Exporttojson1, &QAction::triggered, this, &TPaletteTools::Exporttojson1Click);
    connect(Openexportingfolder1, &QAction::triggered, this, &TPaletteTools::Openexportingfolder1Click);

    connect(b_ppSort, &QPushButton::clicked, this, &TPaletteTools::b_ppSortClick);
    connect(ByHue1, &QAction::triggered, this, &TPaletteTools::ByHue1Click);
    connect(BySaturation1, &QAction::triggered, this, &TPaletteTools::BySaturation1Click);
    connect(Bybrightness1, &QAction::triggered, this, &TPaletteTools::Bybrightness1Click);
    connect(ByBlue1, &QAction::triggered, this, &TPaletteTools::ByBlue1Click);
}

QPoint TPaletteTools::MenuPoint(const QPushButton* button) const
{
    // The pointer comes in screen pixels; menus are placed in logical ones.
    const qreal ratio = window_->devicePixelRatioF();
    const int pointerY = int(Services().screen->cursorPos().y() / (ratio > 0 ? ratio : 1));
    return {window_->frameGeometry().x() + button->x() - button->width(), pointerY};
}

// ---- Sorting -------------------------------------------------------------------

void TPaletteTools::b_ppSortClick()
{
    if (pal_.SwatchCount() < 1) {
        Services().dialogs->message(TMsgIcon::Information,
                                    QStringLiteral("There have no enough colors to do sorting."));
        return;
    }
    sort_popup->popup(MenuPoint(b_ppSort));
}

void TPaletteTools::SortOpenPalette(TSortOrder order)
{
    SortPalette(pal_.Palette, order);
    pal_.SelectedSwatch = -1;
    hooks_.repaintView();
    pal_.PaletteSaved = false;
    hooks_.status(QStringLiteral("Colors are sorted."), hooks_.pageCaption() + QStringLiteral("(Not saved)"));
}

// ---- Export ------------------------------------------------------------------------

void TPaletteTools::mu_exportClick()
{
    JvPopupMenu1->popup(MenuPoint(mu_export));
}

void TPaletteTools::Exporttobmp1Click()
{
    if (pal_.SwatchCount() < 1) {
        Services().dialogs->message(TMsgIcon::Information,
                                    QStringLiteral("There have no colors to be exported to Bitmap."));
        return;
    }
    // A picture that cannot be built is refused before the user names a file.
    hooks_.applySwatchSize();
    const QString sizeError = PaletteExport::SizeError(pal_.SwatchWidth, pal_.SwatchCount());
    if (!sizeError.isEmpty()) {
        Services().dialogs->message(TMsgIcon::Error, sizeError);
        return;
    }

    IDialogs::SaveFileRequest request;
    request.title = QStringLiteral("Export palette");
    request.filter = QStringLiteral("Bitmaps (*.bmp)");
    request.defaultSuffix = QStringLiteral("bmp");
    request.directory = exportFolder_;
    request.fileName = lastExportFile_;
    request.confirmOverwrite = true;
    const QString fileName = Services().dialogs->saveFileName(request);
    if (fileName.isEmpty())
        return;
    lastExportFile_ = fileName;

    hooks_.applySwatchSize();
    const PaletteExport::TPicture picture =
        PaletteExport::BuildExportImage(hooks_.pageCaption(), pal_.Palette, pal_.SwatchWidth);
    if (!picture) {
        Services().dialogs->message(TMsgIcon::Error, picture.error);
        return;
    }
    const TFileResult written = PaletteExport::WriteBmp(fileName, picture.image);
    if (!written) {
        Services().dialogs->message(TMsgIcon::Error, written.error);
        return;
    }
    Exported(fileName, QStringLiteral("Image exported"));
}

void TPaletteTools::ExportAs(TExportFormat format)
{
    struct TKind {
        const char* title;
        const char* filter;
        const char* suffix;
    };
    static const TKind kinds[] = {
        {"Export palette as a PNG picture", "PNG pictures (*.png)", "png"},
        {"Export palette for GIMP, Inkscape and Krita", "GIMP palettes (*.gpl)", "gpl"},
        {"Export palette for Adobe programs", "Adobe swatch exchange (*.ase)", "ase"},
        {"Export palette as CSS", "CSS style sheets (*.css)", "css"},
        {"Export palette as JSON", "JSON files (*.json)", "json"},
    };
    const TKind& kind = kinds[int(format)];
    TPaletteModel& pal = pal_;
    if (pal.SwatchCount() < 1) {
        Services().dialogs->message(TMsgIcon::Information, QStringLiteral("There have no colors to be exported."));
        return;
    }
    hooks_.applySwatchSize();
    if (format == TExportFormat::Png) {
        const QString sizeError = PaletteExport::SizeError(pal.SwatchWidth, pal.SwatchCount());
        if (!sizeError.isEmpty()) {
            Services().dialogs->message(TMsgIcon::Error, sizeError);
            return;
        }
    }

    QString& last = lastFormatFile_[int(format)];
    IDialogs::SaveFileRequest request;
    request.title = QString::fromLatin1(kind.title);
    request.filter = QString::fromLatin1(kind.filter);
    request.defaultSuffix = QString::fromLatin1(kind.suffix);
    request.directory = exportFolder_;
    request.fileName = last.isEmpty() ? hooks_.pageCaption() + '.' + request.defaultSuffix : last;
    request.confirmOverwrite = true;
    const QString fileName = Services().dialogs->saveFileName(request);
    if (fileName.isEmpty())
        return;
    last = fileName;

    const QString name = hooks_.pageCaption();
    QByteArray bytes;
    switch (format) {
    case TExportFormat::Png: {
        const PaletteExport::TPicture picture = PaletteExport::BuildExportImage(name, pal.Palette, pal.SwatchWidth);
        if (!picture) {
            Services().dialogs->message(TMsgIcon::Error, picture.error);
            return;
        }
        bytes = PaletteExport::EncodePng(picture.image);
        break;
    }
    case TExportFormat::Gpl: bytes = PaletteFormats::WriteGpl(name, pal.Palette, pal.SwatchesPerRow()); break;
    case TExportFormat::Ase: bytes = PaletteFormats::WriteAse(name, pal.Palette); break;
    case TExportFormat::Css: bytes = PaletteFormats::WriteCss(name, pal.Palette); break;
    case TExportFormat::Json: bytes = PaletteFormats::WriteJson(name, pal.Palette); break;
    }
    const TWriteResult written = bytes.isEmpty() ? TWriteResult{false, QStringLiteral("The file could not be encoded.")}
                                                 : WriteFileAtomically(fileName, bytes);
    if (!written.ok) {
        Services().dialogs->message(
            TMsgIcon::Error,
            QStringLiteral("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(fileName), written.error));
        return;
    }
    Exported(fileName,
             format == TExportFormat::Png ? QStringLiteral("Image exported") : QStringLiteral("Palette exported"));
}

void TPaletteTools::Exported(const QString& fileName, const QString& status)
{
    hooks_.status(status, hooks_.pageCaption());
    QString folder = QFileInfo(fileName).absolutePath();
    if (!folder.endsWith('/'))
        folder += '/';
    // Whether a file browser came up is not our concern.
    Services().desktop->openFolder(folder);
    // A store that cannot be opened at all is the settings' own quiet
    // failure; one that was opened and then could not be written is an error
    // of this command.
    if (!hooks_.storeExportFolder(folder))
        Services().dialogs->message(TMsgIcon::Error, kExportStepFailed);
}

void TPaletteTools::Openexportingfolder1Click()
{
    hooks_.status(QStringLiteral("Image exported"), hooks_.pageCaption());
    // The opener's result is not looked at: a missing folder brings no message.
    Services().desktop->openFolder(exportFolder_);
}
