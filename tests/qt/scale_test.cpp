// On a screen with two device pixels to a window pixel, the pixel art is scaled without
// smoothing: every window pixel of a picture becomes a 2 x 2 block of one colour.
#include <QPainter>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using ScaleTest = WindowFixture;

QImage renderAtTwice(QWidget& widget) {
    QImage image(widget.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::magenta);
    widget.render(&image);
    image.setDevicePixelRatio(1.0);
    return image;
}

// How many 2 x 2 blocks of the area, in window pixels, hold more than one colour.
int mixedBlocks(const QImage& twice, QRect area) {
    int mixed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = twice.pixel(2 * x, 2 * y);
            mixed += twice.pixel(2 * x + 1, 2 * y) != c || twice.pixel(2 * x, 2 * y + 1) != c ||
                     twice.pixel(2 * x + 1, 2 * y + 1) != c;
        }
    return mixed;
}

TEST_F(ScaleTest, PixelArtStaysCrispAtTwiceTheDensity) {
    clickSplash();
    view().handle([&] { game.easy_Click(); });
    game.ball.Left = 1500;
    game.ball.Top = 1500;
    const QImage twice = renderAtTwice(view().canvas());
    ASSERT_EQ(twice.size(), view().canvas().size() * 2);
    struct Area {
        const char* name;
        QRect area;
    };
    const Area areas[] = {
        {"grass", {0, 30, 24, 200}},
        {"court with its lines", {kCourtX, kCourtY, 255, 120}},
        {"man", {kCourtX + 119, kCourtY + 232, 20, 26}},
        {"pc", {kCourtX + 119, kCourtY + 16, 20, 27}},
        {"ball", {kCourtX + 100, kCourtY + 100, 9, 9}},
        {"score bar text", {80, 2, 160, 13}},
    };
    for (const Area& a : areas) {
        SCOPED_TRACE(a.name);
        EXPECT_EQ(mixedBlocks(twice, a.area), 0);
    }
    // And the picture is the same one: a block's colour is the window pixel's colour.
    EXPECT_EQ(QColor(twice.pixel(2 * (kCourtX + 129), 2 * (kCourtY + 245))),
              assetPixel("man", 10, 13));
}

TEST_F(ScaleTest, TheLayoutKeepsItsProportions) {
    const QImage once = render();
    const QImage twice = renderAtTwice(view().canvas());
    // "CLICK" is drawn by an outline font, finer at the finer density; all else is pixel art.
    const QRect click(41, 249, 60, 22);
    int differing = 0;
    for (int y = 0; y < once.height(); ++y)
        for (int x = 0; x < once.width(); ++x)
            differing += !click.contains(x, y) && once.pixel(x, y) != twice.pixel(2 * x, 2 * y);
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace qt_tests

namespace qt_tests {
namespace {

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
    struct Row {
        int availableHeight;
        int zoom;
    };
    // 317 pixels a zoom step: zoom z needs z * 317 <= 0.6 * height.
    const Row rows[] = {{400, 1}, {1056, 1}, {1057, 2}, {1584, 2}, {1585, 3}, {4000, 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.availableHeight);
        EXPECT_EQ(views::MainWindowView::zoomForScreenHeight(row.availableHeight), row.zoom);
    }
}

}  // namespace
}  // namespace qt_tests
