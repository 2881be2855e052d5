// System-wide hot keys: the manager that holds them for the program and
// reports their presses. Their values and texts: grab/HotKeyText.h.
#pragma once

#include "grab/HotKeyText.h"

#include <QList>
#include <QObject>

#include <cstdint>
#include <functional>

// Whether the system would take the combination now. A combination this
// program holds already, through any manager, is not free.
bool IsHotKeyFree(THotKey hotKey);

struct THotKeyEntry {
    THotKey HotKey = 0;
    std::uint16_t Id = 0;
};

// Holds hot keys for its owner and reports their presses. The presses
// arrive on the user-interface thread, through the application's event loop.
class THotKeyManager : public QObject {
    Q_OBJECT
public:
    explicit THotKeyManager(QObject* owner = nullptr);
    ~THotKeyManager() override;

    // Takes the combination for the program; its id, or 0 when the system
    // refuses it (another program holds it, or this one does already).
    std::uint16_t Register(THotKey hotKey);
    // Gives back the first entry with this value; false when there is none
    // or the system refused. The entry goes either way.
    bool Unregister(THotKey hotKey);
    void UnregisterAll();
    bool Contains(THotKey hotKey) const;
    const QList<THotKeyEntry>& Entries() const { return entries_; }

    // Raised for a press of one of this manager's hot keys; Index is the
    // entry's id.
    std::function<void(THotKey HotKey, std::uint16_t Index)> OnHotKeyPressed;

    // A press of the combination (system modifier flags and key code) as
    // the system reports it.
    void HotKeyMessage(unsigned modifiers, unsigned key);

private:
    QList<THotKeyEntry> entries_;
};
