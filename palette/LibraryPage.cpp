#include "palette/LibraryPage.h"

#include "app/TForm1.h"
#include "app/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

TLibraryPage::TLibraryPage(TForm1& form, QWidget* page)
    : QObject(&form)
    , form_(form)
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
    libraryPalette = new TPaintBox;
    NameControl(libraryPalette, "libraryPalette", QStringLiteral("Library swatches"));
    libraryPalette->setGeometry(1, 1, 246, 30);
    JvScrollBox3->setWidget(libraryPalette);
    libraryPalette->move(1, 1);

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
}

void TLibraryPage::StartUp()
{
    form_.LibrarySwatches.clear();
    form_.LibrarySelectedSwatch = -1;
}
