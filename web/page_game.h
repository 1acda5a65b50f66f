// The game as the browser page runs it: the main window with its sound routine on the page's
// host, the about and help windows, the clock every timer ticks by, and the frames the page puts
// on its canvases. The page hands it input and the time; after each event it reads `view()` to
// mirror the menus and the windows. The session is recorded as it is played, as the desktop's
// --record writes it, for the page to offer as a file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/flow/clock.h"
#include "engine/flow/session.h"
#include "engine/flow/session_recorder.h"
#include "engine/screens/about_window.h"
#include "engine/screens/help_window.h"
#include "engine/render/renderer.h"
#include "engine/running/script_player.h"
#include "web/web_host.h"

namespace web {

// A text as a JSON string.
std::string quoted(std::string_view text);

enum class Window { Main = 1, About = 2, Help = 3 };

class PageGame final : public Director, public running::ScriptStage {
  public:
    // Classic timing: every timer on the beat of 2002. The recording is named `recordingName`
    // in its first line, the name the page gives its file.
    PageGame(bool muted, bool classicTiming, const std::string& recordingName);
    PageGame(const PageGame&) = delete;
    PageGame& operator=(const PageGame&) = delete;

    // The main window's load: its start-up values and the intro sound.
    void load();

    // Runs every tick due by now (the page's clock, in milliseconds); true when the ticks changed
    // what `view()` gives beyond the frame: the menus, the match's running or its end.
    bool advance(double nowMs);
    // When the next tick is due, in the page's milliseconds; negative when no timer runs.
    double nextDueMs() const;

    // Input, as the window that has it gets it: keys go to an open about or help window (which
    // takes them and does nothing), else to the main window's key handlers.
    void key(bool down, int code, int shift);
    // A press and a release of the mouse at pixels of a window's client area: a click on the
    // control under both.
    void click(Window window, int x0, int y0, int x1, int y1);
    // A menu command by its item's name ("easy", "about"), if the item can be chosen now.
    bool menu(const std::string& name);
    // The player has left the page: a running match pauses as "P" pauses it.
    void autoPause();

    // A window's picture as the page's canvas takes it: RGBA bytes, rows top to bottom.
    struct Picture {
        const std::uint8_t* rgba;
        int width, height;
    };
    Picture picture(Window window);

    // What the page mirrors, as JSON: the menu tree with captions, shortcuts, visibility and
    // whether each can be chosen; the main window's client size; the open modal window; the end;
    // whether the match runs or is decided, and whether a recording is kept.
    std::string view();

    // How many times each timer ticked since the last call, as JSON (for measuring the rates).
    std::string tickCounts();

    // Plays a script of events (the headless driver's words) and returns what it printed and
    // the lines it could not read. From then on Rnd answers the script, and only the script's
    // ticks move the game.
    std::string playScript(const std::string& text);

    // The stage a script plays on.
    flow::MainWindow& form() override { return session_.form; }
    void queueRnd(float value) override { host_.queueRnd(value); }
    std::string report() override;
    void shot(const std::string& window, const std::string& file) override;
    void afterEvent() override { sync(); }

    // The host's director.
    void showModal(std::string_view form) override;
    void unload(std::string_view form) override;
    void holdUp() override;
    void goOn() override;

    bool ended() const { return ended_; }

    // The session's script from the load to now, closed by `print` and the state it ends in;
    // when the recording had to stop, the script up to there and a comment that says so.
    std::string recording();

  private:
    // Memory the page keeps the script in, up to a limit: an intro left running writes about
    // 5 MB an hour, a match far less.
    class Memory final : public flow::RecordingSink {
      public:
        static constexpr std::size_t kLimit = 16u << 20;
        bool write(std::string_view text) override;
        std::string text;
        bool full = false;
    };
    // A handler of the main window as the event `line` of the recording.
    template <typename Handler>
    void recorded(std::string line, Handler handler) {
        session_.host.begin(std::move(line));
        handler();
        session_.host.end();
    }

    void sync();
    tk::Rect mainClient() const;
    bool menuBarShown() const;
    // What of `view()` ticks can change, in one string to compare.
    std::string viewStamp();

    WebHost host_;
    Memory memory_;
    flow::Session<flow::SessionRecorder> session_;
    screens::Form2 about_;
    std::optional<screens::Form3> help_;
    std::optional<Window> modal_;
    tk::Renderer renderer_;
    flow::Clock clock_;
    flow::Clock::Id timer1_ = 0, timer2_ = 0, timer4_ = 0, aboutTimer_ = 0;
    // How much of each list of the game's effects the last report gave.
    struct {
        std::size_t clips = 0, sleeps = 0, messages = 0;
    } reported_;
    bool scripted_ = false;
    bool ended_ = false;
    std::vector<std::uint32_t> rgba_;
    running::ScriptPlayer player_{*this};
};

}  // namespace web
