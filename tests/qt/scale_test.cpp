// Zoom and screens: the window is the game's size times the zoom the game shows, no larger than
// the screen takes, and the pixel art is scaled without smoothing, every window pixel a block of
// its own colour at any device pixel ratio.
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using ScaleTest = WindowFixture;

TEST_F(ScaleTest, PixelArtStaysCrispAtTwiceTheDensity) {
    clickSplash();
    command("easy");  // the score bar's texts too
    form().ball.Left = form().ball.Top = 1500;
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
    for (const auto& [asked, shown] : {std::pair{"zoom2", 2}, {"zoom4", 2}, {"zoom1", 1}}) {
        SCOPED_TRACE(asked);
        command(asked);
        EXPECT_EQ(view().size(), QSize(303, 317) * shown) << "no larger than the 768-pixel screen";
        EXPECT_EQ(view().canvas().zoom(), shown);  // its pixels: the reference frames' test
    }
    command("zoom2");
    clickSplash();
    EXPECT_EQ(view().size(), QSize(606, 660)) << "the 200 twips zoomed too";
    EXPECT_EQ(view().bar()->height(), running::Game::kMenuBarPx * 2);
    EXPECT_EQ(view().canvas().geometry(), QRect(0, 38, 606, 622)) << "the court below the bar";
}

}  // namespace
}  // namespace qt_tests
