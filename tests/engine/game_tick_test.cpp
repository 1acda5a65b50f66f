// The game tick: the ball's flight and side lines, and the strokes. The order of the tick's steps
// and strokes over several ticks are replayed by the trace fixtures.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using GameTick = Court;

TEST_F(GameTick, TheBallFliesByItsDirectionsAndTurnsStrictlyPastTheSideLines) {
    struct Row {
        const char* name;
        float left;
        const char* dirX;  // nullptr: never set
        bool up;
        float leftAfter;
        const char* dirAfter;
        bool knock;
    } rows[] = {
        {"left and down", 1000, "left", false, 955, "left", false},
        {"right and up", 1000, "right", true, 1045, "right", false},
        {"straight on", 1000, "rovne", false, 1000, "rovne", false},
        {"an unknown word does not move it", 1000, "diagonal", true, 1000, "diagonal", false},
        {"left edge exactly 0 does not bounce", 0, "rovne", false, 0, "rovne", false},
        {"one twip past the left edge bounces", -1, "rovne", false, -1, "right", true},
        {"exactly on the court's width does not bounce", 3720, "rovne", false, 3720, "rovne",
         false},
        {"one twip further bounces", 3721, "rovne", false, 3721, "left", true},
        {"a step across the left edge bounces at once", 30, "left", false, -15, "right", true},
        {"a step across the right edge bounces at once", 3700, "right", false, 3745, "left", true},
        {"an unset direction leaves the ball in place", -1, nullptr, false, -1, "right", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.ball.Left = row.left;
        form.ballDirX = row.dirX ? tk::Value(row.dirX) : tk::Value();
        form.ballStepX = 45;
        form.ballDirY = row.up ? "up" : "down";
        form.ballStepY = 80;
        form.Timer1_Timer();
        EXPECT_EQ(form.ball.Left, row.leftAfter);
        EXPECT_EQ(form.ball.Top, row.up ? 1920 : 2080);
        EXPECT_TRUE(form.ballDirX == row.dirAfter) << form.ballDirX.toText();
        EXPECT_EQ(host.clips, row.knock ? std::vector<int>{5} : std::vector<int>{});
    }
}

TEST_F(GameTick, StrokeOverlapIsStrictAndRoundedToSingle) {
    struct Row {
        const char* name;
        float manLeft, ballLeft, ballTop;
        bool struck;
    } rows[] = {
        {"ball's bottom edge exactly on man's top", 1777.5f, 1800, 3345, false},
        {"one twip of overlap at the top", 1777.5f, 1800, 3346, true},
        {"ball's top edge exactly on man's bottom", 1777.5f, 1800, 3870, false},
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

// A stroke turns the ball, knocks one of four clips drawn at random and shows the striker's
// stroke frame. The player sends the ball the way of his last step, 5 twips faster; the computer
// draws the direction after the knock, from a reseeded source, and never speeds the ball up.
TEST_F(GameTick, StrokesByThePlayerAndTheComputer) {
    struct Row {
        const char* name;
        bool byMan;
        const char* label1;  // the player's last step
        float draws[2];
        const char* dirX;
        int stepX;
        const char* log;
    } rows[] = {
        {"player walking right", true, "right", {0.6f}, "right", 50, "rnd clip 3"},
        {"player walking left", true, "left", {0.6f}, "left", 50, "rnd clip 3"},
        {"player standing", true, "", {0.6f}, "rovne", 45, "rnd clip 3"},
        {"player before any step", true, "Label1", {0.6f}, "rovne", 45, "rnd clip 3"},
        {"computer, lowest draws", false, "right", {0, 0}, "left", 45, "rnd clip 1 randomize rnd"},
        {"computer, just under a half",
         false,
         "",
         {0.25f, 0.4999f},
         "left",
         45,
         "rnd clip 2 randomize rnd"},
        {"computer, a half", false, "", {0.5f, 0.5f}, "right", 45, "rnd clip 3 randomize rnd"},
        {"computer, the largest single under 1",
         false,
         "",
         {0.99999994f, 0.99999994f},
         "right",
         45,
         "rnd clip 4 randomize rnd"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.ball.Left = row.byMan ? 1800 : 1827.5f;
        form.ball.Top = row.byMan ? 3400 : 300;
        form.ballDirX = "rovne";
        form.ballDirY = row.byMan ? "down" : "up";
        form.ballStepX = 45;
        form.Label1.Caption = row.label1;
        host.queueRnd({row.draws[0], row.draws[1]});
        form.Timer1_Timer();
        EXPECT_TRUE(form.ballDirX == row.dirX) << form.ballDirX.toText();
        EXPECT_EQ(form.ballStepX.number(), row.stepX);
        EXPECT_TRUE(form.ballDirY == (row.byMan ? "up" : "down"));
        EXPECT_TRUE(form.nextHitter == (row.byMan ? "pc" : "man"));
        const tk::PictureBox& striker = row.byMan ? form.man : form.pc;
        EXPECT_EQ(striker.picture(), (row.byMan ? form.Picture3 : form.Picture2).picture());
        EXPECT_EQ(striker.BackColor, tk::kBlack);
        std::string log;
        for (const std::string& entry : host.log)
            log += (log.empty() ? "" : " ") + entry;
        EXPECT_EQ(log, row.log) << "the knock first; the player's stroke draws no direction";
    }
}

}  // namespace
}  // namespace engine_test
