// The test board's "Write texts" sub-page: a sample text in the current
// colour, in a font, size and styles of the user's choice.
#pragma once

#include "testboard/BoardPage.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QToolButton;
class TFontNameBox;

class TBoardTextPage : public TBoardPage {
public:
    TBoardTextPage(QObject* parent, QStackedWidget* pages, TInk ink);

    QPlainTextEdit* cxMemo1 = nullptr;
    TFontNameBox* cxFontNameComboBox1 = nullptr;
    QFrame* fontPreviewPanel = nullptr;
    QLabel* fontPreview = nullptr;
    QToolButton* fontBold = nullptr;
    QToolButton* fontItalic = nullptr;
    QToolButton* fontUnderline = nullptr;
    QToolButton* fontStrikeOut = nullptr;
    QSpinBox* cxSpinEdit1 = nullptr;

    // Start-up: the sample text.
    void StartUp();
    // The sample text takes the current colour.
    void Refresh() override;

    void cxFontNameComboBox1PropertiesCloseUp();
    void cxFontNameComboBox1PropertiesFontPreviewButtonClick();
    void cxSpinEdit1PropertiesChange();

private:
    void updatePreview();
};
