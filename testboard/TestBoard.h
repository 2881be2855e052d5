// The "Test Board" page: the current colour tried on text, free-hand
// drawing, shapes and patterns. A column of four buttons chooses the
// sub-page; only the visible sub-page follows the current colour, the others
// catch up when they are shown.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>

class QCheckBox;
class QComboBox;
class TFontNameBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class QWidget;
class TForm1;
class TPaintBox;
class TShape;

class TTestBoard : public QObject {
    Q_OBJECT
public:
    TTestBoard(TForm1& form, QWidget* page);

    // Page frame
    QToolButton* testB_tx = nullptr; // "Write texts"
    QToolButton* testB_fh = nullptr; // "Free hand drawing"
    QToolButton* testB_sp = nullptr; // "Shapes"
    QToolButton* testB_ln = nullptr; // "Patterns and lines"
    QToolButton* Image1 = nullptr;   // the "?" picture: opens the board's tip
    QStackedWidget* test_pageControl = nullptr;
    QWidget* test_pageText = nullptr;
    QWidget* text_pageDraw = nullptr;
    QWidget* test_pageShape = nullptr;
    QWidget* test_pageLine = nullptr;

    // Text page
    QPlainTextEdit* cxMemo1 = nullptr;
    TFontNameBox* cxFontNameComboBox1 = nullptr;
    QFrame* fontPreviewPanel = nullptr;
    QLabel* fontPreview = nullptr;
    QToolButton* fontBold = nullptr;
    QToolButton* fontItalic = nullptr;
    QToolButton* fontUnderline = nullptr;
    QToolButton* fontStrikeOut = nullptr;
    QSpinBox* cxSpinEdit1 = nullptr;

    // Free-hand page
    TPaintBox* test_drawBoard = nullptr;
    QComboBox* JvImageComboBox1 = nullptr;
    QSlider* testWtracker = nullptr;
    QToolButton* FlatSpeedButton1 = nullptr; // "Clear All"
    // What the drawing surface shows; DrawingImage keeps it between strokes.
    QImage DrawSurface;
    // The last pointer position on the surface, and where the pen line goes on from.
    QPoint DrawPoint;
    QPoint PenPosition;

    // Shapes page
    QFrame* shapePanel = nullptr;
    TShape* testS1 = nullptr;
    TShape* testS2 = nullptr;
    TShape* testS3 = nullptr;
    TShape* testS4 = nullptr;
    TShape* testS5 = nullptr;
    TShape* testS6 = nullptr;
    TShape* testS7 = nullptr;
    TShape* testS8 = nullptr;
    TShape* testS9 = nullptr;
    TShape* testSin1 = nullptr;
    TShape* testSin2 = nullptr;
    TShape* testSin3 = nullptr;
    QCheckBox* cxCheckBox1 = nullptr; // "Border"

    // Patterns page
    QFrame* linePanel = nullptr;
    TShape* testLn = nullptr;
    QComboBox* testLn_style = nullptr;
    QRadioButton* testLn_1 = nullptr; // "In Rectangle"
    QRadioButton* testLn_2 = nullptr; // "In Circle"
    QRadioButton* testLn_3 = nullptr; // "In Ellipse"

    // Start-up: sample text, drawing image and the first pattern style.
    void StartUp();
    // Applies the current colour to the visible sub-page.
    void test_pageControlChange();

    void testB_txClick();
    void testB_fhClick();
    void testB_spClick();
    void testB_lnClick();
    void Image1Click();

    void cxFontNameComboBox1PropertiesCloseUp();
    void cxFontNameComboBox1PropertiesFontPreviewButtonClick();
    void cxSpinEdit1PropertiesChange();

    void test_drawBoardMouseDown(Qt::MouseButton button, QPoint at);
    void test_drawBoardMouseMove(QPoint at);
    void test_drawBoardClick();
    void test_drawBoardMouseUp(Qt::MouseButton button, QPoint at);
    void test_drawBoardPaint();
    void FlatSpeedButton1Click();
    void JvImageComboBox1Change();

    void cxCheckBox1Click();
    void testLn_stylePropertiesChange();
    void testLn_1Click();
    void testLn_2Click();
    void testLn_3Click();

    // The outer shapes, which take the current colour, and all twelve.
    QList<TShape*> OuterShapes() const;
    QList<TShape*> AllShapes() const;

private:
    void buildFrame(QWidget* page);
    void buildTextPage();
    void buildDrawPage();
    void buildShapePage();
    void buildLinePage();
    int tool() const;
    void drawStep();
    void keepSurface();
    void updatePreview();

    TForm1& form_;
};
