// The menu bar: hidden on the splash, shown for good by the click, the window grown once; the
// commands and their shortcuts.
#include <QMenu>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using MenusTest = WindowFixture;

TEST_F(MenusTest, TheSplashHasNoMenuBarAndTheClickShowsItForGood) {
    show();
    EXPECT_EQ(view().menus().visibleTopLevelMenus(), 0);
    EXPECT_EQ(view().canvas().geometry(), QRect(0, 0, 303, 317)) << "the whole client area";
    const float before = host.formHeight();
    const int outerBefore = view().frameGeometry().height();

    clickSplash();
    QCoreApplication::sendPostedEvents();  // lays the window out again
    EXPECT_EQ(view().menus().visibleTopLevelMenus(), 2);
    const int bar = view().menuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_TRUE(view().menuBar()->isVisible());
    EXPECT_EQ(view().canvas().y(), bar) << "the court is painted below the menu bar";
    EXPECT_FLOAT_EQ(host.formHeight(), before + 200);
    EXPECT_EQ(view().frameGeometry().height(), outerBefore + 13) << "200 twips, whole pixels";
    EXPECT_EQ(view().canvas().height(), 317 + 13 - bar);

    // However often the intro would start, the window grows only once.
    view().handle([&] { game.Label5_Click(); });
    view().handle([&] { game.easy_Click(); });
    EXPECT_FLOAT_EQ(host.formHeight(), before + 200);
    EXPECT_EQ(view().menus().visibleTopLevelMenus(), 2);
}

TEST_F(MenusTest, TheTreeHasTheGamesCaptionsAndShortcuts) {
    struct Row {
        const char* name;
        const tk::MenuItem* item;
        const char* text;
        const char* shortcut;
    };
    const Row rows[] = {
        {"menu", &game.menu(10), "Hra", ""},       {"dif", &game.dif(10), "&Obtížnost", ""},
        {"easy", &game.easy, "&Malá", "Ctrl+A"},   {"med", &game.med, "&Střední", "Ctrl+B"},
        {"hard", &game.hard, "&Velká", "Ctrl+C"},  {"exit", &game.exit, "&Exit", "Ctrl+D"},
        {"info", &game.info(15), "Informace", ""}, {"hra", &game.hra, "Ovládání hry", ""},
        {"about", &game.about, "Informace", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QAction* action = view().menus().action(*row.item);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText),
                  QString::fromUtf8(row.shortcut));
    }
    const QList<QAction*> top = view().menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), "Hra");
    EXPECT_EQ(top[1]->text(), "Informace");
}

TEST_F(MenusTest, TheInformationMenuFollowsItsEnabled) {
    clickSplash();
    QAction* info = view().menus().action(game.info(15));
    game.info(15).Enabled = false;
    view().sync();
    EXPECT_FALSE(info->isEnabled());
    game.info(15).Enabled = true;
    view().sync();
    EXPECT_TRUE(info->isEnabled());
}

TEST_F(MenusTest, ShortcutsSetUpAMatchEvenBeforeTheMenuIsShown) {
    show();
    struct Row {
        const char* name;
        Qt::Key key;
        int ballStepY;
        const char* pcStep;
    };
    const Row rows[] = {
        {"Ctrl+A", Qt::Key_A, 80, "45"},
        {"Ctrl+B", Qt::Key_B, 150, "55"},
        {"Ctrl+C", Qt::Key_C, 200, "70"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTest::keyClick(view().windowHandle(), row.key, Qt::ControlModifier);
        EXPECT_EQ(game.ballStepY.number(), row.ballStepY);
        EXPECT_EQ(game.pcStep, row.pcStep);
        EXPECT_TRUE(game.Label4.Visible);
    }
}

TEST_F(MenusTest, ExitEndsTheWindow) {
    show();
    clickSplash();
    view().menus().action(game.exit)->trigger();
    EXPECT_TRUE(view().unloaded());
    EXPECT_FALSE(view().isVisible());
    EXPECT_FALSE(view().timer1().timer().isActive());
    EXPECT_FALSE(view().timer4().timer().isActive());
}

}  // namespace
}  // namespace qt_tests
