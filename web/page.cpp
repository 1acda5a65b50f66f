// The page's game: the running game on the browser's clock, the settings menu's walk with the
// keys beside the game's walk of its menu bar, and the recording.
#include "web/page.h"

#include <emscripten.h>

#include <algorithm>

#include "engine/core/translation.h"

namespace web {

namespace {

// The page's clock in whole milliseconds, as the touch buttons' repeats count them.
std::uint32_t wholeMs(double ms) {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(ms));
}

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

// How deep among `entries` the menu `name` lies; -1 where it is not.
int depthOf(const std::vector<running::MenuEntry>& entries, std::string_view name, int depth = 0) {
    for (const running::MenuEntry& entry : entries) {
        if (entry.name == name)
            return depth;
        if (const int below = depthOf(entry.children, name, depth + 1); below >= 0)
            return below;
    }
    return -1;
}

}  // namespace

Page::Page(running::Settings kept, running::Settings shown, std::string browserLanguages,
           Notices& notices)
    : outlet_(std::move(kept), shown, std::move(browserLanguages)),
      game_(outlet_, optionsOf(shown)),
      notices_(notices) {
    outlet_.showLanguage(shown);
}

void Page::recordTo(const std::string& name) {
    game_.recordTo(memory_, name);
    recorded_ = true;
}

std::unique_ptr<Page> Page::fresh() {
    return std::make_unique<Page>(outlet_.kept(), game_.settings(), outlet_.browserLanguages(),
                                  notices_);
}

void Page::touch(bool left, bool right, bool pause, double nowMs) {
    touchKeys_.hold(left, right, pause, wholeMs(nowMs));
}

void Page::advance(double nowMs) {
    touchKeys_.repeat(wholeMs(nowMs));
    game_.advance(static_cast<flow::Nanos>(nowMs * 1e6));
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

// The page's own menu after the game's: opening a recording, copying its link, saving it. The
// game's keys do not walk it (its captions have no access letters); the page does its commands.
std::vector<running::MenuEntry> Page::menuBar() const {
    const auto item = [](const char* name, std::string_view caption, bool enabled) {
        running::MenuEntry entry;
        entry.name = name;
        entry.caption = caption;
        entry.enabled = enabled;
        return entry;
    };
    const bool watching = game_.watching().has_value();
    running::MenuEntry menu = item("recording", tk::tr("Nahrávka"), true);
    menu.children = {item("replay-open", tk::tr("Otevřít nahrávku…"), true),
                     item("replay-link", tk::tr("Kopírovat odkaz"), recorded_ || watching),
                     item("replay-download", tk::tr("Stáhnout nahrávku"), recorded_)};
    std::vector<running::MenuEntry> bar = game_.menuBar();
    bar.push_back(std::move(menu));
    return bar;
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

bool Page::pointMenu(std::string_view name, bool toggle) {
    int depth = depthOf(menuBar(), name);
    if (depth < 0)
        depth = depthOf(game_.settingsMenu(), name);
    const std::size_t level = static_cast<std::size_t>(depth);
    const bool open = depth >= 0 && level < pointed_.size() && pointed_[level] == name;
    // Passed over: a top menu opens while another the pointer opened shows.
    if (depth < 0 || (!toggle && (open || depth > 0 || pointed_.empty())))
        return false;
    pointed_.resize(level);
    if (!open || !toggle)
        pointed_.emplace_back(name);
    return true;
}

bool Page::closeMenus() {
    const bool any = !pointed_.empty() || settingsWalk_;
    pointed_.clear();
    settingsMenu(false);
    return any;
}

bool Page::command(std::string_view name) {
    closeMenus();
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
