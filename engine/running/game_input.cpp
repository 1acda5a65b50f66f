// The player's input on its way to the game: the window's own keys kept from it, a message box
// or an open window taking the keys, the menu bar walked with them, clicks on the splash and the
// windows, menu commands, and the focus leaving.
#include <algorithm>
#include <string>
#include <utility>

#include "engine/flow/menu_tree.h"
#include "engine/running/game_state.h"
#include "engine/screens/window_scenes.h"

namespace running {

namespace {

// A key as its down and up both name it, whatever the modifiers did in between.
int identity(const Key& key) {
    if (key.named != Key::Named::None)
        return -static_cast<int>(key.named);
    return (key.place ? key.place : key.symbol) + (key.numpad ? 256 : 0);
}

bool contains(const std::vector<int>& keys, int key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool erase(std::vector<int>& keys, int key) {
    const auto at = std::find(keys.begin(), keys.end(), key);
    if (at == keys.end())
        return false;
    keys.erase(at);
    return true;
}

bool closesWindow(const Key& key) {
    return key.named == Key::Named::Escape || key.named == Key::Named::Enter;
}

}  // namespace

void Game::State::swallow(const Key& key) {
    if (!contains(swallowed, identity(key)))
        swallowed.push_back(identity(key));
}

void Game::State::keyDown(const Key& key) {
    if (ended)
        return;
    if (watch && decide(key).use == KeyUse::Game) {
        // Watching a recording, the game's keys steer the watching, held up or not.
        swallow(key);
        if (!key.repeat)
            event([&] { watchKey(key); });
        return;
    }
    if (hold && !hold->messages.empty()) {
        // The message box has the keys: OK with Enter, Escape or Space. A key the game has
        // down still comes up for the game.
        if (!key.repeat)
            swallow(key);
        const bool closes = closesWindow(key) || key.named == Key::Named::Space;
        if (closes && !key.repeat)
            game.dismissMessage();
        return;
    }
    if (holdBack([this, key] { keyDown(key); }))
        return;
    event([&] {
        altAlone = key.named == Key::Named::Alt && (altAlone || !key.repeat);
        if (modal) {
            swallow(key);
            if (closesWindow(key) && !key.repeat) {
                if (modal == Window::About)
                    about.Form_Click();
                else if (help)
                    help->Form_Click();
            }
            return;
        }
        if (options.walksMenus && walk.isOpen()) {
            swallow(key);
            const std::vector<MenuEntry> bar = game.menuBar();
            if (const std::optional<std::string> chosen = walk.key(bar, key);
                chosen && findCommand(bar, *chosen))
                runMenuCommand(*chosen);
            return;
        }
        const KeyDecision decision = decide(key);
        const Settings& now = options.settings;
        switch (decision.use) {
            case KeyUse::Game:
                gameKeyDown(key.gameCode(), key.shiftState());
                return;
            case KeyUse::ZoomIn:
            case KeyUse::ZoomOut:
            case KeyUse::ZoomReset:
                if (!now.fullScreen) {
                    const int by = decision.use == KeyUse::ZoomIn ? 1 : -1;
                    Settings next = now;
                    next.zoom = decision.use == KeyUse::ZoomReset
                                    ? 1
                                    : std::clamp(zoom() + by, 1, Settings::kMaxZoom);
                    setSettings(next, true);
                }
                break;
            case KeyUse::FullScreen:
                if (!key.repeat)
                    runSettingsCommand("fullscreen");
                break;
            case KeyUse::MenuBar:
                openMenuBar();
                break;
            case KeyUse::SettingsMenu:
                outlet.settingsMenuAsked();
                break;
            case KeyUse::Shortcut: {
                // A shortcut acts on the splash too, where the menu bar is not shown yet.
                const std::vector<MenuEntry> bar = game.menuBar();
                const std::string shortcut = std::string("Ctrl+") + decision.shortcutLetter;
                if (const MenuEntry* entry = findShortcut(bar, shortcut))
                    runMenuCommand(entry->name);
                break;
            }
        }
        swallow(key);
    });
}

void Game::State::keyUp(const Key& key) {
    if (ended || key.repeat)
        return;
    if (hold) {
        const bool gameHasIt =
            !contains(swallowed, identity(key)) && contains(heldCodes, key.gameCode());
        if (hold->messages.empty() || gameHasIt)
            heldBack.push_back([this, key] { keyUp(key); });
        return;
    }
    if (erase(swallowed, identity(key)))
        return;
    event([&] {
        // Alt let go with no key pressed since it went down opens the menu bar, as F10 does.
        const bool altAlone_ = key.named == Key::Named::Alt && std::exchange(altAlone, false);
        if (modal || (options.walksMenus && walk.isOpen()))
            return;
        if (altAlone_ && menuBarShown()) {
            openMenuBar();
            return;
        }
        const int code = key.gameCode();
        erase(heldCodes, code);
        gameKeyUp(code, key.shiftState());
    });
}

void Game::State::gameKeyDown(int code, int shift) {
    if (!contains(heldCodes, code))
        heldCodes.push_back(code);
    recorded("keydown " + std::to_string(code), [&] { form.Form_KeyDown(code, shift); });
}

void Game::State::gameKeyUp(int code, int shift) {
    recorded("keyup " + std::to_string(code), [&] { form.Form_KeyUp(code, shift); });
}

void Game::State::releaseHeldKeys() {
    const std::vector<int> held = std::exchange(heldCodes, {});
    for (const int code : held)
        gameKeyUp(code, 0);
}

// F10 does what Alt does: the menu bar takes the keys, its first menu marked, none open yet.
void Game::State::openMenuBar() {
    if (!menuBarShown() || (options.walksMenus && walk.isOpen()))
        return;
    releaseHeldKeys();
    if (options.walksMenus)
        walk.openBar(game.menuBar());
    outlet.menuBarAsked();
}

void Game::State::click(Window window, int pressX, int pressY, int releaseX, int releaseY) {
    if (ended || watch ||
        holdBack([=, this] { click(window, pressX, pressY, releaseX, releaseY); }))
        return;
    event([&] {
        altAlone = false;
        walk.close();
        if (modal) {
            if (window == Window::About && modal == Window::About)
                about.Form_Click();
            else if (window == Window::Help && modal == Window::Help && help)
                help->Form_Click();
            return;
        }
        if (window != Window::Main)
            return;
        const tk::Scene scene = screens::mainWindowScene(form);
        const tk::Control* hit = renderer.controlAt(scene, releaseX, releaseY);
        if (hit != renderer.controlAt(scene, pressX, pressY))
            return;
        // The word "CLICK" lies on the splash and takes its own clicks.
        if (hit == &form.Label5)
            recorded("click label", [this] { form.Label5_Click(); });
        else if (hit == &form.Picture4)
            recorded("click splash", [this] { form.Picture4_Click(); });
    });
}

bool Game::State::command(std::string_view name) {
    if (ended)
        return false;
    if (hold) {
        if (!hold->messages.empty())
            return false;
        heldBack.push_back([this, held = std::string(name)] { command(held); });
        return true;
    }
    bool done = false;
    event([&] {
        walk.close();
        if (runSettingsCommand(name)) {
            done = true;
            return;
        }
        // The game's menus take no command while another window is open over them.
        if (!modal && findCommand(game.menuBar(), name))
            done = runMenuCommand(name);
    });
    return done;
}

bool Game::State::runMenuCommand(std::string_view name) {
    if (watch)
        return false;  // the recording alone moves the game it is played on
    const auto find = [name](const std::vector<flow::MenuNode>& nodes,
                             const auto& self) -> const flow::MenuNode* {
        for (const flow::MenuNode& node : nodes) {
            if (node.command && node.item->name == name)
                return &node;
            if (const flow::MenuNode* found = self(node.children, self))
                return found;
        }
        return nullptr;
    };
    const std::vector<flow::MenuNode> tree = flow::menuTree(form);
    const flow::MenuNode* node = find(tree, find);
    if (!node || modal)
        return false;
    const auto handler = node->command;
    recorded(flow::SessionRecorder::lineOf(handler), handler);
    return true;
}

bool Game::State::runSettingsCommand(std::string_view name) {
    Settings next = options.settings;
    if (!applySettingsCommand(next, name))
        return false;
    setSettings(next, true);
    return true;
}

void Game::State::setSettings(const Settings& next, bool byPlayer) {
    const Settings before = std::exchange(options.settings, next);
    if (before == next)
        return;
    if (byPlayer && before.fullScreen != next.fullScreen)
        outlet.fullScreenAsked(next.fullScreen);
    if (before.classicTiming != next.classicTiming) {
        clock.setTiming(
            next.classicTiming ? flow::Clock::Timing::Classic : flow::Clock::Timing::Steady,
            eventTime());
        session.host.timingChanged(clock.timing());
    }
    host.setMuted(next.mute);
    if (byPlayer)
        outlet.settingsChanged(next);
}

void Game::State::focusLost(bool toAnotherProgram) {
    if (ended || holdBack([this, toAnotherProgram] { focusLost(toAnotherProgram); }))
        return;
    event([&] {
        altAlone = false;
        swallowed.clear();
        walk.close();
        releaseHeldKeys();
        // A running match pauses as the "P" key pauses it, and waits for "P" or an arrow.
        if (watch && toAnotherProgram && options.settings.autoPause && !watch->state.paused) {
            Watching paused = watch->state;
            paused.paused = true;
            retime(paused);
        } else if (toAnotherProgram && options.settings.autoPause && !modal && !watch &&
                   form.matchRunning())
            recorded("keydown " + std::to_string(game::kKeyP),
                     [this] { form.Form_KeyDown(game::kKeyP, 0); });
    });
}

}  // namespace running
