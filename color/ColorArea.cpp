#include "color/ColorArea.h"

#include "app/TForm1.h"
#include "app/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QSpinBox* AddChannelEdit(QWidget* parent, const char* name, const QString& spoken, int y)
{
    auto* edit = new QSpinBox(parent);
    NameControl(edit, name, spoken);
    edit->setRange(0, 255);
    edit->setGeometry(24, y, 58, 22);
    return edit;
}

} // namespace

TColorArea::TColorArea(TForm1& form, QWidget* leftColumn, QWidget* modelPage)
    : QObject(&form)
    , form_(form)
{
    AddLabel(leftColumn, QStringLiteral("New :"), {0, 0, 80, 14})->setObjectName("label_new");
    result_newColor = new TPaintBox(leftColumn);
    NameControl(result_newColor, "result_newColor", QStringLiteral("New color"));
    result_newColor->setGeometry(0, 16, 60, 40);

    AddLabel(leftColumn, QStringLiteral("Last added :"), {0, 62, 85, 14})->setObjectName("label_lastAdded");
    result_oldColor = new TPaintBox(leftColumn);
    NameControl(result_oldColor, "result_oldColor", QStringLiteral("Last added color"));
    result_oldColor->setGeometry(0, 78, 60, 40);

    AddLabel(leftColumn, QStringLiteral("R :"), {0, 132, 22, 18});
    rgbInput_R = AddChannelEdit(leftColumn, "rgbInput_R", QStringLiteral("Red"), 130);
    AddLabel(leftColumn, QStringLiteral("G :"), {0, 160, 22, 18});
    rgbInput_G = AddChannelEdit(leftColumn, "rgbInput_G", QStringLiteral("Green"), 158);
    AddLabel(leftColumn, QStringLiteral("B :"), {0, 188, 22, 18});
    rgbInput_B = AddChannelEdit(leftColumn, "rgbInput_B", QStringLiteral("Blue"), 186);

    AddLabel(leftColumn, QStringLiteral("Hex :"), {0, 222, 40, 14});
    AddLabel(leftColumn, QStringLiteral("#"), {0, 242, 10, 18});
    hexInput = new QLineEdit(QStringLiteral("000000"), leftColumn);
    NameControl(hexInput, "hexInput", QStringLiteral("Hex color code"));
    hexInput->setMaxLength(6);
    hexInput->setGeometry(12, 240, 70, 22);

    Color_model1 = new TPaintBox(modelPage);
    NameControl(Color_model1, "Color_model1", QStringLiteral("Color model"));
    Color_model1->setGeometry(8, 8, 220, 220);
    Color_tracker = new TPaintBox(modelPage);
    NameControl(Color_tracker, "Color_tracker", QStringLiteral("Hue"));
    Color_tracker->setGeometry(236, 8, 20, 220);
    Color_mixer = new TPaintBox(modelPage);
    NameControl(Color_mixer, "Color_mixer", QStringLiteral("Mixer"));
    Color_mixer->setGeometry(8, 236, 252, 23);
    mixer_darker = new QRadioButton(QStringLiteral("Darker"), modelPage);
    NameControl(mixer_darker, "mixer_darker", QStringLiteral("Darker"));
    mixer_darker->setGeometry(8, 262, 80, 20);
    mixer_darker->setChecked(true);
    mixer_lighter = new QRadioButton(QStringLiteral("Lighter"), modelPage);
    NameControl(mixer_lighter, "mixer_lighter", QStringLiteral("Lighter"));
    mixer_lighter->setGeometry(96, 262, 80, 20);

    auto paintBox = [](const TRgbColor* color) {
        return [color](QPainter& p, const QRect&) {
            p.setPen(QColor(71, 71, 71));
            p.setBrush(QColor(color->Red & 0xFF, color->Green & 0xFF, color->Blue & 0xFF));
            p.drawRect(0, 0, 59, 39);
        };
    };
    result_newColor->onPaint = paintBox(&form_.NewColor);
    result_oldColor->onPaint = paintBox(&form_.LastAddedColor);
}

void TColorArea::SetCurrentColor(int red, int green, int blue)
{
    form_.NewColor = {red, green, blue};
    RefreshColorModel();
}

void TColorArea::RefreshColorModel()
{
    result_newColorPaint();
}

void TColorArea::result_newColorPaint()
{
    result_newColor->update();
    rgbInput_R->setValue(form_.NewColor.Red);
    rgbInput_G->setValue(form_.NewColor.Green);
    rgbInput_B->setValue(form_.NewColor.Blue);
    hexInput->setText(ColorToHex(MakeColorValue(form_.NewColor)));
}

void TColorArea::result_oldColorPaint()
{
    result_oldColor->update();
}
