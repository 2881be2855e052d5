// The settings of a run: where the program and the user's data live, the
// store of values kept between runs, and the values read from it (by
// position, see StartSettings.h).
#pragma once

#include "app/AppPaths.h"
#include "app/TmRegistry.h"

#include <QStringList>

struct TSettingsState {
    TAppPaths Paths;
    TmRegistry mRegistry1;
    QStringList SettingsValues;
    // The stored value at `position` of SettingsValues; empty when missing.
    QString SettingAt(int position) const { return SettingsValues.value(position); }
};
