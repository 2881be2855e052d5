#include "app/AppSetup.h"
#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PreferX11Platform();
    QApplication app(argc, argv);
    SetupApplication(app);
    TForm1 Form1;
    Form1.show();
    return app.exec();
}
