#include "palette/LibraryPage.h"

#include "platform/Services.h"
#include "widgets/SizeChoice.h"
#include "widgets/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>

TLibraryPage::TLibraryPage(QObject* parent, TLibraryState& library, THooks hooks, QWidget* page)
    : QObject(parent)
    , library_(library)
    , hooks_(std::move(hooks))
{
    auto* label = new QLabel(QStringLiteral("Libraries :"), page);
    label->setObjectName("label_libraries");
    label->setGeometry(8, 11, 60, 18);
    combo_lab = new QComboBox(page);
    NameControl(combo_lab, "combo_lab", QStringLiteral("Libraries"));
    combo_lab->setEditable(false);
    combo_lab->setGeometry(66, 8, 217, 22);

    JvScrollBox3 = new TScrollBox(page, QColor(248, 248, 248));
    NameControl(JvScrollBox3, "JvScrollBox3", QStringLiteral("Library colors"));
    JvScrollBox3->setGeometry(8, 38, 273, 193);
    JvScrollBox3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    libraryPalette = new TPaintBox;
    NameControl(libraryPalette, "libraryPalette", QStringLiteral("Library swatches"));
    libraryPalette->setGeometry(1, 1, SwatchLibrary::ViewWidth, 30);
    JvScrollBox3->setInsetWidget(libraryPalette, QPoint(1, 1));

    auto* sizeLabel = new QLabel(QStringLiteral("Swatch size :"), page);
    sizeLabel->setObjectName("label_swatchSize");
    sizeLabel->setGeometry(8, 241, 72, 18);
    sizeChoice = new TSizeChoice(page, {"lb_large", {82, 240, 58, 20}}, {"lb_medium", {140, 240, 70, 20}},
                                 {"lb_small", {212, 240, 60, 20}});
    lb_large = sizeChoice->large;
    lb_medium = sizeChoice->medium;
    lb_small = sizeChoice->small;

    connect(combo_lab, &QComboBox::currentIndexChanged, this, [this](int) { combo_labPropertiesChange(); });
    // The drop-down list has no signal of its own for closing.
    combo_lab->view()->window()->installEventFilter(this);
    connect(sizeChoice, &TSizeChoice::changed, this, &TLibraryPage::SizeChanged);

    libraryPalette->onPaint = [this](QPainter& p, const QRect& exposed) {
        Grid().Paint(p, library_.LibrarySwatches, library_.LibrarySelectedSwatch, exposed);
    };
    libraryPalette->onMouseDown = [this](Qt::MouseButton b, QPoint p) { libraryPaletteMouseDown(b, p); };
    libraryPalette->onMouseUp = [this](Qt::MouseButton, QPoint) { libraryPaletteMouseUp(); };
    libraryPalette->onDblClick = [this] { libraryPaletteDblClick(); };
}

bool TLibraryPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == combo_lab->view()->window())
        combo_labPropertiesCloseUp();
    return QObject::eventFilter(watched, event);
}

QString TLibraryPage::LibraryFolder() const
{
    return hooks_.sources().programLibrary;
}

TSwatchSize TLibraryPage::SizeChoice() const
{
    return sizeChoice->Size();
}

TSwatchGrid TLibraryPage::Grid() const
{
    return SwatchLibrary::LibraryGrid(LibrarySwatchWidth);
}

void TLibraryPage::StartUp()
{
    library_.LibrarySwatches.clear();
    ListSwatchLibraries();
    // Selecting the first entry loads it.
    if (combo_lab->count() > 0) {
        if (combo_lab->currentIndex() == 0)
            combo_labPropertiesChange();
        else
            combo_lab->setCurrentIndex(0);
    }
    library_.LibrarySelectedSwatch = -1;
    libraryPalettePaint();
}

void TLibraryPage::ListSwatchLibraries()
{
    // Loading happens when an entry is selected, not while the list fills.
    const QSignalBlocker blocker(combo_lab);
    // Names only: no file is read until its library is chosen.
    for (const SwatchLibrary::TLibraryEntry& entry : SwatchLibrary::ListAllLibraries(hooks_.sources()))
        combo_lab->addItem(entry.label, entry.path);
}

void TLibraryPage::LoadSwatchLibrary()
{
    QString path = combo_lab->currentData().toString();
    if (path.isEmpty())
        path = SwatchLibrary::LibraryFilePath(LibraryFolder(), combo_lab->currentText());
    std::vector<TSwatch> swatches;
    const TFileResult read = SwatchLibrary::LoadLibraryFile(path, swatches);
    if (!read) {
        // The library shown before stays loaded and on screen.
        Services().dialogs->message(TMsgIcon::Error, read.error);
        return;
    }
    library_.LibrarySwatches = std::move(swatches);
    library_.LibrarySelectedSwatch = -1;
    if (library_.LibrarySwatchCount() > 0) {
        ApplyLibrarySwatchSize();
        LayoutLibrary();
    }
    libraryPalettePaint();
}

void TLibraryPage::ApplyLibrarySwatchSize()
{
    LibrarySwatchWidth = LibrarySwatchHeight = SwatchLibrary::ApplyLibrarySwatchSize(SizeChoice());
}

void TLibraryPage::LayoutLibrary()
{
    Grid().Layout(library_.LibrarySwatches);
}

void TLibraryPage::libraryPalettePaint()
{
    if (library_.LibrarySwatchCount() == 0)
        library_.LibrarySelectedSwatch = -1;
    libraryPalette->resize(SwatchLibrary::ViewWidth, Grid().ViewHeight(library_.LibrarySwatches.size()));
    libraryPalette->update();
}

void TLibraryPage::combo_labPropertiesChange()
{
    LoadSwatchLibrary();
}

void TLibraryPage::combo_labPropertiesCloseUp()
{
    libraryPalettePaint();
}

void TLibraryPage::SizeChanged()
{
    ApplyLibrarySwatchSize();
    LayoutLibrary();
    libraryPalettePaint();
}

void TLibraryPage::libraryPaletteMouseDown(Qt::MouseButton, QPoint p)
{
    const int hit = Grid().HitTest(library_.LibrarySwatches, p);
    if (hit < 0)
        return;
    library_.LibrarySelectedSwatch = hit;
    libraryPalettePaint();
    // The colour taken is the one drawn: a value outside 0..255 from a
    // hand-made file gives its low 8 bits, as the view shows it.
    const TSwatch s = library_.LibrarySwatches[std::size_t(hit)];
    hooks_.setColor({s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF});
}

void TLibraryPage::libraryPaletteMouseUp()
{
    hooks_.pointerReleased();
}

void TLibraryPage::libraryPaletteDblClick()
{
    // The first click of the double click has made the swatch's colour the
    // current colour already.
    hooks_.addCurrentColor();
}
