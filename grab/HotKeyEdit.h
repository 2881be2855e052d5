// A field that takes a hot key by having it typed: the combination pressed
// becomes its value (16 bits: key code, 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt). A key typed alone or with Shift alone gets Ctrl added.
// Backspace or Delete alone clears the field to 0; Tab and Esc alone keep
// their usual meaning in the window.
#pragma once

#include "grab/HotKeyManager.h"

#include <QLineEdit>

#include <functional>

class QKeyEvent;

// The virtual key code of the key pressed (the key as printed on it, so that
// Shift+1 is the 1 key); 0 for a key without one.
int KeyCodeOf(const QKeyEvent* event);

class THotKeyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit THotKeyEdit(QWidget* parent = nullptr);

    std::uint16_t value() const { return value_; }
    // Shows a value without reporting a change.
    void setValue(std::uint32_t hotKey);
    // Takes a combination as if the user had typed it, and reports it.
    void typeCombination(std::uint32_t hotKey);

    // Called after the user changed the value.
    std::function<void()> onChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void show_();
    std::uint16_t value_ = 0;
};
