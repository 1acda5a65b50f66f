// The platform timers follow the game's Enabled flags after every event, at the game's intervals.
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using TimersTest = WindowFixture;

struct Expected {
    bool timer1, timer2, timer4;
};

void expectRunning(views::MainWindowView& view, Expected expected) {
    EXPECT_EQ(view.timer1().timer().isActive(), expected.timer1) << "Timer1";
    EXPECT_EQ(view.timer2().timer().isActive(), expected.timer2) << "Timer2";
    EXPECT_EQ(view.timer4().timer().isActive(), expected.timer4) << "Timer4";
}

TEST_F(TimersTest, TimersStartAndStopWithTheirEnabled) {
    struct Step {
        const char* name;
        std::function<void(flow::MainWindow&)> event;
        Expected running;
    };
    const Step steps[] = {
        {"after the load", [](flow::MainWindow&) {}, {false, false, false}},
        {"the splash clicked",
         [](flow::MainWindow& g) { g.Picture4_Click(); },
         {true, false, true}},
        {"an intro tick", [](flow::MainWindow& g) { g.Timer4_Timer(); }, {true, false, true}},
        {"a difficulty", [](flow::MainWindow& g) { g.med_Click(); }, {false, false, false}},
        {"Right pressed", [](flow::MainWindow& g) { g.Form_KeyDown(39, 0); }, {true, true, false}},
        {"a game tick", [](flow::MainWindow& g) { g.Timer1_Timer(); }, {true, true, false}},
        {"P: pause", [](flow::MainWindow& g) { g.Form_KeyDown(80, 0); }, {false, false, false}},
        {"P: resume", [](flow::MainWindow& g) { g.Form_KeyDown(80, 0); }, {true, true, false}},
        {"a new level mid-match",
         [](flow::MainWindow& g) { g.hard_Click(); },
         {false, true, false}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        view().handle([&] { step.event(game); });
        expectRunning(view(), step.running);
    }
    EXPECT_EQ(view().timer1().timer().interval(), 10);
    EXPECT_EQ(view().timer2().timer().interval(), 10);
    EXPECT_EQ(view().timer4().timer().interval(), 1);
    EXPECT_EQ(view().timer4().timer().timerType(), Qt::PreciseTimer);
}

TEST_F(TimersTest, EnablingARunningTimerDoesNotRestartItsCount) {
    view().handle([&] { game.Picture4_Click(); });
    const int id = view().timer1().timer().timerId();
    // The game tick sets Enabled again and again while it runs.
    view().handle([&] { game.Timer1.Enabled = true; });
    EXPECT_EQ(view().timer1().timer().timerId(), id);
    view().handle([&] {
        game.Timer1.Enabled = false;
        game.Timer1.Enabled = true;
    });
    EXPECT_EQ(view().timer1().timer().timerId(), id) << "no change seen after the event";
}

TEST_F(TimersTest, ATickCallsItsHandlerAndMirrorsTheModel) {
    view().handle([&] { game.Picture4_Click(); });
    const float before = game.ball.Top;
    // What a timeout does: the timer's signal runs the handler, then the view syncs.
    QMetaObject::invokeMethod(const_cast<QTimer*>(&view().timer1().timer()), "timeout",
                              Qt::DirectConnection);
    EXPECT_NE(game.ball.Top, before) << "the game tick moved the ball";
    EXPECT_TRUE(view().canvas().framePending()) << "a repaint is asked for";
}

TEST_F(TimersTest, ManyTicksAskForOneRepaint) {
    show();
    view().handle([&] { game.Picture4_Click(); });
    QCoreApplication::sendPostedEvents();
    const int paints = view().canvas().paintCount();
    // A thousand ticks of the 1 ms autopilot within one display frame.
    for (int i = 0; i < 1000; ++i)
        view().handle([&] { game.Timer4_Timer(); });
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view().canvas().paintCount(), paints) << "no paint per tick";
    EXPECT_TRUE(view().canvas().framePending()) << "one paint waits for the next frame";
}

TEST(ClassicTiming, EveryTimerKeepsTheBeatOf2002) {
    constexpr std::int64_t ms = 1'000'000, beat = tkqt::kClassicBeatNs;
    struct Row {
        const char* name;
        int interval;
        std::int64_t lastDue, now, next;
    };
    const Row rows[] = {
        {"10 ms waits for the next beat", 10, 0, 0, beat},
        {"1 ms too: 64 a second, not 1000", 1, 0, 0, beat},
        {"20 ms spans two beats: the globe's 32 a second", 20, 0, 0, 2 * beat},
        {"started just after a beat", 10, 1 * ms, 1 * ms, beat},
        {"started 6 ms after one: 10 ms more runs past the next", 10, 6 * ms, 6 * ms, 2 * beat},
        {"exactly on a beat still counts as reached", 10, beat - 10 * ms, beat - 10 * ms, beat},
        {"after a point's pause: one tick at the next beat, not a burst", 10, beat, 716 * ms,
         46 * beat},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tkqt::nextClassicBeat(row.lastDue, row.interval, row.now), row.next);
    }
}

}  // namespace
}  // namespace qt_tests
