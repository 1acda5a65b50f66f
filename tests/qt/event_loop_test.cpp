// The game on the window's event loop, which nothing holds. The game's clock: one precise
// single-shot wake, armed while the game has something to do and only then; what waits for the
// window's first frame told once; the ticks asking for a paint at the next display frame, not one
// each; a point's pause holding the game's clock, never the window's thread. The about and help
// windows opened by the game's commands, the main window ticking on behind them and the globe
// turning in the about window; a click anywhere or Enter closing either, as the game decides. And
// a message box, which holds nothing either.
#include <QDialog>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using TimersTest = WindowFixture;
using DialogsTest = WindowFixture;

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

// What waits until the player sees the window (the sound device, the controllers) is told once
// its first frame is painted: not before the window shows, and never again after.
TEST_F(TimersTest, WhatWaitsForTheWindowIsToldOnceAfterItsFirstFrame) {
    int told = 0;
    view().canvas().onFirstShown = [&] { ++told; };
    QTest::qWait(50);
    EXPECT_EQ(told, 0) << "before the window shows";
    show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return told > 0; }, 5000));
    EXPECT_GE(view().canvas().paintCount(), 1);
    clickSplash();
    QTest::qWait(100);
    EXPECT_GT(view().canvas().paintCount(), 1) << "the intro painted on";
    EXPECT_EQ(told, 1);
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

TEST_F(DialogsTest, TheGameOpensAndClosesItsWindows) {
    show();
    clickSplash();
    struct Row {
        const char* name;
        const char* command;
        QPoint click;  // or, when none, the key
        Qt::Key key;
    };
    // Escape closing the about window: the reference frames' test, which goes on to the help.
    const Row rows[] = {
        {"about: a click on the background", "about", {250, 110}, {}},
        {"about: a click on the globe", "about", {30, 30}, {}},
        {"help: a click on a rule", "hra", {150, 80}, {}},
        {"help: Enter", "hra", {}, Qt::Key_Return},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        command(row.command);
        views::DialogView* dialog = windows.dialog();
        ASSERT_TRUE(dialog);
        const bool about = row.command == std::string("about");
        EXPECT_EQ(dialog->window(), about ? running::Window::About : running::Window::Help);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
        const tk::Rect client = game.clientArea(dialog->window());
        EXPECT_EQ(dialog->size(), QSize(client.width, client.height));
        // The intro's ball flies on behind the window, and the globe turns in it.
        const float ballTop = form().ball.Top;
        const QImage first = shotOf(dialog->canvas());
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return form().ball.Top != ballTop && (!about || shotOf(dialog->canvas()) != first);
        }));
        if (row.click.isNull())
            QTest::keyClick(dialog->windowHandle(), row.key);
        else
            QTest::mouseClick(&dialog->canvas(), Qt::LeftButton, {}, row.click);
        EXPECT_FALSE(game.modalWindow());
        EXPECT_FALSE(windows.dialog());
    }
    EXPECT_TRUE(game.nextWake()) << "the intro goes on";
}

TEST_F(DialogsTest, AMessageBoxOpensWithoutHoldingTheThread) {
    show();
    windows.showMessage("SMASHBOL 2002", "Chyba");
    windows.settle();
    QPointer<QMessageBox> box = windows.messageBox();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "Chyba");
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    box->accept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(box) << "gone once closed";
}

}  // namespace
}  // namespace qt_tests
