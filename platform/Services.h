// Everything modal and everything outside the process goes through these
// small interfaces. The program uses the Qt/X11 implementations; tests
// install doubles that record what was asked and answer it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

// Message boxes of the program. A box with an icon is titled by its kind
// ("Warning", "Information", "Error", "Confirm"); the plain box carries the
// application's title.
enum class TMsgIcon { None, Warning, Information, Error, Confirm };

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // A box with one "OK" button.
    virtual void message(TMsgIcon icon, const QString& text) = 0;
    // A box with "&Yes" and "&No"; true for Yes.
    virtual bool ask(TMsgIcon icon, const QString& text) = 0;

    struct SaveFileRequest {
        QString title;
        QString filter; // in Qt's form, e.g. "Bitmaps (*.bmp)"
        QString defaultSuffix; // without the dot
        QString directory; // initial folder
        QString fileName; // name offered in the name field
        bool confirmOverwrite = true;
    };
    // Empty when the user cancelled.
    virtual QString saveFileName(const SaveFileRequest& request) = 0;

    struct OpenFileRequest {
        QString title;
        QString filter; // in Qt's form, e.g. "Palettes (*.gpl *.ase)"
        QString directory; // initial folder
    };
    // The chosen existing file; empty when the user cancelled.
    virtual QString openFileName(const OpenFileRequest& request) = 0;

    // Runs one of the program's own modal windows and returns its result.
    virtual int exec(QDialog& dialog) = 0;
};

// The desktop: opening folders and starting companion programs. Never a
// shell command line built from text.
class IDesktop {
public:
    virtual ~IDesktop() = default;
    virtual bool openFolder(const QString& path) = 0;
    virtual bool startDetached(const QString& program, const QStringList& arguments = {}) = 0;
};

// The screen and the pointer, for the zoom window.
class IScreen {
public:
    virtual ~IScreen() = default;
    virtual QPoint cursorPos() = 0;
    // Size of the virtual desktop spanning all monitors, in screen pixels.
    virtual QSize desktopSize() = 0;
    // Screen pixels of `rect` (screen pixel coordinates), one image pixel per
    // screen pixel; parts off the screen come back black.
    virtual QImage grab(const QRect& rect) = 0;
};

// The system clipboard's text.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() = 0;
};

struct TServices {
    IDialogs* dialogs = nullptr;
    IDesktop* desktop = nullptr;
    IScreen* screen = nullptr;
    IClipboard* clipboard = nullptr;
};

// The services in use. Until something is installed, the real ones.
TServices& Services();
// The real implementations (owned by the library, created on first use).
IDialogs& QtDialogs();
IDesktop& QtDesktop();
IScreen& QtScreen();
IClipboard& QtClipboard();

// Installs doubles for the lifetime of the guard, then restores the previous set.
class TServicesOverride {
public:
    explicit TServicesOverride(const TServices& replacement);
    ~TServicesOverride();
    TServicesOverride(const TServicesOverride&) = delete;
    TServicesOverride& operator=(const TServicesOverride&) = delete;

private:
    TServices previous_;
};
