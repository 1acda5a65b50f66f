// The page's game: the running game on the browser's clock, the settings menu's walk with the
// keys beside the game's walk of its menu bar, and the recording.
#include "web/page.h"

#include <emscripten.h>

#include <algorithm>

namespace web {

namespace {

flow::Nanos now() {
    return static_cast<flow::Nanos>(emscripten_get_now() * 1e6);
}

std::uint32_t seed() {
    return static_cast<std::uint32_t>(emscripten_get_now() * 1000.0) ^
           static_cast<std::uint32_t>(emscripten_random() * 4294967295.0);
}

running::Options optionsOf(const running::Settings& settings) {
    running::Options options;
    options.settings = settings;
    options.now = now;
    options.seed = seed();
    options.walksMenus = true;
    return options;
}

// A key as its down and its up both name it.
int identity(const running::Key& key) {
    return key.named != running::Key::Named::None ? -static_cast<int>(key.named)
                                                  : (key.place ? key.place : key.symbol);
}

}  // namespace

Page::Page(running::Settings kept, running::Settings shown, std::string browserLanguages,
           std::optional<int> askedZoom, bool askedLanguageUnknown)
    : outlet_(std::move(kept), shown, std::move(browserLanguages)),
      game_(outlet_, optionsOf(shown)),
      askedZoom_(askedZoom),
      askedLanguageUnknown_(askedLanguageUnknown) {
    outlet_.showLanguage(shown);
}

void Page::recordTo(const std::string& name) {
    game_.recordTo(memory_, name);
    recorded_ = true;
}

std::unique_ptr<Page> Page::fresh() {
    return std::make_unique<Page>(outlet_.kept(), game_.settings(), outlet_.browserLanguages(),
                                  askedZoom_, askedLanguageUnknown_);
}

bool Page::key(bool down, const running::Key& key) {
    if (settingsWalk_ && down) {
        if (std::find(walkedKeys_.begin(), walkedKeys_.end(), identity(key)) == walkedKeys_.end())
            walkedKeys_.push_back(identity(key));
        const std::optional<std::string> chosen = settingsWalk_->key(settingsBar(), key);
        // Escape back from the menu closes it: the settings menu has no bar to stay on.
        if (settingsWalk_->levels() < 2)
            settingsMenu(false);
        if (chosen) {
            settingsMenu(false);
            game_.command(*chosen);
        }
        outlet_.windowsChanged();
        return true;
    }
    if (!down) {
        const auto walked = std::find(walkedKeys_.begin(), walkedKeys_.end(), identity(key));
        if (walked != walkedKeys_.end()) {
            walkedKeys_.erase(walked);
            return true;
        }
        game_.keyUp(key);
        return true;
    }
    // The game's and its windows' keys; the browser keeps its own (reload, its tools, Tab) and
    // the Ctrl letters no menu item has.
    bool used = true;
    if (!game_.modalWindow() && !game_.menuWalk().isOpen() && !game_.held()) {
        const running::KeyDecision decision = running::decide(key);
        if (decision.use == running::KeyUse::Shortcut)
            used = running::findShortcut(game_.menuBar(),
                                         std::string("Ctrl+") + decision.shortcutLetter);
        else if (decision.use == running::KeyUse::Game)
            used = key.gameCode() != 0 || key.named != running::Key::Named::None;
    }
    game_.keyDown(key);
    if (std::exchange(outlet_.settingsMenuWanted, false))
        openSettingsWalk();
    return used;
}

std::vector<running::MenuEntry> Page::settingsBar() const {
    running::MenuEntry menu;
    menu.name = "settings";
    menu.children = game_.settingsMenu();
    return {menu};
}

void Page::openSettingsWalk() {
    if (game_.ended())
        return;
    // The keys held for the game come up: the menu has the keyboard now.
    game_.focusLost(false);
    settingsWalk_.emplace();
    settingsWalk_->openMenu(settingsBar(), 0);
    outlet_.windowsChanged();
}

void Page::settingsMenu(bool open) {
    if (open)
        return openSettingsWalk();
    if (settingsWalk_) {
        settingsWalk_.reset();
        outlet_.windowsChanged();
    }
}

bool Page::command(std::string_view name) {
    settingsMenu(false);
    return game_.command(name);
}

void Page::fullScreen(bool on) {
    running::Settings next = game_.settings();
    if (next.fullScreen == on)
        return;
    next.fullScreen = on;
    outlet_.settingsChanged(next);
    game_.changeSettings(next);
}

const std::string& Page::recording() {
    if (recorded_ && !memory_.closed) {
        game_.finishRecording();
        memory_.closed = true;
    }
    return memory_.text;
}

}  // namespace web
