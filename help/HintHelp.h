// The "Do you know?" window: a small borderless note that shows one tip.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QToolButton;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 223;
    static constexpr int ClientHeight = 124;

    // Shows `tipText`, a "\r\n" or "\n" in it starting a new line.
    explicit TForm5(const QString& tipText, QWidget* parent = nullptr);

    QFrame* FlatPanel1 = nullptr; // the framed panel filling the window
    QLabel* FlatPanel2 = nullptr; // title strip "Do you know?"
    QToolButton* JvXPToolButton1 = nullptr; // close
    QPlainTextEdit* hint_memo = nullptr;

    void FormCreate(const QString& tipText);
    void JvXPToolButton1Click();
};
