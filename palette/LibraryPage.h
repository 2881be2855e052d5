// The "Swatch Library" page: the list of libraries shipped beside the
// program, the loaded library's colours and its cell size choice.
#pragma once

#include <QObject>

class QComboBox;
class QRadioButton;
class QWidget;
class TForm1;
class TPaintBox;
class TScrollBox;

class TLibraryPage : public QObject {
    Q_OBJECT
public:
    TLibraryPage(TForm1& form, QWidget* page);

    QComboBox* combo_lab = nullptr;
    TScrollBox* JvScrollBox3 = nullptr;
    TPaintBox* libraryPalette = nullptr;
    QRadioButton* lb_large = nullptr;
    QRadioButton* lb_medium = nullptr;
    QRadioButton* lb_small = nullptr;

    // Start-up: list the libraries and load the first one.
    void StartUp();

private:
    TForm1& form_;
};
