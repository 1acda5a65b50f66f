// The platform timers follow the game's Enabled flags after every event, at the game's intervals,
// and their ticks ask for a paint at the next display frame, not one each.
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using TimersTest = WindowFixture;

TEST_F(TimersTest, TimersStartAndStopWithTheirEnabled) {
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
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        view().handle([&] { step.event(game); });
        EXPECT_EQ(view().timer1().timer().isActive(), step.timer1);
        EXPECT_EQ(view().timer2().timer().isActive(), step.timer2);
        EXPECT_EQ(view().timer4().timer().isActive(), step.timer4);
    }
    // The game tick sets Enabled again and again while it runs: that, or off and on within one
    // event, does not restart the count.
    const int id = view().timer2().timer().timerId();
    view().handle([&] { game.Timer2.Enabled = true; });
    view().handle([&] {
        game.Timer2.Enabled = false;
        game.Timer2.Enabled = true;
    });
    EXPECT_EQ(view().timer2().timer().timerId(), id);
    // A thousand ticks within one display frame ask for one paint, at the next frame.
    QCoreApplication::sendPostedEvents();
    const int paints = view().canvas().paintCount();
    for (int i = 0; i < 1000; ++i)
        view().handle([&] { game.Timer2_Timer(); });
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view().canvas().paintCount(), paints) << "no paint per tick";
    EXPECT_TRUE(view().canvas().framePending());
    EXPECT_EQ(view().timer1().timer().interval(), 10);
    EXPECT_EQ(view().timer2().timer().interval(), 10);
    EXPECT_EQ(view().timer4().timer().interval(), 1);
    EXPECT_EQ(view().timer4().timer().timerType(), Qt::PreciseTimer);
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
