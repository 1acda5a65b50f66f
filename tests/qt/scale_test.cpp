// The pixel art scaled without smoothing, every window pixel a block of its own colour at any
// device pixel ratio. The window's size at each zoom, no larger than the screen takes, and its one
// growth for the menu bar are the window manager's test's (tests/e2e/window_manager.sh).
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

}  // namespace
}  // namespace qt_tests
