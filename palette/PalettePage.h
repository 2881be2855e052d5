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
    QRadioButton* check_large = nullptr;
    QRadioButton* check_medium = nullptr;
    QRadioButton* check_small = nullptr;

    // The size choice of the radio buttons.
    TSwatchSize SizeChoice() const;
    // Sets the cell size of the open palette from the size choice.
    void ApplySwatchSize();
    void Color_myPalettePaint();
    void b_ppAddClick();
    void EnableEditButtons(bool enabled);

private:
    TForm1& form_;
};
