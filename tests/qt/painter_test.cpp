// The main window as painted where the reference frames do not look: the ball cut off at every
// edge of the court (the score's places are in the reference frame of a point in play), and the
// pixel art scaled without smoothing, every window pixel a block of its own colour at any device
// pixel ratio. The window's size at each zoom, no larger than the screen takes, and its one
// growth for the menu bar are the window manager's test's (tests/e2e/window_manager.sh).
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using PainterTest = WindowFixture;

constexpr QColor kBallGreen(128, 255, 128);

TEST_F(PainterTest, TheBallCutOffAtTheCourt) {
    clickSplash();
    command("easy");
    struct Row {
        const char* name;
        float ballLeft, ballTop;
        QRect area;
        bool shows;
    };
    const Row rows[] = {
        {"the ball on the court", 1500, 1500, {129, 129, 1, 1}, true},
        {"past the left side: in", -60, 1500, {25, 125, 5, 9}, true},
        {"past the left side: out", -60, 1500, {0, 125, 25, 9}, false},
        {"past the top: in", 1500, -60, {125, 25, 9, 5}, true},
        {"past the top: out", 1500, -60, {125, 0, 9, 25}, false},
        {"past the bottom: in", 1500, 4065 - 75, {125, 291, 9, 5}, true},
        {"past the bottom: out", 1500, 4065 - 75, {125, 296, 9, 15}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        form().ball.Left = row.ballLeft;
        form().ball.Top = row.ballTop;
        EXPECT_EQ(holdsColour(render(), row.area, kBallGreen), row.shows);
    }
}

TEST_F(PainterTest, PixelArtStaysCrispAtTwiceTheDensity) {
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
