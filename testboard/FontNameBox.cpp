#include "testboard/FontNameBox.h"

#include <QFontDatabase>

TFontNameBox::TFontNameBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
}

void TFontNameBox::ensureFilled()
{
    if (filled_)
        return;
    filled_ = true;
    const QSignalBlocker quiet(this);
    clear();
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        addItem(family);
        setItemData(count() - 1, QFont(family), Qt::FontRole);
    }
    int index = findText(wanted_, Qt::MatchFixedString);
    if (index < 0 && !wanted_.isEmpty()) {
        // The family the text box asked for may resolve to another one.
        index = findText(QFontInfo(QFont(wanted_)).family(), Qt::MatchFixedString);
    }
    setCurrentIndex(index);
}

void TFontNameBox::setCurrentFamily(const QString& family)
{
    wanted_ = family;
    if (filled_) {
        setCurrentIndex(findText(family, Qt::MatchFixedString));
    } else {
        const QSignalBlocker quiet(this);
        clear();
        addItem(family); // shown until the real list is filled
        setCurrentIndex(0);
    }
}

void TFontNameBox::showPopup()
{
    ensureFilled();
    QComboBox::showPopup();
}

void TFontNameBox::showEvent(QShowEvent* event)
{
    ensureFilled();
    QComboBox::showEvent(event);
}
