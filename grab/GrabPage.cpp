#include "grab/GrabPage.h"

#include "app/TForm1.h"
#include "app/Widgets.h"
#include "grab/ZoomWindow.h"
#include "palette/PalettePage.h"
#include "platform/Services.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QPainter>

TGrabPage::TGrabPage(TForm1& form, QWidget* page)
    : QObject(&form)
    , form_(form)
{
    JvScrollBox2 = new TScrollBox(page, QColor(248, 248, 248));
    NameControl(JvScrollBox2, "JvScrollBox2", QStringLiteral("Grabbed colors list"));
    JvScrollBox2->setGeometry(16, 8, 257, 209);
    Color_grabbed = new TPaintBox;
    NameControl(Color_grabbed, "Color_grabbed", QStringLiteral("Grabbed colors"));
    Color_grabbed->setGeometry(1, 1, GrabbedViewWidth, 30);
    JvScrollBox2->setInsetWidget(Color_grabbed, QPoint(1, 1));
    Color_grabbed->setAutoFillBackground(false); // the box's own tint shows between the cells

    ImageButton1 = new TImageButton(QStringLiteral("Start"), page);
    NameControl(ImageButton1, "ImageButton1", QStringLiteral("Start"));
    ImageButton1->setGeometry(43, 224, 66, 22);
    ImageButton2 = new TImageButton(QStringLiteral("Clear All"), page);
    NameControl(ImageButton2, "ImageButton2", QStringLiteral("Clear All"));
    ImageButton2->setGeometry(108, 224, 75, 22);
    ImageButton3 = new TImageButton(QStringLiteral("Add all"), page);
    NameControl(ImageButton3, "ImageButton3", QStringLiteral("Add all"));
    ImageButton3->setGeometry(182, 224, 66, 22);
    ImageButton3->setEnabled(false);

    hintLabel = new QLabel(QStringLiteral("Press Start to open the zoom window, and sample colors from the screen."), page);
    hintLabel->setObjectName("label_grabHint");
    hintLabel->setWordWrap(true);
    hintLabel->setGeometry(17, 247, 243, 26);

    connect(ImageButton1, &TImageButton::clicked, this, &TGrabPage::ImageButton1Click);
    connect(ImageButton2, &TImageButton::clicked, this, &TGrabPage::ImageButton2Click);
    connect(ImageButton3, &TImageButton::clicked, this, &TGrabPage::ImageButton3Click);
    Color_grabbed->onPaint = [this](QPainter& p, const QRect& exposed) {
        if (form_.GrabbedColors.empty())
            form_.GrabbedSelection = -1;
        GrabbedGrid.Paint(p, form_.GrabbedColors, form_.GrabbedSelection, exposed);
    };
    Color_grabbed->onMouseDown = [this](Qt::MouseButton, QPoint pos) { Color_grabbedMouseDown(pos); };
    Color_grabbed->onMouseUp = [this](Qt::MouseButton, QPoint) { Color_grabbedMouseUp(); };
    Color_grabbed->onDblClick = [this] { Color_grabbedDblClick(); };
}

// Start: the main window steps aside while the zoom window is open; the zoom
// window shows it again when it closes.
void TGrabPage::ImageButton1Click()
{
    form_.hide();
    {
        Tgrab_color zoom(form_);
        Services().dialogs->exec(zoom);
    }
    if (form_.isHidden())
        form_.show();
    Color_grabbedPaint();
}

void TGrabPage::StartFromOutside()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    form_.AdvPageControl1->setCurrentWidget(form_.pageGrabColors);
    ImageButton1Click();
}

void TGrabPage::ImageButton2Click()
{
    form_.GrabbedColors.clear();
    Color_grabbedPaint();
    form_.GrabbedSelection = -1;
    ImageButton3->setEnabled(false);
}

void TGrabPage::ImageButton3Click()
{
    TPaletteModel& pal = form_.Pal;
    for (const TSwatch& g : form_.GrabbedColors) {
        TSwatch s;
        s.Red = g.Red;
        s.Green = g.Green;
        s.Blue = g.Blue;
        pal.Palette.push_back(s);
    }
    form_.palettePage->ApplySwatchSize();
    pal.LayoutPalette();
    form_.palettePage->EnableEditButtons(true);
    form_.RepaintPaletteView();
    form_.palettePage->JvScrollBox1->scrollToEnd();
    if (pal.SwatchCount() > 0) {
        const TSwatch& last = pal.Palette.back();
        form_.LastAddedColor = {last.Red, last.Green, last.Blue};
    }
    form_.result_oldColorPaint();
    pal.PaletteSaved = false;
    form_.SetStatus(QStringLiteral("Added color from screen"), form_.PageCaption() + QStringLiteral("(Not saved)"));
}

void TGrabPage::Color_grabbedPaint()
{
    if (form_.GrabbedColors.empty())
        form_.GrabbedSelection = -1;
    Color_grabbed->resize(GrabbedViewWidth, GrabbedGrid.ViewHeight(form_.GrabbedColors.size()));
    Color_grabbed->update();
}

int TGrabPage::GrabbedColorAt(QPoint pos) const
{
    return GrabbedGrid.HitTest(form_.GrabbedColors, pos);
}

void TGrabPage::Color_grabbedMouseDown(QPoint pos)
{
    const int hit = GrabbedColorAt(pos);
    if (hit < 0)
        return;
    form_.GrabbedSelection = hit;
    Color_grabbedPaint();
    const TSwatch& s = form_.GrabbedColors[size_t(hit)];
    form_.SetCurrentColor(s.Red, s.Green, s.Blue);
}

void TGrabPage::Color_grabbedMouseUp()
{
    form_.PointerPicking = false;
}

void TGrabPage::Color_grabbedDblClick()
{
    form_.b_ppAddClick();
}
