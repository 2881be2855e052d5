// The tips companion program: shows Tintwell's tips one at a time. The main
// program starts it from its Help folder and does not wait for it.
#include "help/TipViewer.h"

#include "app/AppSetup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PreferX11Platform();
    QApplication app(argc, argv);
    SetupApplication(app); // the main program's look
    QApplication::setApplicationName(QStringLiteral("tintwell_tip"));

    TTipViewer viewer;
    viewer.show();
    return app.exec();
}
