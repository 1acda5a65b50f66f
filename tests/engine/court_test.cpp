// The main window's rules on a court a test sets up: the ball's flight and the strokes, points and
// sets, the players' steps, the intro's autopilot, the keys in every state, start-up and the menu
// commands; the sound routine; the about window's globe. The order of a tick's steps over many
// ticks and the end of a match are replayed by the trace fixtures.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "assets/catalog.h"
#include "engine/flow/module1.h"
#include "engine/flow/session.h"
#include "engine/screens/about_window.h"
#include "tools/trace/scripted_host.h"

namespace {

using Form = flow::MainWindow;

class Court : public ::testing::Test {
  protected:
    std::optional<flow::Session<trace::ScriptedHost>> session{std::in_place};
    // A new session is built where the old one stood, so these keep naming the current one.
    trace::ScriptedHost& host = session->host;
    Form& form = session->form;

    // A new program loaded, the splash clicked: nothing of an earlier table row carries over.
    void restart() {
        session.emplace();
        form.Form_Load();
        form.Picture4_Click();
    }

    // An easy match running, the ball parked where no sprite reaches it and where it does not
    // move: nothing in a tick but what the test sets up.
    void runningMatch() {
        restart();
        form.easy_Click();
        host.clearRecords();
        form.Timer1.Enabled = form.Timer2.Enabled = true;
        form.ball.Left = 1000;
        form.ball.Top = 2000;
        form.ballDirX = tk::Value();
        form.ballStepY = 0;
    }
};

TEST_F(Court, TheBallFliesByItsDirectionsAndTurnsStrictlyPastTheSideLines) {
    struct Row {
        const char *name, *dirX, *dirAfter;  // dirX nullptr: never set
        float left, leftAfter;
        bool up, knock;
    } rows[] = {
        {"right and up", "right", "right", 1000, 1045, true, false},
        {"left edge exactly 0 does not bounce", "rovne", "rovne", 0, 0, false, false},
        {"one twip past the left edge bounces", "rovne", "right", -1, -1, false, true},
        {"exactly on the court's width does not bounce", "rovne", "rovne", 3720, 3720, false,
         false},
        {"one twip further bounces", "rovne", "left", 3721, 3721, false, true},
        {"a step across the left edge bounces at once", "left", "right", 30, -15, false, true},
        {"a step across the right edge bounces at once", "right", "left", 3700, 3745, false, true},
        {"an unset direction leaves the ball in place", nullptr, "right", -1, -1, false, true},
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

TEST_F(Court, StrokeOverlapIsStrictAndRoundedToSingle) {
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
// stroke frame. The player sends the ball the way of his last step, 5 twips faster (to the left
// in a fixture); the computer draws the direction after the knock, from a reseeded source, and
// never speeds the ball up.
TEST_F(Court, StrokesByThePlayerAndTheComputer) {
    struct Row {
        const char *name, *label1, *dirX, *log;  // label1: the player's last step
        bool byMan;
        float draw1, draw2;
        int stepX;
    } rows[] = {
        {"player walking right", "right", "right", "rnd clip 3", true, 0.6f, 0, 50},
        {"player standing", "", "rovne", "rnd clip 3", true, 0.6f, 0, 45},
        {"computer, lowest draws", "right", "left", "rnd clip 1 randomize rnd", false, 0, 0, 45},
        {"computer, just under a half", "", "left", "rnd clip 2 randomize rnd", false, 0.25f,
         0.4999f, 45},
        {"computer, a half", "", "right", "rnd clip 3 randomize rnd", false, 0.5f, 0.5f, 45},
        {"computer, the largest single under 1", "", "right", "rnd clip 4 randomize rnd", false,
         0.99999994f, 0.99999994f, 45},
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
        host.queueRnd({row.draw1, row.draw2});
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

// The score labels: the man's points, the pc's points, the man's sets, the pc's sets.
std::vector<tk::Label*> scoreOf(Form& form) {
    return {&form.Label2, &form.Label4, &form.Label9, &form.Label11};
}

// Points and sets. Two sets win the match on the next tick (a fixture plays a won one out, the
// start-up test below a lost one); two sets each decide nothing.
TEST_F(Court, OutIsStrictAtBothEndsAndASetNeedsSixPointsAndALeadOfTwo) {
    struct Row {
        const char* name;
        float top;  // -1: out at the top, the player's point; 4096: out at the bottom
        const char *before, *after;
    } rows[] = {
        {"top edge exactly 0 is in play", 0, "5 3 0 0", "5 3 0 0"},
        {"exactly the court's height is in play", 4095, "3 5 0 0", "3 5 0 0"},
        {"5:5 to 6:5 is no set", -1, "5 5 0 0", "6 5 0 0"},
        {"6:5 to 7:5 wins it", -1, "6 5 1 0", "0 0 2 0"},
        {"4:0 to 5:0 is no set, lead or not", -1, "4 0 0 0", "5 0 0 0"},
        {"3:5 and the computer's point wins its set", 4096, "3 5 0 0", "0 0 0 1"},
        {"5:5 to 5:6 is no set", 4096, "5 5 0 0", "5 6 0 0"},
        {"11:12 to 11:13 wins it", 4096, "11 12 1 1", "0 0 1 2"},
        {"two sets each decide no match", 2000, "0 0 2 2", "0 0 2 2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        std::istringstream before(row.before);
        for (tk::Label* label : scoreOf(form))
            before >> label->Caption;
        form.ball.Top = row.top;
        form.Timer1_Timer();
        std::string after;
        for (const tk::Label* label : scoreOf(form))
            after += (after.empty() ? "" : " ") + label->Caption;
        EXPECT_EQ(after, row.after);
        EXPECT_TRUE(form.Label12.Caption.empty() && form.Timer1.Enabled) << "a match decided";
        const bool point = row.top < 0 || row.top > 4095;
        const std::vector<int> clips = !point                ? std::vector<int>{}
                                       : row.after[0] == '0' ? std::vector<int>{8, 7, 1}
                                                             : std::vector<int>{8, 1};
        EXPECT_EQ(host.clips, clips) << "point, then set, then the serve's knock";
    }
}

// The keys before a match is set up, in a set-up one and in a decided one. (The fixtures press
// none before a match is set up, nor in a decided one; they pause and resume a running one.)
TEST_F(Court, KeyDownBeforeAMatchAndInADecidedOne) {
    enum State { NotSetUp, Ready, Decided };
    const char* names[] = {"not set up", "ready", "decided"};
    struct Row {
        State state;
        int key;
        bool timer1, timer2;
        const char* manKeyDir;
    } rows[] = {
        // The intro runs Timer1 and steers "left"; no key-down reaches it.
        {NotSetUp, game::kKeyLeft, true, false, "left"},
        {Ready, game::kKeyLeft, true, true, "left"},
        {Ready, 38, false, false, "left"},  // up does nothing
        {Decided, game::kKeyP, false, false, "left"},
        {Decided, game::kKeyRight, true, true, "right"},  // the next tick stops them again
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(names[row.state]) + ", key " + std::to_string(row.key));
        restart();
        if (row.state != NotSetUp)
            form.easy_Click();
        if (row.state == Decided) {
            form.Label9.Caption = "2";
            form.Timer1_Timer();
            ASSERT_EQ(form.Label12.Caption, game::kYouWon);
        }
        form.Form_KeyDown(row.key, 0);
        EXPECT_EQ(form.Timer1.Enabled, row.timer1);
        EXPECT_EQ(form.Timer2.Enabled, row.timer2);
        EXPECT_TRUE(form.manKeyDir == row.manKeyDir) << form.manKeyDir.toText();
        if (row.state == Decided && row.key == game::kKeyRight) {
            form.Timer1_Timer();
            EXPECT_FALSE(form.Timer1.Enabled || form.Timer2.Enabled) << "ended again";
        }
    }
}

// The player's step by level, and its edge bounds.
TEST_F(Court, ThePlayerStepsByLevelWithinTheEdges) {
    struct Row {
        const char *name, *dir, *frame;  // dir nullptr: never set
        void (Form::*level)();
        float left, leftAfter;
    } rows[] = {
        {"medium steps 140", "left", "l1", &Form::med_Click, 1000, 860},
        {"hard steps 190", "right", "r1", &Form::hard_Click, 1000, 1190},
        {"from exactly 0 the step is still taken", "left", "l1", &Form::easy_Click, 0, -70},
        {"from below 0 the step is refused", "left", "l1", &Form::easy_Click, -20, -20},
        {"from exactly 3480 the step is still taken", "right", "r1", &Form::easy_Click, 3480, 3550},
        {"from above 3480 it is refused", "right", "r1", &Form::easy_Click, 3481, 3481},
        {"a fraction stays single", "left", "l1", &Form::easy_Click, 1777.5f, 1707.5f},
        {"an unset direction stands", nullptr, "n", &Form::easy_Click, 1000, 1000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        std::invoke(row.level, form);
        form.man.setPicture(form.l2.picture());
        form.man.Left = row.left;
        form.manKeyDir = row.dir ? tk::Value(row.dir) : tk::Value();
        form.Timer2_Timer();
        EXPECT_EQ(form.man.Left, row.leftAfter);
        EXPECT_EQ(form.Label1.Caption, row.dir ? row.dir : "Label1")
            << "the direction is echoed even when the step is refused";
        EXPECT_EQ(form.man.picture().owner(), row.frame) << "the frame flips even when refused";
    }
}

// pc at 1777.5 was walking left, mostly in its first frame (255 twips wide; standing, 300); the
// ball is 135 wide. The standing frame, when the stand test holds, is put on before the walk
// tests, which then see its width, and a walk overrides the stand.
TEST_F(Court, TheComputerStepsByTheBallsPlaceWithMarginsOfNineAndTen) {
    struct Row {
        const char *name, *frameBefore;
        float ballLeft, pcLeftAfter;
        const char *moveDir, *frame;
    } rows[] = {
        {"ball exactly 9 inside on the left: walk left", "pl1", 1786.5f, 1732.5f, "left", "pl2"},
        {"ball exactly 10 inside on the left: stand", "pl1", 1787.5f, 1777.5f, "", "pn"},
        {"ball 9.5 inside: stands, then the walk wins", "pl1", 1787, 1732.5f, "left", "pl1"},
        {"ball exactly 9 inside on the right: walk right", "pl1", 1888.5f, 1822.5f, "right", "pr1"},
        {"ball exactly 10 inside on the right: stand", "pl1", 1887.5f, 1777.5f, "", "pn"},
        {"standing, ball exactly 10 inside on the right", "pn", 1932.5f, 1777.5f, "", "pn"},
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

// In the intro `man` follows `pc` by itself. Here man stands at 1800, 300 wide; pc is at 500.
TEST_F(Court, TheIntrosPlayerFollowsAnOutBallAndStandsUnderABallWithNineTwipsToSpare) {
    struct Row {
        const char *name, *nextHitter;  // nullptr: no stroke yet
        float ballLeft, ballTop, manLeftAfter;
        const char* frame;
    } rows[] = {
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

// What the state print of the fixtures does not show of start-up: the splash going away, the
// load's marks wiped, the score bar's texts; and a level chosen over a decided match or straight
// over the splash by its shortcut starts afresh.
TEST_F(Court, TheSplashClickWipesTheMarksAndALevelStartsAfresh) {
    const auto marks = [](const tk::Surface& surface) {
        std::vector<float> ends;
        for (const tk::DrawnLine& l : surface.drawing)
            ends.insert(ends.end(), {l.x1, l.y1, l.x2, l.y2, static_cast<float>(l.color)});
        return ends;
    };
    for (const bool overSplash : {false, true}) {
        SCOPED_TRACE(overSplash ? "by its shortcut over the splash" : "over a decided match");
        session.emplace();
        form.Form_Load();
        EXPECT_EQ(form.Picture1.BackColor, game::kCourtOrange);
        EXPECT_EQ(marks(form.Picture1), (std::vector<float>{200, 200, 200, 200, 0})) << "a dot";
        EXPECT_EQ(marks(form.drawing), (std::vector<float>{0, 0, 200, 200, 0})) << "a diagonal";
        EXPECT_TRUE(form.Picture4.Visible);
        if (!overSplash) {
            form.Picture4_Click();
            EXPECT_FALSE(form.Picture4.Visible);
            EXPECT_TRUE(form.Picture1.drawing.empty() && form.drawing.drawing.empty());
            // 1:1 in points, 1:2 in sets: lost on the next tick.
            for (tk::Label* score : scoreOf(form))
                score->Caption = std::string(score == &form.Label11 ? "2" : "1");
            form.Timer1_Timer();
            ASSERT_EQ(form.Label12.Caption, game::kYouLost);
        }
        form.med_Click();
        for (const tk::Label* score : scoreOf(form))
            EXPECT_EQ(score->Caption, "0") << score->name;
        EXPECT_EQ(form.Label12.Caption, "");
        EXPECT_TRUE(form.Picture1.drawing.empty() && form.drawing.drawing.empty()) << "no marks";
        EXPECT_TRUE(form.man.Visible && form.pc.Visible && form.ball.Visible);
        EXPECT_TRUE(form.Label6.Visible && form.Label7.Visible && form.Label8.Visible &&
                    form.Label10.Visible)
            << "the score bar's fixed texts";
    }
}

TEST_F(Court, TheOtherMenuCommandsPlayTheCueFirstAndDoNotPause) {
    for (const auto& [command, then] : {std::pair{&Form::exit_Click, "unload Form1"},
                                        {&Form::hra_Click, "show Form3"},
                                        {&Form::about_Click, "show Form2"}}) {
        SCOPED_TRACE(then);
        runningMatch();
        std::invoke(command, form);
        EXPECT_EQ(host.log, (std::vector<std::string>{"clip 2", then}));
        EXPECT_TRUE(form.Timer1.Enabled);
    }
}

// The sound routine: what it plays, what it says, and what it keeps.
TEST(Module1, PlaysAClipByItsWholeNumberAndKeepsTheOldOneOnAnyFailure) {
    struct Row {
        const char *name, *type;
        tk::Value id;
        int scriptedError, played;  // -1: no error scripted; 0: none played
        bool message;
        std::size_t buffer;  // the buffer afterwards, as a clip number; 0: empty
    } rows[] = {
        {"clip 8", "RESTYPE", 8, -1, 8, false, 8},
        {"half rounds to even, down", "RESTYPE", 2.5f, -1, 2, false, 2},
        {"half rounds to even, up", "RESTYPE", 3.5f, -1, 4, false, 4},
        {"clip 9 does not exist", "RESTYPE", 9, -1, 0, true, 6},
        {"another resource type", "WAVE", 1, -1, 0, true, 6},
        {"a clip named by text", "RESTYPE", "3", -1, 0, true, 6},
        {"any other load error is silent", "RESTYPE", 3, 7, 0, false, 6},
        {"an empty result is silent and empties the buffer", "RESTYPE", 3, 0, 0, false, 0},
        {"a number too large for an id is silent", "RESTYPE", 1e12, -1, 0, false, 6},
        {"the lowest whole number is read, and is no clip", "RESTYPE",
         std::numeric_limits<int>::min(), -1, 0, true, 6},
        {"nor is the largest", "RESTYPE", std::numeric_limits<int>::max(), -1, 0, true, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        trace::ScriptedHost host;
        flow::Module1 module1(host);
        module1.PlayClip(6, "RESTYPE");
        host.clearRecords();
        if (row.scriptedError >= 0)
            host.failNextLoad(row.scriptedError);
        module1.PlayClip(row.id, row.type);
        EXPECT_EQ(host.clips, row.played ? std::vector<int>{row.played} : std::vector<int>{});
        EXPECT_EQ(host.loads.empty(),
                  row.id.isText() || row.id.number() > std::numeric_limits<int>::max())
            << "no load for a text or a number out of range";
        if (row.played) {
            EXPECT_EQ(host.waveSizes.back(), assets::clipWave(row.played).size()) << "all of it";
        }
        EXPECT_EQ(host.messages, row.message
                                     ? std::vector<std::string>{flow::kMissingResourceMessage}
                                     : std::vector<std::string>{});
        EXPECT_EQ(module1.buffer().size(),
                  row.buffer ? assets::clipWave(static_cast<int>(row.buffer)).size() : 0u);
    }
}

// The about window's globe. A click anywhere closing the about and help windows is the
// dialogs' test, on the real windows.
TEST(AboutWindow, TheGlobeRunsThroughItsEightFramesAndGoesOnWhereItStopped) {
    trace::ScriptedHost host;
    screens::Form2 about(host);
    about.Load();
    EXPECT_EQ(about.Timer1.Interval, 20);
    EXPECT_TRUE(about.Picture2.picture().empty()) << "empty until the first tick";
    EXPECT_EQ(about.Icon, host.picture("Form1.Icon"));
    std::string frames;
    for (int i = 0; i < 10; ++i) {
        about.Timer1_Timer();
        frames += about.Picture2.picture().owner().substr(15, 1);  // "Form2.Picture1(N)"
    }
    EXPECT_EQ(frames, "0123456701");
    EXPECT_EQ(about.Picture2.Width, 480) << "the display sizes itself to the 32 px frame";
    about.Form_Click();
    EXPECT_FALSE(about.loaded() || about.Timer1.Enabled);
    about.Load();
    EXPECT_TRUE(about.Picture2.picture().empty()) << "the controls are made afresh";
    about.Timer1_Timer();
    EXPECT_EQ(about.Picture2.picture().owner(), "Form2.Picture1(2)") << "the next frame";
}

}  // namespace
