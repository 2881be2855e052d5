// The smallest Qt Widgets program with a window: the yardstick for start-up.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.resize(434, 641);
    window.show();
    return app.exec();
}
