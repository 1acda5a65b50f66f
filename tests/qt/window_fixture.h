// The real game windows over the running game, with no sound, for the window tests.
#pragma once

#include <QImage>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "desktop/views/game_windows.h"

namespace qt_tests {

// A canvas as it shows the game now.
inline QImage shotOf(tkqt::FrameCanvas& canvas) {
    canvas.frameNow();
    return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class WindowFixture : public ::testing::Test {
  public:
    explicit WindowFixture(running::Settings settings = {})
        : windows(running::Options{settings, {}, 1}) {
        windows.act([](running::Game& game) { game.load(); });
    }

    views::MainWindowView& view() { return windows.mainWindow(); }
    flow::MainWindow& form() { return game.form(); }

    // Shows the window, as the program does after the load.
    void show() {
        view().present();
        windows.settle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view()));
    }

    QImage render() { return shotOf(view().canvas()); }

    void clickSplash() {
        QTest::mouseClick(&view().canvas(), Qt::LeftButton, {}, QPoint(150, 150));
    }
    void command(const char* name) {
        windows.act([name](running::Game& game) { EXPECT_TRUE(game.command(name)) << name; });
    }
    // A change to the game's state made by hand, then mirrored as after any event.
    template <class Change>
    void change(Change&& change) {
        change(form());
        windows.act([](running::Game& game) { game.afterEvent(); });
    }

    views::GameWindows windows;
    running::Game& game = windows.game();
};

// True when the rectangle holds at least one pixel of this colour.
inline bool holdsColour(const QImage& image, QRect area, QColor colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

}  // namespace qt_tests
