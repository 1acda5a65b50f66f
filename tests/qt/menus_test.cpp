// The menu bar: hidden on the splash, its shortcuts live all the same (run once, by the game),
// shown for good by the click, the window grown once; its commands following their Enabled; the
// words in the language chosen; its look at every zoom.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "desktop/qt/menu_style.h"
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using MenusTest = WindowFixture;

struct Text final : flow::RecordingSink {
    std::string text;
    bool write(std::string_view more) override { return text += more, true; }
};

TEST_F(MenusTest, TheSplashHidesTheMenuBarAndTheClickShowsItForGood) {
    Text recording;
    game.recordTo(recording, "menus");
    show();
    EXPECT_FALSE(view().bar()) << "nothing of the menu bar made for the splash";
    EXPECT_EQ(view().menus().visibleTopLevel(), 0);
    EXPECT_EQ(view().canvas().geometry(), QRect(0, 0, 303, 317)) << "the whole client area";
    // Through the window system's own way, where Qt's shortcuts would be found.
    QTest::keyClick(view().windowHandle(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(form().pcStep, "70") << "the shortcuts work with the menu bar hidden";
    const auto once = [&](const std::string& line) {  // in the recording, once only
        const std::size_t at = recording.text.find(line);
        return at != std::string::npos && at == recording.text.rfind(line);
    };
    EXPECT_TRUE(once("\nmenu hard\n")) << "the shortcut ran once";
    QAction* hard = view().menus().action("hard");
    ASSERT_TRUE(hard);
    EXPECT_EQ(hard->text(), "&Velká\tCtrl+C") << "the shortcut shown beside the caption";
    EXPECT_TRUE(hard->shortcut().isEmpty()) << "and never Qt's own";
    clickSplash();
    QCoreApplication::sendPostedEvents();  // lays the window out again
    EXPECT_EQ(view().menus().visibleTopLevel(), 2);
    EXPECT_EQ(view().bar()->geometry(), QRect(0, 0, 303, running::Game::kMenuBarPx));
    // However often the intro would start, the window grows only once.
    clickSplash();
    command("easy");
    EXPECT_EQ(view().size(), QSize(303, 330));
    QAction* info = view().menus().action("info");
    EXPECT_TRUE(info->isEnabled());
    change([](flow::MainWindow& form) { form.info(15).Enabled = false; });
    EXPECT_FALSE(info->isEnabled());
    // The menu bar's command, as a click on it chooses it.
    view().menus().action("med")->trigger();
    EXPECT_TRUE(once("\nmenu med\n"));
}

// The language chosen in the settings menu: the title and every menu in the new words at once,
// the game's own captions left Czech, and back again. ("As the desktop" follows LANGUAGE: the
// conformance table's English window.)
TEST_F(MenusTest, AnotherLanguageChangesTheWordsNotTheGame) {
    show();
    clickSplash();
    const auto words = [&] {
        return std::vector<QString>{view().windowTitle(), view().menus().action("dif")->text(),
                                    view().menus().action("hard")->text(),
                                    view().menus().action("about")->text(),
                                    view().settingsLink()->action("sound")->text()};
    };
    const std::vector<QString> czech = {"SMASHBOL 2002", "&Obtížnost", "&Velká\tCtrl+C",
                                        "Informace", "Z&vuk"};
    const std::vector<QString> english = {"SMASHBOL 2002", "&Difficulty", "&Hard\tCtrl+C",
                                          "Information", "&Sound"};
    EXPECT_EQ(words(), czech);
    view().settingsLink()->action("language-en")->trigger();
    EXPECT_EQ(words(), english);
    EXPECT_EQ(form().dif(10).Caption, "&Obtížnost") << "the game keeps its words";
    command("language-cs");
    EXPECT_EQ(words(), czech);
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
