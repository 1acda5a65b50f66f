// The running game's decisions every front end shares: which keys are the window's, the walk of
// the menu bar with the keys, the zoom that fits the room, and the settings file read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/translation.h"
#include "engine/flow/menu_tree.h"
#include "engine/flow/session.h"
#include "engine/running/keys.h"
#include "engine/running/menus.h"
#include "engine/running/settings.h"
#include "tests/engine/live_game.h"
#include "tools/trace/scripted_host.h"

namespace engine_test {
namespace {

using running::Key;
using running::KeyUse;
using Named = Key::Named;

// A key as a row gives it: what it types and where it lies, and the modifiers held ("c" Ctrl,
// "s" Shift, "a" Alt, "m" Meta, "n" a keypad key, "r" auto-repeat).
Key keyOf(Named named, char symbol, char place, std::string_view held) {
    const auto has = [held](char c) { return held.find(c) != held.npos; };
    return {named, symbol, place, has('n'), has('s'), has('c'), has('a'), has('m'), has('r')};
}

TEST(RunningRules, KeysGoToTheWindowOrTheGameWhateverTheLayout) {
    constexpr Named none = Named::None;
    struct Row {
        const char* name;
        Named named;
        char symbol, place;
        const char* held;
        KeyUse use;
        char shortcut;
        int gameCode, shiftState;
    };
    const Row rows[] = {
        {"left arrow", Named::Left, 0, 0, "", KeyUse::Game, 0, 37, 0},
        {"Russian letter where P lies", none, 0, 'P', "", KeyUse::Game, 0, 'P', 0},
        {"A typed where Q lies", none, 'A', 'Q', "", KeyUse::Game, 0, 'A', 0},
        {"Ctrl+Shift+C", none, 'C', 'C', "cs", KeyUse::Shortcut, 'C', 'C', 3},
        {"Ctrl, Russian letter where A lies", none, 0, 'A', "c", KeyUse::Shortcut, 'A', 'A', 2},
        {"Ctrl+Alt+A", none, 'A', 'A', "ca", KeyUse::Game, 0, 'A', 6},
        {"Ctrl+Meta+A", none, 'A', 'A', "cm", KeyUse::Game, 0, 'A', 2},
        {"Ctrl+Shift+= types +", none, '+', '=', "cs", KeyUse::ZoomIn, 0, 0, 3},
        {"Ctrl+-", none, '-', '-', "c", KeyUse::ZoomOut, 0, 0, 2},
        {"Ctrl+0", none, '0', '0', "c", KeyUse::ZoomReset, 0, '0', 2},
        {"AltGr (Ctrl+Alt) and =", none, '=', '=', "ca", KeyUse::Game, 0, 0, 6},
        {"= alone", none, '=', '=', "", KeyUse::Game, 0, 0, 0},
        {"Czech: Ctrl, the é where 0 lies", none, 0, '0', "c", KeyUse::ZoomReset, 0, '0', 2},
        {"Czech: the é where 0 lies", none, 0, '0', "", KeyUse::Game, 0, '0', 0},
        {"Czech: Ctrl, + on the 1 key", none, '+', '1', "c", KeyUse::ZoomIn, 0, '1', 2},
        {"Czech: Ctrl, = where - lies", none, '=', '-', "c", KeyUse::ZoomIn, 0, 0, 2},
        {"Ctrl, a letter where 0 lies", none, 'Q', '0', "c", KeyUse::Shortcut, 'Q', 'Q', 2},
        {"keypad 5", none, '5', 0, "n", KeyUse::Game, 0, '5', 0},
        {"Ctrl, keypad 0 without NumLock", none, 0, '0', "cn", KeyUse::ZoomReset, 0, 0, 2},
        {"F11", Named::F11, 0, 0, "", KeyUse::FullScreen, 0, 0, 0},
        {"Shift+F11", Named::F11, 0, 0, "s", KeyUse::Game, 0, 0, 1},
        {"F10", Named::F10, 0, 0, "", KeyUse::MenuBar, 0, 0, 0},
        {"Shift+F10", Named::F10, 0, 0, "s", KeyUse::SettingsMenu, 0, 0, 1},
        {"Ctrl+F10", Named::F10, 0, 0, "c", KeyUse::Game, 0, 0, 2},
        {"the Menu key", Named::Menu, 0, 0, "", KeyUse::SettingsMenu, 0, 0, 0},
        {"Alt going down", Named::Alt, 0, 0, "a", KeyUse::Game, 0, 0, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Key key = keyOf(row.named, row.symbol, row.place, row.held);
        const running::KeyDecision decision = running::decide(key);
        EXPECT_EQ(decision.use, row.use);
        EXPECT_EQ(decision.shortcutLetter, row.shortcut);
        EXPECT_EQ(key.gameCode(), row.gameCode);
        EXPECT_EQ(key.shiftState(), row.shiftState);
    }
}

// The game's menu bar with the splash clicked, then changed as a row asks.
enum class Change { None, Splash, HraDisabled, DifDisabled, ExitHidden, HraHidden, ThirdMenu };

std::vector<running::MenuEntry> barOf(flow::MainWindow& f, Change change) {
    f.Form_Load();
    if (change != Change::Splash)
        f.Picture4_Click();
    f.menu(10).Enabled = change != Change::HraDisabled;
    f.dif(10).Enabled = change != Change::DifDisabled;
    f.exit.Visible = change != Change::ExitHidden;
    f.menu(10).Visible = f.menu(10).Visible && change != Change::HraHidden;
    auto bar = running::gameMenuEntries(flow::menuTree(f));
    if (change == Change::ThirdMenu)
        bar.push_back(bar[1]);
    return bar;
}

TEST(RunningRules, TheMenuBarWalkedWithTheKeys) {
    tk::showLanguage({});  // the captions' access letters as the game writes them
    struct Row {
        const char* name;
        Change change;
        int openedTop;  // -1: F10 marks the bar; else the mouse opened this top menu
        std::vector<std::string_view> keys;
        std::string chosen;
        std::vector<int> active;
    };
    constexpr Change none = Change::None;
    // The bar: "Hra" (Obtížnost > Malá, Střední, Velká; Exit), "Informace" (Ovládání hry,
    // Informace). Neither top has an access letter.
    const Row rows[] = {
        {"F10 marks the first menu, opens none", none, -1, {}, "", {0}},
        {"F10 Right Down Enter: the help", none, -1, {"right", "down", "enter"}, "hra", {}},
        {"Right wraps from the last top", none, -1, {"right", "right"}, "", {0}},
        {"Left wraps to the last top", none, -1, {"left"}, "", {1}},
        {"Down opens at the first item", none, -1, {"down"}, "", {0, 0}},
        {"Up wraps to the last item", none, -1, {"down", "up"}, "", {0, 1}},
        {"Down wraps to the first item", none, -1, {"down", "down", "down"}, "", {0, 0}},
        {"Right opens a submenu", none, -1, {"down", "right"}, "", {0, 0, 0}},
        {"Right on a command opens the next menu", none, -1, {"down", "down", "right"}, "", {1, 0}},
        {"Left opens the previous menu", none, -1, {"down", "left"}, "", {1, 0}},
        {"Left closes a submenu only", none, -1, {"down", "right", "left"}, "", {0, 0}},
        {"Escape closes the deepest menu", none, -1, {"down", "right", "esc"}, "", {0, 0}},
        {"Escape on the bar closes the walk", none, -1, {"down", "esc", "esc"}, "", {}},
        {"Enter opens a submenu, Enter chooses", none, -1, {"down", "enter", "enter"}, "easy", {}},
        {"Space chooses as Enter", none, -1, {"right", "down", "down", "space"}, "about", {}},
        {"access letters", none, -1, {"down", "O", "V"}, "hard", {}},
        {"an access letter by its place", none, -1, {"down", "@O", "@S"}, "med", {}},
        {"no top has an access letter", none, -1, {"H"}, "", {0}},
        {"a letter no item has", none, -1, {"down", "Q"}, "", {0, 0}},
        {"the mouse opened the second menu", none, 1, {"esc"}, "", {1}},
        {"a disabled submenu", Change::DifDisabled, -1, {"down", "enter", "O"}, "", {0, 0}},
        {"Right on a disabled submenu", Change::DifDisabled, -1, {"down", "right"}, "", {1, 0}},
        {"a hidden item is passed over", Change::ExitHidden, -1, {"down", "down"}, "", {0, 0}},
        {"a hidden top is passed over", Change::HraHidden, -1, {"right", "down"}, "", {1, 0}},
        {"of three menus, Left goes back one", Change::ThirdMenu, -1, {"left", "left"}, "", {1}},
        {"of three, back one menu opened", Change::ThirdMenu, 0, {"left", "left"}, "", {1, 0}},
        {"the splash has no bar to walk", Change::Splash, -1, {"down"}, "", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        flow::Session<trace::ScriptedHost> session;
        const auto bar = barOf(session.form, row.change);
        running::MenuWalk walk;
        if (row.openedTop < 0)
            walk.openBar(bar);
        else
            walk.openMenu(bar, row.openedTop);
        std::string chosen;
        for (const std::string_view key : row.keys) {
            if (const auto command = walk.key(bar, keyNamed(key)))
                chosen += *command;
        }
        EXPECT_EQ(chosen, row.chosen);
        EXPECT_EQ(walk.active(), row.active);
        EXPECT_EQ(walk.isOpen(), !row.active.empty());
    }
}

TEST(RunningRules, MenuCommandsFoundByNameOrShortcutAndApplied) {
    tk::showLanguage({});
    struct Find {
        const char* name;
        Change change;
        std::string query;
        bool byShortcut;
        std::string found;
    };
    const Find finds[] = {
        {"a command", Change::None, "med", false, "med"},
        {"a submenu is no command", Change::None, "dif", false, ""},
        {"on the splash the menus are hidden", Change::Splash, "about", false, ""},
        {"on the splash a shortcut acts", Change::Splash, "Ctrl+C", true, "hard"},
        {"a disabled top menu stops its shortcuts", Change::HraDisabled, "Ctrl+D", true, ""},
        {"a disabled submenu stops its commands", Change::DifDisabled, "easy", false, ""},
        {"a hidden item has no shortcut", Change::ExitHidden, "Ctrl+D", true, ""},
        {"no item has Ctrl+Z", Change::None, "Ctrl+Z", true, ""},
        {"no item answers an empty shortcut", Change::None, "", true, ""},
    };
    for (const Find& row : finds) {
        SCOPED_TRACE(row.name);
        flow::Session<trace::ScriptedHost> session;
        const auto bar = barOf(session.form, row.change);
        const running::MenuEntry* entry = row.byShortcut ? running::findShortcut(bar, row.query)
                                                         : running::findCommand(bar, row.query);
        EXPECT_EQ(entry ? entry->name : "", row.found);
    }

    using running::Settings;
    struct Apply {
        const char* command;
        Settings before;
        bool applies;
        Settings after;
        bool ticked = false;  // the command's entry in the menu then
    };
    const Apply applies[] = {
        {"zoom3", {.zoom = 1}, true, {.zoom = 3}, true},
        {"zoom4", {}, true, {.zoom = 4}, true},
        {"zoom5", {.zoom = 1}, false, {.zoom = 1}},
        {"zoom0", {.zoom = 1}, false, {.zoom = 1}},
        {"zoom", {.zoom = 1}, false, {.zoom = 1}},
        {"fullscreen", {}, true, {.fullScreen = true}, true},
        {"sound", {}, true, {.mute = true}, false},
        {"sound", {.mute = true}, true, {}, true},
        {"autopause", {}, true, {.autoPause = false}, false},
        {"classictiming", {}, true, {.classicTiming = true}, true},
        {"language-en", {}, true, {.language = "en"}, true},
        {"language-", {.language = "cs"}, true, {}, true},
        {"language-de", {}, false, {}},
        {"easy", {}, false, {}},
    };
    for (const Apply& row : applies) {
        SCOPED_TRACE(row.command);
        Settings s = row.before;
        EXPECT_EQ(running::applySettingsCommand(s, row.command), row.applies);
        EXPECT_EQ(s, row.after);
        if (!row.applies)
            continue;
        // The menu as it then shows: the zoom chosen, each setting as it now stands.
        const auto menu = running::settingsMenuEntries(s, s.zoom);
        const running::MenuEntry* entry = running::findCommand(menu, row.command);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->checked, row.ticked);
    }
    // Full screen offers no zoom; a window none larger than the screen takes.
    const auto full = running::settingsMenuEntries({.fullScreen = true}, 3);
    EXPECT_EQ(running::findCommand(full, "zoom1"), nullptr);
    const auto small = running::settingsMenuEntries({}, 2, 2);
    ASSERT_NE(running::findCommand(small, "zoom2"), nullptr);
    EXPECT_EQ(running::findCommand(small, "zoom2")->checked, true);  // the zoom shown
    const running::MenuEntry& fullScreen = *running::findCommand(small, "fullscreen");
    EXPECT_EQ(fullScreen.caption + " " + fullScreen.shortcut, "&Celá obrazovka F11");
    EXPECT_EQ(running::findCommand(small, "zoom3"), nullptr);

    const std::pair<const char*, char> letters[] = {
        {"&Malá", 'm'}, {"Z&vuk", 'v'},  {"A&&B", 0},      {"A&&&B", 'b'},
        {"Exit&", 0},   {"&Čeština", 0}, {"&1\u00d7", '1'}};
    for (const auto& [caption, letter] : letters)
        EXPECT_EQ(running::accessLetter(caption), letter) << caption;
}

TEST(RunningRules, TheZoomFitsTheRoom) {
    // The main window at zoom 1 with its menu bar: 303 x 336 pixels.
    constexpr int w = 303, h = 336;
    struct Row {
        const char* name;
        running::Room room;
        running::Settings settings;
        int largest;
        double shown;
        int firstStart;  // the zoom of a first start on a screen room.height high
        int width = w, height = h;
    };
    const Row rows[] = {
        {"no room known", {}, {.zoom = 2}, 4, 2, 1},
        {"no room known, no zoom chosen", {}, {}, 4, 4, 1},
        {"exactly 2x fits", {606, 672}, {.zoom = 3}, 2, 2, 1},
        {"a pixel too narrow for 2x", {605, 960}, {.zoom = 3}, 1, 1, 2},
        {"a pixel too low for 2x", {606, 671}, {.zoom = 3}, 1, 1, 1},
        {"the frame counted", {616, 702, 10, 30}, {.zoom = 4}, 2, 2, 1},
        {"a pixel more frame", {616, 702, 11, 30}, {.zoom = 4}, 1, 1, 1},
        {"a smaller zoom chosen stays", {3840, 2160}, {.zoom = 1}, 4, 1, 4},
        {"full screen fills the screen", {3840, 2160}, {.zoom = 1, .fullScreen = true}, 4, 6, 4},
        {"no zoom chosen fills the room", {3840, 1439}, {}, 4, 4, 2},
        {"70 % of the screen for 3x", {3840, 1440}, {.zoom = 2}, 4, 2, 3},
        {"exactly 2/3 fits", {202, 400, 0, 0, 3, true}, {.zoom = 2}, 1, 2.0 / 3, 1},
        {"a pixel short of 2/3", {201, 400, 0, 0, 3, true}, {}, 1, 1.0 / 3, 1},
        {"zoom 1 fits exactly: not shrunk", {303, 336, 0, 0, 2.5, true}, {}, 1, 1, 1},
        {"the page's buttons counted", {303, 400, 0, 100, 2, true}, {}, 1, 0.5, 1},
        {"a window never shrinks", {243, 400, 0, 0, 3, false}, {}, 1, 1, 1},
        {"one dot a pixel cannot shrink", {243, 400, 0, 0, 1, true}, {}, 1, 1, 1},
        {"40 of 51 at 2.55 dots: 2", {40, 400, 0, 0, 2.55, true}, {}, 1, 2 / 2.55, 2, 51, 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(running::largestZoomThatFits(row.room, row.width, row.height), row.largest);
        EXPECT_DOUBLE_EQ(running::shownScale(row.settings, row.room, row.width, row.height),
                         row.shown);
        if (row.room.height > 0) {
            EXPECT_EQ(running::zoomForScreenHeight(row.room.height, row.height), row.firstStart);
        }
    }
}

TEST(RunningRules, SettingsFileReadBackAndAnythingElseTheDefault) {
    using running::Settings;
    const std::string asWritten =
        "[game]\nautopause=false\nclassic-timing=true\nlanguage=en\n\n[sound]\nmute=true\n\n"
        "[window]\nfullscreen=true\nzoom=3\n";
    const std::string defaults =
        "[game]\nautopause=true\nclassic-timing=false\n\n[sound]\nmute=false\n\n"
        "[window]\nfullscreen=false\n";
    struct Row {
        const char* name;
        std::string ini;
        Settings expected;
        bool writtenSo = false;  // writing `expected` gives `ini` again
    };
    const Row rows[] = {
        {"as the game writes it", asWritten, {3, true, false, true, true, "en"}, true},
        {"the defaults as written", defaults, {}, true},
        {"CRLF, blanks, the least zoom",
         "[window]\r\n zoom = 1 \r\n[game]\r\nautopause = 0\r\n",
         {.zoom = 1, .autoPause = false}},
        {"zoom at its bounds", "[window]\nzoom=4\n", {.zoom = 4}},
        {"zoom past its bounds", "[window]\nzoom=5\n", {}},
        {"zoom 0", "[window]\nzoom=0\n", {}},
        {"zoom 2.5", "[window]\nzoom=2.5\nfullscreen=1\n", {.fullScreen = true}},
        {"zoom far too large", "[window]\nzoom=99999999999999999999\n", {}},
        {"a bad flag", "[game]\nautopause=yes\nclassic-timing=TRUE\n", {.classicTiming = true}},
        {"a key outside its section", "zoom=3\n[sound]\nfullscreen=true\n", {}},
        {"Qt's key in no section", "[General]\nwindow\\zoom=3\n", {.zoom = 3}},
        {"the last of a key twice", "[sound]\nmute=true\n[sound]\nmute=false\n", {}},
        {"a quoted language", "[game]\nlanguage=\"en\"\n", {.language = "en"}},
        {"a language the game does not speak", "[game]\nlanguage=de\n", {}},
        {"comments and unknown keys", "; mine\n[window]\n#zoom=2\ncolour=red\nzoom\n", {}},
        {"unclosed section", "[window\nzoom=2\n[sound]\nmute=1\n", {.mute = true}},
        {"bytes of no text", std::string("\0\xff[\x80=\n=\n[]\n\xfe=\x01", 14), {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(running::readSettings(row.ini), row.expected);
        if (row.writtenSo) {
            EXPECT_EQ(running::writeSettings(row.expected), row.ini);
        }
        EXPECT_EQ(running::readSettings(running::writeSettings(row.expected)), row.expected);
        // Cut anywhere (a file half written), the text still reads.
        for (std::size_t cut = 0; cut < row.ini.size(); ++cut)
            (void)running::readSettings(std::string_view(row.ini).substr(0, cut));
    }
}

}  // namespace
}  // namespace engine_test
