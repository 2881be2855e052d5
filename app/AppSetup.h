#pragma once

class QApplication;

// Application-wide look shared by the program and its tests: the title,
// a fixed widget style and a compact default font, so that the window's
// fixed layout looks the same on every desktop.
void SetupApplication(QApplication& app);

// Before the QApplication exists: the zoom window's screen capture and the
// global hot keys are X11 features, so a Wayland session runs us on XWayland.
void PreferX11Platform();
