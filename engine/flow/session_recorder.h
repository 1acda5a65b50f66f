// A recording of the session as it is played, written as a script for smashbol-trace: the load,
// the splash clicks, menu commands, keys, every tick that ran (a run of one timer's ticks as one
// line with a count, or timers taking turns as one line of a round and a count), each value Rnd
// gave before the event that drew it, and at the end the game's own final state. The game talks to
// the world through the recorder, which passes every call on to the real host and notes what the
// replay needs. Where the lines go is the front end's business: a file on the desktop, the page's
// memory in the browser.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/host.h"
#include "engine/flow/clock.h"
#include "engine/flow/main_window.h"
#include "engine/flow/state_report.h"

namespace flow {

// Where a recording's text goes, a piece at a time.
class RecordingSink {
  public:
    virtual ~RecordingSink() = default;
    // False once the sink can take no more; it has said why, and the recording stops there.
    virtual bool write(std::string_view text) = 0;
    // Makes what was written safe should the program end a moment later.
    virtual bool flush() { return true; }
};

class SessionRecorder : public tk::Host {
  public:
    explicit SessionRecorder(tk::Host& host) : host_(host) {}
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // From now on the session's lines go to `sink`, after a first comment naming the script as
    // the player will find it (a file's path, a download's name) and a second with the timing
    // the game plays at ("# timing classic"), so that a replay can keep its pace. Until then,
    // and after the sink has failed, the recorder only passes everything on.
    void recordTo(RecordingSink& sink, std::string_view name,
                  std::optional<Clock::Timing> timing = std::nullopt);
    // The player changed the timing: noted as a comment where it happened.
    void timingChanged(Clock::Timing timing);
    bool recording() const { return sink_ != nullptr; }
    // The recording ends here, without its closing lines.
    void stop() { sink_ = nullptr; }

    // One event of the main window, as a script line ("keydown 39", "tick1", "menu easy"),
    // around the handler that takes it. Events may nest: a modal window's ticks come inside
    // the menu command that opened it, and are written after it.
    void begin(std::string line);
    void end();

    // Writes out the ticks still being counted: the script so far then replays every event.
    void catchUp();
    // The lines that close a script here: `print`, and as a comment the state the replay must
    // end in. The caller writes them where it wants them.
    std::string closing(const MainWindow& form) const;
    // The closing lines, written to the sink. Once.
    void finish(const MainWindow& form);

    // What the game asked of the world since the recorder was made: the clips it played, its
    // pauses and message boxes, and how much the window grew. Noted whether recording or not.
    const OutsideEffects& effects() const { return effects_; }

    // The script line of a handler without arguments (a comment for one a script cannot name).
    static std::string lineOf(void (MainWindow::*handler)());

    tk::Picture picture(std::string_view owner) override { return host_.picture(owner); }
    tk::Resource LoadResData(int id, std::string_view type) override;
    void playWaveImage(std::span<const std::uint8_t> waveImage) override;
    void MsgBox(std::string_view text) override;
    void Sleep(int milliseconds) override;
    void Randomize() override { host_.Randomize(); }
    float Rnd() override;
    void showModal(std::string_view form) override { host_.showModal(form); }
    void Unload(std::string_view form) override { host_.Unload(form); }
    float formHeight() override { return host_.formHeight(); }
    void setFormHeight(float twips) override;

  private:
    struct Pending {
        std::string line;
        std::vector<float> rnd;
        bool written = false;
    };
    void writePending(Pending& event);
    void write(const std::string& text);
    void flushSink();
    void addTick(const std::string& verb);
    void closeRound();
    void writeRuns();
    void writeSingles();

    tk::Host& host_;
    RecordingSink* sink_ = nullptr;
    std::vector<Pending> open_;  // events whose handlers are running, outermost first
    // Ticks not yet written: the round being made (each timer at most once, in the order they
    // ran), and the last round with how many times it came in a row.
    std::vector<std::string> round_, run_;
    long runCount_ = 0;
    std::string single_;  // one timer's ticks in a row, as "tick4 9"
    long singleCount_ = 0;
    OutsideEffects effects_;
    int lastLoaded_ = 0;
    bool finished_ = false;
};

}  // namespace flow
