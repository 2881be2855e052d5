// `tintwell --grab` and the one running program it asks: the command line,
// the session's socket, and the real program asking an instance served here.
#include "app/SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

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
    for (std::vector<const char*> bad : {std::vector<const char*>{"--grab", "x"}, {"-grab"}, {"--Grab"}, {""}, {"x.dat"}})
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

TEST(SingleInstance, AskingWithNobodyRunningFailsAtOnce)
{
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(TSingleInstance::askToGrab(2000));
    EXPECT_LT(t.elapsed(), 1500);
}

} // namespace
