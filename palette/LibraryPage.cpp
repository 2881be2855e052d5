#include "palette/LibraryPage.h"

#include "palette/PalettePage.h"
#include "widgets/Widgets.h"
#include "platform/Services.h"

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
    lb_large = new QRadioButton(QStringLiteral("large"), page);
    NameControl(lb_large, "lb_large", QStringLiteral("large"));
    lb_large->setGeometry(82, 240, 58, 20);
    lb_medium = new QRadioButton(QStringLiteral("medium"), page);
    NameControl(lb_medium, "lb_medium", QStringLiteral("medium"));
    lb_medium->setGeometry(140, 240, 70, 20);
    lb_medium->setChecked(true);
    lb_small = new QRadioButton(QStringLiteral("small"), page);
    NameControl(lb_small, "lb_small", QStringLiteral("small"));
    lb_small->setGeometry(212, 240, 60, 20);

    connect(combo_lab, &QComboBox::currentIndexChanged, this, [this](int) { combo_labPropertiesChange(); });
    // The drop-down list has no signal of its own for closing.
    combo_lab->view()->window()->installEventFilter(this);
    connect(lb_large, &QRadioButton::clicked, this, &TLibraryPage::lb_largeClick);
    connect(lb_medium, &QRadioButton::clicked, this, &TLibraryPage::lb_mediumClick);
    connect(lb_small, &QRadioButton::clicked, this, &TLibraryPage::lb_smallClick);

    libraryPalette->onPaint = [this](QPainter& p, const QRect&) { DrawLibrary(p); };
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
    return SizeChoiceOf(lb_large, lb_medium);
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
    SwatchLibrary::LayoutLibrary(library_.LibrarySwatches, LibrarySwatchWidth);
}

void TLibraryPage::libraryPalettePaint()
{
    if (library_.LibrarySwatchCount() == 0)
        library_.LibrarySelectedSwatch = -1;
    libraryPalette->resize(SwatchLibrary::ViewWidth,
                           SwatchLibrary::LibraryViewHeight(library_.LibrarySwatchCount(), LibrarySwatchHeight));
    libraryPalette->update();
}

void TLibraryPage::DrawLibrary(QPainter& p) const
{
    // Each cell covers (c - 1) x (c - 1) pixels from its corner: a border
    // line around the colour, and a 1-pixel gap to the next cell. The
    // selected cell's border is a 3-pixel white line centred on that border.
    const int c = LibrarySwatchWidth;
    const QColor border(80, 80, 80);
    const QColor selectedBorder(255, 255, 255);
    for (int i = 0; i < library_.LibrarySwatchCount(); ++i) {
        const TSwatch& s = library_.LibrarySwatches[std::size_t(i)];
        const QColor fill(s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF);
        if (i == library_.LibrarySelectedSwatch) {
            p.fillRect(s.Left - 1, s.Top - 1, c + 1, c + 1, selectedBorder);
            p.fillRect(s.Left + 2, s.Top + 2, c - 5, c - 5, fill);
        } else {
            p.fillRect(s.Left, s.Top, c - 1, c - 1, border);
            p.fillRect(s.Left + 1, s.Top + 1, c - 3, c - 3, fill);
        }
    }
}

void TLibraryPage::combo_labPropertiesChange()
{
    LoadSwatchLibrary();
}

void TLibraryPage::combo_labPropertiesCloseUp()
{
    libraryPalettePaint();
}

void TLibraryPage::SizeChoiceClick()
{
    ApplyLibrarySwatchSize();
    LayoutLibrary();
    libraryPalettePaint();
}

void TLibraryPage::libraryPaletteMouseDown(Qt::MouseButton, QPoint p)
{
    const int hit = SwatchLibrary::HitSwatch(library_.LibrarySwatches, LibrarySwatchWidth, p);
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
