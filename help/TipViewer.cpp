#include "help/TipViewer.h"

#include "widgets/Widgets.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor kPaper(253, 249, 227);
const QColor kEdge(245, 226, 118);
const QColor kTitleInk(159, 53, 17);
const QColor kMemoPaper(255, 254, 249);

} // namespace

const QStringList& TintwellTips()
{
    static const QStringList tips = {
        QStringLiteral("Double-click the colour model square to add the current colour to your open palette."),
        QStringLiteral("Type a colour as six hexadecimal digits in the Hex box, or as red, green and blue values "
                       "in the R, G and B boxes. Every display follows at once."),
        QStringLiteral("The mixer strip under the model square shows twelve steps darker or lighter than the "
                       "current colour. Choose Darker or Lighter, then click a step to take it."),
        QStringLiteral("Press Start on the Grab Colors page to open the zoom window. Move the pointer anywhere on "
                       "the screen and press Ctrl+G to grab the colour under it."),
        QStringLiteral("In the zoom window, Ctrl+Z freezes the magnified picture. Click on the frozen picture to "
                       "grab colours from it, and press Ctrl+Z again to go on zooming."),
        QStringLiteral("Move the pointer into the zoom window to see its settings: the zoom factor, the crosshair "
                       "and the two hot keys, which you can change there."),
        QStringLiteral("Close the zoom window to bring the grabbed colours to the Grab Colors page. Add all puts "
                       "every one of them into your palette."),
        QStringLiteral("Try a colour on the Test Board before you add it: as the colour of a text, as ink for "
                       "drawing, as the fill of shapes and as a hatch pattern."),
        QStringLiteral("On the Test Board's drawing page, choose Select color and click the drawing to make the "
                       "colour under the pointer the current colour."),
        QStringLiteral("Select a colour in your palette and press Watch to make it the current colour again. "
                       "Swap replaces the selected colour with the current one."),
        QStringLiteral("Sort arranges your palette by tints and shades, or by its red, green or blue values. "
                       "Save afterwards to keep the new order."),
        QStringLiteral("Export writes your palette as a bitmap picture with its name on it. Open exporting folder "
                       "shows where the pictures went."),
        QStringLiteral("The Swatch Library page holds ready-made colour sets. Click a swatch to take its colour; "
                       "double-click it to add it to your palette as well."),
        QStringLiteral("Tintwell remembers your last colour and your last palette, and opens them again the next "
                       "time it starts."),
    };
    return tips;
}

TTipViewer::TTipViewer(const QStringList& tips, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , tips_(tips)
{
    setObjectName(QStringLiteral("tipViewer"));
    setWindowTitle(QStringLiteral("Tintwell V1.0 - Tips"));
    setAccessibleName(QStringLiteral("Tips"));
    setFixedSize(340, 190);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPaper);
    setPalette(pal);
    setAutoFillBackground(true);

    title = new QLabel(QStringLiteral("Do you know?"), this);
    NameControl(title, "title", QStringLiteral("Do you know?"));
    title->setGeometry(12, 8, 200, 24);
    QFont titleFont = title->font();
    titleFont.setPixelSize(15);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QPalette titlePal = title->palette();
    titlePal.setColor(QPalette::WindowText, kTitleInk);
    title->setPalette(titlePal);

    counter = new QLabel(this);
    NameLabel(counter, "counter", QStringLiteral("Tip number"));
    counter->setGeometry(220, 8, 108, 24);
    counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    tipText = new QPlainTextEdit(this);
    NameControl(tipText, "tipText", QStringLiteral("Tip"));
    tipText->setGeometry(12, 36, 316, 106);
    tipText->setReadOnly(true);
    tipText->setFrameShape(QFrame::Box);
    QPalette memoPal = tipText->palette();
    memoPal.setColor(QPalette::Base, kMemoPaper);
    memoPal.setColor(QPalette::WindowText, kEdge);
    memoPal.setColor(QPalette::Text, Qt::black);
    tipText->setPalette(memoPal);
    QFont memoFont = tipText->font();
    memoFont.setPixelSize(13);
    tipText->setFont(memoFont);

    previousButton = new QPushButton(QStringLiteral("< Previous"), this);
    NameControl(previousButton, "previousButton", QStringLiteral("Previous tip"));
    previousButton->setGeometry(12, 152, 90, 26);
    nextButton = new QPushButton(QStringLiteral("Next >"), this);
    NameControl(nextButton, "nextButton", QStringLiteral("Next tip"));
    nextButton->setGeometry(108, 152, 90, 26);
    nextButton->setDefault(true);
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    NameControl(closeButton, "closeButton", QStringLiteral("Close"));
    closeButton->setGeometry(238, 152, 90, 26);

    connect(previousButton, &QPushButton::clicked, this, &TTipViewer::previous);
    connect(nextButton, &QPushButton::clicked, this, &TTipViewer::next);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    showTip(0);
}

void TTipViewer::showTip(int index)
{
    const int count = int(tips_.size());
    if (count == 0) {
        current_ = 0;
        tipText->clear();
        counter->clear();
        previousButton->setEnabled(false);
        nextButton->setEnabled(false);
        return;
    }
    current_ = ((index % count) + count) % count;
    tipText->setPlainText(tips_.at(current_));
    counter->setText(QStringLiteral("Tip %1 of %2").arg(current_ + 1).arg(count));
}
