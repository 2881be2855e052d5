#include "platform/ScreenPortal.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QImageReader>
#include <QUrl>

#include <cmath>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

IScreenPortal* g_current = nullptr;
int g_portalSession = -1; // not read yet

TPortalAnswer Answer(TPortalAnswer::Kind kind, const QString& message)
{
    TPortalAnswer a;
    a.kind = kind;
    a.message = message;
    return a;
}

// A channel of the portal's colour (0..1) as 0..255.
int Channel(double value)
{
    const long double v = std::isfinite(value) ? std::fmax(0.0, std::fmin(1.0, value)) : 0.0;
    return int(nearbyintl(v * 255.0L));
}

} // namespace

TDesktopPortal::TDesktopPortal(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , bus_(bus)
{
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] {
        const int seconds = (timeoutMs + 999) / 1000;
        closeRequest();
        finish(
            Answer(TPortalAnswer::Kind::TimedOut,
                   QStringLiteral("The desktop did not answer the %1 request within %2 s.").arg(what()).arg(seconds)));
    });
}

TDesktopPortal::~TDesktopPortal()
{
    cancel();
}

QString TDesktopPortal::RequestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/') + token;
}

void TDesktopPortal::screenshot(TDone done)
{
    start(Call::Screenshot, std::move(done));
}

void TDesktopPortal::pickColor(TDone done)
{
    start(Call::PickColor, std::move(done));
}

QString TDesktopPortal::what() const
{
    return call_ == Call::PickColor ? QStringLiteral("color pick") : QStringLiteral("screenshot");
}

void TDesktopPortal::start(Call call, TDone done)
{
    if (!done)
        return;
    if (pending()) {
        TPortalAnswer busy =
            Answer(TPortalAnswer::Kind::Failed, QStringLiteral("Another request to the desktop is under way."));
        QTimer::singleShot(0, this, [done = std::move(done), busy] { done(busy); });
        return;
    }
    call_ = call;
    done_ = std::move(done);
    const unsigned serial = ++serial_;
    if (!bus_.isConnected()) {
        QTimer::singleShot(0, this, [this, serial] {
            if (serial == serial_)
                finish(Answer(TPortalAnswer::Kind::NoService,
                              QStringLiteral("There is no session message bus, so Tintwell cannot ask the desktop for "
                                             "the screen.")));
        });
        return;
    }

    // The answer can come before the call's own reply: listen first, on the
    // path the portal builds from our name and the token.
    static unsigned counter = 0;
    const QString token = QStringLiteral("tintwell%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    listen(RequestPath(bus_.baseService(), token));

    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    if (call == Call::Screenshot) {
        options.insert(QStringLiteral("interactive"), false);
        options.insert(QStringLiteral("modal"), false);
    }
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kObject, kScreenshot,
                                                          call == Call::Screenshot ? QStringLiteral("Screenshot")
                                                                                   : QStringLiteral("PickColor"));
    message << QString() << options;
    timeout_.start(timeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, serial](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        if (serial != serial_)
            return; // given up or answered meanwhile
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            const QDBusError error = reply.error();
            switch (error.type()) {
            case QDBusError::ServiceUnknown:
                finish(
                    Answer(TPortalAnswer::Kind::NoService,
                           QStringLiteral("The desktop portal (xdg-desktop-portal) is not running, so Tintwell cannot "
                                          "ask the desktop for the screen.")));
                return;
            case QDBusError::UnknownMethod:
            case QDBusError::UnknownInterface:
            case QDBusError::UnknownObject:
                finish(Answer(TPortalAnswer::Kind::NotOffered,
                              call_ == Call::PickColor
                                  ? QStringLiteral("This desktop does not offer picking a color from the screen.")
                                  : QStringLiteral("This desktop does not offer screenshots to applications.")));
                return;
            case QDBusError::NoReply:
            case QDBusError::Timeout:
            case QDBusError::TimedOut: return; // the time limit of our own reports it
            default:
                finish(Answer(TPortalAnswer::Kind::Failed,
                              QStringLiteral("The desktop portal failed: %1").arg(error.message())));
                return;
            }
        }
        // Older portals answer on a path of their own choosing.
        const QString handle = reply.value().path();
        if (!handle.isEmpty() && handle != requestPath_)
            listen(handle);
    });
}

void TDesktopPortal::listen(const QString& path)
{
    stopListening();
    requestPath_ = path;
    bus_.connect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                 SLOT(onResponse(uint, QVariantMap)));
}

void TDesktopPortal::stopListening()
{
    if (requestPath_.isEmpty())
        return;
    bus_.disconnect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                    SLOT(onResponse(uint, QVariantMap)));
    requestPath_.clear();
}

void TDesktopPortal::closeRequest()
{
    if (requestPath_.isEmpty() || !bus_.isConnected())
        return;
    bus_.call(QDBusMessage::createMethodCall(kService, requestPath_, kRequest, QStringLiteral("Close")),
              QDBus::NoBlock);
}

void TDesktopPortal::cancel()
{
    if (!pending())
        return;
    closeRequest();
    stopListening();
    timeout_.stop();
    done_ = nullptr;
    call_ = Call::None;
    ++serial_;
}

void TDesktopPortal::finish(const TPortalAnswer& answer)
{
    TDone done = std::move(done_);
    done_ = nullptr;
    stopListening();
    timeout_.stop();
    ++serial_;
    call_ = Call::None;
    if (done)
        done(answer);
}

void TDesktopPortal::onResponse(uint response, const QVariantMap& results)
{
    if (!pending())
        return;
    switch (response) {
    case 0: finish(call_ == Call::PickColor ? colorFrom(results) : pictureFrom(results)); return;
    case 1: finish(Answer(TPortalAnswer::Kind::Refused, QStringLiteral("The %1 was cancelled.").arg(what()))); return;
    case 2:
        finish(Answer(TPortalAnswer::Kind::Refused,
                      call_ == Call::PickColor
                          ? QStringLiteral("The desktop refused to pick a color.")
                          : QStringLiteral("The desktop refused the screenshot: its privacy settings may not allow "
                                           "screenshots.")));
        return;
    default:
        finish(Answer(
            TPortalAnswer::Kind::Failed,
            QStringLiteral("The desktop answered the %1 request with the unknown code %2.").arg(what()).arg(response)));
        return;
    }
}

TPortalAnswer TDesktopPortal::pictureFrom(const QVariantMap& results) const
{
    const QString uri = results.value(QStringLiteral("uri")).toString();
    const QUrl url(uri);
    if (!url.isLocalFile())
        return Answer(TPortalAnswer::Kind::Unreadable,
                      QStringLiteral("The desktop gave the screenshot as \"%1\", which is not a file.").arg(uri));
    const QString path = url.toLocalFile();
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    if (picture.isNull())
        return Answer(TPortalAnswer::Kind::Unreadable,
                      QStringLiteral("The screenshot %1 could not be read: %2").arg(path, reader.errorString()));
    // The desktop leaves its file behind; it is ours to remove, and only it.
    QFile::remove(path);
    TPortalAnswer a;
    a.kind = TPortalAnswer::Kind::Picture;
    a.picture = picture.convertToFormat(QImage::Format_RGB32);
    return a;
}

TPortalAnswer TDesktopPortal::colorFrom(const QVariantMap& results) const
{
    const QVariant color = results.value(QStringLiteral("color"));
    if (!color.canConvert<QDBusArgument>())
        return Answer(TPortalAnswer::Kind::Failed, QStringLiteral("The desktop picked no color."));
    const QDBusArgument arg = color.value<QDBusArgument>();
    if (arg.currentSignature() != QLatin1String("(ddd)"))
        return Answer(TPortalAnswer::Kind::Failed, QStringLiteral("The desktop picked no color."));
    double r = 0, g = 0, b = 0;
    arg.beginStructure();
    arg >> r >> g >> b;
    arg.endStructure();
    TPortalAnswer a;
    a.kind = TPortalAnswer::Kind::Color;
    a.red = Channel(r);
    a.green = Channel(g);
    a.blue = Channel(b);
    return a;
}

bool PortalSession()
{
    if (g_portalSession < 0) {
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        const QByteArray type = qgetenv("XDG_SESSION_TYPE");
        g_portalSession = !wayland.isEmpty() || type.compare("wayland", Qt::CaseInsensitive) == 0 ? 1 : 0;
    }
    return g_portalSession == 1;
}

TPortalSessionOverride::TPortalSessionOverride(bool portal)
    : previous_(g_portalSession)
{
    g_portalSession = portal ? 1 : 0;
}

TPortalSessionOverride::~TPortalSessionOverride()
{
    g_portalSession = previous_;
}

IScreenPortal& ScreenPortal()
{
    if (g_current)
        return *g_current;
    static TDesktopPortal* portal = new TDesktopPortal(QDBusConnection::sessionBus(), qApp);
    return *portal;
}

TScreenPortalOverride::TScreenPortalOverride(IScreenPortal& replacement)
    : previous_(g_current)
{
    g_current = &replacement;
}

TScreenPortalOverride::~TScreenPortalOverride()
{
    g_current = previous_;
}
