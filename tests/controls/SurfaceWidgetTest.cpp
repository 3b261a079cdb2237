#include "controls/SurfaceWidget.h"
#include "controls/QtMainThread.h"

#include "TestApplication.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

namespace velmora {
namespace {

    TEST(SurfaceWidgetTest, ShowsTheBackgroundWithItsDrawing)
    {
        testApplication();
        auto surface = std::make_shared<Surface>(QSize(40, 30), qRgb(255, 255, 0));
        surface->bitmap().setPixel(5, 6, qRgb(0, 0, 255));
        QWidget window;
        window.resize(60, 50);
        SurfaceWidget page(surface, {}, &window);
        page.move(10, 10);
        window.show();
        const QImage shot = window.grab().toImage();
        EXPECT_EQ(shot.pixel(10 + 20, 10 + 20), qRgb(255, 255, 0));
        EXPECT_EQ(shot.pixel(10 + 5, 10 + 6), qRgb(0, 0, 255));
    }

    constexpr QRgb white = qRgb(255, 255, 255);
    constexpr QRgb black = qRgb(0, 0, 0);

    class SurfaceToolTest : public testing::Test {
    protected:
        SurfaceToolTest() { testApplication(); }

        void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
        {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                : type == QEvent::MouseMove                                  ? m_held
                                                                             : button;
            QMouseEvent event(type, at, widget.mapToGlobal(at),
                type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
            m_held = held;
            QCoreApplication::sendEvent(&widget, &event);
        }
        void drag(std::initializer_list<QPoint> path)
        {
            mouse(QEvent::MouseButtonPress, *path.begin());
            for (const QPoint& at : path)
                mouse(QEvent::MouseMove, at);
            mouse(QEvent::MouseButtonRelease, *(path.end() - 1));
        }
        QRgb at(int x, int y) const { return surface->bitmap().pixel(x, y); }

        std::shared_ptr<Surface> surface = std::make_shared<Surface>(QSize(40, 30), white);
        SurfaceWidget widget { surface, {}, nullptr };

    private:
        Qt::MouseButtons m_held;
    };

    // Freehand follows the mouse; the tool stays for the next stroke until a right press puts it
    // down, after which the left button draws nothing.
    TEST_F(SurfaceToolTest, FreehandDrawsWhereTheMouseGoesUntilARightPress)
    {
        surface->setTool(SurfaceTool::Freehand);
        drag({ { 5, 5 }, { 15, 5 }, { 15, 15 } });
        EXPECT_EQ(at(5, 5), black);
        EXPECT_EQ(at(10, 5), black);
        EXPECT_EQ(at(15, 10), black);
        EXPECT_EQ(at(10, 10), white);
        drag({ { 30, 5 }, { 30, 10 } });
        EXPECT_EQ(at(30, 8), black);

        mouse(QEvent::MouseButtonPress, { 20, 20 }, Qt::RightButton);
        mouse(QEvent::MouseButtonRelease, { 20, 20 }, Qt::RightButton);
        EXPECT_EQ(surface->tool(), SurfaceTool::None);
        drag({ { 20, 25 }, { 35, 25 } });
        EXPECT_EQ(at(28, 25), white);
    }

    // A stretched shape shows as an outline over the surface and is drawn into the background
    // only when the button is let go, from corner to corner with both corners in it.
    TEST_F(SurfaceToolTest, AFlexibleShapeIsDrawnWhenTheButtonIsLetGo)
    {
        surface->setTool(SurfaceTool::FlexibleRectangle);
        mouse(QEvent::MouseButtonPress, { 20, 15 });
        mouse(QEvent::MouseMove, { 10, 8 });
        mouse(QEvent::MouseMove, { 5, 5 });
        EXPECT_EQ(at(5, 5), white) << "only the outline shows while stretching";
        mouse(QEvent::MouseButtonRelease, { 5, 5 });
        for (const QPoint corner : { QPoint(5, 5), QPoint(20, 5), QPoint(5, 15), QPoint(20, 15) })
            EXPECT_EQ(at(corner.x(), corner.y()), black) << corner.x() << "," << corner.y();
        EXPECT_EQ(at(12, 10), white);

        surface->setTool(SurfaceTool::FlexibleFilledEllipse);
        drag({ { 25, 5 }, { 35, 25 } });
        EXPECT_EQ(at(30, 15), black);
        EXPECT_EQ(at(25, 5), white) << "the box's corner lies outside the ellipse";
    }

    // Paint is sprayed while the button is held, within the pen's width of the mouse.
    TEST_F(SurfaceToolTest, SprayPaintsAroundTheMouseWhileTheButtonIsHeld)
    {
        surface->backgroundPen().width = 4;
        surface->setTool(SurfaceTool::Spray);
        const QPoint centre(20, 15);
        mouse(QEvent::MouseButtonPress, centre);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 200)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        mouse(QEvent::MouseButtonRelease, centre);
        int painted = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (at(x, y) == black) {
                    ++painted;
                    EXPECT_LE(std::hypot(x - centre.x(), y - centre.y()), 4.0) << x << "," << y;
                }
        EXPECT_GT(painted, 4) << "more than the first puff";
    }

    // Collects what a widget's paint events cover, and counts them.
    class PaintWatch : public QObject {
    public:
        QRegion painted;
        int paints = 0;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                painted += static_cast<QPaintEvent*>(event)->region();
                ++paints;
            }
            return QObject::eventFilter(watched, event);
        }
    };

    // A page's window shown on its own, its paint events watched, with the window thread's facility
    // that carries the drawing threads' reports.
    class SurfaceWidgetRepaintTest : public testing::Test {
    protected:
        SurfaceWidgetRepaintTest()
        {
            testApplication();
            page.show();
            QCoreApplication::processEvents();
            page.installEventFilter(&watch);
        }

        // Runs the window thread's events until `done` holds or the time is up; whether it holds.
        bool serve(qint64 milliseconds, const std::function<bool()>& done)
        {
            QElapsedTimer clock;
            clock.start();
            while (!done() && clock.elapsed() < milliseconds)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            return done();
        }

        QtMainThread windowThread;
        std::shared_ptr<Surface> surface
            = std::make_shared<Surface>(QSize(40, 30), qRgb(255, 255, 255));
        SurfaceWidget page { surface, {}, nullptr };
        PaintWatch watch;
    };

    // A drawing thread reports changes before the window thread looks; however few repaints that
    // makes, they cover every change.
    TEST_F(SurfaceWidgetRepaintTest, RepaintsEveryChangeThatADrawingThreadReports)
    {
        const QRect changes[] = { QRect(2, 3, 1, 1), QRect(35, 25, 4, 4), QRect(20, 0, 2, 30) };
        std::thread drawing([&] {
            for (const QRect& change : changes)
                surface->invalidate(change);
        });
        drawing.join();
        QRegion reported;
        for (const QRect& change : changes)
            reported += change;
        EXPECT_TRUE(serve(5000, [&] { return watch.painted.intersected(reported) == reported; }));
    }

    // A drawing thread that reports changes without a pause is repainted at most once a frame
    // (16 ms), and still repainted while it goes on.
    TEST_F(SurfaceWidgetRepaintTest, RepaintsAtMostOnceAFrameWhileADrawingThreadReports)
    {
        std::atomic<bool> drawing { true };
        std::thread reports([&] {
            for (int step = 0; drawing; ++step)
                surface->invalidate(QRect(step % 40, step % 30, 1, 1));
        });
        QElapsedTimer clock;
        clock.start();
        serve(250, [] { return false; });
        drawing = false;
        reports.join();
        const qint64 frames = clock.elapsed() / 16;
        EXPECT_GE(watch.paints, 1);
        EXPECT_LE(watch.paints, frames + 2);
    }

} // namespace
} // namespace velmora
