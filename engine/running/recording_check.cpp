#include "engine/running/recording_check.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "engine/running/script_text.h"

namespace running {

namespace {

// "# timing classic": the timing the session was played at, as the recorder notes it.
bool timingOf(const std::vector<std::string>& w, std::optional<flow::Clock::Timing>& timing) {
    if (w.size() < 2 || w[0] != "#" || w[1] != "timing")
        return true;
    if (w.size() != 3 || (w[2] != "classic" && w[2] != "steady"))
        return false;
    timing = w[2] == "classic" ? flow::Clock::Timing::Classic : flow::Clock::Timing::Steady;
    return true;
}

}  // namespace

RecordingReader::RecordingReader(std::string name, bool keepScript)
    : name_(std::move(name)), keep_(keepScript) {}

bool RecordingReader::refuse(int line, const std::string& what) {
    refused_ = true;
    check_.ok = false;
    check_.message = name_ + ": line " + std::to_string(line) + ": " + what;
    script_.clear();
    return false;
}

bool RecordingReader::feed(std::string_view piece) {
    if (refused_)
        return false;
    if (piece.size() > kMaxScriptBytes - bytes_) {
        // Whatever it holds up to there, it is longer than any session the game records.
        piece = piece.substr(0, kMaxScriptBytes - bytes_);
        bytes_ = kMaxScriptBytes;
        if (!lines_.feed(piece, [this](const LineReader::Line& line) { return take(line); }))
            return false;
        return refuse(lines_.lines() + 1, "the file goes on past " +
                                              std::to_string(kMaxScriptBytes >> 20) +
                                              " MiB, more than any recording holds");
    }
    bytes_ += piece.size();
    return lines_.feed(piece, [this](const LineReader::Line& line) { return take(line); });
}

bool RecordingReader::take(const LineReader::Line& line) {
    if (!line.fault.empty())
        return refuse(line.number, line.fault);
    check_.lines = line.number;
    if (line.comment) {
        std::optional<flow::Clock::Timing> timing;
        if (!timingOf(words(line.text), timing))
            return refuse(line.number,
                          "not a timing the game has (classic or steady): " + line.text);
        // The header's timing; a later one is a change the player made on the way.
        if (timing && events_ == 0 && !check_.timing)
            check_.timing = timing;
        if (keep_)
            script_ += "#\n";
        return true;
    }
    ScriptLine read;
    try {
        read = readLine(line.text);
    } catch (const std::invalid_argument& e) {
        return refuse(line.number, e.what());
    }
    if (const std::string why = notInRecording(read); !why.empty())
        return refuse(line.number, why);
    if (read.ticks() > kMaxTicks - check_.ticks) {
        return refuse(line.number, "more ticks than a match can hold: the counts pass " +
                                       std::to_string(kMaxTicks));
    }
    check_.ticks += read.ticks();
    if (read.verb != ScriptLine::Verb::Nothing) {
        ++events_;
        endsWithPrint_ = read.verb == ScriptLine::Verb::Print;
    }
    if (keep_)
        script_ += line.text + "\n";
    return true;
}

ScriptCheck RecordingReader::finish() {
    if (refused_)
        return check_;
    const std::optional<LineReader::Line> rest = lines_.rest();
    if (rest && !rest->fault.empty()) {
        refuse(rest->number, rest->fault);
        return check_;
    }
    if (events_ == 0) {
        const int last = rest ? rest->number : check_.lines;
        refuse(last > 0 ? last : 1,
               last > 0 ? "no event in it: not a recording" : "an empty file: not a recording");
        return check_;
    }
    check_.ok = true;
    const std::string at = name_ + ": line ";
    if (rest) {
        check_.cutShort = true;
        check_.message = at + std::to_string(rest->number) +
                         ": cut short, the line has no end: the recording plays to line " +
                         std::to_string(check_.lines);
    } else if (!endsWithPrint_) {
        check_.cutShort = true;
        check_.message = at + std::to_string(check_.lines) +
                         ": cut short before its closing print: the recording plays to its end";
    }
    return check_;
}

ScriptCheck checkRecording(std::string_view name, std::string_view text) {
    RecordingReader reader{std::string(name), false};
    reader.feed(text);
    ScriptCheck check = reader.finish();
    // Its whole lines: up to the last end of line.
    if (check.ok)
        check.playable = text.rfind('\n') + 1;
    return check;
}

}  // namespace running
