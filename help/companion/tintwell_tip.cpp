// The tips companion program: shows Tintwell's tips one at a time. The main
// program starts it from its Help folder and does not wait for it.
#include "help/TipViewer.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintwell_tip"));
    QApplication::setDesktopFileName(QStringLiteral("tintwell"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);

    TTipViewer viewer;
    viewer.show();
    return app.exec();
}
