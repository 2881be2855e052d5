#include "grab/StillScreen.h"

#include "grab/HotKeyEdit.h"
#include "platform/X11Connection.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {

// One monitor's part of the still picture, full-screen, one picture pixel
// to a screen pixel.
class TPictureWindow final : public QWidget {
public:
    std::function<void()> onUserClose;

    TPictureWindow()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setObjectName(QStringLiteral("stillPicture"));
        setAccessibleName(QStringLiteral("Still picture of the screen"));
        setWindowTitle(QStringLiteral("Tintwell V1.0 - Screen"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::CrossCursor);
        setFocusPolicy(Qt::StrongFocus);
    }
    void setPart(const QImage& part)
    {
        part_ = part;
        update();
    }
    void closeForGood()
    {
        closing_ = true;
        close();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawImage(0, 0, part_);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (!closing_ && onUserClose) {
            event->ignore(); // the zoom window ends, and takes us with it
            onUserClose();
            return;
        }
        QWidget::closeEvent(event);
    }

private:
    QImage part_;
    bool closing_ = false;
};

} // namespace

TStillScreen::TStillScreen(QWidget* zoom, IScreenPortal& portal, IScreen& pointer)
    : zoom_(zoom)
    , portal_(portal)
    , pointer_(pointer)
{
    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, &TStillScreen::ask);
    qApp->installEventFilter(this);
}

TStillScreen::~TStillScreen()
{
    qApp->removeEventFilter(this);
    portal_.cancel();
    for (const QPointer<QWidget>& w : windows_)
        if (w) {
            static_cast<TPictureWindow*>(w.data())->closeForGood();
            delete w.data();
        }
}

void TStillScreen::takeScreenshot()
{
    if (state_ == State::Waiting && (portal_.pending() || settle_.isActive()))
        return;
    const bool shown = !windows_.empty() && windows_.front() && windows_.front()->isVisible();
    setState(State::Waiting);
    if (shown) {
        hidePictures();
        settle_.start(settleMs);
    } else {
        ask();
    }
}

void TStillScreen::ask()
{
    portal_.screenshot([this](const TPortalAnswer& answer) { answered(answer); });
}

void TStillScreen::answered(const TPortalAnswer& answer)
{
    if (answer.kind == TPortalAnswer::Kind::Picture && !answer.picture.isNull()) {
        picture_ = answer.picture;
        // The picture spans the whole desktop.
        QScreen* primary = QGuiApplication::primaryScreen();
        const QRect desktop = primary ? primary->virtualGeometry() : QRect();
        const int width = desktop.x() + desktop.width();
        scale_ = width > 0 ? qreal(picture_.width()) / width : 1.0;
        setState(State::Showing);
        showPictures();
        return;
    }
    if (!picture_.isNull()) {
        // A new screenshot failed: the one before stays.
        showPictures();
        setState(State::Showing);
        Services().dialogs->message(TMsgIcon::Error, answer.message);
        return;
    }
    if (answer.kind == TPortalAnswer::Kind::Refused || answer.kind == TPortalAnswer::Kind::NotOffered) {
        setState(State::Picking, answer.message);
        return;
    }
    setState(State::Failed, answer.message);
    Services().dialogs->message(TMsgIcon::Error, answer.message);
}

bool TStillScreen::pick(std::function<void(const TRgbColor&)> picked)
{
    if (picking_ || portal_.pending())
        return false;
    picking_ = true;
    portal_.pickColor([this, picked = std::move(picked)](const TPortalAnswer& answer) {
        picking_ = false;
        if (answer.kind == TPortalAnswer::Kind::Color) {
            if (picked)
                picked(TRgbColor{answer.red, answer.green, answer.blue});
            return;
        }
        if (answer.kind == TPortalAnswer::Kind::NotOffered || answer.kind == TPortalAnswer::Kind::NoService)
            setState(State::Failed, message_.isEmpty() ? answer.message : message_ + QLatin1Char(' ') + answer.message);
        Services().dialogs->message(TMsgIcon::Error, answer.message);
    });
    return true;
}

void TStillScreen::setState(State state, const QString& message)
{
    state_ = state;
    message_ = message;
    if (onChanged)
        onChanged();
}

QString TStillScreen::statusTitle() const
{
    switch (state_) {
    case State::Waiting: return QStringLiteral("Waiting");
    case State::Showing: return QStringLiteral("Start zooming");
    case State::Picking: return QStringLiteral("Pick colors");
    case State::Failed: break;
    }
    return QStringLiteral("No picture");
}

QString TStillScreen::statusText() const
{
    switch (state_) {
    case State::Waiting:
        return QStringLiteral("Waiting for the desktop to give a screenshot. Close this window to give up.");
    case State::Showing: return QString();
    case State::Picking:
    case State::Failed: break;
    }
    return message_;
}

std::vector<QWidget*> TStillScreen::pictureWindows() const
{
    std::vector<QWidget*> out;
    for (const QPointer<QWidget>& w : windows_)
        if (w && w->isVisible())
            out.push_back(w.data());
    return out;
}

void TStillScreen::showPictures()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary || screens.isEmpty() || picture_.isNull())
        return;
    const qreal scale = scale_;
    while (windows_.size() < size_t(screens.size()))
        windows_.emplace_back(new TPictureWindow);
    for (int i = 0; i < screens.size(); ++i) {
        auto* w = static_cast<TPictureWindow*>(windows_[size_t(i)].data());
        if (!w)
            continue;
        w->onUserClose = [this] { requestClose(); };
        const QRect g = screens[i]->geometry();
        const QRect part(qRound(g.x() * scale), qRound(g.y() * scale), qRound(g.width() * scale),
                         qRound(g.height() * scale));
        QImage piece = picture_.copy(part);
        piece.setDevicePixelRatio(scale);
        w->setPart(piece);
        w->setGeometry(g);
        // Full screen only once shown: asked before, some desktops leave it a
        // framed window.
        w->show();
        w->setWindowState(Qt::WindowFullScreen);
    }
    if (zoom_) {
        // Above a full-screen window only its own dialogs are shown.
        if (QWidget* first = windows_.front())
            X11SetTransientFor(zoom_->winId(), first->winId());
        zoom_->raise();
        zoom_->activateWindow();
    }
}

void TStillScreen::hidePictures()
{
    for (const QPointer<QWidget>& w : windows_)
        if (w)
            w->hide();
}

void TStillScreen::requestClose()
{
    // Not from inside the event of a window that the close deletes.
    QTimer::singleShot(0, this, [this] {
        if (onCloseRequested)
            onCloseRequested();
    });
}

QPoint TStillScreen::cursorPos()
{
    // The pointer comes in the screen's device pixels; the picture may have
    // been taken at another scale.
    const QPoint p = pointer_.cursorPos();
    QScreen* primary = QGuiApplication::primaryScreen();
    const qreal ratio = primary ? primary->devicePixelRatio() : 1.0;
    if (qFuzzyCompare(scale_, ratio))
        return p;
    const qreal k = scale_ / ratio;
    return QPoint(qRound(p.x() * k), qRound(p.y() * k));
}

QSize TStillScreen::desktopSize()
{
    return picture_.size();
}

QImage TStillScreen::grab(const QRect& rect)
{
    if (picture_.isNull()) {
        QImage out(rect.size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        return out;
    }
    QImage out = picture_.copy(rect); // parts off the picture come back 0, shown black
    return out;
}

bool TStillScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QWidget* window = static_cast<QWidget*>(watched)->window();
    const bool onPicture = window && window->objectName() == QLatin1String("stillPicture");
    if (!onPicture && window != zoom_)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier))
        return false;
    if (key->key() == Qt::Key_F5 && !key->isAutoRepeat() && !qobject_cast<THotKeyEdit*>(QApplication::focusWidget())) {
        takeScreenshot();
        return true;
    }
    // Esc ends the zoom window from either window, whatever has the focus
    // (the list of grabbed colours would take it as a scrolling key).
    if (key->key() == Qt::Key_Escape) {
        requestClose();
        return true;
    }
    return false;
}
