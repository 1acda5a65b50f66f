// What a running game keeps between its calls: the session and its recorder, the windows, the
// clock and its holds, the input held back meanwhile, the keys down, the frames last taken.
// Private to the running game's own files.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/flow/session.h"
#include "engine/render/renderer.h"
#include "engine/render/repainter.h"
#include "engine/running/game_host.h"
#include "engine/running/running_game.h"
#include "engine/running/script_text.h"
#include "engine/screens/about_window.h"
#include "engine/screens/help_window.h"

namespace running {

// A player's recording watched on the running game: where it is, its pace and its state.
struct Watch {
    std::string script;    // its whole lines
    std::size_t next = 0;  // where the line after the one in hand begins
    // The line in hand, as read and as written; of a tick line, the round and the turn in it.
    std::optional<ScriptLine> line;
    std::string text;
    std::uint64_t round = 0;
    std::size_t turn = 0;
    bool ranThisRound = false;
    ScriptSink out;
    bool printed = false;
    Game::Watching state;
    // The recording's time runs from `origin` (the front end's) and `at` (its own) on, at
    // the speed; it stands still while paused.
    Nanos origin = 0, at = 0;
    std::function<Nanos()> frontEndNow;
};

struct Game::State final : GameHost::Windows {
    State(Game& game, Outlet& outlet, Options options);

    // --- the host's windows and holds -----------------------------------------------------------
    void pause(int milliseconds) override;
    void message(std::string_view text) override;
    bool holding() const override { return hold.has_value(); }
    void showModal(std::string_view form) override;
    void unload(std::string_view form) override;

    // The time an event stands for: a tick's moment, the end of the hold that held it back, or
    // the front end's now.
    Nanos eventTime() const;
    // Runs what fell due by `now`: holds that ended, the input they held back, the ticks.
    void runDue(Nanos now);
    void endHold(Nanos end);
    // Input that cannot be handed over now: held back, or (behind a message box) dropped.
    bool holdBack(std::function<void()> input);

    // One event of the player's: the handler, then the clock reads the timers and the front end
    // hears of what changed.
    template <typename Handler>
    void event(Handler&& handler) {
        handler();
        afterEvent();
    }
    void afterEvent();
    // A handler of the main window as the recording's event `line`.
    template <typename Handler>
    void recorded(std::string line, Handler&& handler) {
        session.host.begin(std::move(line));
        handler();
        session.host.end();
    }
    // The same for a handler named by a pointer to it. Called here, not from a lambda: GCC 12's
    // check of the object's dynamic type then reads the right object.
    template <typename Form>
    void recorded(std::string line, void (Form::*handler)()) {
        session.host.begin(std::move(line));
        (form.*handler)();
        session.host.end();
    }

    // --- keys, clicks and commands (game_input.cpp) ----------------------------------------------
    void keyDown(const Key& key);
    void keyUp(const Key& key);
    void click(Window window, int pressX, int pressY, int releaseX, int releaseY);
    bool command(std::string_view name);
    void focusLost(bool toAnotherProgram);
    void gameKeyDown(int code, int shift);
    void gameKeyUp(int code, int shift);
    void releaseHeldKeys();
    void openMenuBar();
    void swallow(const Key& key);
    bool runMenuCommand(std::string_view name);
    bool runSettingsCommand(std::string_view name);
    void setSettings(const Settings& next, bool byPlayer);

    // --- what the front end shows (game_view.cpp) -----------------------------------------------
    bool menuBarShown() const;
    tk::Rect clientArea(Window window) const;
    bool isOpen(Window window) const;
    tk::Scene scene(Window window);
    double scale() const;
    int zoom() const;
    std::string stamp() const;

    Game& game;
    Outlet& outlet;
    Options options;
    Room room;
    GameHost host;
    flow::Session<flow::SessionRecorder> session{host};
    flow::MainWindow& form = session.form;
    screens::Form2 about{session.host};  // lives for the whole run, as its globe does
    std::optional<screens::Form3> help;  // made anew at each opening
    std::optional<Window> modal;
    tk::Renderer renderer;
    flow::Clock clock;
    flow::Clock::Id aboutTimer = 0;
    std::vector<flow::Clock::Id> mainTimers;

    // The window's thread held: until a time, and until every message box is closed.
    struct Hold {
        Nanos until;
        std::deque<std::string> messages;
    };
    std::optional<Hold> hold;
    std::deque<std::function<void()>> heldBack;
    std::optional<Nanos> handingOverAt;

    std::vector<int> heldCodes;  // the game's codes of the keys down
    std::vector<int> swallowed;  // the window's own keys down, kept from the game
    bool altAlone = false;       // Alt is down and no other key went down since
    MenuWalk walk;

    std::array<tk::Repainter, 3> frames;  // as each window's frame was last taken
    struct {
        std::size_t clips = 0, sleeps = 0, messages = 0;
    } reported;
    // --- watching a recording (watch.cpp) -------------------------------------------------------
    std::optional<Watch> watch;
    Nanos watchTime(Nanos frontEnd) const;
    std::optional<Nanos> frontEndTime(Nanos watched) const;
    const flow::TickWord* nextWatchedTick();
    void playWatched(Nanos now);
    // A main window's timer ticked: the tick as an event of the recording, or the recording's
    // own tick when watching one.
    void ticked(const flow::TickWord& word);
    void watchedTick(const flow::TickWord& word);
    void watchKey(const Key& key);
    void retime(const Watching& next);
    void watchOver();

    std::string lastStamp;
    bool scripted = false;
    bool ended = false;
    bool endTold = false;
    ScriptPlayer player{game};
};

}  // namespace running
