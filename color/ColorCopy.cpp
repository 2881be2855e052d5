#include "color/ColorCopy.h"

#include "platform/Services.h"
#include "widgets/Widgets.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

const char* const kActionNames[] = {"copy_hash", "copy_hex", "copy_rgb", "copy_hsl", "copy_plain"};

bool IsTextField(const QObject* o)
{
    return qobject_cast<const QLineEdit*>(o) || qobject_cast<const QTextEdit*>(o)
        || qobject_cast<const QPlainTextEdit*>(o) || qobject_cast<const QAbstractSpinBox*>(o);
}

bool HasSelection(const QObject* o)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(o))
        return line->hasSelectedText();
    if (const auto* text = qobject_cast<const QTextEdit*>(o))
        return text->textCursor().hasSelection();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(o))
        return plain->textCursor().hasSelection();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(o))
        return spin->findChild<QLineEdit*>() && spin->findChild<QLineEdit*>()->hasSelectedText();
    return false;
}

} // namespace

TColorCopy::TColorCopy(QObject* parent, THooks hooks, TColorForm lastForm)
    : QObject(parent)
    , LastForm(lastForm)
    , hooks_(std::move(hooks))
{
}

QMenu* TColorCopy::CopyMenu(const TRgbColor& color, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("copy_popup"));
    menu->setAccessibleName(QStringLiteral("Copy color"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const TColorForm form : AllColorForms) {
        QString text = FormatColor(color, form);
        // Shown as is: '&' would mark a shortcut letter (the texts hold none).
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(kActionNames[int(form)]));
        connect(action, &QAction::triggered, this, [this, color, form] { CopyChosen(color, form); });
    }
    return menu;
}

QMenu* TColorCopy::PopupCopyMenu(const TRgbColor& color, QWidget* over, const QPoint& local)
{
    QMenu* menu = CopyMenu(color, over);
    menu->popup(over->mapToGlobal(local));
    return menu;
}

void TColorCopy::Say(const QString& text, const std::function<void(const QString&)>& status)
{
    if (status)
        status(text);
    else if (hooks_.status)
        hooks_.status(text);
}

void TColorCopy::Copy(const TRgbColor& color, TColorForm form)
{
    const QString text = FormatColor(color, form);
    Services().clipboard->setText(text);
    Say(QStringLiteral("Copied ") + text);
}

void TColorCopy::CopyChosen(const TRgbColor& color, TColorForm form)
{
    Copy(color, form);
    LastForm = form;
    if (hooks_.formChosen)
        hooks_.formChosen(form);
}

bool TColorCopy::Paste(const QString& text)
{
    const TColorTextResult read = ParseColorText(text);
    if (!read.ok) {
        Say(read.error);
        return false;
    }
    if (hooks_.setColor)
        hooks_.setColor(read.color);
    Say(QStringLiteral("Pasted ") + FormatColor(read.color, TColorForm::HashHex));
    return true;
}

bool TColorCopy::PasteClipboard()
{
    return Paste(Services().clipboard->text());
}

void TColorCopy::WatchKeys(const TKeys& keys)
{
    // Windows that are gone (zoom windows closed before) are dropped.
    std::erase_if(watched_, [](const TWatched& w) { return w.window.isNull(); });
    if (watched_.empty())
        qApp->installEventFilter(this);
    watched_.push_back({keys.window, keys});
}

bool TColorCopy::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool copy = key->matches(QKeySequence::Copy);
    const bool paste = key->matches(QKeySequence::Paste);
    if (!copy && !paste)
        return QObject::eventFilter(watched, event);
    QWidget* target = static_cast<QWidget*>(watched);
    for (const TWatched& w : watched_) {
        if (!w.window || target->window() != w.window)
            continue;
        // A spin box's text is its inner line edit.
        QObject* field = target;
        if (qobject_cast<QLineEdit*>(target) && qobject_cast<QAbstractSpinBox*>(target->parent()))
            field = target->parent();
        if (w.keys.ownsKeys && w.keys.ownsKeys(target))
            return false;
        if (copy) {
            if (IsTextField(field) && HasSelection(field))
                return false;
            const TRgbColor c = w.keys.current();
            const QString text = FormatColor(c, LastForm);
            Services().clipboard->setText(text);
            Say(QStringLiteral("Copied ") + text, w.keys.status);
            return true;
        }
        if (!w.keys.pasting)
            return false;
        if (IsTextField(field) && field != w.keys.hexBox)
            return false;
        PasteClipboard();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TColorCopy::AttachCopyMenu(TPaintBox* box, std::function<bool(QPoint, TRgbColor&)> colorAt)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box, colorAt](const QPoint& at) {
        TRgbColor c;
        if (colorAt(at, c))
            PopupCopyMenu(c, box, at);
    });
    auto press = box->onMouseDown;
    box->onMouseDown = [press](Qt::MouseButton button, QPoint at) {
        if (button != Qt::RightButton && press)
            press(button, at);
    };
}
