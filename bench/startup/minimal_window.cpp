// The smallest Qt Widgets program with a window: the yardstick for start-up.
// With --label it also shows one line of text, which costs the font set-up
// that every window with text pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.resize(434, 641);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        new QLabel(QStringLiteral("Minimal window"), &window);
    window.show();
    return app.exec();
}
