// The computer player's step: which way and how far. Its frames, its wait for the first stroke
// and its step after a point are replayed by the trace fixtures.
#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using ComputerPlayer = Court;

TEST_F(ComputerPlayer, DecidesFromTheBallsPlaceWithMarginsOfNineAndTen) {
    // pc at 1777.5 was walking left, mostly in its first frame (255 twips wide; standing, 300);
    // the ball is 135 wide. The standing frame, when the stand test holds, is put on before the
    // walk tests, which then see its width, and a walk overrides the stand.
    struct Row {
        const char* name;
        const char* frameBefore;
        float ballLeft;
        float pcLeftAfter;
        const char* moveDir;
        const char* frame;
    } rows[] = {
        {"ball 20 twips inside on the left: stand", "pl1", 1797.5f, 1777.5f, "", "pn"},
        {"ball exactly 9 inside on the left: walk left", "pl1", 1786.5f, 1732.5f, "left", "pl2"},
        {"ball exactly 10 inside on the left: stand", "pl1", 1787.5f, 1777.5f, "", "pn"},
        {"ball 9.5 inside: stands, then the walk wins", "pl1", 1787, 1732.5f, "left", "pl1"},
        {"ball exactly 9 inside on the right: walk right", "pl1", 1888.5f, 1822.5f, "right", "pr1"},
        {"ball exactly 10 inside on the right: stand", "pl1", 1887.5f, 1777.5f, "", "pn"},
        {"standing, ball exactly 10 inside on the right", "pn", 1932.5f, 1777.5f, "", "pn"},
        {"ball far left", "pl1", 100, 1732.5f, "left", "pl2"},
        {"ball far right", "pl1", 3500, 1822.5f, "right", "pr1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.pc.setPicture(host.picture(row.frameBefore));
        form.pc.Left = 1777.5f;
        form.pcMoveDir = "left";
        form.nextHitter = "man";
        form.ball.Left = row.ballLeft;
        form.Timer1_Timer();
        EXPECT_EQ(form.pc.Left, row.pcLeftAfter);
        EXPECT_TRUE(form.pcMoveDir == row.moveDir) << form.pcMoveDir.toText();
        EXPECT_EQ(form.pc.picture().owner(), row.frame);
    }
}

}  // namespace
}  // namespace engine_test
