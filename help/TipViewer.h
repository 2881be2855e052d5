// The window of the tips companion program: Tintwell's tips, one at a time,
// with buttons to go through them.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The tips, in the order the viewer shows them.
const QStringList& TintwellTips();

class TTipViewer : public QWidget {
    Q_OBJECT
public:
    explicit TTipViewer(const QStringList& tips = TintwellTips(), QWidget* parent = nullptr);

    QLabel* title = nullptr;
    QPlainTextEdit* tipText = nullptr;
    QLabel* counter = nullptr; // "Tip 3 of 14"
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* closeButton = nullptr;

    int current() const { return current_; }
    // Shows tip `index`; going past either end wraps around.
    void showTip(int index);
    void next() { showTip(current_ + 1); }
    void previous() { showTip(current_ - 1); }

private:
    QStringList tips_;
    int current_ = 0;
};
