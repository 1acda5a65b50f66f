// The game tick: the order of its steps, the ball's flight and side walls, and the strokes.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using GameTick = Court;

TEST_F(GameTick, APointIsScoredBeforeTheBallFliesSideways) {
    runningMatch();
    form.ball.Top = -1;
    form.ballDirX = "left";
    form.ballStepX = 60;
    form.Timer1_Timer();
    // The serve reset the ball to straight flight before the horizontal step ran.
    EXPECT_EQ(form.ball.Left, 1777.5f + 150) << "the serve spot, not moved 60 to the left";
    EXPECT_EQ(form.ball.Top, 3240);
    EXPECT_EQ(form.Label3.Caption, "40") << "Label3 copies ballStepX after the serve reset it";
}

TEST_F(GameTick, TheComputerDecidesOnTheBallBeforeItMoves) {
    runningMatch();
    form.nextHitter = "man";
    form.ball.Left = 1770;  // left of pc now, right of it after this tick's flight
    form.ballDirX = "right";
    form.ballStepX = 200;
    form.Timer1_Timer();
    EXPECT_EQ(form.pc.Left, 1777.5f - 45) << "stepped left by the easy level's 45";
    EXPECT_EQ(form.pc.picture(), form.pl1.picture());
    EXPECT_EQ(form.ball.Left, 1970);
}

TEST_F(GameTick, TheTickThatEndsTheMatchRunsToItsEnd) {
    runningMatch();
    form.Label9.Caption = "2";
    form.ballDirY = "down";
    form.ballStepY = 80;
    form.ballStepX = 55;
    form.Timer1_Timer();
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_EQ(form.Label12.Caption, game::kYouWon);
    EXPECT_EQ(form.ball.Top, 2080) << "the vertical flight still ran";
    EXPECT_EQ(form.Label3.Caption, "55");
}

TEST_F(GameTick, SideWallsAreStrictAndTestedAfterTheSidewaysStep) {
    struct Row {
        const char* name;
        float left;
        const char* dirBefore;
        float stepX;
        const char* dirAfter;
        bool knock;
    } rows[] = {
        {"left edge exactly 0 does not bounce", 0, "rovne", 45, "rovne", false},
        {"one twip past the left edge bounces", -1, "rovne", 45, "right", true},
        {"right edge exactly on the court's width does not bounce", 3720, "rovne", 45, "rovne",
         false},
        {"one twip further bounces", 3721, "rovne", 45, "left", true},
        {"a step that crosses the left edge bounces in the same tick", 30, "left", 45, "right",
         true},
        {"a step that crosses the right edge bounces in the same tick", 3700, "right", 45, "left",
         true},
        {"an unset direction leaves the ball in place", -1, nullptr, 45, "right", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.ball.Left = row.left;
        form.ballDirX = row.dirBefore ? tk::Value(row.dirBefore) : tk::Value();
        form.ballStepX = static_cast<int>(row.stepX);
        form.Timer1_Timer();
        EXPECT_TRUE(form.ballDirX == row.dirAfter) << form.ballDirX.toText();
        EXPECT_EQ(host.clips, row.knock ? std::vector<int>{5} : std::vector<int>{});
    }
}

TEST_F(GameTick, TheBallFliesByItsDirections) {
    struct Row {
        const char* name;
        const char* dirX;
        const char* dirY;
        float left, top;
    } rows[] = {
        {"left and down", "left", "down", 1000 - 45, 2000 + 80},
        {"right and up", "right", "up", 1000 + 45, 2000 - 80},
        {"straight down", "rovne", "down", 1000, 2000 + 80},
        {"an unknown word does not move it sideways", "diagonal", "up", 1000, 2000 - 80},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.ballDirX = row.dirX;
        form.ballDirY = row.dirY;
        form.ballStepX = 45;
        form.ballStepY = 80;
        form.Timer1_Timer();
        EXPECT_EQ(form.ball.Left, row.left);
        EXPECT_EQ(form.ball.Top, row.top);
    }
}

TEST_F(GameTick, StrokeOverlapIsStrictAndRoundedToSingle) {
    struct Row {
        const char* name;
        float manLeft;
        float ballLeft, ballTop;
        bool struck;
    } rows[] = {
        {"ball's bottom edge exactly on man's top", 1777.5f, 1800, 3345, false},
        {"one twip of overlap at the top", 1777.5f, 1800, 3346, true},
        {"ball's bottom edge exactly on man's bottom", 1777.5f, 1800, 3870, false},
        {"ball's right edge exactly on man's left", 1777.5f, 1642.5f, 3400, false},
        {"half a twip of overlap on the left", 1777.5f, 1643, 3400, true},
        {"ball's left edge exactly on man's right", 1777.5f, 2077.5f, 3400, false},
        // 135 + 0.000003 is more than 135 in double, but exactly 135 in single: no stroke.
        {"an overlap lost in single rounding", 135, 3e-6f, 3400, false},
        {"an overlap that survives single rounding", 135, 1e-4f, 3400, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.man.Left = row.manLeft;
        form.ball.Left = row.ballLeft;
        form.ball.Top = row.ballTop;
        form.Timer1_Timer();
        EXPECT_EQ(form.man.BackColor, row.struck ? tk::kBlack : game::kCourtOrange);
        EXPECT_EQ(form.nextHitter == "pc", row.struck);
    }
}

TEST_F(GameTick, ThePlayersStrokeFollowsTheDirectionOfHisLastStep) {
    struct Row {
        const char* name;
        const char* label1;
        const char* dirX;
        int stepX;
    } rows[] = {
        {"walking right sends it right, faster", "right", "right", 50},
        {"walking left sends it left, faster", "left", "left", 50},
        {"standing keeps direction and speed", "", "rovne", 45},
        {"before any step the design text counts as standing", "Label1", "rovne", 45},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.ball.Left = 1800;
        form.ball.Top = 3400;
        form.ballDirX = "rovne";
        form.ballDirY = "down";
        form.ballStepX = 45;
        form.Label1.Caption = row.label1;
        host.queueRnd({0.6f});
        form.Timer1_Timer();
        EXPECT_TRUE(form.ballDirX == row.dirX) << form.ballDirX.toText();
        EXPECT_EQ(form.ballStepX.number(), row.stepX);
        EXPECT_TRUE(form.ballDirY == "up");
        EXPECT_TRUE(form.nextHitter == "pc");
        EXPECT_EQ(form.man.picture(), form.Picture3.picture());
        EXPECT_EQ(form.man.BackColor, tk::kBlack);
        EXPECT_EQ(host.clips, std::vector<int>{3}) << "Int(0.6 * 4 + 1) is the third knock";
        EXPECT_EQ(host.randomizeCount, 0) << "the player's stroke draws no direction";
    }
}

TEST_F(GameTick, ABallThatStaysInTheSpriteIsStruckOnEveryTick) {
    runningMatch();
    form.ball.Left = 1877.5f;
    form.ball.Top = 3400;
    form.ballStepX = 45;
    form.Label1.Caption = "left";
    for (int i = 0; i < 3; ++i)
        form.Timer1_Timer();
    EXPECT_EQ(form.ballStepX.number(), 60) << "three strokes, 5 twips each";
    EXPECT_EQ(host.clips.size(), 3u);
    EXPECT_EQ(form.ball.Left, 1877.5f - 50 - 55);
}

TEST_F(GameTick, TheComputersStrokeDrawsADirectionAtRandom) {
    struct Row {
        const char* name;
        float clipDraw, directionDraw;
        int clip;
        const char* dirX;
    } rows[] = {
        {"lowest draws", 0.0f, 0.0f, 1, "left"},
        {"just under a half", 0.25f, 0.4999f, 2, "left"},
        {"a half", 0.5f, 0.5f, 3, "right"},
        {"the largest single under 1", 0.99999994f, 0.99999994f, 4, "right"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.ball.Left = 1827.5f;
        form.ball.Top = 300;
        form.ballDirX = "rovne";
        form.ballDirY = "up";
        form.ballStepX = 45;
        host.queueRnd({row.clipDraw, row.directionDraw});
        form.Timer1_Timer();
        EXPECT_TRUE(form.ballDirX == row.dirX) << form.ballDirX.toText();
        EXPECT_TRUE(form.ballDirY == "down");
        EXPECT_TRUE(form.nextHitter == "man");
        EXPECT_EQ(form.ballStepX.number(), 45) << "the computer never speeds the ball up";
        EXPECT_EQ(form.pc.picture(), form.Picture2.picture());
        EXPECT_EQ(form.pc.BackColor, tk::kBlack);
        const std::vector<std::string> order{"rnd", "clip " + std::to_string(row.clip), "randomize",
                                             "rnd"};
        EXPECT_EQ(host.log, order) << "knock first, then reseed and draw the direction";
    }
}

TEST_F(GameTick, TheBlackBackgroundLastsOnlyForTheTickOfTheStroke) {
    runningMatch();
    form.ball.Left = 1827.5f;
    form.ball.Top = 300;
    form.Timer1_Timer();
    ASSERT_EQ(form.pc.BackColor, tk::kBlack);
    form.ball.Top = 2000;
    form.Timer1_Timer();
    EXPECT_EQ(form.pc.BackColor, game::kCourtOrange);
    EXPECT_EQ(form.man.BackColor, game::kCourtOrange);
}

}  // namespace
}  // namespace engine_test
