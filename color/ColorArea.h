// The current colour and its inputs (left column of the upper area) and the
// "Color Model" page: the model square, the hue tracker and the mixer.
//
// The square, the tracker and the mixer are painted by their handlers at the
// moment the handler runs, into a picture of the box that the box's paint
// event then shows. So a drag reads the colour under the marker from what the
// square displays right now, not from a paint that comes later. A paint event
// still recomputes what depends on the current colour alone (the mixer's
// cells, the square's marker colour) when it finds it stale.
#pragma once

#include "color/ColorPicking.h"
#include "color/ColorState.h"

#include <QImage>
#include <QObject>

#include <functional>

class QLabel;
class QLineEdit;
class QPainter;
class QRadioButton;
class QSpinBox;
class QWidget;
class TPaintBox;

class TColorArea : public QObject {
    Q_OBJECT
public:
    // What the area asks of the rest of the window.
    struct THooks {
        std::function<void()> colorEdited; // the inputs changed the current colour
        std::function<void()> deselectGrabbed; // clears the grabbed list's selection
        std::function<void()> deselectLibrary; // clears the swatch library's selection
        std::function<void()> addToPalette; // adds the current colour to the open palette
    };
    // Builds the controls into `leftColumn` and `modelPage`; `window` is the
    // window they are in (a modal window over it ends a pointer press).
    TColorArea(TColorState& state, THooks hooks, QWidget& window, QWidget* leftColumn, QWidget* modelPage);

    // Left column
    TPaintBox* result_newColor = nullptr;
    TPaintBox* result_oldColor = nullptr;
    QSpinBox* rgbInput_R = nullptr;
    QSpinBox* rgbInput_G = nullptr;
    QSpinBox* rgbInput_B = nullptr;
    QLineEdit* hexInput = nullptr;

    // "Color Model" page
    TPaintBox* Color_model1 = nullptr;
    TPaintBox* Color_tracker = nullptr;
    TPaintBox* Color_mixer = nullptr;
    QRadioButton* mixer_darker = nullptr;
    QRadioButton* mixer_lighter = nullptr;

    // The mixer's cells as its last paint computed them.
    TMixerCells MixerCells{};

    // ---- The current colour -------------------------------------------------
    void SetCurrentColor(int red, int green, int blue);
    // Places both markers for NewColor and repaints everything that shows it.
    void RefreshColorModel();
    // Paints the "New :" box and writes NewColor into the inputs.
    void result_newColorPaint();
    void result_oldColorPaint();

    // ---- Inputs -------------------------------------------------------------
    void rgbInput_RPropertiesChange();
    void rgbInput_GPropertiesChange();
    void rgbInput_BPropertiesChange();
    // True when the typed text may reach the hex box.
    static bool hexInputKeyPress(const QString& typed);
    void hexInputChange();

    // ---- Square and tracker -------------------------------------------------
    void DrawModelImage(const TRgbColor& color);
    void Color_model1Paint();
    void Color_model1MouseDown(int x, int y);
    void Color_model1MouseMove(int x, int y);
    void Color_model1MouseUp();
    void Color_model1DblClick();
    void Color_trackerPaint();
    void Color_trackerMouseDown(int y);
    void Color_trackerMouseMove(int y);
    void Color_trackerMouseUp();

    // ---- Mixer --------------------------------------------------------------
    void Color_mixerPaint();
    void mixer_darkerClick();
    void mixer_lighterClick();
    void Color_mixerMouseDown(int x);
    void Color_mixerMouseUp();

    // What the square, the tracker and the mixer show, in their own pixels.
    const QImage& SquarePicture() const { return square_; }
    const QImage& TrackerPicture() const { return tracker_; }
    const QImage& MixerPicture() const { return mixer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows a box's picture pixel for pixel at the painter's pixel density.
    struct TShownPicture {
        const QImage* picture = nullptr;
        QImage device;
        qint64 key = 0;
        void show(QPainter& p);
    };

    void channelChanged(std::int32_t TRgbColor::*channel, const QSpinBox* edit);
    // The square's picture again, for a paint that finds its marker colour stale.
    void RedrawSquare();
    void endPointerPress();

    TColorState& state_;
    THooks hooks_;
    QWidget& window_;
    QImage square_;
    QImage tracker_;
    QImage mixer_;
    QRgb squareMarker_ = 0; // the marker colour the square's picture carries
    // The hue the colour model's picture was last filled for, and the
    // picture's key right after; any other change to the picture changes it.
    std::int32_t filledHue_ = -1;
    qint64 filledKey_ = 0;
    TShownPicture squareShown_, trackerShown_, mixerShown_;
};
