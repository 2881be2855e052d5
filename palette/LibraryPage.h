// The "Swatch Library" page: the list of libraries shipped beside the
// program, the loaded library's colours and its cell size choice. A click on
// a swatch makes its colour the current colour; a double click also adds it
// to the open palette.
#pragma once

#include "color/ColorConv.h"
#include "palette/LibraryState.h"
#include "palette/SwatchLibrary.h"

#include <QObject>

#include <functional>

class QComboBox;
class QPoint;
class QRadioButton;
class QWidget;
class TPaintBox;
class TScrollBox;
class TSizeChoice;
struct TSwatchGrid;

class TLibraryPage : public QObject {
    Q_OBJECT
public:
    // What the page asks of the rest of the window.
    struct THooks {
        std::function<SwatchLibrary::TLibrarySources()> sources; // where the libraries are
        std::function<void(const TRgbColor&)> setColor; // a swatch was taken
        std::function<void()> pointerReleased; // the button went up over the view
        std::function<void()> addCurrentColor; // to the open palette
    };
    TLibraryPage(QObject* parent, TLibraryState& library, THooks hooks, QWidget* page);

    QComboBox* combo_lab = nullptr;
    TScrollBox* JvScrollBox3 = nullptr;
    TPaintBox* libraryPalette = nullptr;
    TSizeChoice* sizeChoice = nullptr;
    // Its buttons.
    QRadioButton* lb_large = nullptr;
    QRadioButton* lb_medium = nullptr;
    QRadioButton* lb_small = nullptr;

    // Cell size of the library view (always equal), from its own size choice.
    int LibrarySwatchWidth = 30;
    int LibrarySwatchHeight = 30;

    // Start-up: list the libraries and load the first one.
    void StartUp();

    void ListSwatchLibraries();
    void LoadSwatchLibrary();
    void ApplyLibrarySwatchSize();
    void LayoutLibrary();
    // Sets the view's height and has it drawn again.
    void libraryPalettePaint();

    void combo_labPropertiesChange();
    void combo_labPropertiesCloseUp();
    void libraryPaletteMouseDown(Qt::MouseButton button, QPoint p);
    void libraryPaletteMouseUp();
    void libraryPaletteDblClick();

    // The size choice of the radio buttons.
    TSwatchSize SizeChoice() const;
    // The view's grid at the current cell size.
    TSwatchGrid Grid() const;
    // The folder the libraries are read from.
    QString LibraryFolder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The size choice changed: lay the library out at the new size.
    void SizeChanged();

    TLibraryState& library_;
    THooks hooks_;
};
