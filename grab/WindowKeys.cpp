#include "grab/WindowKeys.h"

#include "grab/HotKeyEdit.h"

#include <QCoreApplication>
#include <QKeyEvent>

TWindowKeys::TWindowKeys()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

TWindowKeys::~TWindowKeys()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool TWindowKeys::grab(int key, unsigned modifiers)
{
    if (key <= 0 || key > 0xFF)
        return false;
    return held_.insert({key, modifiers}).second;
}

bool TWindowKeys::release(int key, unsigned modifiers)
{
    return held_.erase({key, modifiers}) > 0;
}

bool TWindowKeys::canGrab(int key, unsigned modifiers)
{
    return key > 0 && key <= 0xFF && !held_.count({key, modifiers});
}

bool TWindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || held_.empty() || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat())
        return false;
    const Qt::KeyboardModifiers mods = key->modifiers();
    unsigned modifiers = 0;
    if (mods & Qt::AltModifier)
        modifiers |= GlobalModAlt;
    if (mods & Qt::ControlModifier)
        modifiers |= GlobalModControl;
    if (mods & Qt::ShiftModifier)
        modifiers |= GlobalModShift;
    if (mods & Qt::MetaModifier)
        modifiers |= GlobalModWin;
    const int code = KeyCodeOf(key);
    if (!held_.count({code, modifiers}))
        return false;
    if (onPressed)
        onPressed(code, modifiers);
    return true;
}
