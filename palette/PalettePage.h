// The open palette's page: the palette view with its editing buttons and
// the cell size choice.
#pragma once

#include "color/ColorConv.h"
#include "palette/PaletteModel.h"

#include <QObject>

#include <functional>

class QRadioButton;
class QWidget;
class TImageButton;
class TPaintBox;
class TScrollBox;
class TSizeChoice;

class TPalettePage : public QObject {
    Q_OBJECT
public:
    // What the page asks of the rest of the window.
    struct THooks {
        std::function<TRgbColor()> currentColor;
        std::function<void(const TRgbColor&)> setColor; // a swatch was taken
        std::function<void(const TRgbColor&)> colorAdded; // the last colour added to the palette
        std::function<void()> clearOtherSelections; // of the grabbed list and the library
        std::function<void()> refreshTestBoard;
        std::function<void()> pointerReleased; // the button went up over the view or Watch
        std::function<void(const QString&, const QString&)> status; // panels 0 and 1
        std::function<void(const QString&)> status0;
        std::function<QString()> pageCaption;
        // "My Palettes" is in front, and opening its selected palette.
        std::function<bool()> listInFront;
        std::function<void()> openSelected;
    };
    TPalettePage(QObject* parent, TPaletteModel& pal, THooks hooks, QWidget* page);

    TScrollBox* JvScrollBox1 = nullptr;
    TPaintBox* Color_myPalette = nullptr;
    TImageButton* b_ppAdd = nullptr;
    TImageButton* b_ppWatch = nullptr;
    TImageButton* b_ppSwap = nullptr;
    TImageButton* b_ppDel = nullptr;
    TSizeChoice* sizeChoice = nullptr;
    // Its buttons.
    QRadioButton* check_large = nullptr;
    QRadioButton* check_medium = nullptr;
    QRadioButton* check_small = nullptr;

    // The size choice of the radio buttons.
    TSwatchSize SizeChoice() const;
    // Sets the cell size of the open palette from the size choice.
    void ApplySwatchSize();
    void EnableEditButtons(bool enabled);
    // Adds the colours at the palette's end, laid out anew, and shows that
    // end; the palette is then not saved.
    void AppendSwatches(const std::vector<TSwatch>& swatches);

    // Handlers.
    void Color_myPalettePaint();
    void Color_myPaletteMouseDown(Qt::MouseButton button, QPoint at);
    void Color_myPaletteMouseUp();
    void Color_myPaletteDblClick();
    void b_ppAddClick();
    void b_ppSwapClick();
    void b_ppWatchMouseDown();
    void b_ppWatchMouseUp();
    void b_ppDelClick();

    // Cells drawn by the view's last paint event.
    int LastPaintedCells = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The size choice changed: lay the palette out at the new size.
    void SizeChanged();
    bool HasSelection() const;
    // The selected swatch becomes the current colour, as Watch and the
    // view's double click do.
    void ApplySelectedSwatch();

    TPaletteModel& pal_;
    THooks hooks_;
};
