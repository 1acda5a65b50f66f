// Walking the player's sprite: step size by level, the edge bounds, the frames.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using HumanPlayer = Court;

TEST_F(HumanPlayer, StepsAndEdgeBounds) {
    struct Row {
        const char* name;
        void (flow::MainWindow::*level)();
        float left;
        const char* dir;
        float leftAfter;
    } rows[] = {
        {"easy steps 70", &flow::MainWindow::easy_Click, 1000, "left", 930},
        {"medium steps 140", &flow::MainWindow::med_Click, 1000, "left", 860},
        {"hard steps 190", &flow::MainWindow::hard_Click, 1000, "right", 1190},
        {"from 50 one step lands past the edge", &flow::MainWindow::easy_Click, 50, "left", -20},
        {"from exactly 0 the step is still taken", &flow::MainWindow::easy_Click, 0, "left", -70},
        {"from below 0 the step is refused", &flow::MainWindow::easy_Click, -20, "left", -20},
        {"from exactly 3480 the step is still taken", &flow::MainWindow::easy_Click, 3480, "right",
         3550},
        {"from above 3480 it is refused", &flow::MainWindow::easy_Click, 3481, "right", 3481},
        {"hard reaches 3670 past the court", &flow::MainWindow::hard_Click, 3480, "right", 3670},
        {"a fraction stays single", &flow::MainWindow::easy_Click, 1777.5f, "left", 1707.5f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        std::invoke(row.level, form);
        form.man.Left = row.left;
        form.manKeyDir = row.dir;
        form.Timer2_Timer();
        EXPECT_EQ(form.man.Left, row.leftAfter);
        EXPECT_EQ(form.Label1.Caption, row.dir)
            << "the direction is echoed even when the step is refused";
        const std::string frame = form.man.picture().owner();
        EXPECT_EQ(frame, std::string(row.dir) == "left" ? "l1" : "r1")
            << "the frame flips even on a refused step";
        EXPECT_EQ(form.man.Top, 3480) << "the sprite only ever moves sideways";
    }
}

TEST_F(HumanPlayer, FramesAlternateAndATurnStartsOnTheFirst) {
    runningMatch();
    form.man.setPicture(form.Picture3.picture());  // just struck the ball
    std::vector<std::string> frames;
    auto tick = [&](const char* dir) {
        form.manKeyDir = dir;
        form.Timer2_Timer();
        frames.push_back(form.man.picture().owner());
    };
    tick("left");
    tick("left");
    tick("left");
    tick("right");
    tick("right");
    tick("");
    EXPECT_EQ(frames, (std::vector<std::string>{"l1", "l2", "l1", "r1", "r2", "n"}));
    EXPECT_EQ(form.Label1.Caption, "right") << "standing does not clear the echo; the key-up does";
    EXPECT_EQ(form.man.Width, 300);
    EXPECT_EQ(form.man.Height, 390);
    form.manKeyDir = "left";
    form.Timer2_Timer();
    EXPECT_EQ(form.man.Width, 255)
        << "a walking frame shrinks the sprite about its top-left corner";
    EXPECT_EQ(form.man.Height, 360);
}

TEST_F(HumanPlayer, AnUnsetDirectionCountsAsStanding) {
    runningMatch();
    form.manKeyDir = tk::Value();
    form.man.setPicture(form.l2.picture());
    const float before = form.man.Left;
    form.Timer2_Timer();
    EXPECT_EQ(form.man.picture(), form.n.picture());
    EXPECT_EQ(form.man.Left, before);
}

TEST_F(HumanPlayer, ADifficultyChosenMidMatchLeavesTheSpriteWalking) {
    runningMatch();
    form.Form_KeyDown(game::kKeyRight, 0);
    form.hard_Click();
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_TRUE(form.Timer2.Enabled) << "the level stops the game tick, not the walking";
    const float before = form.man.Left;
    form.Timer2_Timer();
    EXPECT_EQ(form.man.Left, before + 190) << "at the new level's step";
}

}  // namespace
}  // namespace engine_test
