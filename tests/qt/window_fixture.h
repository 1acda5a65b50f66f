// The real main window on the real host, with no sound, for the view tests.
#pragma once

#include <QImage>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "assets/embedded_resources.h"
#include "engine/flow/session.h"
#include "desktop/qt/qt_host.h"
#include "desktop/views/game_windows.h"

namespace qt_tests {

// A canvas as it shows the model now.
inline QImage shotOf(tkqt::FrameCanvas& canvas) {
    canvas.renderNow();
    return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class WindowFixture : public ::testing::Test {
  public:
    WindowFixture() {
        game.Form_Load();
        view().sync();
    }

    views::MainWindowView& view() { return windows.mainWindow(); }

    // Shows the window, as the program does before its first event.
    void show() {
        windows.showMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view()));
    }

    QImage render() { return shotOf(view().canvas()); }

    void clickSplash() {
        QTest::mouseClick(&view().canvas(), Qt::LeftButton, {}, QPoint(150, 150));
    }

    assets::EmbeddedResources resources;
    flow::Session<tkqt::QtHost> session{resources, ::game::kTitle};
    tkqt::QtHost& host = session.host;
    flow::MainWindow& game = session.form;
    views::GameWindows windows{game, host};
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
