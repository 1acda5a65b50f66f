// The main window as painted where the reference frames do not look: the ball cut off at every
// edge of the court. (The score's places are in the reference frame of a point in play.)
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

}  // namespace
}  // namespace qt_tests
