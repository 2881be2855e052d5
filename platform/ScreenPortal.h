// Screen pixels on desktops where a program may not read the screen itself
// (Wayland): the desktop portal's Screenshot and PickColor, over D-Bus.
//
// A request returns at once; its answer comes later, on the user-interface
// thread, through the callback given with it. One request at a time.
#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

struct TPortalAnswer {
    enum class Kind {
        Picture, // `picture` holds the screen
        Color, // `red`, `green`, `blue` hold the colour the user picked
        NoService, // no portal on the session bus
        NotOffered, // the portal has no such call
        Refused, // the user said no, or the desktop does not allow it
        TimedOut, // no answer within the time limit
        Unreadable, // the picture file could not be read
        Failed, // anything else; `message` says what
    };
    Kind kind = Kind::Failed;
    QImage picture;
    int red = 0, green = 0, blue = 0;
    QString message; // for the user; empty on success
    bool ok() const { return kind == Kind::Picture || kind == Kind::Color; }
};

class IScreenPortal {
public:
    using TDone = std::function<void(const TPortalAnswer&)>;
    virtual ~IScreenPortal() = default;
    // A picture of the whole screen, taken without asking the user anything.
    virtual void screenshot(TDone done) = 0;
    // A colour the user points at with the desktop's own picker.
    virtual void pickColor(TDone done) = 0;
    // Gives up the request under way; its callback is never called.
    virtual void cancel() = 0;
    virtual bool pending() const = 0;
};

// The portal on a D-Bus connection (the session bus unless told otherwise).
class TDesktopPortal final : public QObject, public IScreenPortal {
    Q_OBJECT
public:
    explicit TDesktopPortal(const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~TDesktopPortal() override;

    // GNOME asks the user once whether programs may take screenshots, and
    // says nothing until then: give them time to read the question.
    int timeoutMs = 60000;

    void screenshot(TDone done) override;
    void pickColor(TDone done) override;
    void cancel() override;
    bool pending() const override { return bool(done_); }

    // The object path the portal answers a request with `token` on, for the
    // connection's unique name (":1.42" -> "1_42").
    static QString RequestPath(const QString& uniqueName, const QString& token);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    enum class Call { None, Screenshot, PickColor };
    void start(Call call, TDone done);
    void listen(const QString& path);
    void stopListening();
    void finish(const TPortalAnswer& answer);
    void closeRequest();
    TPortalAnswer pictureFrom(const QVariantMap& results) const;
    TPortalAnswer colorFrom(const QVariantMap& results) const;
    QString what() const;

    QDBusConnection bus_;
    Call call_ = Call::None;
    TDone done_;
    QString requestPath_; // where the answer is expected
    QTimer timeout_;
    unsigned serial_ = 0; // tells stale replies from the current request
};

// Whether the zoom window reads the screen itself (X11) or asks the desktop
// portal for it (a Wayland session: WAYLAND_DISPLAY set, or XDG_SESSION_TYPE
// "wayland"). Read from the environment at the first call.
bool PortalSession();
// For tests: the choice for the lifetime of the guard.
class TPortalSessionOverride {
public:
    explicit TPortalSessionOverride(bool portal);
    ~TPortalSessionOverride();
    TPortalSessionOverride(const TPortalSessionOverride&) = delete;
    TPortalSessionOverride& operator=(const TPortalSessionOverride&) = delete;

private:
    int previous_;
};

// The portal in use: the session bus's unless a test installed another.
IScreenPortal& ScreenPortal();

class TScreenPortalOverride {
public:
    explicit TScreenPortalOverride(IScreenPortal& replacement);
    ~TScreenPortalOverride();
    TScreenPortalOverride(const TScreenPortalOverride&) = delete;
    TScreenPortalOverride& operator=(const TScreenPortalOverride&) = delete;

private:
    IScreenPortal* previous_;
};
