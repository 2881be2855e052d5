// `tintwell --grab` and the one running program it asks: the command line,
// the session's socket, and the real program asking an instance served here.
#include "app/SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

TStartMode Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "tintwell");
    return ParseStartArguments(int(args.size()), const_cast<char**>(args.data()));
}

TEST(StartArguments, OnlyGrabAndHelpAreKnown)
{
    EXPECT_EQ(Parse({}), TStartMode::Normal);
    EXPECT_EQ(Parse({"--grab"}), TStartMode::Grab);
    EXPECT_EQ(Parse({"--help"}), TStartMode::Help);
    EXPECT_EQ(Parse({"-h"}), TStartMode::Help);
    for (std::vector<const char*> bad :
         {std::vector<const char*>{"--grab", "x"}, {"-grab"}, {"--Grab"}, {""}, {"x.dat"}})
        EXPECT_EQ(Parse(bad), TStartMode::Usage) << (bad.empty() ? "" : bad[0]);
}

const QString kProgram = QStringLiteral(TINTWELL_PROGRAM_DIR "/tintwell");

TEST(StartArguments, UnknownArgumentPrintsTheUsageAndEndsWithStatus2)
{
    QProcess p;
    p.start(kProgram, {QStringLiteral("--frobnicate")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().startsWith("Usage: tintwell [--grab]\n"));
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
}

TEST(SingleInstance, OneProgramHoldsTheSocketAndASecondIsTurnedAway)
{
    TSingleInstance first;
    ASSERT_TRUE(first.claim()) << TSingleInstance::SocketPath().toStdString();
    EXPECT_TRUE(TSingleInstance::SocketPath().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/tintwell-"));
    TSingleInstance second;
    EXPECT_FALSE(second.claim());
    EXPECT_FALSE(second.claimed());
}

TEST(SingleInstance, SocketLeftByAnEndedProgramIsTakenOver)
{
    const QString path = TSingleInstance::SocketPath();
    {
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    TSingleInstance instance;
    EXPECT_TRUE(instance.claim());
}

TEST(SingleInstance, GrabStartAsksTheRunningProgramAndEnds)
{
    TSingleInstance running;
    ASSERT_TRUE(running.claim());
    int grabs = 0;
    running.onGrab = [&] { ++grabs; };

    QProcess p;
    p.start(kProgram, {QStringLiteral("--grab")});
    ASSERT_TRUE(p.waitForStarted(5000));
    QElapsedTimer t;
    t.start();
    while (p.state() != QProcess::NotRunning && t.elapsed() < 20000)
        QTest::qWait(20);
    ASSERT_EQ(p.state(), QProcess::NotRunning) << "the second start stayed: two programs";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QTRY_COMPARE(grabs, 1);
}

// A client of our own on the session's socket: connects, sends `line` and
// returns all it got back until the running program hung up (or 2 s passed),
// while this test's event loop serves it.
struct TRawClient {
    int fd = -1;
    TRawClient()
    {
        const QByteArray path = QFile::encodeName(TSingleInstance::SocketPath());
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::memcpy(addr.sun_path, path.constData(), std::size_t(path.size()));
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ~TRawClient()
    {
        if (fd >= 0)
            ::close(fd);
    }
    // Whether the other end hung up in time.
    bool exchange(const QByteArray& line, QByteArray& answer)
    {
        if (!line.isEmpty() && ::send(fd, line.constData(), std::size_t(line.size()), MSG_NOSIGNAL) != line.size())
            return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 2000) {
            char buffer[256];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n == 0)
                return true;
            if (n > 0)
                answer.append(buffer, qsizetype(n));
            else if (errno != EAGAIN && errno != EWOULDBLOCK)
                return true; // reset: hung up as well
            else
                QTest::qWait(5);
        }
        return false;
    }
};

TEST(SingleInstance, OnlyTheGrabLineIsAnsweredAndBadPeersDoNotStopTheService)
{
    TSingleInstance running;
    ASSERT_TRUE(running.claim());
    int grabs = 0;
    running.onGrab = [&] { ++grabs; };
    struct Case {
        const char* what;
        QByteArray first, rest; // sent a moment apart
        QByteArray answer;
        int grabs;
    };
    const Case cases[] = {
        {"another word", "hello\n", "", "", 0},
        {"grab with more after it", "grab now\n", "", "", 0},
        {"a line too long", QByteArray(200, 'g'), "", "", 0},
        {"an empty line", "\n", "", "", 0},
        {"the grab line", "grab\n", "", "ok\n", 1},
        {"the grab line in two pieces", "gr", "ab\n", "ok\n", 1},
    };
    int expectedGrabs = 0;
    for (const Case& c : cases) {
        TRawClient client;
        ASSERT_GE(client.fd, 0) << c.what;
        ASSERT_EQ(::send(client.fd, c.first.constData(), std::size_t(c.first.size()), MSG_NOSIGNAL), c.first.size());
        QTest::qWait(30);
        QByteArray answer;
        ASSERT_TRUE(client.exchange(c.rest, answer)) << c.what << ": the program did not hang up";
        EXPECT_EQ(answer, c.answer) << c.what;
        expectedGrabs += c.grabs;
        QTest::qWait(10);
        EXPECT_EQ(grabs, expectedGrabs) << c.what;
    }
}

TEST(SingleInstance, APeerThatSaysNothingIsDroppedInTime)
{
    TSingleInstance running;
    ASSERT_TRUE(running.claim());
    TRawClient silent;
    ASSERT_GE(silent.fd, 0);
    QByteArray answer;
    QElapsedTimer t;
    t.start();
    bool hungUp = false;
    while (!hungUp && t.elapsed() < 6000)
        hungUp = silent.exchange({}, answer);
    EXPECT_TRUE(hungUp);
    EXPECT_TRUE(answer.isEmpty());
}

TEST(SingleInstance, AskingAProgramThatNeverAnswersGivesUpInTime)
{
    // Something listens on the socket but never reads: the kernel takes the
    // connection and the line, and no answer comes.
    const QByteArray path = QFile::encodeName(TSingleInstance::SocketPath());
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.constData(), std::size_t(path.size()));
    const int mute = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_EQ(::bind(mute, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(mute, 4), 0);
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(TSingleInstance::askToGrab(400));
    EXPECT_GE(t.elapsed(), 350);
    EXPECT_LT(t.elapsed(), 2000);
    // And a start meanwhile is turned away: somebody answers the connection.
    TSingleInstance second;
    EXPECT_FALSE(second.claim());
    ::close(mute);
    ::unlink(path.constData());
}

TEST(SingleInstance, EndingRemovesTheSocketAndTheNextStartClaimsIt)
{
    const QString path = TSingleInstance::SocketPath();
    {
        TSingleInstance first;
        ASSERT_TRUE(first.claim());
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_FALSE(QFile::exists(path + ".lock")) << "the start's lock outlived the start";
    }
    EXPECT_FALSE(QFile::exists(path));
    TSingleInstance next;
    EXPECT_TRUE(next.claim());
}

TEST(SingleInstance, AskingWithNobodyRunningFailsAtOnce)
{
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(TSingleInstance::askToGrab(2000));
    EXPECT_LT(t.elapsed(), 1500);
}

} // namespace
