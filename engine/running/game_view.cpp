// What the running game offers a front end to show: each window's frame and the area that
// changed, the sizes, titles and menus, the zoom, the state report, and a script played on it.
#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "engine/core/translation.h"
#include "engine/flow/menu_tree.h"
#include "engine/flow/state_report.h"
#include "engine/game/form_names.h"
#include "engine/render/png.h"
#include "engine/running/game_state.h"
#include "engine/screens/window_scenes.h"

namespace running {

namespace {

std::size_t indexOf(Window window) {
    return static_cast<std::size_t>(window);
}

}  // namespace

bool Game::State::menuBarShown() const {
    return form.menu(10).Visible || form.info(15).Visible;
}

tk::Rect Game::State::clientArea(Window window) const {
    switch (window) {
        case Window::About:
            return screens::aboutClient();
        case Window::Help:
            return screens::helpClient();
        case Window::Main:
            break;
    }
    // The window's height below its title bar, as the game last set it, less the menu bar.
    const float inner = host.height() - (GameHost::kStartHeight - game::kClientHeight);
    return screens::mainWindowClient(inner, menuBarShown() ? kMenuBarPx : 0);
}

bool Game::State::isOpen(Window window) const {
    switch (window) {
        case Window::About:
            return about.loaded();
        case Window::Help:
            return help && help->loaded();
        case Window::Main:
            return true;
    }
    return false;
}

tk::Scene Game::State::scene(Window window) {
    switch (window) {
        case Window::About:
            return screens::aboutScene(about);
        case Window::Help:
            return screens::helpScene(*help);
        case Window::Main:
            break;
    }
    return screens::mainWindowScene(form);
}

double Game::State::scale() const {
    const tk::Rect client = clientArea(Window::Main);
    return shownScale(options.settings, room, client.width,
                      client.height + (menuBarShown() ? kMenuBarPx : 0));
}

int Game::State::zoom() const {
    return std::max(1, static_cast<int>(scale()));
}

// What windowsChanged tells of, in one string to compare.
std::string Game::State::stamp() const {
    std::string s;
    for (const tk::MenuItem* item :
         {&form.menu(10), &form.dif(10), &form.easy, &form.med, &form.hard, &form.exit,
          &form.info(15), &form.hra, &form.about}) {
        s += item->Visible ? 'v' : '-';
        s += item->Enabled ? 'e' : '-';
    }
    const tk::Rect client = clientArea(Window::Main);
    const Settings& set = options.settings;
    // The scale's own bytes: it is asked after every tick, and printing a double is dear.
    const double shown = scale();
    s.append(reinterpret_cast<const char*>(&shown), sizeof shown);
    s += std::to_string(client.height) + '/' +
         std::to_string(modal ? 1 + static_cast<int>(*modal) : 0) + form.Caption + '/' +
         set.language + (set.fullScreen ? 'F' : '-') + (set.mute ? 'M' : '-') +
         (set.autoPause ? 'A' : '-') + (set.classicTiming ? 'C' : '-') + (ended ? 'E' : '-') +
         (form.matchRunning() ? 'R' : '-') + (form.Label12.Caption.empty() ? '-' : 'D');
    for (const int level : walk.active())
        s += '>' + std::to_string(level);
    if (watch) {
        s += 'W' + std::to_string(watch->state.speed) + (watch->state.paused ? 'P' : '-') +
             (watch->state.over ? 'O' : '-');
    }
    return s;
}

Game::FrameUpdate Game::takeFrame(Window window) {
    State& s = *s_;
    tk::Repainter& frame = s.frames[indexOf(window)];
    // Held, the window shows what it showed when the hold began; a closed window its last.
    if ((s.hold && frame.painted()) || !s.isOpen(window))
        return {frame.frame(), {}, {}};
    // Painted again where the scene changed since the last time only.
    const tk::Rect client = s.clientArea(window);
    const auto areas = frame.repaint(s.renderer, s.scene(window), client.width, client.height);
    return {frame.frame(), frame.changedBounds(), areas};
}

std::string Game::title(Window window) const {
    switch (window) {
        case Window::About:
            return std::string(tk::tr("SMASHBOL 2002 - Informace"));
        case Window::Help:
            return std::string(tk::tr("SMASHBOL 2002 - Ovládání hry"));
        case Window::Main:
            break;
    }
    if (const std::optional<Watching> w = watching()) {
        std::string title(tk::tr("SMASHBOL 2002 - Záznam"));
        if (w->over)
            title += std::string(" - ") + std::string(tk::tr("dohráno"));
        else if (w->paused)
            title += std::string(" - ") + std::string(tk::tr("pozastaveno"));
        if (w->speed != 0) {
            title += w->speed > 0 ? " ×" + std::to_string(1 << w->speed)
                                  : " ×1/" + std::to_string(1 << -w->speed);
        }
        return title;
    }
    return std::string(tk::tr(s_->form.Caption));
}

tk::Rect Game::clientArea(Window window) const {
    return s_->clientArea(window);
}

bool Game::menuBarShown() const {
    return s_->menuBarShown();
}

std::vector<MenuEntry> Game::menuBar() const {
    return gameMenuEntries(flow::menuTree(s_->form));
}

std::vector<MenuEntry> Game::settingsMenu() const {
    const tk::Rect client = s_->clientArea(Window::Main);
    const int fitting = largestZoomThatFits(s_->room, client.width,
                                            client.height + (menuBarShown() ? kMenuBarPx : 0));
    return settingsMenuEntries(s_->options.settings, zoom(), fitting);
}

int Game::zoom() const {
    return s_->zoom();
}

double Game::scale() const {
    return s_->scale();
}

// What the game asked of the world since the last report (the window's growth since the start),
// out of what the recorder notes.
std::string Game::report() {
    State& s = *s_;
    const flow::OutsideEffects& all = s.session.host.effects();
    const auto since = [](const auto& list, std::size_t& reported) {
        const auto from = list.begin() + static_cast<std::ptrdiff_t>(reported);
        reported = list.size();
        return std::decay_t<decltype(list)>(from, list.end());
    };
    return flow::stateReport(
        s.form, {since(all.clips, s.reported.clips), since(all.sleeps, s.reported.sleeps),
                 since(all.messages, s.reported.messages), all.heightAdded});
}

void Game::shot(const std::string& window, const std::string& file) {
    State& s = *s_;
    const Window which = window == game::kForm1   ? Window::Main
                         : window == game::kForm2 ? Window::About
                                                  : Window::Help;
    if ((which == Window::Help && window != game::kForm3) || !s.isOpen(which))
        throw std::invalid_argument("no window " + window + " is open to take a shot of");
    const tk::Rect client = s.clientArea(which);
    if (!tk::writePng(s.renderer.render(s.scene(which), client.width, client.height), file))
        throw std::invalid_argument("cannot write " + file);
}

int Game::playScript(std::string_view script, const ScriptSink& out, const ScriptSink& errors,
                     ScriptKind kind) {
    State& s = *s_;
    // A script sets what it likes and draws no random numbers: what follows is no session a
    // recording could replay. Its ticks alone move the game, and nothing holds it.
    s.session.host.stop();
    s.scripted = true;
    s.host.playScripted();
    if (s.hold) {
        s.hold.reset();
        s.clock.goOn(s.options.now());
        s.heldBack.clear();
    }
    s.player.setKind(kind);
    return s.player.run(script, out, errors);
}

}  // namespace running
