#include "app/AppSetup.h"

#include "app/FirstPaint.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

void PreferX11Platform()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if ((!platform || !*platform) && std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

void SetupApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("tintwell"));
    // The title boxes without an icon carry. Not the display name: Qt would
    // append that to every window title.
    app.setProperty("applicationTitle", QStringLiteral("Tintwell V1.0"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The desktop entry's name: desktops match the windows to the menu entry by it.
    QApplication::setDesktopFileName(QStringLiteral("io.github.tintwell.Tintwell"));
    // Installed, the icon is in the icon theme; taskbars and window
    // switchers show it. A program run from its build folder goes without.
    // Looking it up reads the theme's folders (a few milliseconds): once the
    // first window has been drawn, so its first picture is not held up.
    QTimer::singleShot(0, &app, [] {
        const auto lookUp = [] {
            const QIcon icon = QIcon::fromTheme(QStringLiteral("io.github.tintwell.Tintwell"));
            if (!icon.isNull())
                QApplication::setWindowIcon(icon);
        };
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) {
                RunAfterFirstPaint(window, lookUp);
                return;
            }
        lookUp();
    });
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}
