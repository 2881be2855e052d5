// The About window: the program's name, version and date, with a picture.
#pragma once

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 381;
    static constexpr int ClientHeight = 290;

    explicit TForm6(QWidget* parent = nullptr);

    QFrame* panel = nullptr;
    QLabel* Label16 = nullptr; // "Tintwell"
    QLabel* Label17 = nullptr; // "Version 1.0"
    QLabel* Image2 = nullptr; // the picture
    QFrame* FlatPanel5 = nullptr; // the date box
    QLabel* publishDate = nullptr;
    QPushButton* FlatButton4 = nullptr; // "Ok"

    void FlatButton4Click();

    // The picture: a fan of colour cards on a transparent ground, 105 x 129.
    static QPixmap Picture();
};
