#include "grab/HotKeyEdit.h"

#include "platform/GlobalKeys.h"
#include "platform/KeySymbols.h"
#include "platform/KeyTable.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

namespace {

// Keys that only change the meaning of other keys: typing them alone
// completes no combination.
bool IsModifierOrLock(int key)
{
    switch (key) {
    case 0x10:
    case 0x11:
    case 0x12:
    case 0x14:
    case 0x5B:
    case 0x5C:
    case 0x90:
    case 0x91:
    case 0xA0:
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA4:
    case 0xA5: return true;
    default: return false;
    }
}

// The key code of the key pressed: from the key itself where the platform
// tells which key it is, so that Shift+1 is the 1 key.
int KeyOf(const QKeyEvent* event)
{
    int key = 0;
    if (event->nativeScanCode())
        key = KeyTable::FromKeysym(X11BaseKeysym(event->nativeScanCode()));
    if (!key && event->nativeVirtualKey())
        key = KeyTable::FromKeysym(event->nativeVirtualKey());
    if (!key)
        key = KeyTable::FromQtKey(event->key(), event->modifiers() & Qt::KeypadModifier);
    return key;
}

} // namespace

THotKeyEdit::THotKeyEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // Typing goes through keyPressEvent only; read-only keeps pasting and
    // dropping text out.
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
    show_();
}

void THotKeyEdit::setValue(std::uint32_t hotKey)
{
    value_ = std::uint16_t(hotKey & 0xFFFF);
    show_();
}

void THotKeyEdit::typeCombination(std::uint32_t hotKey)
{
    setValue(hotKey);
    if (onChange)
        onChange();
}

void THotKeyEdit::show_()
{
    const QString text = value_ ? FormatHotKey(value_, true) : QStringLiteral("None");
    setText(text);
    setAccessibleDescription(text);
    end(false);
}

void THotKeyEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = KeyOf(event);
    const Qt::KeyboardModifiers mods = event->modifiers();
    bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool alt = mods & Qt::AltModifier;
    if (!ctrl && !shift && !alt) {
        if (key == 0x08 || key == 0x2E) {
            typeCombination(0);
            return;
        }
        if (key == 0x1B || key == 0x09) {
            event->ignore(); // the window's own keys
            return;
        }
    }
    event->accept();
    if (key == 0 || IsModifierOrLock(key))
        return;
    if (!ctrl && !alt)
        ctrl = true;
    std::uint32_t value = std::uint32_t(key);
    if (ctrl)
        value |= HotKeyCtrl;
    if (shift)
        value |= HotKeyShift;
    if (alt)
        value |= HotKeyAlt;
    typeCombination(value);
}

void THotKeyEdit::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // no editing menu: the field is set by typing a combination
}

int KeyCodeOf(const QKeyEvent* event)
{
    return KeyOf(event);
}
