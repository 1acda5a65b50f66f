// The running game: one object per run that every front end (the desktop window, the browser
// page, the headless driver) puts below itself. It owns the session (the main window with its
// sound routine) and its recorder, the one clock every timer of the three windows ticks by, the
// about and help windows and which one is open, the random source, and the time the game holds
// the window's thread (the pause after a point, a message box). A front end hands it input in a
// player's terms (a key, a click at a window's pixel, a menu command by name, the focus, the
// time) and presents what it offers: each open window's frame and the area that changed, the
// menus, the clips, the titles, the state.
//
// Nothing here blocks. A pause after a point or a message box holds the clock and the input: the
// handler runs to its end, no timer ticks and no input is handed to the game until the hold is
// over (the time has come, or the message box was closed); the input that came meanwhile is then
// handed over in order, and the clips the handler played after the hold began sound then too.
// The picture stays the one shown when the hold began.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/flow/clock.h"
#include "engine/flow/session_recorder.h"
#include "engine/render/frame.h"
#include "engine/running/keys.h"
#include "engine/running/menus.h"
#include "engine/running/recording_check.h"
#include "engine/running/script_player.h"
#include "engine/running/settings.h"

namespace running {

using flow::Nanos;

enum class Window { Main, About, Help };

// What the running game asks of the front end. Every call comes from inside one of the game's
// own calls (an input, advance); none may call back into the game except where said.
class Outlet {
  public:
    virtual ~Outlet() = default;
    // Plays a clip's wave image, cutting off the clip playing; silent if it cannot play. Takes
    // what it needs of the bytes before it returns.
    virtual void playWave(std::span<const std::uint8_t> waveImage) = 0;
    // Shows a message box over the game's windows; the front end calls dismissMessage() once
    // the player has closed it (OK, Enter, Escape or the window's close button).
    virtual void showMessage(std::string_view title, std::string_view text) = 0;
    // The menus, the menu bar, a window's title, the open window, the main window's size, the
    // zoom, the settings, the menu walk, the match's running or decision, or the end changed:
    // the front end reads them anew. Told once after the event or advance that changed them.
    virtual void windowsChanged() {}
    // The player asked for something of the front end's own window, with a key or a menu: full
    // screen on or off, the menu bar or the settings menu opened. The zoom is the game's own
    // (zoom()); a front end shows it at the next windowsChanged.
    virtual void fullScreenAsked(bool on) { (void)on; }
    virtual void menuBarAsked() {}
    virtual void settingsMenuAsked() {}
    // A setting changed by the player (key or menu): the front end keeps it for the next run.
    // A language chosen is the front end's to show (tk::showLanguage), here, before it reads the
    // windows anew.
    virtual void settingsChanged(const Settings& settings) { (void)settings; }
    // The main window was unloaded: the run is over, the front end closes. Told after the event
    // that ended it.
    virtual void ended() {}
};

// How the game runs.
struct Options {
    Settings settings;
    // Where the time comes from: nanoseconds of a steady clock (unset: always 0).
    std::function<Nanos()> now;
    // The random source's seed. Unset: Rnd answers the values a script queues, then 0, and only
    // a script's ticks move the game (the headless driver).
    std::optional<std::uint32_t> seed;
    // Whether the game walks the menu bar with the keys itself (F10, arrows, Enter, Escape and
    // the access letters): the page's menus; a desktop's native menus walk themselves.
    bool walksMenus = false;
};

class Game final : public ScriptStage {
  public:
    Game(Outlet& outlet, Options options);
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The main window's load: its start-up values and the intro sound.
    void load();

    // --- time ------------------------------------------------------------------------------------
    // Runs what fell due by `now`: the end of a hold and the input it held back, then every tick.
    void advance(Nanos now);
    // When advance has something to do next; none while nothing runs.
    std::optional<Nanos> nextWake() const;
    bool held() const;

    // --- input -----------------------------------------------------------------------------------
    // While the game holds the thread, input is held back and handed over when the hold ends;
    // behind a message box the game's windows take none (keys only close the box).
    // A key of the keyboard, as the window that has the focus gets it: the window's own keys
    // (zoom, full screen, the menus, the menu shortcuts) are decided here and kept from the game
    // until released; a message box or the about or help window takes the keys while open;
    // the rest reaches the game's key handlers.
    void keyDown(const Key& key);
    void keyUp(const Key& key);
    // A press at one pixel of a window's client area and the release at another: a click on the
    // control under both.
    void click(Window window, int pressX, int pressY, int releaseX, int releaseY);
    // A menu command by its item's name, the game's ("easy", "about") or the settings menu's
    // ("zoom2", "sound"); false when it cannot be chosen now (held back during a hold: true).
    bool command(std::string_view name);
    // The keyboard focus left the game's windows; `toAnotherProgram` when it left the program
    // (or the window was minimised): held keys come up and a running match pauses.
    void focusLost(bool toAnotherProgram);
    // The message box the front end shows was closed.
    void dismissMessage();

    // --- what a front end shows ------------------------------------------------------------------
    // A window's picture, one pixel per window pixel, and the area that changed since the front
    // end last took it (the whole frame the first time and after a size change). During a hold
    // the picture stays as it was, and a closed window keeps its last; the change is then none.
    // The change is known from what moved or changed in the window, not from the pixels: a
    // front end may present `changed`, or only the `areas` (rectangles apart from each other, all
    // inside `changed`: in the intro the ball's and the players' places, a fifth of `changed`).
    // Both stand until the window's next takeFrame.
    struct FrameUpdate {
        const tk::Frame& frame;
        tk::Rect changed;
        std::span<const tk::Rect> areas;
    };
    FrameUpdate takeFrame(Window window);
    // Which window is open over the main window and takes the input, if any.
    std::optional<Window> modalWindow() const;
    bool ended() const;
    std::string title(Window window) const;
    // The client area of a window at zoom 1, in pixels.
    tk::Rect clientArea(Window window) const;
    bool menuBarShown() const;
    static constexpr int kMenuBarPx = 19;  // the menu bar's height at zoom 1
    // The game's menu bar and the settings menu, as they are now.
    std::vector<MenuEntry> menuBar() const;
    std::vector<MenuEntry> settingsMenu() const;
    // The keyboard's walk of the menus (when the game walks them).
    const MenuWalk& menuWalk() const;
    bool matchRunning() const;
    bool matchDecided() const;
    // For a report of the game's true speed: how often each of the main window's timers ticked
    // since the last call, in the game's words ("Timer1=100 Timer2=100 Timer4=1000").
    std::string takeTickCounts();

    // --- the player's settings and the zoom ------------------------------------------------------
    const Settings& settings() const;
    // The room the front end has for the game: the screen's work area less the window's frame,
    // or the page's viewport. The zoom shown is the chosen one as far as the room takes it.
    void setRoom(const Room& room);
    int zoom() const;      // the whole zoom shown, at least 1
    double scale() const;  // the scale shown: the zoom, or below 1 where the room shrinks the game
    // A change the front end made itself (full screen left with the window manager, a language
    // chosen before the start).
    void changeSettings(const Settings& settings);

    // --- recording and state ---------------------------------------------------------------------
    // From now on the session is recorded to `sink`, first naming it `name` (a file's path).
    void recordTo(flow::RecordingSink& sink, std::string_view name);
    // The closing lines, written to the sink (the run's end does it too).
    void finishRecording();
    // The state as the driver's `print` writes it, with what the game asked of the world since
    // the last report.
    std::string report() override;

    // --- a script of events (the driver's words) -------------------------------------------------
    // Plays a script; what `print` writes goes to `out`, the lines it could not play to
    // `errors`. From then on Rnd answers the script and only the script's ticks move the game.
    // A player's recording plays as ScriptKind::Recording, checked first (replay.h).
    int playScript(std::string_view script, const ScriptSink& out, const ScriptSink& errors,
                   ScriptKind kind = ScriptKind::TestScript);
    flow::MainWindow& form() override;
    void queueRnd(float value) override;
    void shot(const std::string& window, const std::string& file) override;
    // After each line a script plays: the front end hears what changed.
    void afterEvent() override;

    // --- watching a player's recording ----------------------------------------------------------
    // Plays a recording (checked whole first: refused, nothing plays) on this game, not yet
    // loaded, as it was played: each tick when the clock, at the recording's own timing, says
    // its timer falls due, with the pauses after points and the clips of the session; other
    // events as soon as the tick before them is done. From then on the game's keys only steer
    // the watching (P or Space pause, Right faster, Left slower, Escape leaves: the run ends),
    // the game's menus and clicks do nothing, and the recording's closing exit command ends the
    // watching, not the run. What the recording's `print` writes goes to `out`; one that ends
    // without a print has the state printed once all of it has played.
    ScriptCheck watch(std::string_view name, std::string_view text, ScriptSink out);
    struct Watching {
        bool paused = false;
        int speed = 0;  // its power of two: -3 (an eighth) to 3 (eight times)
        bool over = false;
    };
    std::optional<Watching> watching() const;
    static constexpr int kSlowest = -3, kFastest = 3;

  private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace running
