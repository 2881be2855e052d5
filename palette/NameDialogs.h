// The two small windows that ask for a palette name: the name dialog saves
// the open palette under the typed name ("Save Palette", "Save As..."), the
// rename dialog gives the open palette's file a new name. Both are modal and
// work on the open palette through the file commands that open them.
#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class TPaletteFiles;

// Shared frame: a group with one edit and the "Ok" and "Cancel" buttons.
class TNameDialogBase : public QDialog {
    Q_OBJECT
public:
    QGroupBox* group = nullptr;
    QLineEdit* pt_filename = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    TNameDialogBase(QWidget* parent, TPaletteFiles& files, const QString& groupCaption, int editWidth);
    // Warns that the typed name cannot be a palette's file name.
    void TellBadName() const;

    TPaletteFiles& files_;
};

// The name dialog.
class TForm4 : public TNameDialogBase {
    Q_OBJECT
public:
    // `saveAs`: "Save As..." (else "Save Palette").
    TForm4(QWidget* parent, TPaletteFiles& files, bool saveAs);

    QPushButton*& b_flatSave = okButton;
    QPushButton*& b_flashCancel = cancelButton;
    // Set once a write was refused while the dialog was open.
    bool WriteFailed = false;

    void FormCreate();
    void b_flatSaveClick();
    void b_flashCancelClick();

private:
    bool saveAs_;
};

// The rename dialog.
class TForm3 : public TNameDialogBase {
    Q_OBJECT
public:
    TForm3(QWidget* parent, TPaletteFiles& files);

    QPushButton*& FlatSpeedButton1 = okButton;
    QPushButton*& b_flatCancel = cancelButton;

    void FormCreate();
    void FlatSpeedButton1Click();
    void b_flatCancelClick();
};
