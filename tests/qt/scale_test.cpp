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

TEST_F(ScaleTest, ZoomMultipliesTheWindowUpToTheScreenAndItsOneGrowth) {
    show();
    const QImage once = render();
    for (const auto& [asked, shown] : {std::pair{2, 2}, {4, 2}, {1, 1}}) {
        SCOPED_TRACE(asked);
        view().setZoom(asked);
        EXPECT_EQ(view().size(), QSize(303, 317) * shown) << "no larger than the 768-pixel screen";
        const QImage zoomed = render();
        for (const QPoint at : {QPoint(302, 316), QPoint(60, 256) /* "CLICK" */})
            EXPECT_EQ(zoomed.pixel(at * shown + QPoint(shown - 1, shown - 1)), once.pixel(at))
                << "a window pixel becomes a zoom x zoom block";
    }
    view().setZoom(2);
    clickSplash();
    EXPECT_EQ(view().size(), QSize(606, 660)) << "the 200 twips zoomed too";
    views::MainWindowView remembered(game, windows.renderer(), {.zoom = 4});
    EXPECT_EQ(remembered.shownZoom(), 2) << "a remembered zoom the screen does not take";
    EXPECT_EQ(remembered.zoom(), 4) << "is kept for a larger screen";
}

TEST(ZoomOfTheFirstStart, TheLargestWhoseWindowTakesAtMostSeventyPercent) {
    // 317 pixels a zoom step: zoom z needs z * 317 <= 0.7 * height. 317 is no multiple of 7, so
    // no whole height puts a zoom at exactly 70 %: each bound is the least height that takes the
    // zoom (70 % of it just above z * 317) and the height one pixel less.
    struct Row {
        const char* name;
        int availableHeight;
        int zoom;
    };
    const Row rows[] = {
        {"a small screen", 400, 1},
        {"one pixel short of zoom 2", 905, 1},
        {"zoom 2 at 70 %", 906, 2},
        {"1080 desktop with a panel", 1040, 2},
        {"one pixel short of zoom 3", 1358, 2},
        {"zoom 3 at 70 %", 1359, 3},
        {"1440 desktop", 1440, 3},
        {"one pixel short of zoom 4", 1811, 3},
        {"zoom 4 at 70 %", 1812, 4},
        {"never above 4", 4000, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(views::MainWindowView::zoomForScreenHeight(row.availableHeight), row.zoom);
    }
}

}  // namespace
}  // namespace qt_tests
