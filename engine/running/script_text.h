// The text of a trace script: its bounds, a line's words, the values a script writes, and a line
// read into the step it asks for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/controls.h"
#include "engine/core/value.h"
#include "engine/flow/script_words.h"

namespace running {

// --- the bounds of a script ----------------------------------------------------------------------
// Nothing in the rules ends a match: a set needs a two-point lead, and a stroke made standing
// keeps the ball's speed, so a rally, a set and a match can go on as long as the player keeps
// the ball in play. What ends one is the player. The longest tennis match ever played lasted
// 11 hours 5 minutes; twelve hours of ticking at the fastest the timers ever tick together (the
// 1 ms intro timer beside the 10 ms game tick, or the game tick beside the 10 ms walk: at most
// 1,100 ticks a second) is 47.5 million ticks. A recording that counts more than this never came
// from a game, and playing it would only keep the player waiting.
inline constexpr std::uint64_t kMaxTicks = 50'000'000;
// The longest line the recorder writes is a round of tick words with its count or a few random
// numbers: under a hundred bytes. A comment is bounded by the file alone: the game's own state
// that closes a recording lists every clip and pause of the session, so it grows with it.
inline constexpr std::size_t kMaxLineBytes = 4096;
// The most bytes a second the recorder writes is the intro left running ("tick1", "tick4 9" and
// a random number for a stroke: about 1.4 KB a second); twelve hours of it is 61 MB.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;

std::vector<std::string> words(const std::string& line);

// A value as a script writes it: "text", a bare number, true/false, or empty.
struct Literal {
    enum class Kind { Text, Whole, Single, Bool, Empty } kind;
    std::string text;
    double number = 0;
    bool flag = false;

    tk::Value value() const {
        switch (kind) {
            case Kind::Text:
                return tk::Value(text);
            case Kind::Whole:
                return tk::Value(static_cast<int>(number));
            case Kind::Single:
                return tk::Value(static_cast<float>(number));
            case Kind::Bool:
                return tk::Value(flag ? -1 : 0);
            case Kind::Empty:
                return {};
        }
        return {};
    }
    float asFloat(const std::string& name) const {
        if (kind != Kind::Whole && kind != Kind::Single)
            throw std::invalid_argument(name + " needs a number");
        return static_cast<float>(number);
    }
    bool asBool(const std::string& name) const {
        if (kind != Kind::Bool)
            throw std::invalid_argument(name + " needs true or false");
        return flag;
    }
    std::string asText() const {
        if (kind == Kind::Text)
            return text;
        if (kind == Kind::Empty)
            return "";
        return value().toText();
    }
};

Literal parseLiteral(const std::string& raw);
// A whole number of digits; one too large for any count reads as the largest.
std::uint64_t parseCount(const std::string& raw);
// A key code, 0 to 65535.
int keyCode(const std::string& raw);

// One line of a script, read: the step it asks for, not yet taken.
struct ScriptLine {
    enum class Verb { Nothing, Ticks, Load, Click, Menu, KeyDown, KeyUp, Rnd, Set, Shot, Print };
    Verb verb = Verb::Nothing;                   // Nothing: a blank line or a comment
    std::vector<const flow::TickWord*> round;    // the timers that take turns, in order
    std::uint64_t count = 1;                     // rounds
    const flow::HandlerWord* handler = nullptr;  // what a click or a menu command runs
    int key = 0;
    std::vector<float> rnd;
    std::string name, value;  // set: the name and the value as written; shot: window and file

    // The most ticks the line can run (a round ends early once none of its timers runs).
    std::uint64_t ticks() const { return verb == Verb::Ticks ? round.size() * count : 0; }
};

// Throws std::invalid_argument saying what is wrong when the line asks for nothing a script can.
ScriptLine readLine(const std::string& line);

// Why a recording may not hold the line, or nothing: a recording from another player puts the
// game nowhere the game did not go itself, and writes no file.
std::string notInRecording(const ScriptLine& line);

}  // namespace running
