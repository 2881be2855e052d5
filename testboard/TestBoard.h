// The "Test Board" page: the current colour tried on text, free-hand
// drawing, shapes and patterns.
#pragma once

#include <QObject>

class QWidget;
class TForm1;

class TTestBoard : public QObject {
    Q_OBJECT
public:
    TTestBoard(TForm1& form, QWidget* page);

    // Start-up: sample text, drawing image and the first pattern style.
    void StartUp();
    // Applies the current colour to the visible sub-page.
    void test_pageControlChange();

private:
    TForm1& form_;
    QWidget* page_;
};
