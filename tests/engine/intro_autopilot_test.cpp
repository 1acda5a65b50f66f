// The intro's autopilot: `man` follows `pc` by itself.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

class IntroAutopilot : public Court {
  protected:
    void intro() {
        restart();
        form.Form_Load();
        form.Picture4_Click();
        host.clearRecords();
    }
};

TEST_F(IntroAutopilot, BeforeTheFirstStrokeManStandsAndFollowsOnlyAnOutBall) {
    struct Row {
        const char* name;
        float ballTop;
        float manLeftAfter;
    } rows[] = {
        {"ball in play: man stays", 2000, 1800},
        {"ball exactly on the court's height: man stays", 4095, 1800},
        {"ball past the bottom: man jumps to pc", 4096, 700},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        intro();
        form.pc.Left = 700;
        form.man.setPicture(form.l1.picture());
        form.ball.Top = row.ballTop;
        form.ball.Left = 3000;
        form.Timer4_Timer();
        EXPECT_EQ(form.man.Left, row.manLeftAfter);
        EXPECT_EQ(form.man.picture(), form.n.picture()) << "no rally yet: standing frame";
    }
}

TEST_F(IntroAutopilot, ABallAboveManWithMoreThanNineTwipsToSpareStopsHim) {
    // man at 1800, 300 wide standing; the ball is 135 wide.
    struct Row {
        const char* name;
        float ballLeft;
        bool stops;
    } rows[] = {
        {"10 twips inside on the left", 1810, true},
        {"exactly 9 inside on the left", 1809, false},
        {"10 twips inside on the right", 1955, true},
        {"exactly 9 inside on the right", 1956, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        intro();
        form.nextHitter = "pc";
        form.pcMoveDir = "left";
        form.pc.Left = 500;
        form.ball.Left = row.ballLeft;
        form.Timer4_Timer();
        EXPECT_EQ(form.pcMoveDir == "", row.stops);
        EXPECT_EQ(form.man.Left, row.stops ? 1800.0f : 500.0f);
        EXPECT_EQ(form.man.picture().owner(), row.stops ? "n" : "l1");
    }
}

TEST_F(IntroAutopilot, FollowsTheComputersWalkFrameByFrame) {
    intro();
    form.nextHitter = "man";
    form.ball.Left = 100;
    std::vector<std::string> frames;
    for (const char* dir : {"right", "right", "right", "left", ""}) {
        form.pcMoveDir = dir;
        form.pc.Left += 10;
        form.Timer4_Timer();
        frames.push_back(form.man.picture().owner());
    }
    EXPECT_EQ(frames, (std::vector<std::string>{"r1", "r2", "r1", "l1", "l1"}))
        << "a computer that stands leaves man as he was";
    EXPECT_EQ(form.man.Left, 1800 + 40) << "copied from pc while pc walked, not after";
    EXPECT_EQ(form.man.Top, 3480);
}

TEST_F(IntroAutopilot, WipesAResultTheIntroProduced) {
    intro();
    form.Label9.Caption = "2";
    form.Timer1_Timer();
    ASSERT_EQ(form.Label12.Caption, game::kYouWon);
    ASSERT_FALSE(form.man.Visible);
    form.Timer4_Timer();
    EXPECT_EQ(form.Label12.Caption, "");
    EXPECT_TRUE(form.Timer4.Enabled) << "the autopilot runs on until a level is chosen";
    EXPECT_FALSE(form.Timer1.Enabled);
}

TEST_F(IntroAutopilot, StrokesInTheIntroNeverSendTheBallSideways) {
    intro();
    for (int i = 0; i < 3000 && form.Timer1.Enabled; ++i) {
        form.Timer1_Timer();
        for (int k = 0; k < 5; ++k)
            form.Timer4_Timer();
    }
    // The human never walks in the intro, so Label1 keeps its design text and his strokes
    // leave the sideways speed alone; only points reset it to 40.
    EXPECT_EQ(form.Label1.Caption, "Label1");
    EXPECT_TRUE(form.ballStepX.number() == 45 || form.ballStepX.number() == 40);
}

}  // namespace
}  // namespace engine_test
