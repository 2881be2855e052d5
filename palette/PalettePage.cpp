#include "palette/PalettePage.h"

#include "app/TForm1.h"
#include "app/Widgets.h"

#include <QLabel>
#include <QPainter>
#include <QRadioButton>

TPalettePage::TPalettePage(TForm1& form, QWidget* page)
    : QObject(&form)
    , form_(form)
{
    JvScrollBox1 = new TScrollBox(page, Qt::white);
    NameControl(JvScrollBox1, "JvScrollBox1", QStringLiteral("Palette colors"));
    JvScrollBox1->setGeometry(10, 8, 313, 137);
    Color_myPalette = new TPaintBox;
    NameControl(Color_myPalette, "Color_myPalette", QStringLiteral("Palette"));
    Color_myPalette->setGeometry(1, 1, TPaletteModel::ViewWidth, 30);
    JvScrollBox1->setWidget(Color_myPalette);
    Color_myPalette->move(1, 1);

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
    check_large = new QRadioButton(QStringLiteral("large"), page);
    NameControl(check_large, "check_large", QStringLiteral("large"));
    check_large->setGeometry(88, 188, 60, 20);
    check_medium = new QRadioButton(QStringLiteral("medium"), page);
    NameControl(check_medium, "check_medium", QStringLiteral("medium"));
    check_medium->setGeometry(148, 188, 70, 20);
    check_medium->setChecked(true);
    check_small = new QRadioButton(QStringLiteral("small"), page);
    NameControl(check_small, "check_small", QStringLiteral("small"));
    check_small->setGeometry(222, 188, 60, 20);

    Color_myPalette->onPaint = [this](QPainter& p, const QRect&) {
        const TPaletteModel& pal = form_.Pal;
        for (int i = 0; i < pal.SwatchCount(); ++i) {
            const TSwatch& s = pal.Palette[size_t(i)];
            p.setPen(QColor(80, 80, 80));
            p.setBrush(QColor(s.Red & 0xFF, s.Green & 0xFF, s.Blue & 0xFF));
            p.drawRect(s.Left, s.Top, pal.SwatchWidth - 2, pal.SwatchHeight - 2);
        }
    };
}

TSwatchSize TPalettePage::SizeChoice() const
{
    if (check_large->isChecked())
        return TSwatchSize::Large;
    if (check_medium->isChecked())
        return TSwatchSize::Medium;
    return TSwatchSize::Small;
}

void TPalettePage::ApplySwatchSize()
{
    form_.Pal.ApplySwatchSize(SizeChoice());
}

void TPalettePage::Color_myPalettePaint()
{
    if (form_.Pal.SwatchCount() == 0) {
        form_.Pal.SelectedSwatch = -1;
        EnableEditButtons(false);
    }
    Color_myPalette->resize(TPaletteModel::ViewWidth, form_.Pal.PaletteViewHeight());
    Color_myPalette->update();
}

void TPalettePage::b_ppAddClick()
{
}

void TPalettePage::EnableEditButtons(bool enabled)
{
    b_ppDel->setEnabled(enabled);
    b_ppSwap->setEnabled(enabled);
    b_ppWatch->setEnabled(enabled);
}
