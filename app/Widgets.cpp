#include "app/Widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

void NameControl(QWidget* widget, const char* objectName, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessibleName);
}

// ---------------------------------------------------------------- TPaintBox

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TPaintBox::paintEvent(QPaintEvent* event)
{
    if (!onPaint)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    onPaint(painter, event->rect());
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown)
        onMouseDown(event->button(), event->position().toPoint());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
    if (onMouseUp)
        onMouseUp(event->button(), event->position().toPoint());
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (onDblClick)
        onDblClick();
    mousePressEvent(event);
}

// ------------------------------------------------------------- TImageButton

TImageButton::TImageButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(caption);
    setAccessibleName(caption);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void TImageButton::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TImageButton::leaveEvent(QEvent* event)
{
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top(250, 250, 246), bottom(222, 224, 218), border(128, 132, 124), ink(48, 52, 56);
    if (!isEnabled()) {
        top = QColor(240, 240, 240);
        bottom = QColor(230, 230, 230);
        border = QColor(190, 190, 190);
        ink = QColor(165, 165, 165);
    } else if (isDown()) {
        top = QColor(205, 210, 200);
        bottom = QColor(232, 234, 228);
        border = QColor(96, 100, 92);
    } else if (hover_) {
        top = QColor(255, 255, 252);
        bottom = QColor(232, 238, 226);
        border = QColor(96, 120, 150);
    }
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(border);
    p.setBrush(face);
    p.drawRoundedRect(r, 3, 3);
    if (hasFocus()) {
        p.setPen(QPen(QColor(96, 120, 150), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 2, 2);
    }
    p.setPen(ink);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, text());
}

// --------------------------------------------------------------- TScrollBox

TScrollBox::TScrollBox(QWidget* parent, const QColor& background)
    : QScrollArea(parent)
{
    setWidgetResizable(false);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::Base, background);
    setPalette(pal);
    setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TScrollBox::scrollBy(int dy)
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(qBound(bar->minimum(), bar->value() + dy, bar->maximum()));
}

void TScrollBox::scrollToEnd()
{
    if (widget())
        widget()->adjustSize();
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TScrollBox::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        event->ignore();
        return;
    }
    scrollBy(-2 * steps); // turning the wheel towards the user moves down
    event->accept();
}

void TScrollBox::keyPressEvent(QKeyEvent* event)
{
    scrollBy(2);
    event->accept();
}

void TScrollBox::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its press; only the final release counts.
    if (!event->isAutoRepeat())
        scrollBy(-2);
    event->accept();
}

// --------------------------------------------------------------- TStatusBar

TStatusBar::TStatusBar(const QList<int>& widths, QWidget* parent)
    : QWidget(parent)
{
    int x = 0;
    for (int i = 0; i < widths.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("panel%1").arg(i));
        // Panels show palette names and other text from files: plain text.
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setIndent(3);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::NoFocus);
        label->move(x, 0);
        label->resize(widths[i], 19);
        x += widths[i] + 2;
        panels_ << label;
    }
}

void TStatusBar::setPanelText(int index, const QString& text)
{
    if (QLabel* p = panel(index))
        p->setText(text);
}

QString TStatusBar::panelText(int index) const
{
    QLabel* p = panel(index);
    return p ? p->text() : QString();
}
