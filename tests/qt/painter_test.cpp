// The main window as painted: the pictures at their places, the layers, the clipping, the texts
// and their bold.
#include <algorithm>
#include <vector>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using PainterTest = WindowFixture;

constexpr QColor kBallGreen(128, 255, 128);
constexpr QColor kCyan(0, 255, 255);
constexpr QColor kRed(255, 0, 0);

TEST_F(PainterTest, LayersClippingAndTexts) {
    clickSplash();
    view().handle([&] { game.easy_Click(); });
    game.Label9.Caption = "1";
    game.Label4.Caption = "5";
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
        game.ball.Left = row.ballLeft;
        game.ball.Top = row.ballTop;
        EXPECT_EQ(holdsColour(render(), row.area, row.colour), row.shows);
    }
    // The bold of the score bar is struck twice, one pixel apart, with a clear column between
    // letters: "Na sety:" is seven runs of cyan columns, none narrower than two.
    const QImage bar = render();
    std::vector<int> runs;
    for (int x = 78, width = 0; x < 131; ++x) {
        if (holdsColour(bar, QRect(x, 0, 1, 16), kCyan)) {
            ++width;
        } else if (width) {
            runs.push_back(width);
            width = 0;
        }
    }
    EXPECT_EQ(runs.size(), 7u);
    EXPECT_GE(*std::min_element(runs.begin(), runs.end()), 2);
    // The sprites' frames at their places over the ball: 1777.5 twips is pixel 118.5, drawn at 119.
    game.man.setPicture(game.r2.picture());
    game.pc.setPicture(game.Picture2.picture());
    game.ball.Left = game.man.Left + 60;
    game.ball.Top = game.man.Top + 60;
    QImage shot = render();
    EXPECT_EQ(mismatchesWithPicture(shot, {kCourtX + 119, kCourtY + 232}, "r2"), 0);
    EXPECT_EQ(mismatchesWithPicture(shot, {kCourtX + 119, kCourtY + 16}, "Picture2"), 0);

    // The result message is centred on the court.
    game.man.Visible = game.pc.Visible = game.ball.Visible = false;
    game.Label12.Caption = "Prohrál jsi !!!!";
    shot = render();
    int left = 1000, right = -1;
    for (int y = kCourtY + 88; y < kCourtY + 88 + 40; ++y)
        for (int x = kCourtX; x < kCourtX + 255; ++x)
            if (shot.pixelColor(x, y) == QColor(Qt::black)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(right, left) << "the message is drawn";
    EXPECT_NEAR((left + right + 1) / 2.0 - kCourtX, 127.5, 2.0) << "1912.5 twips, the middle";
}

}  // namespace
}  // namespace qt_tests
