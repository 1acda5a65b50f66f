// The game's clock on the event loop: one precise single-shot wake, armed while the game has
// something to do and only then; the ticks asking for a paint at the next display frame, not one
// each; a point's pause holding the game's clock, never the window's thread.
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using TimersTest = WindowFixture;

TEST_F(TimersTest, TheWakeIsArmedWhileTheGameRuns) {
    show();
    struct Step {
        const char* name;
        std::function<void()> event;
        bool runs;
    };
    const auto key = [this](Qt::Key key) { QTest::keyClick(view().windowHandle(), key); };
    const Step steps[] = {
        {"the splash clicked: the intro", [&] { clickSplash(); }, true},
        {"a difficulty: the match set up", [&] { command("med"); }, false},
        {"Right: the match starts", [&] { key(Qt::Key_Right); }, true},
        {"P: pause", [&] { key(Qt::Key_P); }, false},
        {"P: resume", [&] { key(Qt::Key_P); }, true},
    };
    const QTimer& wake = windows.clock().wake();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.event();
        EXPECT_EQ(game.nextWake().has_value(), step.runs);
        EXPECT_EQ(wake.isActive(), step.runs) << "woken while the game runs, only then";
    }
    EXPECT_EQ(wake.timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(wake.isSingleShot());
    const float ballTop = form().ball.Top;
    EXPECT_TRUE(QTest::qWaitFor([&] { return form().ball.Top != ballTop; }, 5000)) << "ticks";

    // A thousand wakes within one display frame ask for one paint, at the next frame.
    view().canvas().frameNow();
    QCoreApplication::sendPostedEvents();
    const int paints = view().canvas().paintCount();
    for (int i = 0; i < 1000; ++i)
        windows.act([](running::Game& game) { game.advance(views::GameClock::now()); });
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view().canvas().paintCount(), paints) << "no paint per tick";
    EXPECT_TRUE(view().canvas().framePending());
}

// A point lost by a player who stands still: the pause after it holds the game, while the
// window's thread goes on; the wake comes at the hold's end. (The frame standing still meanwhile
// is the running game's test's.)
TEST_F(TimersTest, APointsPauseHoldsTheGameNotTheWindow) {
    show();
    clickSplash();
    command("easy");
    QTest::keyClick(view().windowHandle(), Qt::Key_P);
    ASSERT_TRUE(game.matchRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.held(); }, 10000)) << "a point's pause";
    const flow::Nanos heldAt = views::GameClock::now();
    EXPECT_LE(*game.nextWake(), heldAt + 700 * flow::kMillisecond);
    EXPECT_TRUE(windows.clock().wake().isActive());
    int turns = 0;  // the event loop turning meanwhile
    for (; game.held() && turns < 100000; ++turns)
        QTest::qWait(5);
    EXPECT_FALSE(game.held());
    EXPECT_GT(turns, 50) << "the window's thread was never held";
    EXPECT_GE(views::GameClock::now() - heldAt, 500 * flow::kMillisecond);
}

}  // namespace
}  // namespace qt_tests
