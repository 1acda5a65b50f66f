// The main window as painted: the pictures at their places, the layers and the clipping.
#include <QImage>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using PainterTest = WindowFixture;

constexpr QColor kBallGreen(128, 255, 128);
constexpr QColor kCyan(0, 255, 255);
constexpr QColor kRed(255, 0, 0);

// The borders, the green strip and "CLICK" are the end-to-end run's probes on the real window.
TEST_F(PainterTest, OpensWithGrassCourtAndSplash) {
    const QImage shot = render();
    ASSERT_EQ(shot.size(), QSize(303, 317)) << "the client area with no menu bar";
    struct Probe {
        const char* name;
        QPoint at;
        QColor expected;
    };
    const Probe probes[] = {
        {"grass", {300, 3}, assetPixel("Form1", 300, 3)},
        {"court surface above the splash", {150, 28}, assetPixel("Picture1", 125, 3)},
        {"splash picture's middle", {25 + 125, 33 + 125}, assetPixel("Picture4", 125, 125)},
        {"the load's black mark on the window", {6, 6}, Qt::black},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.name);
        EXPECT_EQ(shot.pixelColor(probe.at), probe.expected);
    }
    EXPECT_FALSE(holdsColour(shot, QRect(80, 2, 200, 13), kCyan)) << "no score bar yet";
}

TEST_F(PainterTest, TheClickClearsTheSplashAndShowsThePlayers) {
    clickSplash();
    const QImage shot = render();
    EXPECT_EQ(shot.pixelColor(25 + 125, 33 + 125), assetPixel("Picture1", 125, 133))
        << "the court where the splash was";
    EXPECT_NE(shot.pixelColor(6, 6), QColor(Qt::black)) << "the load's mark is wiped";
    // man stands at (1800, 3480) twips in the court: pixel (120, 232) of its client area.
    EXPECT_EQ(shot.pixelColor(kCourtX + 120 + 10, kCourtY + 232 + 13), assetPixel("man", 10, 13));
}

TEST_F(PainterTest, ADifficultyShowsTheScoreBar) {
    clickSplash();
    view().handle([&] { game.easy_Click(); });
    game.Label9.Caption = "1";
    game.Label4.Caption = "5";
    const QImage shot = render();
    struct Label {
        const char* name;
        QRect area;
        QColor colour;
    };
    // The numbers sit on either side of their colons: set and point numbers right-aligned on
    // the left, left-aligned on the right.
    const Label labels[] = {
        {"Na sety:", {80, 2, 48, 13}, kCyan},    {"sets of man", {128, 2, 16, 13}, kRed},
        {"first colon", {146, 2, 5, 13}, kRed},  {"sets of pc", {152, 2, 9, 13}, kRed},
        {"Hra:", {176, 2, 25, 13}, kCyan},       {"points of man", {200, 2, 16, 13}, kRed},
        {"points of pc", {224, 2, 9, 13}, kRed},
    };
    for (const Label& label : labels) {
        SCOPED_TRACE(label.name);
        EXPECT_TRUE(holdsColour(shot, label.area, label.colour));
    }
    EXPECT_FALSE(holdsColour(shot, QRect(0, 0, 79, 16), kRed)) << "nothing left of the bar";
}

TEST_F(PainterTest, ASpriteShowsItsFrameAtItsPlace) {
    clickSplash();
    view().handle([&] { game.easy_Click(); });
    game.man.setPicture(game.r2.picture());  // Left 1777.5 twips is pixel 118.5, drawn at 119
    game.pc.setPicture(game.Picture2.picture());
    const QImage shot = render();
    for (const auto& [owner, top] : {std::pair{"r2", 232}, std::pair{"Picture2", 16}}) {
        SCOPED_TRACE(owner);
        const assets::PictureAsset* asset = assets::findPicture(owner);
        int mismatches = 0;
        for (int y = 0; y < asset->height; ++y)
            for (int x = 0; x < asset->width; ++x)
                mismatches += shot.pixelColor(kCourtX + 119 + x, kCourtY + top + y) !=
                              assetPixel(owner, x, y);
        EXPECT_EQ(mismatches, 0);
    }
}

TEST_F(PainterTest, TheBallLiesUnderTheSpritesAndAboveTheCourt) {
    clickSplash();
    game.ball.Left = 1500;  // pixel 100, on the bare court
    game.ball.Top = 1500;
    QImage shot = render();
    EXPECT_EQ(shot.pixelColor(kCourtX + 104, kCourtY + 104), kBallGreen) << "the ball's middle";
    EXPECT_EQ(shot.pixelColor(kCourtX + 104, kCourtY + 100), QColor(Qt::black)) << "its outline";

    game.ball.Left = game.man.Left + 60;
    game.ball.Top = game.man.Top + 60;
    shot = render();
    const QPoint middle(kCourtX + 120 + 4 + 4, kCourtY + 232 + 4 + 4);
    EXPECT_EQ(shot.pixelColor(middle), assetPixel("man", 8, 8)) << "man covers the ball";
    EXPECT_FALSE(holdsColour(shot, QRect(kCourtX + 124, kCourtY + 236, 9, 9), kBallGreen));
}

TEST_F(PainterTest, ControlsAreCutOffAtTheCourtsBorder) {
    clickSplash();
    struct Case {
        const char* name;
        float left, top;
        QRect inside;   // where part of the ball must show
        QRect outside;  // where none of it may show
    };
    const Case cases[] = {
        {"past the left side", -60, 1500, {25, 125, 5, 9}, {0, 125, 25, 9}},
        {"past the top", 1500, -60, {125, 25, 9, 5}, {125, 0, 9, 25}},
        {"past the bottom", 1500, 4065 - 75, {125, 291, 9, 5}, {125, 296, 9, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.ball.Left = c.left;
        game.ball.Top = c.top;
        const QImage shot = render();
        EXPECT_TRUE(holdsColour(shot, c.inside, kBallGreen));
        EXPECT_FALSE(holdsColour(shot, c.outside, kBallGreen));
    }
}

TEST_F(PainterTest, TheResultMessageIsCentredOnTheCourt) {
    clickSplash();
    game.man.Visible = false;
    game.pc.Visible = false;
    game.ball.Visible = false;
    game.Label12.Caption = "Prohrál jsi !!!!";
    const QImage shot = render();
    int left = 1000, right = -1;
    for (int y = kCourtY + 88; y < kCourtY + 88 + 40; ++y)
        for (int x = kCourtX; x < kCourtX + 255; ++x)
            if (shot.pixelColor(x, y) == QColor(Qt::black)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(right, left) << "the message is drawn";
    const double middle = (left + right + 1) / 2.0 - kCourtX;
    EXPECT_NEAR(middle, 127.5, 2.0) << "1912.5 twips, the middle of the court";
}

}  // namespace
}  // namespace qt_tests
