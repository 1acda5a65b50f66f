// The running game's time: the clock every timer ticks by, the holds a point's pause or a message
// box put on it, the input held back meanwhile, and the windows the game opens and closes.
#include "engine/running/running_game.h"

#include <algorithm>
#include <utility>

#include "assets/embedded_glyphs.h"
#include "engine/core/translation.h"
#include "engine/flow/script_words.h"
#include "engine/game/form_names.h"
#include "engine/running/game_state.h"

namespace running {

namespace {

flow::Clock::Timing timingOf(const Settings& settings) {
    return settings.classicTiming ? flow::Clock::Timing::Classic : flow::Clock::Timing::Steady;
}

}  // namespace

Game::State::State(Game& g, Outlet& o, Options opts)
    : game(g),
      outlet(o),
      options(std::move(opts)),
      host(*this, o, options.seed),
      renderer(tk::GlyphFaces(assets::glyphFaces())),
      clock(timingOf(options.settings)) {
    if (!options.now)
        options.now = [] { return Nanos{0}; };
    host.setMuted(options.settings.mute);
    // Added in this order, the game tick goes first of two timers due at once. Each tick is an
    // event of the recording.
    const Nanos now = options.now();
    for (const flow::TickWord& word : flow::kTickWords) {
        mainTimers.push_back(clock.add(
            form.*word.timer, [this, &word] { ticked(word); }, now));
    }
    lastStamp = stamp();
}

Nanos Game::State::eventTime() const {
    return clock.momentOf(handingOverAt ? *handingOverAt : options.now());
}

void Game::State::pause(int milliseconds) {
    if (scripted)
        return;  // a script's ticks go on at once, as the driver's always have
    const Nanos from = eventTime();
    if (!hold) {
        hold = Hold{from, {}};
        clock.holdUp(from);
    }
    hold->until = std::max(hold->until, from) + Nanos{milliseconds} * flow::kMillisecond;
}

void Game::State::message(std::string_view text) {
    if (scripted)
        return;
    if (!hold) {
        const Nanos from = eventTime();
        hold = Hold{from, {}};
        clock.holdUp(from);
    }
    hold->messages.emplace_back(text);
    if (hold->messages.size() == 1)
        outlet.showMessage(tk::tr(game::kTitle), tk::tr(text));
}

bool Game::State::holdBack(std::function<void()> input) {
    if (!hold)
        return false;
    // Behind a message box the game's windows take no input at all.
    if (hold->messages.empty())
        heldBack.push_back(std::move(input));
    return true;
}

void Game::State::endHold(Nanos end) {
    hold.reset();
    clock.goOn(end);
    host.playHeldClips();
    // What the player did meanwhile reaches the game now, in order, as if done at the hold's
    // end; an event that holds the thread again keeps the rest back.
    handingOverAt = end;
    while (!heldBack.empty() && !hold && !ended) {
        const std::function<void()> input = std::move(heldBack.front());
        heldBack.pop_front();
        input();
    }
    handingOverAt.reset();
}

void Game::State::runDue(Nanos now) {
    if (scripted || ended)
        return;
    for (;;) {
        if (hold) {
            if (!hold->messages.empty() || hold->until > now)
                break;
            endHold(hold->until);
            continue;
        }
        if (watch) {
            playWatched(now);
            if (!hold || ended)
                break;
            continue;
        }
        clock.advance(now);
        if (!hold || ended)
            break;
    }
    afterEvent();
}

void Game::State::afterEvent() {
    if (!scripted && !ended)
        clock.sync(eventTime());
    // The focus went to the window that opened: the keys down come up for the game.
    if (modal && !heldCodes.empty())
        releaseHeldKeys();
    if (ended && !endTold) {
        endTold = true;
        outlet.ended();
    }
    if (std::string now = stamp(); now != lastStamp) {
        lastStamp = std::move(now);
        outlet.windowsChanged();
    }
}

void Game::State::showModal(std::string_view name) {
    if (name == game::kForm2) {
        about.Load();
        clock.remove(aboutTimer);
        aboutTimer = clock.add(
            about.Timer1, [this] { about.Timer1_Timer(); }, eventTime());
        modal = Window::About;
    } else if (name == game::kForm3) {
        help.emplace(session.host);
        modal = Window::Help;
    }
}

void Game::State::unload(std::string_view name) {
    if (name == game::kForm1) {
        // The main window's end ends the run: no timer runs, no input reaches the game.
        ended = true;
        modal.reset();
        hold.reset();
        heldBack.clear();
        for (const flow::Clock::Id id : mainTimers)
            clock.remove(id);
        clock.remove(aboutTimer);
        session.host.finish(form);
    } else if (name == game::kForm2 && modal == Window::About) {
        clock.remove(aboutTimer);
        aboutTimer = 0;
        modal.reset();
    } else if (name == game::kForm3 && modal == Window::Help) {
        modal.reset();
    }
}

// --- the game's calls ----------------------------------------------------------------------------

Game::Game(Outlet& outlet, Options options)
    : s_(std::make_unique<State>(*this, outlet, std::move(options))) {}

Game::~Game() = default;

void Game::load() {
    s_->event([this] { s_->recorded("load", [this] { s_->form.Form_Load(); }); });
}

void Game::advance(Nanos now) {
    s_->runDue(s_->watch ? s_->watchTime(now) : now);
}

std::optional<Nanos> Game::nextWake() const {
    if (s_->scripted || s_->ended)
        return std::nullopt;
    std::optional<Nanos> wake;
    if (s_->hold) {
        if (s_->hold->messages.empty())
            wake = s_->hold->until;
    } else {
        wake = s_->clock.nextDue();
    }
    return wake && s_->watch ? s_->frontEndTime(*wake) : wake;
}

bool Game::held() const {
    return s_->hold.has_value();
}

void Game::dismissMessage() {
    State& s = *s_;
    if (!s.hold || s.hold->messages.empty())
        return;
    s.hold->messages.pop_front();
    if (!s.hold->messages.empty()) {
        s.outlet.showMessage(tk::tr(game::kTitle), tk::tr(s.hold->messages.front()));
        return;
    }
    const Nanos now = s.options.now();
    s.hold->until = std::max(s.hold->until, now);
    s.runDue(now);
}

void Game::keyDown(const Key& key) {
    s_->keyDown(key);
}

void Game::keyUp(const Key& key) {
    s_->keyUp(key);
}

void Game::click(Window window, int pressX, int pressY, int releaseX, int releaseY) {
    s_->click(window, pressX, pressY, releaseX, releaseY);
}

bool Game::command(std::string_view name) {
    return s_->command(name);
}

void Game::focusLost(bool toAnotherProgram) {
    s_->focusLost(toAnotherProgram);
}

void Game::afterEvent() {
    s_->afterEvent();
}

std::optional<Window> Game::modalWindow() const {
    return s_->modal;
}

bool Game::ended() const {
    return s_->ended;
}

bool Game::matchRunning() const {
    return s_->form.matchRunning();
}

bool Game::matchDecided() const {
    return !s_->form.Label12.Caption.empty();
}

std::string Game::takeTickCounts() {
    static constexpr const char* kNames[] = {"Timer1", "Timer2", "Timer4"};  // as kTickWords
    std::string counts;
    for (std::size_t i = 0; i < s_->mainTimers.size() && i < std::size(kNames); ++i) {
        counts += (i ? " " : "") + std::string(kNames[i]) + '=' +
                  std::to_string(s_->clock.takeTicks(s_->mainTimers[i]));
    }
    return counts;
}

const MenuWalk& Game::menuWalk() const {
    return s_->walk;
}

const Settings& Game::settings() const {
    return s_->options.settings;
}

void Game::setRoom(const Room& room) {
    s_->room = room;
    s_->afterEvent();
}

void Game::changeSettings(const Settings& settings) {
    s_->setSettings(settings, false);
    s_->afterEvent();
}

void Game::recordTo(flow::RecordingSink& sink, std::string_view name) {
    s_->session.host.recordTo(sink, name, s_->clock.timing());
}

void Game::finishRecording() {
    s_->session.host.finish(s_->form);
}

flow::MainWindow& Game::form() {
    return s_->form;
}

void Game::queueRnd(float value) {
    s_->host.queueRnd(value);
}

}  // namespace running
