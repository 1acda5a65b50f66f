// A recording is the one file that passes from player to player, so it is checked whole before
// anything of it plays: text only, lines and counts within their bounds (script_text.h), only the
// words the recorder writes. A file that is not a recording is refused with one line naming it,
// the line and what is wrong; one cut short plays to its last whole line and says so.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/flow/clock.h"
#include "engine/running/script_lines.h"

namespace running {

struct ScriptCheck {
    bool ok = false;        // it may be played: whole, or to its last whole line
    bool cutShort = false;  // it ends before its end: its last line, or its closing print, is lost
    // One line, without its end: "NAME: line N: what is wrong" when refused, "NAME: line N: cut
    // short ..." when cut short, empty for a whole recording.
    std::string message;
    std::size_t playable = 0;  // checkRecording: the length of the text's whole lines
    int lines = 0;             // its whole lines
    std::uint64_t ticks = 0;   // what its counts add up to
    // The timing it was played at, as its header says (`# timing classic`); older recordings
    // do not say.
    std::optional<flow::Clock::Timing> timing;
};

// A recording read a piece at a time, as a file comes: it keeps the whole lines to play (a
// comment as a bare '#') and stops taking pieces at the first fault, so that nothing past a
// bound is ever read.
class RecordingReader {
  public:
    // `name` as the player knows the file (its path, the download's name), for the message.
    explicit RecordingReader(std::string name, bool keepScript = true);

    // False once the file is refused: read no more of it.
    bool feed(std::string_view piece);
    // The file ended here.
    ScriptCheck finish();
    // The whole lines to play, once finished and not refused.
    const std::string& script() const { return script_; }

  private:
    bool take(const LineReader::Line& line);
    bool refuse(int line, const std::string& what);

    std::string name_;
    bool keep_;
    LineReader lines_;
    std::string script_;
    ScriptCheck check_;
    std::size_t bytes_ = 0;
    int events_ = 0;
    bool endsWithPrint_ = false;
    bool refused_ = false;
};

// The whole text at once: where a front end has the file in memory already (a page's upload).
// Play text.substr(0, check.playable) when check.ok.
ScriptCheck checkRecording(std::string_view name, std::string_view text);

}  // namespace running
