// The menu bar: hidden on the splash, its shortcuts live all the same, shown for good by the
// click, the window grown once; its commands following their Enabled; its look at every zoom.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "tests/qt/window_fixture.h"
#include "desktop/qt/menu_style.h"

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

// The language chosen in the settings menu: the title and every menu in the new words at once,
// the game's own captions left Czech, and back again; "as the desktop" follows LANGUAGE.
TEST_F(MenusTest, AnotherLanguageChangesTheWordsNotTheGame) {
    show();
    clickSplash();
    const auto words = [&] {
        return std::vector<QString>{
            view().windowTitle(), view().menus().action(game.dif(10))->text(),
            view().menus().action(game.hard)->text(), view().menus().action(game.about)->text()};
    };
    const std::vector<QString> czech = {"SMASHBOL 2002", "&Obtížnost", "&Velká", "Informace"};
    const std::vector<QString> english = {"SMASHBOL 2002", "&Difficulty", "&Hard", "Information"};
    EXPECT_EQ(words(), czech);
    view().setLanguage("en");
    EXPECT_EQ(words(), english);
    EXPECT_EQ(game.dif(10).Caption, "&Obtížnost") << "the game keeps its words";
    view().setLanguage("cs");
    EXPECT_EQ(words(), czech);
    qputenv("LANGUAGE", "de:en_GB");
    view().setLanguage("");
    qunsetenv("LANGUAGE");
    EXPECT_EQ(words(), english);
    view().setLanguage("cs");
}

// Menus at zoom 2 to 4 are those of zoom 1 that many times over, to a pixel a zoom: the gap
// between the bar's menus, the popups' widths and heights, so no caption is cut.
TEST(MenuStyle, MenusKeepTheirProportionsAtEveryZoom) {
    const auto measure = [](int zoom) {
        tkqt::MenuStyle style;
        style.setZoom(zoom);
        QMenuBar bar;
        bar.addMenu("Hra")->addMenu("&Obtížnost")->addAction("&Střední\tCtrl+B");
        QMenu* info = bar.addMenu("Informace");
        info->addAction("Ovládání hry");
        QFont font = QApplication::font();
        font.setPixelSize(QFontInfo(font).pixelSize() * zoom);
        std::vector<QSize> sizes;
        for (QWidget* widget : bar.findChildren<QWidget*>() + QList<QWidget*>{&bar}) {
            if (!qobject_cast<QMenu*>(widget) && widget != &bar)
                continue;  // the bar's own buttons
            widget->setStyle(&style);
            widget->setFont(font);
            sizes.push_back(widget->sizeHint());
        }
        sizes.back().setWidth(bar.actionGeometry(info->menuAction()).x());  // the gap after Hra
        return sizes;
    };
    const std::vector<QSize> once = measure(1);
    for (const int zoom : {2, 3, 4}) {
        SCOPED_TRACE(zoom);
        const std::vector<QSize> zoomed = measure(zoom);
        for (std::size_t i = 0; i < once.size(); ++i) {
            EXPECT_NEAR(zoomed[i].width(), once[i].width() * zoom, zoom) << "menu " << i;
            EXPECT_NEAR(zoomed[i].height(), once[i].height() * zoom, zoom) << "menu " << i;
        }
    }
}

}  // namespace
}  // namespace qt_tests
