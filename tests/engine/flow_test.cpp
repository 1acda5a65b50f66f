// What the state print of the trace fixtures does not show of start-up and the menu: the splash
// going away, the load's marks wiped, the score bar's texts, a new match over anything, and the
// cue before each command.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using Flow = Court;

TEST_F(Flow, TheSplashClickWipesTheMarksAndALevelShowsTheScoreBar) {
    form.Form_Load();
    EXPECT_EQ(form.Picture1.BackColor, game::kCourtOrange);
    auto marks = [](const tk::Surface& surface) {
        std::vector<float> ends;
        for (const tk::DrawnLine& l : surface.drawing)
            ends.insert(ends.end(), {l.x1, l.y1, l.x2, l.y2, static_cast<float>(l.color)});
        return ends;
    };
    EXPECT_EQ(marks(form.Picture1), (std::vector<float>{200, 200, 200, 200, 0})) << "a black dot";
    EXPECT_EQ(marks(form.drawing), (std::vector<float>{0, 0, 200, 200, 0})) << "a black diagonal";
    EXPECT_TRUE(form.Picture4.Visible);
    form.Picture4_Click();
    EXPECT_FALSE(form.Picture4.Visible);
    EXPECT_TRUE(form.Picture1.drawing.empty() && form.drawing.drawing.empty());
    form.Label5_Click();
    form.easy_Click();
    EXPECT_TRUE(form.Label6.Visible && form.Label7.Visible && form.Label8.Visible &&
                form.Label10.Visible)
        << "the score bar's fixed texts";
}

TEST_F(Flow, ALevelStartsAfreshOverTheSplashOrADecidedMatch) {
    for (const bool overSplash : {true, false}) {
        SCOPED_TRACE(overSplash ? "by its shortcut over the splash" : "over a decided match");
        restart();
        form.Form_Load();
        if (!overSplash) {
            form.Picture4_Click();
            // 1:1 in points, 1:2 in sets: lost on the next tick.
            for (tk::Label* score : {&form.Label2, &form.Label4, &form.Label9, &form.Label11})
                score->Caption = std::string(score == &form.Label11 ? "2" : "1");
            form.Timer1_Timer();
            ASSERT_EQ(form.Label12.Caption, game::kYouLost);
        }
        form.med_Click();
        for (const tk::Label* score : {&form.Label2, &form.Label4, &form.Label9, &form.Label11})
            EXPECT_EQ(score->Caption, "0") << score->name;
        EXPECT_EQ(form.Label12.Caption, "");
        EXPECT_TRUE(form.Picture1.drawing.empty() && form.drawing.drawing.empty()) << "no marks";
        EXPECT_TRUE(form.man.Visible && form.pc.Visible && form.ball.Visible);
    }
}

TEST_F(Flow, TheOtherMenuCommandsPlayTheCueFirstAndDoNotPause) {
    struct Row {
        const char* name;
        void (flow::MainWindow::*command)();
        const char* then;
    } rows[] = {
        {"Exit", &flow::MainWindow::exit_Click, "unload Form1"},
        {"Ovládání hry", &flow::MainWindow::hra_Click, "show Form3"},
        {"Informace", &flow::MainWindow::about_Click, "show Form2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        std::invoke(row.command, form);
        EXPECT_EQ(host.log, (std::vector<std::string>{"clip 2", row.then}));
        EXPECT_TRUE(form.Timer1.Enabled);
    }
}

}  // namespace
}  // namespace engine_test
