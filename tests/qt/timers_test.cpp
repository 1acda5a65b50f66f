// The game's clock on the event loop: it follows the timers' Enabled after every event, wakes
// only while a timer runs, runs the ticks through the window's own event path, stands still while
// the host holds the thread up, and the ticks ask for a paint at the next display frame, not one
// each.
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using TimersTest = WindowFixture;
using views::GameClock;
constexpr flow::Nanos ms = flow::kMillisecond;

TEST_F(TimersTest, TheClockFollowsEnabledAfterEveryEvent) {
    show();
    struct Step {
        const char* name;
        std::function<void(flow::MainWindow&)> event;
        bool timer1, timer2, timer4;
    };
    const Step steps[] = {
        {"the splash clicked", [](flow::MainWindow& g) { g.Picture4_Click(); }, true, false, true},
        {"a difficulty", [](flow::MainWindow& g) { g.med_Click(); }, false, false, false},
        {"Right pressed", [](flow::MainWindow& g) { g.Form_KeyDown(39, 0); }, true, true, false},
        {"P: pause", [](flow::MainWindow& g) { g.Form_KeyDown(80, 0); }, false, false, false},
        {"P: resume", [](flow::MainWindow& g) { g.Form_KeyDown(80, 0); }, true, true, false},
        {"a new level mid-match", [](flow::MainWindow& g) { g.hard_Click(); }, false, true, false},
    };
    const GameClock& clock = view().clock();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        view().handle([&] { step.event(game); });
        EXPECT_EQ(clock.running(game.Timer1), step.timer1);
        EXPECT_EQ(clock.running(game.Timer2), step.timer2);
        EXPECT_EQ(clock.running(game.Timer4), step.timer4);
        EXPECT_EQ(clock.wake().isActive(), step.timer1 || step.timer2 || step.timer4)
            << "woken while a timer runs, only then";
    }
    EXPECT_EQ(clock.wake().timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(clock.wake().isSingleShot());

    // The game tick sets Enabled again and again while it runs: that keeps the count; off and on
    // within one event starts it afresh.
    const flow::Nanos due = *clock.clock().dueOf(game.Timer2);
    view().handle([&] { game.Timer2.Enabled = true; });
    EXPECT_EQ(*clock.clock().dueOf(game.Timer2), due);
    const flow::Nanos before = GameClock::now();
    view().handle([&] {
        game.Timer2.Enabled = false;
        game.Timer2.Enabled = true;
    });
    EXPECT_GE(*clock.clock().dueOf(game.Timer2), before + 10 * ms);

    // A thousand ticks within one display frame ask for one paint, at the next frame.
    QCoreApplication::sendPostedEvents();
    const int paints = view().canvas().paintCount();
    for (int i = 0; i < 1000; ++i)
        view().handle([&] { game.Timer2_Timer(); });
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view().canvas().paintCount(), paints) << "no paint per tick";
    EXPECT_TRUE(view().canvas().framePending());
}

// The wake runs the ticks and has the window painted after them; a point's pause and a message
// box through the host hold the clock: it does not catch up on that time, each running timer
// falls due once at its end.
TEST_F(TimersTest, TheWakeTicksAndTheHostsHoldsStopIt) {
    show();
    clickSplash();
    const float ballTop = game.ball.Top;
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.ball.Top != ballTop; }, 5000));
    // Once the window has grown for the menu bar, only the ticks ask for frames.
    const int paints = view().canvas().paintCount();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view().canvas().paintCount() >= paints + 5; }, 5000))
        << "the window is painted after the ticks";
    struct Row {
        const char* name;
        std::function<void()> hold;
    };
    bool heldInside = false;
    const Row rows[] = {
        {"a point's pause", [&] { host.Sleep(30); }},
        {"a message box",
         [&] {
             QTimer::singleShot(30, [&] {
                 heldInside = view().clock().clock().heldUp();
                 if (QWidget* box = QApplication::activeModalWidget())
                     box->close();
             });
             host.MsgBox("x");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(view().clock().running(game.Timer4));
        const flow::Nanos before = GameClock::now();
        row.hold();
        const flow::Nanos after = GameClock::now();
        const flow::Nanos due = *view().clock().clock().dueOf(game.Timer4);
        EXPECT_GE(due, before + 30 * ms) << "due at the hold's end, not 1 ms after it began";
        EXPECT_LE(due, after);
        EXPECT_FALSE(view().clock().clock().heldUp());
        EXPECT_TRUE(view().clock().wake().isActive());
    }
    EXPECT_TRUE(heldInside) << "no tick inside the message box's own loop";
}

}  // namespace
}  // namespace qt_tests
