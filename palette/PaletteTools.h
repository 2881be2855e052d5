// The palette page's "Export" and "Sort" buttons with their menus: sorting
// the open palette, writing it as a bitmap picture, and opening the export
// folder.
#pragma once

#include "palette/PaletteModel.h"
#include "palette/PaletteSort.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QPushButton;
class QWidget;

class TPaletteTools : public QObject {
    Q_OBJECT
public:
    // What the tools ask of the rest of the window.
    struct THooks {
        std::function<void(const QString&, const QString&)> status; // panels 0 and 1
        std::function<QString()> pageCaption;
        std::function<void()> repaintView;
        std::function<void()> applySwatchSize; // from the palette page's size choice
        // Stores the folder of the last export; false when the store was
        // opened and then could not be written.
        std::function<bool(const QString&)> storeExportFolder;
    };
    // `window` places the menus and owns them; `exportFolder` is where the
    // export dialogs start.
    TPaletteTools(QWidget* window, TPaletteModel& pal, const QString& exportFolder, THooks hooks, QWidget* palettePage);

    QPushButton* mu_export = nullptr;
    QMenu* JvPopupMenu1 = nullptr;
    QAction* Exporttobmp1 = nullptr;
    QAction* Exporttopng1 = nullptr;
    QAction* Exporttogpl1 = nullptr;
    QAction* Exporttoase1 = nullptr;
    QAction* Exporttocss1 = nullptr;
    QAction* Exporttojson1 = nullptr;
    QAction* Openexportingfolder1 = nullptr;

    QPushButton* b_ppSort = nullptr;
    QMenu* sort_popup = nullptr;
    QAction* ByHue1 = nullptr;
    QAction* BySaturation1 = nullptr;
    QAction* Bybrightness1 = nullptr;
    QAction* ByBlue1 = nullptr;

    void mu_exportClick();
    void Exporttobmp1Click();
    // The other formats, each through the save dialog with its own title,
    // filter and extension; a success ends as the BMP export does.
    enum class TExportFormat { Png, Gpl, Ase, Css, Json };
    void ExportAs(TExportFormat format);
    void Exporttopng1Click() { ExportAs(TExportFormat::Png); }
    void Exporttogpl1Click() { ExportAs(TExportFormat::Gpl); }
    void Exporttoase1Click() { ExportAs(TExportFormat::Ase); }
    void Exporttocss1Click() { ExportAs(TExportFormat::Css); }
    void Exporttojson1Click() { ExportAs(TExportFormat::Json); }
    void Openexportingfolder1Click();

    void b_ppSortClick();
    void ByHue1Click() { SortOpenPalette(TSortOrder::TintsShades); }
    void BySaturation1Click() { SortOpenPalette(TSortOrder::ByRed); }
    void Bybrightness1Click() { SortOpenPalette(TSortOrder::ByGreen); }
    void ByBlue1Click() { SortOpenPalette(TSortOrder::ByBlue); }

    // The file the export dialog offers again: the last one chosen in it.
    QString LastExportFile() const { return lastExportFile_; }

private:
    void SortOpenPalette(TSortOrder order);
    // Where the buttons open their menus: left of the button, at the pointer's height.
    QPoint MenuPoint(const QPushButton* button) const;
    // After a file was written: the status, the folder opened and stored.
    void Exported(const QString& fileName, const QString& status);

    QWidget* window_;
    TPaletteModel& pal_;
    const QString& exportFolder_;
    THooks hooks_;
    QString lastExportFile_;
    QString lastFormatFile_[5];
};
