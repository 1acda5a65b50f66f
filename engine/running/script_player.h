// Plays a script of events, one a line ("click splash", "menu easy", "keydown 39", "tick1 tick2
// 50", "set ball.Left 1900", "rnd 0.5", "print", "shot Form1 f.png"), into the main window's model
// of whatever front end stages it: the headless driver's, or the browser page's, which plays the
// very scripts the driver replays.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/flow/main_window.h"
#include "engine/running/script_lines.h"

namespace running {

class ScriptStage {
  public:
    virtual ~ScriptStage() = default;

    virtual flow::MainWindow& form() = 0;
    // The next value Rnd answers; once the queued values run out, Rnd answers 0.
    virtual void queueRnd(float value) = 0;
    // The state as `print` writes it: one line of JSON (flow/state_report.h).
    virtual std::string report() = 0;
    // What a player sees of a window, written as a PNG; throws std::invalid_argument when it
    // cannot be.
    virtual void shot(const std::string& window, const std::string& file) = 0;
    // After each handler the script ran, and each other line: a front end mirrors the model.
    virtual void afterEvent() {}
};

// Whose script it is.
enum class ScriptKind {
    // The developer's own, a test's: `set` puts the game anywhere, `shot` writes a picture file.
    TestScript,
    // A recording, from whichever player: only what the recorder writes. It never writes a
    // file, whatever it says.
    Recording,
};

// Where a script's output goes, a piece at a time, as it plays.
using ScriptSink = std::function<void(std::string_view)>;

// The player knows no streams: the browser's module carries no iostreams for it. Every line is
// bounded (kMaxLineBytes), and so are the ticks of one script (kMaxTicks): a line past either is
// reported and left unplayed, so no script keeps the game busy for long.
class ScriptPlayer {
  public:
    explicit ScriptPlayer(ScriptStage& stage, ScriptKind kind = ScriptKind::TestScript)
        : stage_(stage), kind_(kind) {}

    void setKind(ScriptKind kind) { kind_ = kind; }

    // Runs every line, the last one even without its end; returns the number of lines that could
    // not be played, each reported to `errors` with its number. What `print` writes goes to
    // `out`.
    int run(std::string_view script, const ScriptSink& out, const ScriptSink& errors);
    // The same for a script that comes a piece at a time: each line is played as it ends, the
    // last when the script is over.
    void feed(std::string_view piece, const ScriptSink& out, const ScriptSink& errors);
    int finish(const ScriptSink& out, const ScriptSink& errors);

    // One line; throws std::invalid_argument with a message when it is not understood.
    void execute(const std::string& line, const ScriptSink& out);

  private:
    void play(const LineReader::Line& line, const ScriptSink& out, const ScriptSink& errors);

    ScriptStage& stage_;
    ScriptKind kind_;
    LineReader lines_;
    std::uint64_t ticks_ = 0;  // the script's ticks so far
    int bad_ = 0;
};

}  // namespace running
