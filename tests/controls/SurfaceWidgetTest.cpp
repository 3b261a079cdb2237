#include "controls/SurfaceWidget.h"

#include "TestApplication.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace velmora
