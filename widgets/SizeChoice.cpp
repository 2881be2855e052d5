#include "widgets/SizeChoice.h"

#include "widgets/Widgets.h"

#include <QRadioButton>

namespace {

QRadioButton* SizeButton(QWidget* page, const QString& caption, const TSizeChoice::TPlace& place)
{
    auto* button = new QRadioButton(caption, page);
    NameControl(button, place.objectName, caption);
    button->setGeometry(place.geometry);
    return button;
}

} // namespace

TSizeChoice::TSizeChoice(QWidget* page, const TPlace& largePlace, const TPlace& mediumPlace, const TPlace& smallPlace)
    : QObject(page)
    , large(SizeButton(page, QStringLiteral("large"), largePlace))
    , medium(SizeButton(page, QStringLiteral("medium"), mediumPlace))
    , small(SizeButton(page, QStringLiteral("small"), smallPlace))
{
    medium->setChecked(true);
    for (QRadioButton* button : {large, medium, small})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                emit changed(Size());
        });
}

TSwatchSize TSizeChoice::Size() const
{
    if (large->isChecked())
        return TSwatchSize::Large;
    if (medium->isChecked())
        return TSwatchSize::Medium;
    return TSwatchSize::Small;
}
