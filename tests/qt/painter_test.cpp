// The main window as painted where the reference frames do not look: the score's places and the
// ball cut off at every edge of the court.
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using PainterTest = WindowFixture;

constexpr QColor kBallGreen(128, 255, 128);
constexpr QColor kRed(255, 0, 0);

TEST_F(PainterTest, TheScoresPlacesAndTheBallCutOffAtTheCourt) {
    clickSplash();
    command("easy");
    form().Label9.Caption = "1";
    form().Label4.Caption = "5";
    struct Row {
        const char* name;
        float ballLeft, ballTop;
        QRect area;
        QColor colour;
        bool shows;
    };
    // The numbers sit on either side of their colons: set and point numbers right-aligned on the
    // left, left-aligned on the right. The ball is cut off at the court's border.
    const Row rows[] = {
        {"sets of man", 1500, 1500, {128, 2, 16, 13}, kRed, true},
        {"sets of pc", 1500, 1500, {152, 2, 9, 13}, kRed, true},
        {"nothing left of the bar", 1500, 1500, {0, 0, 79, 16}, kRed, false},
        {"the ball on the court", 1500, 1500, {129, 129, 1, 1}, kBallGreen, true},
        {"past the left side: in", -60, 1500, {25, 125, 5, 9}, kBallGreen, true},
        {"past the left side: out", -60, 1500, {0, 125, 25, 9}, kBallGreen, false},
        {"past the top: in", 1500, -60, {125, 25, 9, 5}, kBallGreen, true},
        {"past the top: out", 1500, -60, {125, 0, 9, 25}, kBallGreen, false},
        {"past the bottom: in", 1500, 4065 - 75, {125, 291, 9, 5}, kBallGreen, true},
        {"past the bottom: out", 1500, 4065 - 75, {125, 296, 9, 15}, kBallGreen, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        form().ball.Left = row.ballLeft;
        form().ball.Top = row.ballTop;
        EXPECT_EQ(holdsColour(render(), row.area, row.colour), row.shows);
    }
}

}  // namespace
}  // namespace qt_tests
