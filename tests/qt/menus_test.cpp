// The menu bar: hidden on the splash, its shortcuts live all the same, shown for good by the
// click, the window grown once; its commands following their Enabled.
#include <QMenu>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using MenusTest = WindowFixture;

TEST_F(MenusTest, TheSplashHidesTheMenuBarAndTheClickShowsItForGood) {
    show();
    EXPECT_EQ(view().menus().visibleTopLevelMenus(), 0);
    EXPECT_EQ(view().canvas().geometry(), QRect(0, 0, 303, 317)) << "the whole client area";
    QTest::keyClick(view().windowHandle(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(game.pcStep, "70") << "the shortcuts work with the menu bar hidden";
    const float before = host.formHeight();
    clickSplash();
    QCoreApplication::sendPostedEvents();  // lays the window out again
    EXPECT_EQ(view().menus().visibleTopLevelMenus(), 2);
    const int bar = view().menuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(view().canvas().y(), bar) << "the court is painted below the menu bar";
    EXPECT_EQ(view().canvas().height(), 317 + 13 - bar);
    // However often the intro would start, the window grows only once.
    view().handle([&] { game.Label5_Click(); });
    view().handle([&] { game.easy_Click(); });
    EXPECT_FLOAT_EQ(host.formHeight(), before + 200);
    EXPECT_EQ(view().menus().visibleTopLevelMenus(), 2);
    QAction* info = view().menus().action(game.info(15));
    EXPECT_TRUE(info->isEnabled());
    game.info(15).Enabled = false;
    view().sync();
    EXPECT_FALSE(info->isEnabled());
}

}  // namespace
}  // namespace qt_tests
