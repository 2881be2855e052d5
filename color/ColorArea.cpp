#include "color/ColorArea.h"

#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QKeyEvent>
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

TColorArea::TColorArea(TColorState& state, THooks hooks, QWidget& window, QWidget* leftColumn, QWidget* modelPage)
    : QObject(&window)
    , state_(state)
    , hooks_(std::move(hooks))
    , window_(window)
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

    // The two colour boxes are plain fills of the state they show.
    auto paintBox = [](TPaintBox* box, const TRgbColor* color) {
        return [box, color](QPainter& p, const QRect&) {
            DescribeColor(box, color->Red, color->Green, color->Blue);
            p.setPen(QColor(71, 71, 71));
            p.setBrush(QColor(color->Red & 0xFF, color->Green & 0xFF, color->Blue & 0xFF));
            p.drawRect(0, 0, 59, 39);
        };
    };
    result_newColor->onPaint = paintBox(result_newColor, &state_.NewColor);
    result_oldColor->onPaint = paintBox(result_oldColor, &state_.LastAddedColor);

    // The square, the tracker and the mixer show what their handlers painted.
    squareShown_.picture = &square_;
    trackerShown_.picture = &tracker_;
    mixerShown_.picture = &mixer_;
    // A paint that the window system asks for (the window uncovered, a page
    // shown again) brings the strip's cells and the square's marker colour
    // up to the current colour, which a mixer pick leaves behind.
    Color_model1->onPaint = [this](QPainter& p, const QRect&) {
        if (MarkerColorFor(state_.NewColor) != squareMarker_)
            RedrawSquare();
        if (MixerSteps(state_.NewColor, mixer_darker->isChecked()) != MixerCells)
            Color_mixer->update();
        squareShown_.show(p);
    };
    Color_tracker->onPaint = [this](QPainter& p, const QRect&) { trackerShown_.show(p); };
    Color_mixer->onPaint = [this](QPainter& p, const QRect&) {
        const TMixerCells cells = MixerSteps(state_.NewColor, mixer_darker->isChecked());
        if (cells != MixerCells || mixer_.isNull()) {
            MixerCells = cells;
            DrawMixerStrip(mixer_, MixerCells);
        }
        mixerShown_.show(p);
    };

    Color_model1->onMouseDown = [this](Qt::MouseButton, QPoint pos) { Color_model1MouseDown(pos.x(), pos.y()); };
    Color_model1->onMouseMove = [this](QPoint pos) { Color_model1MouseMove(pos.x(), pos.y()); };
    Color_model1->onMouseUp = [this](Qt::MouseButton, QPoint) { Color_model1MouseUp(); };
    Color_model1->onDblClick = [this] { Color_model1DblClick(); };
    Color_tracker->onMouseDown = [this](Qt::MouseButton, QPoint pos) { Color_trackerMouseDown(pos.y()); };
    Color_tracker->onMouseMove = [this](QPoint pos) { Color_trackerMouseMove(pos.y()); };
    Color_tracker->onMouseUp = [this](Qt::MouseButton, QPoint) { Color_trackerMouseUp(); };
    Color_mixer->onMouseDown = [this](Qt::MouseButton, QPoint pos) { Color_mixerMouseDown(pos.x()); };
    Color_mixer->onMouseUp = [this](Qt::MouseButton, QPoint) { Color_mixerMouseUp(); };

    connect(mixer_darker, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            mixer_darkerClick();
    });
    connect(mixer_lighter, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            mixer_lighterClick();
    });

    // QSpinBox and QLineEdit signal a change only when the value differs from
    // the one shown, whoever sets it; that is what ends the chain of refreshes.
    connect(rgbInput_R, &QSpinBox::valueChanged, this, &TColorArea::rgbInput_RPropertiesChange);
    connect(rgbInput_G, &QSpinBox::valueChanged, this, &TColorArea::rgbInput_GPropertiesChange);
    connect(rgbInput_B, &QSpinBox::valueChanged, this, &TColorArea::rgbInput_BPropertiesChange);
    connect(hexInput, &QLineEdit::textChanged, this, &TColorArea::hexInputChange);
    hexInput->installEventFilter(this);
    // Composed input would bypass the key filter.
    hexInput->setAttribute(Qt::WA_InputMethodEnabled, false);

    // A modal window opened during a press takes the release away from us.
    window_.installEventFilter(this);
}

// ---------------------------------------------------------------- pictures

void TColorArea::TShownPicture::show(QPainter& p)
{
    if (!picture || picture->isNull())
        return;
    const qreal ratio = p.deviceTransform().m11();
    if (ratio == 1) {
        p.drawImage(QPoint(0, 0), *picture);
        return;
    }
    // On a denser screen, scale by whole box pixels ourselves: the painter's
    // own scaling samples pixel centres and may show a neighbour.
    if (device.isNull() || key != picture->cacheKey() || device.devicePixelRatio() != ratio) {
        device = ScaleToDevice(*picture, ratio);
        key = picture->cacheKey();
    }
    p.drawImage(QPointF(0, 0), device);
}

// ---------------------------------------------------------- current colour

void TColorArea::SetCurrentColor(int red, int green, int blue)
{
    state_.NewColor = {red, green, blue};
    RefreshColorModel();
}

void TColorArea::RefreshColorModel()
{
    const TMarkerPlaces places = PlaceMarkers(state_.NewColor);
    state_.ModelX = places.ModelX;
    state_.ModelY = places.ModelY;
    state_.HueColor = places.HueColor;
    Color_model1Paint();
    state_.TrackerY = places.TrackerY;
    Color_trackerPaint();
}

void TColorArea::result_newColorPaint()
{
    result_newColor->update();
    const TRgbColor c = state_.NewColor;
    rgbInput_R->setValue(c.Red);
    rgbInput_G->setValue(c.Green);
    rgbInput_B->setValue(c.Blue);
    const QString hex = ColorToHex(MakeColorValue(state_.NewColor));
    // Rewriting the same text would still move the cursor of a user typing.
    if (hexInput->text() != hex)
        hexInput->setText(hex);
}

void TColorArea::result_oldColorPaint()
{
    result_oldColor->update();
}

// ------------------------------------------------------------------ inputs

void TColorArea::channelChanged(std::int32_t TRgbColor::*channel, const QSpinBox* edit)
{
    if (!state_.PointerPicking) {
        state_.NewColor.*channel = edit->value();
        RefreshColorModel();
        hooks_.colorEdited();
    } else {
        // The pointer drives the colour; the inputs only show it.
        hooks_.deselectGrabbed();
        hooks_.deselectLibrary();
    }
}

void TColorArea::rgbInput_RPropertiesChange()
{
    channelChanged(&TRgbColor::Red, rgbInput_R);
}
void TColorArea::rgbInput_GPropertiesChange()
{
    channelChanged(&TRgbColor::Green, rgbInput_G);
}
void TColorArea::rgbInput_BPropertiesChange()
{
    channelChanged(&TRgbColor::Blue, rgbInput_B);
}

bool TColorArea::hexInputKeyPress(const QString& typed)
{
    for (const QChar ch : typed) {
        const char16_t u = ch.unicode();
        // Control characters (backspace, the editing shortcuts) and delete
        // are keys, not text.
        if (u < 32 || u == 127)
            continue;
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f'))
            continue;
        return false;
    }
    return true;
}

void TColorArea::hexInputChange()
{
    const QString text = hexInput->text();
    if (text.size() < 6)
        return;
    if (state_.PointerPicking) {
        hooks_.deselectGrabbed();
        hooks_.deselectLibrary();
        return;
    }
    const THexResult hex = HexToColor(text);
    if (!hex.ok) {
        // Pasted text can hold anything; keep it and the colour as they are.
        Services().dialogs->message(TMsgIcon::Error, hex.error);
        return;
    }
    const TRgbColor c = SplitColorValue(hex.color);
    state_.NewColor = c;
    rgbInput_R->setValue(c.Red);
    rgbInput_G->setValue(c.Green);
    rgbInput_B->setValue(c.Blue);
    RefreshColorModel();
    hooks_.colorEdited();
}

bool TColorArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == hexInput && event->type() == QEvent::KeyPress) {
        // Ctrl and Meta combinations are commands (paste, undo), not typing.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) && !hexInputKeyPress(key->text()))
            return true;
    } else if (watched == &window_ && event->type() == QEvent::WindowBlocked) {
        endPointerPress();
    }
    return QObject::eventFilter(watched, event);
}

void TColorArea::endPointerPress()
{
    state_.ModelDragging = false;
    state_.TrackerDragging = false;
    state_.PointerPicking = false;
}

// ------------------------------------------------------ square and tracker

void TColorArea::DrawModelImage(const TRgbColor& color)
{
    const auto hue = std::int32_t(RgbToHsb(color).Hue);
    // The picture is the hue's alone: a change that keeps the hue (a channel
    // typed, a step darker, a drag across the square) keeps the picture.
    if (hue != filledHue_ || state_.ModelImage.cacheKey() != filledKey_) {
        FillModelImage(state_.ModelImage, hue);
        filledHue_ = hue;
        filledKey_ = state_.ModelImage.cacheKey();
    }
    if (square_.size() != QSize(ModelBoxSize, ModelBoxSize))
        square_ = QImage(ModelBoxSize, ModelBoxSize, QImage::Format_RGB32);
    StretchNearest(state_.ModelImage, square_);
}

void TColorArea::Color_model1Paint()
{
    DrawModelImage(state_.HueColor);
    if (state_.PointerPicking) {
        // The colour shown under the marker, before the marker covers it.
        const QRgb shown = square_.pixel(state_.ModelX, state_.ModelY);
        state_.NewColor = {qRed(shown), qGreen(shown), qBlue(shown)};
    }
    squareMarker_ = MarkerColorFor(state_.NewColor);
    DrawModelMarker(square_, state_.ModelX, state_.ModelY, squareMarker_);
    Color_model1->update();
    Color_mixerPaint();
    result_newColorPaint();
}

void TColorArea::RedrawSquare()
{
    // The same hue and marker place, the marker in the current colour's shade.
    DrawModelImage(state_.HueColor);
    squareMarker_ = MarkerColorFor(state_.NewColor);
    DrawModelMarker(square_, state_.ModelX, state_.ModelY, squareMarker_);
}

void TColorArea::Color_model1MouseDown(int x, int y)
{
    state_.ModelDragging = true;
    state_.PointerPicking = true;
    state_.ModelX = LimitModelPosition(x);
    state_.ModelY = LimitModelPosition(y);
    Color_model1Paint();
    hooks_.deselectGrabbed();
}

void TColorArea::Color_model1MouseMove(int x, int y)
{
    if (!state_.ModelDragging)
        return;
    state_.ModelX = LimitModelPosition(x);
    state_.ModelY = LimitModelPosition(y);
    Color_model1Paint();
}

void TColorArea::Color_model1MouseUp()
{
    state_.ModelDragging = false;
    state_.PointerPicking = false;
}

void TColorArea::Color_model1DblClick()
{
    hooks_.addToPalette();
}

void TColorArea::Color_trackerPaint()
{
    if (tracker_.size() != QSize(TrackerBoxWidth, TrackerBoxHeight))
        tracker_ = QImage(TrackerBoxWidth, TrackerBoxHeight, QImage::Format_RGB32);
    if (state_.HueStrip.isNull())
        tracker_.fill(Qt::black);
    else
        StretchNearest(state_.HueStrip, tracker_);
    DrawTrackerFrame(tracker_, state_.TrackerY);
    Color_tracker->update();
}

void TColorArea::Color_trackerMouseDown(int y)
{
    state_.TrackerDragging = true;
    state_.PointerPicking = true;
    Color_trackerMouseMove(y);
    hooks_.deselectGrabbed();
}

void TColorArea::Color_trackerMouseMove(int y)
{
    if (!state_.TrackerDragging)
        return;
    state_.TrackerY = LimitModelPosition(y);
    Color_trackerPaint();
    // Column 12 of the marker row is strip colour: the frame leaves it free.
    const QRgb hue = tracker_.pixel(12, state_.TrackerY);
    state_.HueColor = {qRed(hue), qGreen(hue), qBlue(hue)};
    Color_model1Paint();
}

void TColorArea::Color_trackerMouseUp()
{
    state_.TrackerDragging = false;
    state_.PointerPicking = false;
}

// ------------------------------------------------------------------- mixer

void TColorArea::Color_mixerPaint()
{
    MixerCells = MixerSteps(state_.NewColor, mixer_darker->isChecked());
    DrawMixerStrip(mixer_, MixerCells);
    Color_mixer->update();
}

void TColorArea::mixer_darkerClick()
{
    Color_mixerPaint();
}
void TColorArea::mixer_lighterClick()
{
    Color_mixerPaint();
}

void TColorArea::Color_mixerMouseDown(int x)
{
    const int cell = MixerCellAt(MixerCells, x);
    if (cell >= 0) {
        const TMixerCell& c = MixerCells[cell];
        state_.PointerPicking = true;
        state_.NewColor = {c.Red, c.Green, c.Blue};
        // Only the "New :" box and the inputs follow; the strip, the square
        // and the tracker keep their pictures until they are painted again.
        result_newColorPaint();
    }
    hooks_.deselectGrabbed();
}

void TColorArea::Color_mixerMouseUp()
{
    state_.PointerPicking = false;
}
