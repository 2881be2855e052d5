#include "help/HintHelp.h"

#include "widgets/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

const QColor kPaper(253, 249, 227);
const QColor kEdge(245, 226, 118);
const QColor kTitleInk(159, 53, 17);
const QColor kMemoPaper(255, 254, 249);

QIcon CloseIcon()
{
    QPixmap pixmap(9, 9);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kTitleInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1.5, 1.5), QPointF(7.5, 7.5));
    p.drawLine(QPointF(7.5, 1.5), QPointF(1.5, 7.5));
    return QIcon(pixmap);
}

} // namespace

TForm5::TForm5(const QString& tipText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form5"));
    setAccessibleName(QStringLiteral("Do you know?"));
    setWindowTitle(QStringLiteral("Do you know?"));
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);

    FlatPanel1 = new QFrame(this);
    NameControl(FlatPanel1, "FlatPanel1", QStringLiteral("Do you know?"));
    FlatPanel1->setGeometry(0, 0, ClientWidth, ClientHeight);
    FlatPanel1->setFrameShape(QFrame::Box);
    FlatPanel1->setFrameShadow(QFrame::Plain);
    FlatPanel1->setLineWidth(1);
    QPalette pal = FlatPanel1->palette();
    pal.setColor(QPalette::Window, kPaper);
    pal.setColor(QPalette::WindowText, kEdge);
    FlatPanel1->setPalette(pal);
    FlatPanel1->setAutoFillBackground(true);

    FlatPanel2 = new QLabel(QStringLiteral("Do you know?"), FlatPanel1);
    NameControl(FlatPanel2, "FlatPanel2", QStringLiteral("Do you know?"));
    FlatPanel2->setGeometry(1, 1, ClientWidth - 2, 24);
    FlatPanel2->setContentsMargins(6, 0, 24, 0);
    QFont titleFont = FlatPanel2->font();
    titleFont.setPixelSize(15);
    titleFont.setBold(true);
    FlatPanel2->setFont(titleFont);
    QPalette titlePal = FlatPanel2->palette();
    titlePal.setColor(QPalette::WindowText, kTitleInk);
    titlePal.setColor(QPalette::Window, kPaper);
    FlatPanel2->setPalette(titlePal);
    FlatPanel2->setAutoFillBackground(true);

    JvXPToolButton1 = new QToolButton(FlatPanel1);
    NameControl(JvXPToolButton1, "JvXPToolButton1", QStringLiteral("Close"));
    JvXPToolButton1->setToolTip(QStringLiteral("Close"));
    JvXPToolButton1->setIcon(CloseIcon());
    JvXPToolButton1->setIconSize(QSize(9, 9));
    JvXPToolButton1->setAutoRaise(true);
    JvXPToolButton1->setGeometry(203, 5, 15, 15);
    connect(JvXPToolButton1, &QToolButton::clicked, this, &TForm5::JvXPToolButton1Click);

    hint_memo = new QPlainTextEdit(FlatPanel1);
    NameControl(hint_memo, "hint_memo", QStringLiteral("Tip"));
    hint_memo->setGeometry(1, 25, 221, 98);
    hint_memo->setReadOnly(true);
    hint_memo->setFrameShape(QFrame::NoFrame);
    hint_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    hint_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPal = hint_memo->palette();
    memoPal.setColor(QPalette::Base, kMemoPaper);
    memoPal.setColor(QPalette::Text, Qt::black);
    hint_memo->setPalette(memoPal);
    QFont memoFont = hint_memo->font();
    memoFont.setPixelSize(13);
    hint_memo->setFont(memoFont);

    FormCreate(tipText);
}

void TForm5::FormCreate(const QString& tipText)
{
    // Plain text takes "\r\n" and "\n" alike as a line break.
    hint_memo->setPlainText(tipText);
}

void TForm5::JvXPToolButton1Click()
{
    accept();
}
