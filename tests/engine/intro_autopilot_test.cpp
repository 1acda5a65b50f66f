// The intro's autopilot: `man` follows `pc` by itself. Its walking frames and the wiped result are
// replayed by the trace fixtures.
#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using IntroAutopilot = Court;

TEST_F(IntroAutopilot, FollowsAnOutBallAndStandsUnderABallWithMoreThanNineTwipsToSpare) {
    // man at 1800, 300 wide standing; the ball is 135 wide; pc at 500.
    struct Row {
        const char* name;
        const char* nextHitter;  // nullptr: no stroke yet
        float ballLeft, ballTop;
        float manLeftAfter;
        const char* frame;
    } rows[] = {
        {"no stroke yet, ball in play: man stays", nullptr, 3000, 2000, 1800, "n"},
        {"no stroke yet, ball on the bottom edge: stays", nullptr, 3000, 4095, 1800, "n"},
        {"no stroke yet, ball past the bottom: man jumps to pc", nullptr, 3000, 4096, 500, "n"},
        {"10 twips inside on the left: stands", "pc", 1810, 2000, 1800, "n"},
        {"exactly 9 inside on the left: follows", "pc", 1809, 2000, 500, "l1"},
        {"10 twips inside on the right: stands", "pc", 1955, 2000, 1800, "n"},
        {"exactly 9 inside on the right: follows", "pc", 1956, 2000, 500, "l1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        form.Form_Load();
        form.Picture4_Click();
        form.man.setPicture(form.Picture3.picture());  // 300 wide, as standing
        form.nextHitter = row.nextHitter ? tk::Value(row.nextHitter) : tk::Value();
        form.pcMoveDir = "left";
        form.pc.Left = 500;
        form.ball.Left = row.ballLeft;
        form.ball.Top = row.ballTop;
        form.Timer4_Timer();
        EXPECT_EQ(form.man.Left, row.manLeftAfter);
        EXPECT_EQ(form.man.picture().owner(), row.frame);
        if (row.nextHitter) {
            EXPECT_EQ(form.pcMoveDir == "", row.manLeftAfter == 1800) << "standing clears it";
        }
    }
}

}  // namespace
}  // namespace engine_test
