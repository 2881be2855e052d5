#include "help/AboutTintwell.h"

#include "widgets/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

const QColor kGround(222, 222, 216);
const QColor kDateGround(221, 219, 217);
const QColor kTitleInk(62, 62, 62);

QFont AboutFont(int pixels)
{
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

QFrame* Panel(QWidget* parent, const QColor& ground, const QColor& edge)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, ground);
    pal.setColor(QPalette::WindowText, edge);
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

QPixmap TForm6::Picture()
{
    QPixmap pixmap(105, 129);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Swatch cards fanned out around a rivet near the bottom, each a tint
    // strip: a full colour at the top fading to a pale one.
    const QPointF pivot(52, 114);
    const QColor cards[] = {QColor(44, 92, 168),  QColor(38, 150, 136), QColor(122, 176, 52),
                            QColor(238, 190, 40), QColor(232, 120, 36), QColor(200, 44, 60)};
    const int count = int(std::size(cards));
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-25 + i * 10.0);
        const QRectF card(-10, -96, 20, 104);
        QPainterPath outline;
        outline.addRoundedRect(card, 4, 4);
        p.setPen(QPen(QColor(70, 70, 70, 170), 1));
        p.setBrush(Qt::white);
        p.drawPath(outline);
        const QColor base = cards[i];
        for (int step = 0; step < 4; ++step) {
            QColor tint = base;
            tint.setRgb(base.red() + (255 - base.red()) * step / 5, base.green() + (255 - base.green()) * step / 5,
                        base.blue() + (255 - base.blue()) * step / 5);
            p.setPen(Qt::NoPen);
            p.setBrush(tint);
            p.drawRoundedRect(QRectF(card.left() + 3, card.top() + 3 + step * 21, card.width() - 6, 19), 2, 2);
        }
        p.restore();
    }
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(200, 200, 196));
    p.drawEllipse(pivot, 4, 4);
    return pixmap;
}

TForm6::TForm6(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("About"));
    setAccessibleName(QStringLiteral("About"));
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);

    panel = Panel(this, kGround, QColor(150, 150, 144));
    NameControl(panel, "aboutPanel", QStringLiteral("About"));
    panel->setGeometry(0, 0, ClientWidth, ClientHeight);

    QPalette inkPal = panel->palette();
    inkPal.setColor(QPalette::WindowText, kTitleInk);

    Label16 = new QLabel(QStringLiteral("Tintwell"), panel);
    NameControl(Label16, "Label16", QStringLiteral("Tintwell"));
    Label16->setFont(AboutFont(32));
    Label16->setPalette(inkPal);
    Label16->move(16, 24);
    Label16->adjustSize();

    Label17 = new QLabel(QStringLiteral("Version 1.0"), panel);
    NameControl(Label17, "Label17", QStringLiteral("Version 1.0"));
    Label17->setFont(AboutFont(12));
    Label17->setPalette(inkPal);
    Label17->move(19, 64);
    Label17->adjustSize();

    Image2 = new QLabel(panel);
    NameControl(Image2, "Image2", QStringLiteral("Colour cards"));
    Image2->setGeometry(240, 24, 105, 129);
    Image2->setPixmap(Picture());

    FlatPanel5 = Panel(panel, kDateGround, QColor(160, 158, 154));
    NameControl(FlatPanel5, "FlatPanel5", QStringLiteral("Publish date"));
    FlatPanel5->setGeometry(56, 193, 273, 64);
    publishDate = new QLabel(QStringLiteral("Publish date : July 6th, 2006"), FlatPanel5);
    NameControl(publishDate, "publishDate", QStringLiteral("Publish date : July 6th, 2006"));
    publishDate->setGeometry(1, 1, 271, 62);
    publishDate->setAlignment(Qt::AlignCenter);
    publishDate->setPalette(inkPal);

    FlatButton4 = new QPushButton(QStringLiteral("Ok"), panel);
    NameControl(FlatButton4, "FlatButton4", QStringLiteral("Ok"));
    FlatButton4->setGeometry(146, 264, 89, 20);
    FlatButton4->setDefault(true);
    connect(FlatButton4, &QPushButton::clicked, this, &TForm6::FlatButton4Click);
}

void TForm6::FlatButton4Click()
{
    accept();
}
