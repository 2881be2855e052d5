// The current colour and its inputs (left column of the upper area) and the
// "Color Model" page: the model square, the hue tracker and the mixer.
#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;
class TForm1;
class TPaintBox;

class TColorArea : public QObject {
    Q_OBJECT
public:
    TColorArea(TForm1& form, QWidget* leftColumn, QWidget* modelPage);

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

    void SetCurrentColor(int red, int green, int blue);
    void RefreshColorModel();
    void result_newColorPaint();
    void result_oldColorPaint();

private:
    TForm1& form_;
};
