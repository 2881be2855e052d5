// The "Grab Colors" page: the colours sampled with the zoom window.
#pragma once

#include <QObject>

class QLabel;
class QWidget;
class TForm1;
class TImageButton;
class TPaintBox;
class TScrollBox;

class TGrabPage : public QObject {
    Q_OBJECT
public:
    TGrabPage(TForm1& form, QWidget* page);

    TScrollBox* JvScrollBox2 = nullptr;
    TPaintBox* Color_grabbed = nullptr;
    TImageButton* ImageButton1 = nullptr; // Start
    TImageButton* ImageButton2 = nullptr; // Clear All
    TImageButton* ImageButton3 = nullptr; // Add all
    QLabel* hintLabel = nullptr;

private:
    TForm1& form_;
};
