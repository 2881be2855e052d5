// The cell size choice of a swatch view: three radio buttons "large",
// "medium" (checked at first) and "small" on the view's page.
#pragma once

#include "palette/Swatch.h"

#include <QObject>
#include <QRect>

class QRadioButton;
class QWidget;

class TSizeChoice : public QObject {
    Q_OBJECT
public:
    // Where one button goes on the page, and its object name.
    struct TPlace {
        const char* objectName;
        QRect geometry;
    };

    // The buttons become children of `page`, each with its caption as the
    // name a screen reader speaks.
    TSizeChoice(QWidget* page, const TPlace& large, const TPlace& medium, const TPlace& small);

    QRadioButton* const large;
    QRadioButton* const medium;
    QRadioButton* const small;

    // The checked size, tested in the order large, medium, small.
    TSwatchSize Size() const;

signals:
    // A button became checked, by the user or by the program.
    void changed(TSwatchSize size);
};
