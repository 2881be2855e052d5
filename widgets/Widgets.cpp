#include "widgets/Widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

void NameControl(QWidget* widget, const char* objectName, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessibleName);
}

void NameLabel(QLabel* label, const char* objectName, const QString& role)
{
    // No accessible name: a set name would hide the label's text.
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAccessibleDescription(role);
}

QString ColorDescription(int red, int green, int blue)
{
    red &= 0xFF;
    green &= 0xFF;
    blue &= 0xFF;
    return QString::asprintf("#%02X%02X%02X, red %d, green %d, blue %d", red, green, blue, red, green, blue);
}

void DescribeColor(QWidget* box, int red, int green, int blue)
{
    const QString description = ColorDescription(red, green, blue);
    if (box->accessibleDescription() != description)
        box->setAccessibleDescription(description);
}

namespace {

class TWheelBlocker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void KeepWheelFromSwitchingTabs(QTabBar* bar)
{
    bar->installEventFilter(new TWheelBlocker(bar));
}

int TabSwitchTarget(const QTabWidget* tabs, const QKeyEvent* key, bool onTabBar)
{
    // The same steps as Qt's own key handling of QTabBar and QTabWidget.
    const QTabBar* bar = tabs->tabBar();
    const int count = bar->count();
    const int current = bar->currentIndex();
    if (onTabBar) {
        if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
            return -1;
        const int step = key->key() == (bar->isRightToLeft() ? Qt::Key_Right : Qt::Key_Left) ? -1 : 1;
        for (int i = current + step; i >= 0 && i < count; i += step)
            if (bar->isTabEnabled(i) && bar->isTabVisible(i))
                return i;
        return -1;
    }
    if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) || !(key->modifiers() & Qt::ControlModifier)
        || count < 2)
        return -1;
    const int step = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier) ? -1 : 1;
    int page = current;
    for (int pass = 0; pass < count; ++pass) {
        page = (page + step + count) % count;
        if (bar->isTabEnabled(page))
            return page;
    }
    return -1;
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
    // Only the left button double-clicks; the other buttons' second press
    // is a plain press.
    if (event->button() == Qt::LeftButton && onDblClick)
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

void TScrollBox::setInsetWidget(QWidget* content, QPoint inset)
{
    // The scroll area places its widget itself; a holder of our own keeps
    // the content at its inset and grows with it.
    auto* holder = new QWidget;
    holder->setObjectName(content->objectName() + QStringLiteral("_holder"));
    content->setParent(holder);
    content->move(inset);
    content->setAutoFillBackground(true);
    insetContent_ = content;
    content->installEventFilter(this);
    fitInsetHolder();
    setWidget(holder);
}

void TScrollBox::fitInsetHolder()
{
    if (QWidget* holder = insetContent_ ? insetContent_->parentWidget() : nullptr) {
        const QRect g = insetContent_->geometry();
        holder->resize(g.x() + g.width(), g.y() + g.height());
    }
}

bool TScrollBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == insetContent_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        fitInsetHolder();
    return QScrollArea::eventFilter(watched, event);
}

void TScrollBox::scrollToEnd()
{
    if (insetContent_)
        fitInsetHolder();
    else if (widget())
        widget()->adjustSize();
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TScrollBox::wheelEvent(QWheelEvent* event)
{
    // A notch of a classic wheel is 120 units and moves by 2 pixels.
    // Touchpads and smooth wheels send smaller parts of a notch: they add up,
    // a pixel for every half notch, and what is left waits for the next
    // event in the same direction.
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    if ((delta > 0) != (wheelRemainder_ > 0))
        wheelRemainder_ = 0;
    wheelRemainder_ += delta;
    const int pixels = wheelRemainder_ / kWheelUnitsPerPixel;
    wheelRemainder_ -= pixels * kWheelUnitsPerPixel;
    scrollBy(-pixels); // turning the wheel towards the user moves down
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

namespace {

QAccessibleInterface* StatusBarAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TStatusBar") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    return nullptr;
}

} // namespace

TStatusBar::TStatusBar(const QList<int>& widths, QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(StatusBarAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

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
