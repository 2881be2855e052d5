#include "testboard/TextPage.h"

#include "testboard/FontNameBox.h"
#include "widgets/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>

namespace {

// The labels left of the font list and the size edit share 62 pixels.
QLabel* AddNarrowLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    QLabel* label = AddBoardLabel(parent, text, geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = label->font();
    f.setPixelSize(11);
    label->setFont(f);
    return label;
}

QToolButton* StyleButton(QWidget* parent, const char* name, const QString& spoken, const QString& letter,
                         void (*style)(QFont&), int x)
{
    auto* button = new QToolButton(parent);
    NameControl(button, name, spoken);
    button->setToolTip(spoken);
    button->setText(letter);
    button->setCheckable(true);
    button->setAutoRaise(true);
    QFont f = button->font();
    style(f);
    button->setFont(f);
    button->setGeometry(x, 14, 20, 20);
    return button;
}

} // namespace

TBoardTextPage::TBoardTextPage(QObject* parent, QStackedWidget* pages, TInk ink)
    : TBoardPage(parent, pages, "test_pageText", QStringLiteral("Write texts"), std::move(ink))
{
    cxMemo1 = new QPlainTextEdit(page);
    NameControl(cxMemo1, "cxMemo1", QStringLiteral("Sample text"));
    cxMemo1->setGeometry(8, 8, 233, 129);
    cxMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cxMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cxMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette pal = cxMemo1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    cxMemo1->setPalette(pal);
    QFont memoFont = cxMemo1->font();
    memoFont.setPointSize(10);
    cxMemo1->setFont(memoFont);

    // The preview panel of the font list: the chosen font in the chosen
    // styles, with the style buttons.
    fontPreviewPanel = new QFrame(page);
    NameControl(fontPreviewPanel, "fontPreviewPanel", QStringLiteral("Font preview"));
    fontPreviewPanel->setFrameShape(QFrame::StyledPanel);
    fontPreviewPanel->setGeometry(8, 143, 233, 50);
    fontPreview = new QLabel(QStringLiteral("AaBbYyZz"), fontPreviewPanel);
    NameControl(fontPreview, "fontPreview", QStringLiteral("Font preview"));
    fontPreview->setGeometry(6, 3, 134, 44);
    fontPreview->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fontBold = StyleButton(
        fontPreviewPanel, "fontBold", QStringLiteral("Bold"), QStringLiteral("B"), [](QFont& f) { f.setBold(true); },
        142);
    fontItalic = StyleButton(
        fontPreviewPanel, "fontItalic", QStringLiteral("Italic"), QStringLiteral("I"),
        [](QFont& f) { f.setItalic(true); }, 163);
    fontUnderline = StyleButton(
        fontPreviewPanel, "fontUnderline", QStringLiteral("Underline"), QStringLiteral("U"),
        [](QFont& f) { f.setUnderline(true); }, 184);
    fontStrikeOut = StyleButton(
        fontPreviewPanel, "fontStrikeOut", QStringLiteral("Strikeout"), QStringLiteral("S"),
        [](QFont& f) { f.setStrikeOut(true); }, 205);
    for (QToolButton* b : {fontBold, fontItalic, fontUnderline, fontStrikeOut})
        connect(b, &QToolButton::clicked, this, &TBoardTextPage::cxFontNameComboBox1PropertiesFontPreviewButtonClick);

    AddNarrowLabel(page, QStringLiteral("Font name : "), {0, 203, 69, 16});
    cxFontNameComboBox1 = new TFontNameBox(page);
    NameControl(cxFontNameComboBox1, "cxFontNameComboBox1", QStringLiteral("Font name"));
    cxFontNameComboBox1->setGeometry(70, 200, 161, 22);
    cxFontNameComboBox1->setCurrentFamily(cxMemo1->font().family());
    connect(cxFontNameComboBox1, &QComboBox::activated, this, &TBoardTextPage::cxFontNameComboBox1PropertiesCloseUp);
    connect(cxFontNameComboBox1, &QComboBox::currentIndexChanged, this, &TBoardTextPage::updatePreview);
    connect(cxFontNameComboBox1, &QComboBox::highlighted, this, [this](int index) {
        QFont f = fontPreview->font();
        f.setFamily(cxFontNameComboBox1->itemText(index));
        fontPreview->setFont(f);
    });

    AddNarrowLabel(page, QStringLiteral("Font size :"), {0, 229, 70, 16});
    auto* smaller = new QToolButton(page);
    NameControl(smaller, "cxSpinEdit1_down", QStringLiteral("Smaller font"));
    smaller->setArrowType(Qt::LeftArrow);
    smaller->setAutoRepeat(true);
    smaller->setGeometry(71, 226, 14, 22);
    cxSpinEdit1 = new QSpinBox(page);
    NameControl(cxSpinEdit1, "cxSpinEdit1", QStringLiteral("Font size"));
    cxSpinEdit1->setRange(5, 70);
    cxSpinEdit1->setValue(10);
    cxSpinEdit1->setButtonSymbols(QAbstractSpinBox::NoButtons);
    cxSpinEdit1->setAlignment(Qt::AlignCenter);
    cxSpinEdit1->setGeometry(85, 226, 37, 22);
    auto* larger = new QToolButton(page);
    NameControl(larger, "cxSpinEdit1_up", QStringLiteral("Larger font"));
    larger->setArrowType(Qt::RightArrow);
    larger->setAutoRepeat(true);
    larger->setGeometry(122, 226, 14, 22);
    connect(smaller, &QToolButton::clicked, cxSpinEdit1, &QSpinBox::stepDown);
    connect(larger, &QToolButton::clicked, cxSpinEdit1, &QSpinBox::stepUp);
    connect(cxSpinEdit1, &QSpinBox::valueChanged, this, &TBoardTextPage::cxSpinEdit1PropertiesChange);
    updatePreview();
}

void TBoardTextPage::StartUp()
{
    cxMemo1->setPlainText(QStringLiteral("Try this sample text."));
}

void TBoardTextPage::Refresh()
{
    QPalette pal = cxMemo1->palette();
    pal.setColor(QPalette::Text, Ink());
    cxMemo1->setPalette(pal);
    cxSpinEdit1PropertiesChange();
}

void TBoardTextPage::cxFontNameComboBox1PropertiesCloseUp()
{
    const int index = cxFontNameComboBox1->currentIndex();
    if (index < 0)
        return;
    QFont f = cxMemo1->font();
    f.setFamily(cxFontNameComboBox1->itemText(index));
    cxMemo1->setFont(f);
}

void TBoardTextPage::cxFontNameComboBox1PropertiesFontPreviewButtonClick()
{
    QFont f = cxMemo1->font();
    f.setBold(fontBold->isChecked());
    f.setItalic(fontItalic->isChecked());
    f.setUnderline(fontUnderline->isChecked());
    f.setStrikeOut(fontStrikeOut->isChecked());
    cxMemo1->setFont(f);
    updatePreview();
}

void TBoardTextPage::cxSpinEdit1PropertiesChange()
{
    QFont f = cxMemo1->font();
    f.setPointSize(cxSpinEdit1->value());
    cxMemo1->setFont(f);
}

void TBoardTextPage::updatePreview()
{
    QFont f = fontPreview->font();
    if (cxFontNameComboBox1 && cxFontNameComboBox1->currentIndex() >= 0)
        f.setFamily(cxFontNameComboBox1->currentText());
    f.setPointSize(14);
    f.setBold(fontBold->isChecked());
    f.setItalic(fontItalic->isChecked());
    f.setUnderline(fontUnderline->isChecked());
    f.setStrikeOut(fontStrikeOut->isChecked());
    fontPreview->setFont(f);
}
