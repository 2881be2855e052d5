#include "grab/GrabPage.h"

#include "app/TForm1.h"
#include "app/Widgets.h"

#include <QLabel>

TGrabPage::TGrabPage(TForm1& form, QWidget* page)
    : QObject(&form)
    , form_(form)
{
    JvScrollBox2 = new TScrollBox(page, QColor(248, 248, 248));
    NameControl(JvScrollBox2, "JvScrollBox2", QStringLiteral("Grabbed colors list"));
    JvScrollBox2->setGeometry(16, 8, 257, 209);
    Color_grabbed = new TPaintBox;
    NameControl(Color_grabbed, "Color_grabbed", QStringLiteral("Grabbed colors"));
    Color_grabbed->setGeometry(1, 1, 232, 30);
    JvScrollBox2->setWidget(Color_grabbed);
    Color_grabbed->move(1, 1);

    ImageButton1 = new TImageButton(QStringLiteral("Start"), page);
    NameControl(ImageButton1, "ImageButton1", QStringLiteral("Start"));
    ImageButton1->setGeometry(43, 224, 66, 22);
    ImageButton2 = new TImageButton(QStringLiteral("Clear All"), page);
    NameControl(ImageButton2, "ImageButton2", QStringLiteral("Clear All"));
    ImageButton2->setGeometry(108, 224, 75, 22);
    ImageButton3 = new TImageButton(QStringLiteral("Add all"), page);
    NameControl(ImageButton3, "ImageButton3", QStringLiteral("Add all"));
    ImageButton3->setGeometry(182, 224, 66, 22);
    ImageButton3->setEnabled(false);

    hintLabel = new QLabel(QStringLiteral("Press Start to open the zoom window, and sample colors from the screen."), page);
    hintLabel->setObjectName("label_grabHint");
    hintLabel->setWordWrap(true);
    hintLabel->setGeometry(17, 247, 243, 26);
}
