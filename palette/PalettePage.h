// The open palette's page: the palette view with its editing buttons and
// the cell size choice.
#pragma once

#include "palette/PaletteModel.h"

#include <QObject>

class QRadioButton;
class QWidget;
class TForm1;
class TImageButton;
class TPaintBox;
class TScrollBox;
class TSizeChoice;

class TPalettePage : public QObject {
    Q_OBJECT
public:
    TPalettePage(TForm1& form, QWidget* page);

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

    TForm1& form_;
};
