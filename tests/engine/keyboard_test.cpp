// The keys as a state machine: not set up, ready, running, paused, decided.
#include <functional>
#include <string>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using Keyboard = Court;

enum class State { NotSetUp, Ready, Running, Paused, Decided };

const char* nameOf(State s) {
    switch (s) {
        case State::NotSetUp:
            return "not set up";
        case State::Ready:
            return "ready";
        case State::Running:
            return "running";
        case State::Paused:
            return "paused";
        case State::Decided:
            return "decided";
    }
    return "?";
}

TEST_F(Keyboard, KeyDownInEveryState) {
    struct Row {
        State state;
        int key;
        bool timer1, timer2;
        const char* manKeyDir;
    } rows[] = {
        // The intro runs Timer1 and steers "left"; no key-down reaches it.
        {State::NotSetUp, game::kKeyLeft, true, false, "left"},
        {State::NotSetUp, game::kKeyRight, true, false, "left"},
        {State::NotSetUp, game::kKeyP, true, false, "left"},
        {State::Ready, game::kKeyLeft, true, true, "left"},
        {State::Ready, game::kKeyRight, true, true, "right"},
        {State::Ready, game::kKeyP, true, true, "left"},  // whatever the intro left
        {State::Ready, 38, false, false, "left"},         // up does nothing
        {State::Ready, 40, false, false, "left"},         // nor down
        {State::Running, game::kKeyRight, true, true, "right"},
        {State::Running, game::kKeyP, false, false, "left"},
        {State::Paused, game::kKeyP, true, true, "left"},
        {State::Paused, game::kKeyRight, true, true, "right"},
        {State::Decided, game::kKeyP, false, false, "left"},
        {State::Decided, game::kKeyRight, true, true, "right"},  // the next tick stops them again
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(nameOf(row.state)) + ", key " + std::to_string(row.key));
        restart();
        form.Form_Load();
        form.Picture4_Click();
        if (row.state != State::NotSetUp)
            form.easy_Click();
        if (row.state == State::Running || row.state == State::Paused)
            form.Form_KeyDown(game::kKeyP, 0);
        if (row.state == State::Paused)
            form.Form_KeyDown(game::kKeyP, 0);
        if (row.state == State::Decided) {
            form.Form_KeyDown(game::kKeyP, 0);
            form.Label9.Caption = "2";
            form.Timer1_Timer();
            ASSERT_EQ(form.Label12.Caption, game::kYouWon);
        }
        form.Form_KeyDown(row.key, 0);
        EXPECT_EQ(form.Timer1.Enabled, row.timer1);
        EXPECT_EQ(form.Timer2.Enabled, row.timer2);
        EXPECT_TRUE(form.manKeyDir == row.manKeyDir) << form.manKeyDir.toText();
        if (row.state == State::Decided && row.key == game::kKeyRight) {
            form.Timer1_Timer();
            EXPECT_FALSE(form.Timer1.Enabled) << "a decided match ends again on the next tick";
            EXPECT_FALSE(form.Timer2.Enabled);
        }
    }
}

TEST_F(Keyboard, PausingEnablesTheInformationMenuAndResumingLeavesIt) {
    setUpEasyMatch();
    form.Form_KeyDown(game::kKeyP, 0);
    form.info(15).Enabled = false;
    form.Form_KeyDown(game::kKeyP, 0);
    EXPECT_TRUE(form.info(15).Enabled) << "pausing enables it";
    form.info(15).Enabled = false;
    form.Form_KeyDown(game::kKeyP, 0);
    EXPECT_FALSE(form.info(15).Enabled) << "resuming does not touch it";
    EXPECT_TRUE(form.Timer1.Enabled);
}

TEST_F(Keyboard, AnyKeyUpStopsTheSpriteEvenBeforeAMatch) {
    form.Form_Load();
    form.Picture4_Click();
    form.Label1.Caption = "right";
    form.Form_KeyUp(65, 0);
    EXPECT_TRUE(form.manKeyDir == "");
    EXPECT_FALSE(form.manKeyDir.isEmpty()) << "the empty text, not an unset value";
    EXPECT_EQ(form.Label1.Caption, "");
}

TEST_F(Keyboard, ReleasingOneArrowWhileHoldingTheOtherStandsTheSpriteStill) {
    setUpEasyMatch();
    form.Form_KeyDown(game::kKeyLeft, 0);
    form.Form_KeyDown(game::kKeyRight, 0);
    form.Form_KeyUp(game::kKeyRight, 0);
    const float before = form.man.Left;
    form.Timer2_Timer();
    EXPECT_EQ(form.man.Left, before);
    EXPECT_EQ(form.man.picture(), form.n.picture());
    form.Form_KeyDown(game::kKeyLeft, 0);  // the held key repeats
    form.Timer2_Timer();
    EXPECT_EQ(form.man.Left, before - 70);
}

}  // namespace
}  // namespace engine_test
