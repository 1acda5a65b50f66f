// Start-up, the intro, match setup and the menu commands.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using Flow = Court;

TEST_F(Flow, LoadGivesTheMatchStateItsFirstValuesAndPlaysTheIntroSound) {
    form.Form_Load();
    EXPECT_EQ(form.windowEnlarged.number(), 0);
    EXPECT_FALSE(form.windowEnlarged.isEmpty());
    EXPECT_EQ(form.ballStepY.kind(), tk::Value::Kind::Whole);
    EXPECT_EQ(form.ballStepY.number(), 0);
    EXPECT_TRUE(form.pcStep == "45") << "the text of Text1, as a text";
    EXPECT_TRUE(form.ballDirY == "down");
    EXPECT_EQ(form.ballStepX.number(), 45);
    for (const tk::Value* unset :
         {&form.nextHitter, &form.ballDirX, &form.pcMoveDir, &form.manKeyDir}) {
        EXPECT_TRUE(unset->isEmpty());
    }
    EXPECT_EQ(form.Picture1.BackColor, game::kCourtOrange);
    EXPECT_EQ(form.Picture1.drawing.size(), 1u);
    EXPECT_EQ(form.drawing.drawing.size(), 1u);
    EXPECT_EQ(host.clips, std::vector<int>{6});
    EXPECT_FALSE(form.Timer1.Enabled || form.Timer2.Enabled || form.Timer4.Enabled);
    EXPECT_FALSE(form.menu(10).Visible || form.info(15).Visible) << "no menu bar on the splash";
}

TEST_F(Flow, TheSplashClickStartsTheIntroRally) {
    for (bool onLabel : {false, true}) {
        SCOPED_TRACE(onLabel ? "click on CLICK" : "click on the picture");
        restart();
        form.Form_Load();
        host.clearRecords();
        onLabel ? form.Label5_Click() : form.Picture4_Click();
        EXPECT_EQ(host.clips, std::vector<int>{2});
        EXPECT_TRUE(form.menu(10).Visible);
        EXPECT_TRUE(form.info(15).Visible);
        EXPECT_FALSE(form.Picture4.Visible);
        EXPECT_TRUE(form.man.Visible && form.pc.Visible && form.ball.Visible);
        EXPECT_EQ(form.man.Left, 1800) << "the players stay where the layout put them";
        EXPECT_EQ(form.ball.Left, 1920);
        EXPECT_EQ(form.ball.Top, 650);
        EXPECT_EQ(form.ballStepY.number(), 80);
        EXPECT_EQ(form.Text1.Text, "50");
        EXPECT_TRUE(form.pcStep == "50");
        EXPECT_TRUE(form.Timer1.Enabled && form.Timer4.Enabled);
        EXPECT_FALSE(form.Timer2.Enabled);
        EXPECT_TRUE(form.manKeyDir == "left");
        EXPECT_TRUE(form.Picture1.drawing.empty() && form.drawing.drawing.empty())
            << "the marks are wiped";
        EXPECT_FALSE(form.Label4.Visible) << "keys stay dead through the intro";
    }
}

TEST_F(Flow, TheWindowGrowsOnceForTheMenuBar) {
    form.Form_Load();
    form.Picture4_Click();
    form.Label5_Click();
    form.easy_Click();
    form.Picture4_Click();
    EXPECT_EQ(host.heightChanges, std::vector<float>{trace::ScriptedHost::kStartHeight + 200});
    EXPECT_EQ(form.windowEnlarged.number(), 1);
}

TEST_F(Flow, EachLevelSetsItsSpeedsAndResetsTheCourt) {
    struct Row {
        const char* name;
        void (flow::MainWindow::*command)();
        int ballStepY;
        const char* pcStep;
    } rows[] = {
        {"Malá", &flow::MainWindow::easy_Click, 80, "45"},
        {"Střední", &flow::MainWindow::med_Click, 150, "55"},
        {"Velká", &flow::MainWindow::hard_Click, 200, "70"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        form.Form_Load();
        form.Picture4_Click();
        // A match in full flight, scored, with a result showing and the sprites walking.
        form.Label2.Caption = "4";
        form.Label11.Caption = "1";
        form.Label12.Caption = game::kYouLost;
        form.man.Left = 300;
        form.pc.setPicture(form.pl1.picture());
        form.pc.Left = 3000;
        form.ball.Left = 50;
        form.ball.Top = 3000;
        form.ballDirY = "up";
        form.ballDirX = "right";
        form.ballStepX = 65;
        form.nextHitter = "man";
        form.Timer2.Enabled = true;
        host.clearRecords();

        std::invoke(row.command, form);

        EXPECT_EQ(host.clips, std::vector<int>{2});
        EXPECT_FALSE(form.Timer1.Enabled);
        EXPECT_FALSE(form.Timer4.Enabled);
        EXPECT_TRUE(form.Timer2.Enabled) << "the level leaves Timer2 as it was";
        EXPECT_EQ(form.man.Left, 1777.5f);
        EXPECT_EQ(form.pc.Left, 1927.5f - 127.5f) << "centred by its walking width of 255";
        EXPECT_EQ(form.ball.Left, 1927.5f) << "the ball's left edge on the middle";
        EXPECT_EQ(form.ball.Top, 650);
        for (const tk::Label* score : {&form.Label2, &form.Label4, &form.Label9, &form.Label11}) {
            EXPECT_EQ(score->Caption, "0") << score->name;
        }
        EXPECT_EQ(form.Label12.Caption, "");
        for (const tk::Label* bar : {&form.Label2, &form.Label4, &form.Label6, &form.Label7,
                                     &form.Label8, &form.Label9, &form.Label10, &form.Label11}) {
            EXPECT_TRUE(bar->Visible) << bar->name;
        }
        EXPECT_EQ(form.ballStepY.number(), row.ballStepY);
        EXPECT_EQ(form.Text1.Text, row.pcStep);
        EXPECT_TRUE(form.pcStep == row.pcStep);
        // Carried over from the rally before.
        EXPECT_TRUE(form.ballDirY == "up");
        EXPECT_TRUE(form.ballDirX == "right");
        EXPECT_EQ(form.ballStepX.number(), 65);
        EXPECT_TRUE(form.nextHitter == "man");
        EXPECT_EQ(form.pc.picture(), form.pl1.picture());
    }
}

TEST_F(Flow, ALevelChosenTwiceGivesTheSameCourt) {
    setUpEasyMatch();
    form.Form_KeyDown(game::kKeyP, 0);
    for (int i = 0; i < 40; ++i)
        form.Timer1_Timer();
    form.med_Click();
    const float manLeft = form.man.Left, pcLeft = form.pc.Left, ballLeft = form.ball.Left;
    host.clearRecords();
    form.med_Click();
    EXPECT_EQ(form.man.Left, manLeft);
    EXPECT_EQ(form.pc.Left, pcLeft);
    EXPECT_EQ(form.ball.Left, ballLeft);
    EXPECT_EQ(host.clips, std::vector<int>{2});
}

TEST_F(Flow, TheOtherMenuCommandsPlayTheCueFirst) {
    struct Row {
        const char* name;
        void (flow::MainWindow::*command)();
        std::vector<std::string> log;
    } rows[] = {
        {"Exit", &flow::MainWindow::exit_Click, {"clip 2", "unload Form1"}},
        {"Ovládání hry", &flow::MainWindow::hra_Click, {"clip 2", "show Form3"}},
        {"Informace", &flow::MainWindow::about_Click, {"clip 2", "show Form2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setUpEasyMatch();
        form.Form_KeyDown(game::kKeyP, 0);
        std::invoke(row.command, form);
        EXPECT_EQ(host.log, row.log);
        EXPECT_TRUE(form.Timer1.Enabled) << "no menu command pauses the match";
    }
}

TEST_F(Flow, ASecondMatchStartsWithTheDirectionsTheFirstLeft) {
    setUpEasyMatch();
    form.Form_KeyDown(game::kKeyP, 0);
    host.queueRnd({0, 0});
    for (int i = 0; i < 500 && !(form.ballDirY == "up"); ++i)
        form.Timer1_Timer();
    ASSERT_TRUE(form.ballDirY == "up");
    form.easy_Click();
    form.Form_KeyDown(game::kKeyP, 0);
    const float top = form.ball.Top;
    form.Timer1_Timer();
    EXPECT_EQ(form.ball.Top, top - 80) << "the new match's first rally flies up towards pc";
}

}  // namespace
}  // namespace engine_test
