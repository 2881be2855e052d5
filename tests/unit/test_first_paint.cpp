// Work held back until a window's first picture is on screen.
#include "app/FirstPaint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Notes the window's paints among the steps.
class TPaintLog : public QObject {
public:
    explicit TPaintLog(QStringList& log)
        : log_(log)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            log_ << QStringLiteral("paint");
        return false;
    }

private:
    QStringList& log_;
};

TEST(FirstPaint, AWindowNotShownRunsTheStepsOnTheFirstTurnInOrder)
{
    QWidget window;
    QStringList log;
    RunAfterFirstPaint(&window, [&] { log << "a"; });
    RunAfterFirstPaint(&window, [&] { log << "b"; });
    EXPECT_TRUE(log.isEmpty()) << "nothing runs before the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"a", "b"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"a", "b"})) << "each step runs once";
    // Later steps run on the next turn.
    RunAfterFirstPaint(&window, [&] { log << "c"; });
    EXPECT_EQ(log.size(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"a", "b", "c"}));
}

TEST(FirstPaint, AShownWindowRunsTheStepsAfterItsFirstPaint)
{
    QWidget window;
    window.resize(50, 40);
    QStringList log;
    TPaintLog paints(log);
    window.installEventFilter(&paints);
    RunAfterFirstPaint(&window, [&] { log << "a"; });
    RunAfterFirstPaint(&window, [&] {
        log << "b";
        RunAfterFirstPaint(&window, [&] { log << "from b"; });
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QElapsedTimer t;
    t.start();
    while (!log.contains("from b") && t.elapsed() < 3000)
        QTest::qWait(5);
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.first(), "paint") << log.join(' ').toStdString();
    QStringList steps = log;
    steps.removeAll("paint");
    EXPECT_EQ(steps, (QStringList{"a", "b", "from b"})) << log.join(' ').toStdString();
}

// Swallows the window's paint events, as a desktop that never lets it be drawn.
class TNoPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Paint; }
};

TEST(FirstPaint, AShownWindowThatIsNeverDrawnRunsTheStepsWithinASecond)
{
    QWidget window;
    window.resize(50, 40);
    QStringList log;
    RunAfterFirstPaint(&window, [&] { log << "a"; });
    TNoPaint noPaint; // sees the events before the watch does
    window.installEventFilter(&noPaint);
    QElapsedTimer t;
    t.start();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    while (!log.contains("a") && t.elapsed() < 3000)
        QTest::qWait(20);
    EXPECT_TRUE(log.contains("a"));
    EXPECT_GE(t.elapsed(), 900) << "ran before the time it leaves a window to be drawn";
}

TEST(FirstPaint, StepsOfAWindowThatGoesNeverRun)
{
    int runs = 0;
    {
        QWidget window;
        RunAfterFirstPaint(&window, [&] { ++runs; });
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);
}

} // namespace
