// The computer player's step: which way, how far, and its walking frames.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using ComputerPlayer = Court;

TEST_F(ComputerPlayer, DecidesFromTheBallsPlaceWithMarginsOfNineAndTen) {
    // pc stands at 1777.5, 300 twips wide; the ball is 135 wide.
    struct Row {
        const char* name;
        float ballLeft;
        float pcLeftAfter;
        const char* moveDir;
    } rows[] = {
        {"ball 20 twips inside on the left: stand", 1797.5f, 1777.5f, ""},
        {"ball exactly 9 inside: not well inside, and to the left", 1786.5f, 1777.5f - 45, "left"},
        {"ball exactly 10 inside: well inside, not to the left", 1787.5f, 1777.5f, ""},
        {"ball 9.5 inside: both hold, the walk wins", 1787, 1777.5f - 45, "left"},
        {"ball exactly 9 inside on the right: walk right", 1933.5f, 1777.5f + 45, "right"},
        {"ball exactly 10 inside on the right: stand", 1932.5f, 1777.5f, ""},
        {"ball far left", 100, 1777.5f - 45, "left"},
        {"ball far right", 3500, 1777.5f + 45, "right"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.nextHitter = "man";
        form.ball.Left = row.ballLeft;
        form.Timer1_Timer();
        EXPECT_EQ(form.pc.Left, row.pcLeftAfter);
        EXPECT_TRUE(form.pcMoveDir == row.moveDir) << form.pcMoveDir.toText();
        if (std::string(row.moveDir).empty()) {
            EXPECT_EQ(form.pc.picture(), form.pn.picture());
        }
    }
}

TEST_F(ComputerPlayer, WalksOnAlternateFramesAndStartsATurnOnTheFirst) {
    runningMatch();
    form.nextHitter = "pc";
    form.ball.Left = 100;
    std::vector<std::string> frames;
    for (int i = 0; i < 4; ++i) {
        form.Timer1_Timer();
        frames.push_back(form.pc.picture().owner());
    }
    form.ball.Left = 3500;
    form.Timer1_Timer();
    frames.push_back(form.pc.picture().owner());
    form.Timer1_Timer();
    frames.push_back(form.pc.picture().owner());
    EXPECT_EQ(frames, (std::vector<std::string>{"pl1", "pl2", "pl1", "pl2", "pr1", "pr2"}));
    EXPECT_EQ(form.pc.Width, 255) << "a walking frame is 17 px wide";
    EXPECT_EQ(form.pc.Height, 360);
}

TEST_F(ComputerPlayer, WaitsInItsStandingFrameUntilTheFirstStroke) {
    runningMatch();
    form.pc.setPicture(form.pl1.picture());
    form.ball.Left = 100;
    form.Timer1_Timer();
    EXPECT_EQ(form.pc.Left, 1777.5f) << "no stroke yet: it does not move";
    EXPECT_EQ(form.pc.picture(), form.pn.picture());
    EXPECT_TRUE(form.pcMoveDir == "left") << "the direction is still decided";
}

TEST_F(ComputerPlayer, StepsByTheLevelUntilTheFirstPointThenByFifty) {
    struct Row {
        const char* name;
        void (flow::MainWindow::*level)();
        float firstStep;
    } rows[] = {
        {"easy", &flow::MainWindow::easy_Click, 45},
        {"medium", &flow::MainWindow::med_Click, 55},
        {"hard", &flow::MainWindow::hard_Click, 70},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        std::invoke(row.level, form);
        form.Timer1.Enabled = true;
        freezeBall(100, 2000);
        form.nextHitter = "man";
        form.Timer1_Timer();
        EXPECT_EQ(form.pc.Left, 1777.5f - row.firstStep);
        form.ball.Top = -1;  // a point for the player; the serve resets the step
        form.Timer1_Timer();
        const float before = form.pc.Left;
        form.ball.Left = 100;
        form.ball.Top = 2000;
        form.ballStepY = 0;
        form.Timer1_Timer();
        EXPECT_EQ(form.pc.Left, before - 50);
    }
}

}  // namespace
}  // namespace engine_test
