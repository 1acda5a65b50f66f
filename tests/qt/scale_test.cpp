// Zoom and screens with two device pixels to a window pixel: the pixel art is scaled without
// smoothing, every window pixel becoming a block of its own colour.
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using ScaleTest = WindowFixture;

TEST_F(ScaleTest, PixelArtStaysCrispAtTwiceTheDensity) {
    clickSplash();
    view().handle([&] { game.easy_Click(); });  // the score bar's texts too
    game.ball.Left = game.ball.Top = 1500;
    const QImage once = render();
    QImage twice(once.size() * 2, QImage::Format_RGB32);
    twice.setDevicePixelRatio(2.0);
    twice.fill(Qt::magenta);
    view().canvas().render(&twice);
    int differing = 0;
    for (int y = 0; y < twice.height(); ++y)
        for (int x = 0; x < twice.width(); ++x)
            differing += twice.pixel(x, y) != once.pixel(x / 2, y / 2);
    EXPECT_EQ(differing, 0);
}

TEST_F(ScaleTest, ZoomMultipliesTheWindowAndItsOneGrowth) {
    show();
    const QImage once = render();
    for (const int zoom : {2, 4, 1}) {
        SCOPED_TRACE(zoom);
        view().setZoom(zoom);
        EXPECT_EQ(view().size(), QSize(303, 317) * zoom);
        const QImage zoomed = render();
        for (const QPoint at : {QPoint(302, 316), QPoint(60, 256) /* "CLICK" */})
            EXPECT_EQ(zoomed.pixel(at * zoom + QPoint(zoom - 1, zoom - 1)), once.pixel(at))
                << "a window pixel becomes a zoom x zoom block";
    }
    view().setZoom(3);
    clickSplash();
    EXPECT_EQ(view().size(), QSize(909, 990)) << "the 200 twips zoomed too";
    view().setZoom(9);
    EXPECT_EQ(view().zoom(), 4);
}

TEST(ZoomOfTheFirstStart, TheLargestWhoseWindowTakesAtMostSixtyPercent) {
    // 317 pixels a zoom step: zoom z needs z * 317 <= 0.6 * height.
    const int rows[][2] = {{400, 1}, {1056, 1}, {1057, 2}, {1584, 2}, {1585, 3}, {4000, 4}};
    for (const auto& [height, zoom] : rows) {
        SCOPED_TRACE(height);
        EXPECT_EQ(views::MainWindowView::zoomForScreenHeight(height), zoom);
    }
}

}  // namespace
}  // namespace qt_tests
