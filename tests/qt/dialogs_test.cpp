// The about and help windows: the about window's globe on the game's clock,
// the main window ticking on behind them, and a click anywhere closing either from inside its
// modal loop.
#include <QDialog>

#include <memory>

#include "tests/qt/window_fixture.h"
#include "desktop/views/about_view.h"

namespace qt_tests {
namespace {

using DialogsTest = WindowFixture;

TEST_F(DialogsTest, TheAboutWindowsGlobeTurnsOnTheGamesClock) {
    screens::Form2& about = windows.about();
    about.Load();
    auto aboutView =
        std::make_unique<views::AboutView>(about, windows.renderer(), view().clock(), nullptr);
    EXPECT_TRUE(aboutView->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(view().clock().running(about.Timer1)) << "the globe turns on the game's clock";
    aboutView.reset();
    EXPECT_FALSE(view().clock().running(about.Timer1)) << "the timer goes with its view";
}

TEST_F(DialogsTest, AClickAnywhereClosesTheWindowFromItsModalLoop) {
    show();
    clickSplash();
    struct Row {
        const char* name;
        void (flow::MainWindow::*command)();
        QPoint at;
    };
    const Row rows[] = {
        {"about: background", &flow::MainWindow::about_Click, {250, 110}},
        {"about: title", &flow::MainWindow::about_Click, {90, 25}},
        {"about: globe", &flow::MainWindow::about_Click, {30, 30}},
        {"about: frame", &flow::MainWindow::about_Click, {0, 100}},
        {"help: start text", &flow::MainWindow::hra_Click, {40, 20}},
        {"help: P key", &flow::MainWindow::hra_Click, {30, 100}},
        {"help: a rule", &flow::MainWindow::hra_Click, {150, 80}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bool closedByClick = false;
        windows.onModalShown = [&](QDialog& dialog) {
            // The intro's ball flies on behind the window, and the globe turns in it.
            const float ballTop = game.ball.Top;
            const std::int16_t globe = windows.about().globeFrame;
            const bool about = row.command == &flow::MainWindow::about_Click;
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return game.ball.Top != ballTop && (!about || windows.about().globeFrame != globe);
            }));
            QTest::mouseClick(dialog.findChild<tkqt::FrameCanvas*>(), Qt::LeftButton, {}, row.at);
            closedByClick = !dialog.isVisible();
            if (!closedByClick)
                dialog.reject();  // so that the test goes on
        };
        view().run(row.command);
        EXPECT_TRUE(closedByClick);
        EXPECT_FALSE(windows.about().Timer1.Enabled) << "the globe stops with its window";
    }
    EXPECT_TRUE(view().clock().running(game.Timer1)) << "the intro goes on";
}

}  // namespace
}  // namespace qt_tests
