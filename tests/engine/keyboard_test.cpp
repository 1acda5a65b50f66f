// The keys as a state machine: not set up, ready, running, paused, decided. The information menu,
// the key-up and a level chosen mid-walk are replayed by the trace fixtures.
#include <string>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using Keyboard = Court;

TEST_F(Keyboard, KeyDownInEveryState) {
    enum State { NotSetUp, Ready, Running, Paused, Decided };
    const char* names[] = {"not set up", "ready", "running", "paused", "decided"};
    struct Row {
        State state;
        int key;
        bool timer1, timer2;
        const char* manKeyDir;
    } rows[] = {
        // The intro runs Timer1 and steers "left"; no key-down reaches it.
        {NotSetUp, game::kKeyLeft, true, false, "left"},
        {NotSetUp, game::kKeyRight, true, false, "left"},
        {NotSetUp, game::kKeyP, true, false, "left"},
        {Ready, game::kKeyLeft, true, true, "left"},
        {Ready, game::kKeyRight, true, true, "right"},
        {Ready, game::kKeyP, true, true, "left"},  // whatever the intro left
        {Ready, 38, false, false, "left"},         // up does nothing
        {Ready, 40, false, false, "left"},         // nor down
        {Running, game::kKeyRight, true, true, "right"},
        {Running, game::kKeyP, false, false, "left"},
        {Paused, game::kKeyP, true, true, "left"},
        {Paused, game::kKeyRight, true, true, "right"},
        {Decided, game::kKeyP, false, false, "left"},
        {Decided, game::kKeyRight, true, true, "right"},  // the next tick stops them again
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(names[row.state]) + ", key " + std::to_string(row.key));
        restart();
        form.Form_Load();
        form.Picture4_Click();
        if (row.state != NotSetUp)
            form.easy_Click();
        for (int presses = row.state == Paused ? 2 : row.state >= Running; presses > 0; --presses)
            form.Form_KeyDown(game::kKeyP, 0);
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

}  // namespace
}  // namespace engine_test
