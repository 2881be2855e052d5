#include "palette/PalettePage.h"

#include "platform/Services.h"
#include "widgets/SizeChoice.h"
#include "widgets/Widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

TPalettePage::TPalettePage(QObject* parent, TPaletteModel& pal, THooks hooks, QWidget* page)
    : QObject(parent)
    , pal_(pal)
    , hooks_(std::move(hooks))
{
    JvScrollBox1 = new TScrollBox(page, Qt::white);
    NameControl(JvScrollBox1, "JvScrollBox1", QStringLiteral("Palette colors"));
    JvScrollBox1->setGeometry(10, 8, 313, 137);
    Color_myPalette = new TPaintBox;
    NameControl(Color_myPalette, "Color_myPalette", QStringLiteral("Palette"));
    Color_myPalette->setGeometry(1, 1, TPaletteModel::ViewWidth, 30);
    JvScrollBox1->setInsetWidget(Color_myPalette, QPoint(1, 1));

    b_ppAdd = new TImageButton(QStringLiteral("Add"), page);
    NameControl(b_ppAdd, "b_ppAdd", QStringLiteral("Add"));
    b_ppAdd->setGeometry(9, 155, 66, 22);
    b_ppWatch = new TImageButton(QStringLiteral("Watch"), page);
    NameControl(b_ppWatch, "b_ppWatch", QStringLiteral("Watch"));
    b_ppWatch->setGeometry(76, 155, 66, 22);
    b_ppSwap = new TImageButton(QStringLiteral("Swap"), page);
    NameControl(b_ppSwap, "b_ppSwap", QStringLiteral("Swap"));
    b_ppSwap->setGeometry(143, 155, 66, 22);
    b_ppDel = new TImageButton(QStringLiteral("Delete"), page);
    NameControl(b_ppDel, "b_ppDel", QStringLiteral("Delete"));
    b_ppDel->setGeometry(209, 155, 66, 22);

    auto* sizeLabel = new QLabel(QStringLiteral("Palette size :"), page);
    sizeLabel->setObjectName("label_paletteSize");
    sizeLabel->setGeometry(10, 189, 75, 18);
    sizeChoice = new TSizeChoice(page, {"check_large", {88, 188, 60, 20}}, {"check_medium", {148, 188, 70, 20}},
                                 {"check_small", {222, 188, 60, 20}});
    check_large = sizeChoice->large;
    check_medium = sizeChoice->medium;
    check_small = sizeChoice->small;

    Color_myPalette->onPaint = [this](QPainter& p, const QRect& exposed) {
        const TPaletteModel& pal = pal_;
        LastPaintedCells = pal.Grid().Paint(p, pal.Palette, pal.SelectedSwatch, exposed);
    };
    Color_myPalette->onMouseDown = [this](Qt::MouseButton button, QPoint at) { Color_myPaletteMouseDown(button, at); };
    Color_myPalette->onMouseUp = [this](Qt::MouseButton, QPoint) { Color_myPaletteMouseUp(); };
    Color_myPalette->onDblClick = [this] { Color_myPaletteDblClick(); };

    connect(b_ppAdd, &QAbstractButton::clicked, this, [this] { b_ppAddClick(); });
    connect(b_ppSwap, &QAbstractButton::clicked, this, [this] { b_ppSwapClick(); });
    connect(b_ppDel, &QAbstractButton::clicked, this, [this] { b_ppDelClick(); });
    // Watch acts when the button goes down, with any mouse button.
    b_ppWatch->installEventFilter(this);

    connect(sizeChoice, &TSizeChoice::changed, this, &TPalettePage::SizeChanged);
}

TSwatchSize TPalettePage::SizeChoice() const
{
    return sizeChoice->Size();
}

void TPalettePage::ApplySwatchSize()
{
    pal_.ApplySwatchSize(SizeChoice());
}

void TPalettePage::EnableEditButtons(bool enabled)
{
    b_ppDel->setEnabled(enabled);
    b_ppSwap->setEnabled(enabled);
    b_ppWatch->setEnabled(enabled);
}

bool TPalettePage::HasSelection() const
{
    const TPaletteModel& pal = pal_;
    return pal.SelectedSwatch >= 0 && pal.SelectedSwatch < pal.SwatchCount();
}

// Repaint: sets the view's height and has the visible part drawn again.
void TPalettePage::Color_myPalettePaint()
{
    TPaletteModel& pal = pal_;
    if (pal.SwatchCount() == 0) {
        pal.SelectedSwatch = -1;
        EnableEditButtons(false);
    }
    Color_myPalette->resize(TPaletteModel::ViewWidth, pal.PaletteViewHeight());
    Color_myPalette->update();
}

void TPalettePage::Color_myPaletteMouseDown(Qt::MouseButton, QPoint at)
{
    const std::int32_t hit = pal_.SwatchAt(at.x(), at.y());
    if (hit < 0)
        return;
    pal_.SelectedSwatch = hit;
    Color_myPalettePaint();
}

void TPalettePage::Color_myPaletteMouseUp()
{
    hooks_.pointerReleased();
}

void TPalettePage::ApplySelectedSwatch()
{
    const TSwatch& s = pal_.Palette[std::size_t(pal_.SelectedSwatch)];
    // The cell shows the low byte of each channel; that is the colour taken.
    hooks_.setColor({s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF});
    hooks_.clearOtherSelections();
}

void TPalettePage::Color_myPaletteDblClick()
{
    if (!HasSelection())
        return;
    ApplySelectedSwatch();
    hooks_.status(QStringLiteral("Watch a color"), hooks_.pageCaption());
    hooks_.refreshTestBoard();
}

void TPalettePage::b_ppAddClick()
{
    if (hooks_.listInFront()) {
        // Open the palette chosen in the list first. When nothing could be
        // opened (no entry selected, or the file failed to read) the list
        // stays in front and nothing is added.
        hooks_.openSelected();
        if (hooks_.listInFront())
            return;
    }
    TPaletteModel& pal = pal_;
    const TRgbColor current = hooks_.currentColor();
    pal.Palette.push_back({current.Red, current.Green, current.Blue, 0, 0});
    ApplySwatchSize();
    pal.LayoutPalette();
    EnableEditButtons(true);
    Color_myPalettePaint();
    JvScrollBox1->scrollToEnd();
    const TSwatch& added = pal.Palette.back();
    hooks_.colorAdded({added.Red, added.Green, added.Blue});
    pal.PaletteSaved = false;
    hooks_.status0(QStringLiteral("Added a new color"));
}

void TPalettePage::b_ppSwapClick()
{
    TPaletteModel& pal = pal_;
    if (pal.SwatchCount() == 0) {
        Services().dialogs->message(TMsgIcon::None,
                                    QStringLiteral("You have not added any color in your palette yet."));
        return;
    }
    if (!HasSelection()) {
        Services().dialogs->message(
            TMsgIcon::Information,
            QStringLiteral("You need to select one color on your palette to \nswap it with the new color."));
        return;
    }
    TSwatch& s = pal.Palette[std::size_t(pal.SelectedSwatch)];
    const TRgbColor current = hooks_.currentColor();
    s.Red = current.Red;
    s.Green = current.Green;
    s.Blue = current.Blue;
    pal.PaletteSaved = false;
    Color_myPalettePaint();
    hooks_.status(QStringLiteral("A color is swapped"), hooks_.pageCaption());
}

void TPalettePage::b_ppWatchMouseDown()
{
    if (pal_.SwatchCount() == 0)
        return;
    if (!HasSelection()) {
        Services().dialogs->message(TMsgIcon::Information,
                                    QStringLiteral("You have not select any color on your palette yet."));
        return;
    }
    ApplySelectedSwatch();
    hooks_.refreshTestBoard();
    hooks_.status(QStringLiteral("Watch a color"), hooks_.pageCaption());
}

void TPalettePage::b_ppWatchMouseUp()
{
    hooks_.pointerReleased();
}

void TPalettePage::b_ppDelClick()
{
    TPaletteModel& pal = pal_;
    if (!HasSelection()) {
        Services().dialogs->message(TMsgIcon::Warning,
                                    QStringLiteral("You can not delete color from palette now !\nThe reason may "
                                                   "because your palette is empty or you have not \nselected any "
                                                   "color yet."));
        return;
    }
    if (!Services().dialogs->ask(TMsgIcon::Warning,
                                 QStringLiteral("A deleted color can not be restored!\nDo you want to continue ?")))
        return;
    // The question may have given way to other changes; check again.
    if (!HasSelection())
        return;
    const std::int32_t k = pal.SelectedSwatch;
    const bool wasLast = k == pal.SwatchCount() - 1;
    pal.Palette.erase(pal.Palette.begin() + k);
    if (!wasLast) {
        // The swatch that followed takes the place and the selection.
        pal.LayoutPalette();
    } else if (k > 0) {
        pal.SelectedSwatch = k - 1;
    } else {
        pal.SelectedSwatch = -1;
        EnableEditButtons(false);
    }
    pal.PaletteSaved = false;
    Color_myPalettePaint();
    hooks_.status(QStringLiteral("A color is deleted"), hooks_.pageCaption());
}

void TPalettePage::SizeChanged()
{
    ApplySwatchSize();
    pal_.LayoutPalette();
    Color_myPalettePaint();
}

bool TPalettePage::eventFilter(QObject* watched, QEvent* event)
{
    // Input only: other events also arrive while the window is being taken
    // down, when the hooks must not be called.
    bool down = false, up = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: down = true; break;
    case QEvent::MouseButtonRelease: up = true; break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
            down = event->type() == QEvent::KeyPress;
            up = !down;
        }
        break;
    }
    default: break;
    }
    if ((down || up) && watched == b_ppWatch && b_ppWatch->isEnabled()) {
        if (down) {
            // When a box is about to be shown, the button must not stay down
            // behind it: the release would go to the box.
            const bool boxComing = pal_.SwatchCount() > 0 && !HasSelection();
            b_ppWatchMouseDown();
            return boxComing;
        }
        b_ppWatchMouseUp();
    }
    return QObject::eventFilter(watched, event);
}

void TPalettePage::AppendSwatches(const std::vector<TSwatch>& swatches)
{
    TPaletteModel& pal = pal_;
    for (const TSwatch& g : swatches)
        pal.Palette.push_back({g.Red, g.Green, g.Blue, 0, 0});
    ApplySwatchSize();
    pal.LayoutPalette();
    EnableEditButtons(true);
    Color_myPalettePaint();
    JvScrollBox1->scrollToEnd();
    pal.PaletteSaved = false;
}
