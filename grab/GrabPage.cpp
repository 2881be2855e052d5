#include "grab/GrabPage.h"

#include "grab/ZoomWindow.h"
#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

TGrabPage::TGrabPage(TGrabState& grab, THooks hooks, QWidget& window, QWidget* page)
    : QObject(&window)
    , grab_(grab)
    , hooks_(std::move(hooks))
    , window_(window)
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

    hintLabel =
        new QLabel(QStringLiteral("Press Start to open the zoom window, and sample colors from the screen."), page);
    hintLabel->setObjectName("label_grabHint");
    hintLabel->setWordWrap(true);
    hintLabel->setGeometry(17, 247, 243, 26);

    connect(ImageButton1, &TImageButton::clicked, this, &TGrabPage::ImageButton1Click);
    connect(ImageButton2, &TImageButton::clicked, this, &TGrabPage::ImageButton2Click);
    connect(ImageButton3, &TImageButton::clicked, this, &TGrabPage::ImageButton3Click);
    Color_grabbed->onPaint = [this](QPainter& p, const QRect& exposed) {
        if (grab_.GrabbedColors.empty())
            grab_.GrabbedSelection = -1;
        TGrabState::Grid.Paint(p, grab_.GrabbedColors, grab_.GrabbedSelection, exposed);
    };
    Color_grabbed->onMouseDown = [this](Qt::MouseButton, QPoint pos) { Color_grabbedMouseDown(pos); };
    Color_grabbed->onMouseUp = [this](Qt::MouseButton, QPoint) { Color_grabbedMouseUp(); };
    Color_grabbed->onDblClick = [this] { Color_grabbedDblClick(); };
}

// Start: the main window steps aside while the zoom window is open; the zoom
// window shows it again when it closes.
void TGrabPage::ImageButton1Click()
{
    window_.hide();
    {
        Tgrab_color zoom(window_, grab_, ZoomHooks());
        Services().dialogs->exec(zoom);
    }
    if (window_.isHidden())
        window_.show();
    Color_grabbedPaint();
}

void TGrabPage::StartFromOutside()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    hooks_.showPage();
    ImageButton1Click();
}

void TGrabPage::ImageButton2Click()
{
    grab_.GrabbedColors.clear();
    Color_grabbedPaint();
    grab_.GrabbedSelection = -1;
    ImageButton3->setEnabled(false);
}

void TGrabPage::ImageButton3Click()
{
    hooks_.appendToPalette(grab_.GrabbedColors, QStringLiteral("Added color from screen"));
}

Tgrab_color::THooks TGrabPage::ZoomHooks()
{
    Tgrab_color::THooks zoom = hooks_.zoom;
    zoom.colorGrabbed = [this] { ImageButton3->setEnabled(true); };
    return zoom;
}

void TGrabPage::Color_grabbedPaint()
{
    if (grab_.GrabbedColors.empty())
        grab_.GrabbedSelection = -1;
    Color_grabbed->resize(GrabbedViewWidth, TGrabState::Grid.ViewHeight(grab_.GrabbedColors.size()));
    Color_grabbed->update();
}

int TGrabPage::GrabbedColorAt(QPoint pos) const
{
    return TGrabState::Grid.HitTest(grab_.GrabbedColors, pos);
}

void TGrabPage::Color_grabbedMouseDown(QPoint pos)
{
    const int hit = GrabbedColorAt(pos);
    if (hit < 0)
        return;
    grab_.GrabbedSelection = hit;
    Color_grabbedPaint();
    const TSwatch& s = grab_.GrabbedColors[size_t(hit)];
    hooks_.setColor(s.Red, s.Green, s.Blue);
}

void TGrabPage::Color_grabbedMouseUp()
{
    hooks_.pointerReleased();
}

void TGrabPage::Color_grabbedDblClick()
{
    hooks_.addCurrentColor();
}
