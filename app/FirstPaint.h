// Work that the first picture of a window need not wait for: it runs once
// that picture is on screen, so the user sees the window's content as soon
// as it can be drawn. A window that is not shown (tests) runs the work on
// the first turn of the event loop instead, as does one shown but not drawn
// within a second (a desktop that holds it back).
#pragma once

#include <functional>

class QWidget;

// Steps given for the same window run in the order given, each once.
void RunAfterFirstPaint(QWidget* window, std::function<void()> step);
