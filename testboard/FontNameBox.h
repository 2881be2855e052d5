// The installed font families in a pick-only list. Asking the font system
// for every family is slow enough to show at start-up, so the list fills
// itself the first time it is shown, opened or asked for.
#pragma once

#include <QComboBox>

class TFontNameBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFontNameBox(QWidget* parent = nullptr);
    // Fills the list once; later calls do nothing.
    void ensureFilled();
    // The family shown before the list is filled, and selected when it is.
    void setCurrentFamily(const QString& family);
    void showPopup() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool filled_ = false;
    QString wanted_;
};
