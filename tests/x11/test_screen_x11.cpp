// Reading the screen on a real X server: exact colours at exact places,
// black where the rectangle leaves the screen, the pointer and the desktop.
#include "OtherClient.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

class X11Screen : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        ASSERT_TRUE(other.ok());
    }
    TOtherClient other;
};

TEST_F(X11Screen, GrabReadsThePixelsOfTheRectangle)
{
    other.colourWindow(50, 60, 40, 30, 0x3366CC);
    other.colourWindow(90, 60, 10, 30, 0xFFCC00);
    IScreen& screen = *Services().screen;
    const QImage shot = screen.grab(QRect(45, 55, 60, 40));
    ASSERT_EQ(shot.size(), QSize(60, 40));
    EXPECT_EQ(shot.pixel(5, 5), qRgb(0x33, 0x66, 0xCC)); // (50, 60)
    EXPECT_EQ(shot.pixel(44, 34), qRgb(0x33, 0x66, 0xCC)); // (89, 89)
    EXPECT_EQ(shot.pixel(45, 5), qRgb(0xFF, 0xCC, 0x00)); // (90, 60)
    EXPECT_NE(shot.pixel(4, 5), qRgb(0x33, 0x66, 0xCC)); // (49, 60)
    EXPECT_NE(shot.pixel(5, 4), qRgb(0x33, 0x66, 0xCC)); // (50, 59)
}

TEST_F(X11Screen, PartsOffTheScreenAreBlack)
{
    const QSize desktop = Services().screen->desktopSize();
    EXPECT_EQ(desktop, QSize(1280, 1024));
    other.colourWindow(1270, 1014, 10, 10, 0x3366CC);
    other.colourWindow(0, 0, 10, 10, 0xFFCC00);
    IScreen& screen = *Services().screen;
    const QImage corner = screen.grab(QRect(1275, 1019, 10, 10));
    EXPECT_EQ(corner.pixel(4, 4), qRgb(0x33, 0x66, 0xCC));
    EXPECT_EQ(corner.pixel(5, 4), qRgb(0, 0, 0));
    EXPECT_EQ(corner.pixel(4, 5), qRgb(0, 0, 0));
    const QImage origin = screen.grab(QRect(-3, -2, 6, 6));
    EXPECT_EQ(origin.pixel(2, 1), qRgb(0, 0, 0));
    EXPECT_EQ(origin.pixel(3, 2), qRgb(0xFF, 0xCC, 0x00));
    const QImage away = screen.grab(QRect(2000, 2000, 4, 4));
    EXPECT_EQ(away.size(), QSize(4, 4));
    EXPECT_EQ(away.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(X11Screen, PointerIsWhereItWasPut)
{
    QCursor::setPos(321, 234);
    QElapsedTimer t;
    t.start();
    while (Services().screen->cursorPos() != QPoint(321, 234) && t.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(Services().screen->cursorPos(), QPoint(321, 234));
}

} // namespace
