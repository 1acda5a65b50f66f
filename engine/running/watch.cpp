// Watching a player's recording on the running game: its ticks when their timers fall due on the
// clock, so that it plays at the speed it was played, its other events as soon as the tick before
// them is done; the game's keys steer the watching instead of the game.
#include <algorithm>
#include <utility>

#include "engine/core/translation.h"
#include "engine/game/clip_cue.h"
#include "engine/game/form_names.h"
#include "engine/running/game_state.h"

namespace running {

namespace {

Nanos scaled(Nanos span, int speed) {
    return speed >= 0 ? span << speed : span >> -speed;
}

Nanos unscaled(Nanos span, int speed) {
    return speed >= 0 ? span >> speed : span << -speed;
}

}  // namespace

Nanos Game::State::watchTime(Nanos frontEnd) const {
    if (watch->state.paused || frontEnd <= watch->origin)
        return watch->at;
    return watch->at + scaled(frontEnd - watch->origin, watch->state.speed);
}

std::optional<Nanos> Game::State::frontEndTime(Nanos watched) const {
    if (watch->state.paused)
        return std::nullopt;
    return watch->origin + unscaled(std::max<Nanos>(watched - watch->at, 0), watch->state.speed);
}

void Game::State::retime(const Watching& next) {
    const Nanos frontEnd = watch->frontEndNow();
    watch->at = watchTime(frontEnd);
    watch->origin = frontEnd;
    watch->state = next;
}

// The recording's next tick, past the turns of timers that are off (a round in which none of
// its timers ran ends its line, as in the driver); none when its next line is another event,
// which is then in hand, or when all of it has played.
const flow::TickWord* Game::State::nextWatchedTick() {
    Watch& w = *watch;
    for (;;) {
        if (!w.line) {
            if (w.next >= w.script.size())
                return nullptr;
            const std::size_t end = std::min(w.script.find('\n', w.next), w.script.size());
            w.text = w.script.substr(w.next, end - w.next);
            w.next = end + 1;
            if (!w.text.empty() && w.text.back() == '\r')
                w.text.pop_back();
            w.line = readLine(w.text);  // checked whole before it played
            w.round = 0;
            w.turn = 0;
            w.ranThisRound = false;
        }
        if (w.line->verb == ScriptLine::Verb::Nothing) {
            w.line.reset();
            continue;
        }
        if (w.line->verb != ScriptLine::Verb::Ticks)
            return nullptr;
        if (w.turn == w.line->round.size()) {
            if (w.line->count == 0 || !w.ranThisRound || ++w.round == w.line->count) {
                w.line.reset();
                continue;
            }
            w.turn = 0;
            w.ranThisRound = false;
        }
        const flow::TickWord* word = w.line->round[w.turn];
        if (w.line->count > 0 && (form.*word->timer).Enabled)
            return word;
        ++w.turn;
    }
}

void Game::State::ticked(const flow::TickWord& word) {
    if (watch)
        watchedTick(word);
    else
        recorded(word.name, word.tick);
}

void Game::State::watchedTick(const flow::TickWord& word) {
    // A timer the recording does not tick next lets its tick go by: the game moves only as
    // the recording says.
    if (watch->state.over || nextWatchedTick() != &word)
        return;
    ++watch->turn;
    watch->ranThisRound = true;
    (form.*word.tick)();
}

void Game::State::playWatched(Nanos now) {
    Watch& w = *watch;
    while (!w.state.over && !hold && !ended) {
        if (const flow::TickWord* word = nextWatchedTick()) {
            tk::Timer& timer = form.*word->timer;
            const std::optional<Nanos> due = clock.running(timer) ? clock.dueOf(timer) : now;
            if (!due || *due > now)
                break;
            if (clock.running(timer)) {
                clock.advance(*due);  // the recording's tick among the others then due
            } else {
                watchedTick(*word);
                afterEvent();
            }
            continue;
        }
        if (!w.line) {
            watchOver();
            break;
        }
        const ScriptLine line = *std::exchange(w.line, std::nullopt);
        if (line.verb == ScriptLine::Verb::Menu &&
            line.handler->handle == &flow::MainWindow::exit_Click) {
            // The player's leaving ends the recording, not the watching of it: its menu cue
            // sounds, as it did, but the main window stays.
            session.module1.play(game::Clip::Menu);
        } else if (line.verb == ScriptLine::Verb::Print) {
            w.printed = true;
            w.out(game.report() + "\n");
        } else {
            player.execute(w.text, w.out);
        }
    }
    // The other windows' timers (the about window's globe) and the game's own that the
    // recording does not tick next.
    if (!hold && !ended)
        clock.advance(now);
}

void Game::State::watchOver() {
    Watch& w = *watch;
    w.state.over = true;
    if (!w.printed)
        w.out(game.report() + "\n");
    // The last frame stays: no timer of the main window ticks on.
    for (const flow::Clock::Id id : mainTimers)
        clock.remove(id);
    mainTimers.clear();
}

void Game::State::watchKey(const Key& key) {
    Watching next = watch->state;
    if (key.named == Key::Named::Escape) {
        ended = true;  // the watching and the run end
        return;
    }
    if (key.named == Key::Named::Space || key.gameCode() == game::kKeyP)
        next.paused = !next.paused;
    else if (key.gameCode() == game::kKeyRight)
        next.speed = std::min(next.speed + 1, kFastest);
    else if (key.gameCode() == game::kKeyLeft)
        next.speed = std::max(next.speed - 1, kSlowest);
    else
        return;
    retime(next);
}

ScriptCheck Game::watch(std::string_view name, std::string_view text, ScriptSink out) {
    State& s = *s_;
    const ScriptCheck check = checkRecording(name, text);
    if (!check.ok || s.watch)
        return check;
    // What is watched is the recording's session, not a new one: nothing of it is recorded, and
    // Rnd answers the recording's numbers.
    s.session.host.stop();
    s.host.playScripted();
    s.player.setKind(ScriptKind::Recording);
    Watch& w = s.watch.emplace();
    w.script = std::string(text.substr(0, check.playable));
    w.out = std::move(out);
    w.frontEndNow = s.options.now;
    w.origin = w.frontEndNow();
    w.at = w.origin;
    s.options.now = [&s] { return s.watchTime(s.watch->frontEndNow()); };
    if (check.timing && *check.timing != s.clock.timing())
        s.clock.setTiming(*check.timing, w.at);
    s.runDue(w.at);
    return check;
}

std::optional<Game::Watching> Game::watching() const {
    if (!s_->watch)
        return std::nullopt;
    return s_->watch->state;
}

}  // namespace running
