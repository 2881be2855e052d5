// Hot keys as keys of the program's own windows, for desktops that give a
// program no keys while another one has the focus (Wayland). The zoom
// window and its still picture of the screen have the focus there, so the
// combinations are caught as they reach any window of the program.
#pragma once

#include "platform/GlobalKeys.h"

#include <QObject>

#include <set>
#include <utility>

class TWindowKeys final : public QObject, public IGlobalKeys {
public:
    TWindowKeys();
    ~TWindowKeys() override;

    bool grab(int key, unsigned modifiers) override;
    bool release(int key, unsigned modifiers) override;
    bool canGrab(int key, unsigned modifiers) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::set<std::pair<int, unsigned>> held_;
};
