// The desktop portal client against a stand-in portal on a private message
// bus started for each test: answers, refusals, silence, no portal at all,
// and pictures that cannot be read.
#include "platform/ScreenPortal.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace {

// A dbus-daemon of our own, without any service it could start by itself,
// and optionally the stand-in portal on it.
class TPrivateBus {
public:
    QTemporaryDir dir;
    QString address;
    QDBusConnection bus{QString()};
    QProcess daemon, portal;
    QString shots; // where the stand-in writes its screenshots

    bool start()
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (exe.isEmpty() || !dir.isValid())
            return false;
        const QString config = dir.filePath(QStringLiteral("bus.conf"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                               "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                               "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                               "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                               "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>\n")
                    .arg(dir.path())
                    .toUtf8());
        f.close();
        daemon.start(exe,
                     {QStringLiteral("--config-file=") + config, QStringLiteral("--print-address"),
                      QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
        if (!daemon.waitForStarted(5000))
            return false;
        QElapsedTimer t;
        t.start();
        while (!daemon.canReadLine() && t.elapsed() < 5000)
            daemon.waitForReadyRead(100);
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        if (address.isEmpty())
            return false;
        static int count = 0;
        bus = QDBusConnection::connectToBus(address, QStringLiteral("portal-test-%1").arg(++count));
        shots = dir.filePath(QStringLiteral("Pictures"));
        QDir().mkpath(shots);
        return bus.isConnected();
    }

    bool startPortal(const QString& mode)
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(qRgb(51, 102, 204));
        picture.setPixel(7, 5, qRgb(255, 0, 0));
        const QString file = dir.filePath(QStringLiteral("screen.png"));
        if (!picture.save(file))
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        portal.setProcessEnvironment(env);
        portal.start(QStringLiteral(TINTWELL_FAKE_PORTAL), {mode, file, shots});
        if (!portal.waitForStarted(5000))
            return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            if (bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop")))
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    QString portalSaid()
    {
        said_ += QString::fromUtf8(portal.readAllStandardOutput());
        return said_;
    }

    ~TPrivateBus()
    {
        QDBusConnection::disconnectFromBus(bus.name());
        for (QProcess* p : {&portal, &daemon})
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
    }

private:
    QString said_;
};

std::optional<TPortalAnswer> Wait(IScreenPortal& portal, bool pick = false, int ms = 5000)
{
    std::optional<TPortalAnswer> got;
    auto done = [&](const TPortalAnswer& a) { got = a; };
    if (pick)
        portal.pickColor(done);
    else
        portal.screenshot(done);
    QElapsedTimer t;
    t.start();
    while (!got && t.elapsed() < ms)
        QTest::qWait(10);
    return got;
}

#define START_BUS(b)                                                                                                   \
    TPrivateBus b;                                                                                                     \
    if (!b.start())                                                                                                    \
        GTEST_SKIP() << "cannot start a private dbus-daemon (is dbus-daemon installed?)";

TEST(ScreenPortal, RequestPathIsBuiltFromTheUniqueNameAndTheToken)
{
    EXPECT_EQ(TDesktopPortal::RequestPath(":1.42", "t1"), "/org/freedesktop/portal/desktop/request/1_42/t1");
    EXPECT_EQ(TDesktopPortal::RequestPath(":12.7", "x"), "/org/freedesktop/portal/desktop/request/12_7/x");
}

TEST(ScreenPortal, ScreenshotIsReadAndOnlyItsFileRemoved)
{
    START_BUS(b);
    ASSERT_TRUE(b.startPortal("answer"));
    // A screenshot the user made earlier, under the name the desktop uses first.
    const QString earlier = QDir(b.shots).filePath("Screenshot.png");
    ASSERT_TRUE(QFile::copy(b.dir.filePath("screen.png"), earlier));

    TDesktopPortal portal(b.bus);
    const auto a = Wait(portal);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->kind, TPortalAnswer::Kind::Picture) << a->message.toStdString();
    EXPECT_EQ(a->picture.size(), QSize(40, 30));
    EXPECT_EQ(a->picture.pixel(7, 5), qRgb(255, 0, 0));
    EXPECT_EQ(a->picture.pixel(0, 0), qRgb(51, 102, 204));
    EXPECT_FALSE(QFile::exists(QDir(b.shots).filePath("Screenshot-1.png"))) << "the answered file is removed";
    EXPECT_TRUE(QFile::exists(earlier)) << "nothing else is";
    EXPECT_FALSE(portal.pending());

    const QString said = b.portalSaid();
    EXPECT_TRUE(said.contains("Screenshot parent=\"\" interactive=false token=tintwell")) << said.toStdString();

    // A second request works the same way.
    const auto again = Wait(portal);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->kind, TPortalAnswer::Kind::Picture);
    EXPECT_EQ(QDir(b.shots).entryList(QDir::Files), QStringList{"Screenshot.png"});
}

TEST(ScreenPortal, PickColorGivesTheColourInWholeChannels)
{
    START_BUS(b);
    ASSERT_TRUE(b.startPortal("answer"));
    TDesktopPortal portal(b.bus);
    const auto a = Wait(portal, true);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->kind, TPortalAnswer::Kind::Color) << a->message.toStdString();
    EXPECT_EQ(a->red, 51);
    EXPECT_EQ(a->green, 102);
    EXPECT_EQ(a->blue, 204);
}

TEST(ScreenPortal, RefusalsAndMissingCallsAreClearMessages)
{
    struct TCase {
        const char* mode;
        bool pick;
        TPortalAnswer::Kind kind;
        const char* message;
    };
    const TCase cases[] = {
        {"cancelled", false, TPortalAnswer::Kind::Refused, "The screenshot was cancelled."},
        {"refused", false, TPortalAnswer::Kind::Refused,
         "The desktop refused the screenshot: its privacy settings may not allow screenshots."},
        {"refused", true, TPortalAnswer::Kind::Refused, "The desktop refused to pick a color."},
        {"no-shot", false, TPortalAnswer::Kind::NotOffered, "This desktop does not offer screenshots to applications."},
        {"no-shot", true, TPortalAnswer::Kind::Color, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + (c.pick ? " pick" : " screenshot"));
        START_BUS(b);
        ASSERT_TRUE(b.startPortal(c.mode));
        TDesktopPortal portal(b.bus);
        const auto a = Wait(portal, c.pick);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->kind, c.kind);
        EXPECT_EQ(a->message, QString::fromUtf8(c.message));
        EXPECT_FALSE(portal.pending());
    }
}

TEST(ScreenPortal, SilenceEndsAtTheTimeLimitAndClosesTheRequest)
{
    START_BUS(b);
    ASSERT_TRUE(b.startPortal("silent"));
    TDesktopPortal portal(b.bus);
    portal.timeoutMs = 300;
    QElapsedTimer t;
    t.start();
    const auto a = Wait(portal);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->kind, TPortalAnswer::Kind::TimedOut);
    EXPECT_EQ(a->message, "The desktop did not answer the screenshot request within 1 s.");
    EXPECT_GE(t.elapsed(), 250);
    QTRY_VERIFY_WITH_TIMEOUT(b.portalSaid().contains("Close /org/freedesktop/portal/desktop/request/"), 3000);
}

TEST(ScreenPortal, NoPortalOnTheBusIsSaidAtOnce)
{
    START_BUS(b);
    TDesktopPortal portal(b.bus);
    const auto a = Wait(portal);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->kind, TPortalAnswer::Kind::NoService);
    EXPECT_EQ(a->message,
              "The desktop portal (xdg-desktop-portal) is not running, so Tintwell cannot ask the desktop "
              "for the screen.");

    TDesktopPortal noBus(QDBusConnection(QStringLiteral("no such connection")));
    const auto b2 = Wait(noBus);
    ASSERT_TRUE(b2);
    EXPECT_EQ(b2->kind, TPortalAnswer::Kind::NoService);
}

TEST(ScreenPortal, UnreadablePictureIsSaidAndItsFileKept)
{
    START_BUS(b);
    ASSERT_TRUE(b.startPortal("unreadable"));
    TDesktopPortal portal(b.bus);
    const auto a = Wait(portal);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->kind, TPortalAnswer::Kind::Unreadable);
    const QString file = QDir(b.shots).filePath("Screenshot.png");
    EXPECT_TRUE(a->message.startsWith("The screenshot " + file + " could not be read: ")) << a->message.toStdString();
    EXPECT_TRUE(QFile::exists(file));
}

TEST(ScreenPortal, CancelledRequestNeverCallsBackAndTheNextOneWorks)
{
    START_BUS(b);
    ASSERT_TRUE(b.startPortal("silent"));
    TDesktopPortal portal(b.bus);
    bool called = false;
    portal.screenshot([&](const TPortalAnswer&) { called = true; });
    EXPECT_TRUE(portal.pending());
    portal.cancel();
    EXPECT_FALSE(portal.pending());
    QTest::qWait(100);
    EXPECT_FALSE(called);

    // While one request waits, another is refused rather than mixed up with it.
    portal.timeoutMs = 2000;
    portal.screenshot([](const TPortalAnswer&) {});
    const auto second = Wait(portal);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->kind, TPortalAnswer::Kind::Failed);
    EXPECT_EQ(second->message, "Another request to the desktop is under way.");
    portal.cancel();
}

} // namespace
