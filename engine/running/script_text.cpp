#include "engine/running/script_text.h"

#include <cmath>
#include <limits>
#include <optional>

#include "engine/core/number_text.h"

namespace running {

namespace {

using Verb = ScriptLine::Verb;

template <typename Entry, std::size_t N>
const Entry* find(const Entry (&table)[N], const std::string& name) {
    for (const Entry& entry : table) {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

// The commands of a script, each with the number of words that follow it (-1: it counts them
// itself).
const struct {
    const char* name;
    Verb verb;
    int arguments;
} kCommands[] = {
    {"load", Verb::Load, 0},       {"click", Verb::Click, 1}, {"menu", Verb::Menu, 1},
    {"keydown", Verb::KeyDown, 1}, {"keyup", Verb::KeyUp, 1}, {"rnd", Verb::Rnd, -1},
    {"set", Verb::Set, -1},        {"shot", Verb::Shot, 2},   {"print", Verb::Print, 0}};

// "tick1 7": seven game ticks; "tick1 tick2 50": fifty rounds of a game tick and a step, as two
// timers of one interval take turns.
void readTicks(const std::vector<std::string>& w, const std::string& line, ScriptLine& read) {
    std::size_t i = 0;
    for (; i < w.size(); ++i) {
        const auto* timer = find(flow::kTickWords, w[i]);
        if (!timer)
            break;
        read.round.push_back(timer);
    }
    if (w.size() > i + 1)
        throw std::invalid_argument("ticks take at most one count, at the end: " + line);
    if (w.size() == i + 1)
        read.count = parseCount(w[i]);
    if (read.count > kMaxTicks / read.round.size()) {
        throw std::invalid_argument("a count of " + w[i] +
                                    " is more ticks than a match can hold (" +
                                    std::to_string(kMaxTicks) + ")");
    }
}

// `set NAME VALUE`: the value may be a quoted text with spaces, everything after the name.
void readSet(const std::string& line, ScriptLine& read) {
    const auto nameStart = line.find_first_not_of(" \t", line.find("set") + 3);
    const auto nameEnd = line.find_first_of(" \t", nameStart);
    if (nameStart == std::string::npos || nameEnd == std::string::npos)
        throw std::invalid_argument("'set' needs a name and a value: " + line);
    const auto valueStart = line.find_first_not_of(" \t", nameEnd);
    const auto valueEnd = line.find_last_not_of(" \t");
    if (valueStart == std::string::npos)
        throw std::invalid_argument("'set' needs a value: " + line);
    read.name = line.substr(nameStart, nameEnd - nameStart);
    read.value = line.substr(valueStart, valueEnd - valueStart + 1);
}

const flow::HandlerWord* handler(const flow::HandlerWord* found, const std::string& error) {
    if (!found)
        throw std::invalid_argument(error);
    return found;
}

}  // namespace

std::vector<std::string> words(const std::string& line) {
    constexpr const char* kSpace = " \t\n\v\f\r";
    std::vector<std::string> result;
    for (std::size_t at = line.find_first_not_of(kSpace); at != std::string::npos;) {
        const std::size_t end = line.find_first_of(kSpace, at);
        result.push_back(line.substr(at, end - at));
        at = line.find_first_not_of(kSpace, end);
    }
    return result;
}

Literal parseLiteral(const std::string& raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        return {Literal::Kind::Text, raw.substr(1, raw.size() - 2)};
    }
    if (raw == "true" || raw == "false")
        return {Literal::Kind::Bool, "", 0, raw == "true"};
    if (raw == "empty")
        return {Literal::Kind::Empty, "", 0, false};
    const bool whole = raw.find_first_of(".eE") == std::string::npos;
    const std::optional<double> read = tk::readNumber(raw);
    const double value = read.value_or(0);
    if (!read || !std::isfinite(value)) {
        throw std::invalid_argument("not a value: " + raw +
                                    " (use \"text\", a number, true, false or empty)");
    }
    if (whole && value >= -2147483648.0 && value <= 2147483647.0)
        return {Literal::Kind::Whole, "", value};
    // Any other number the game holds in single precision.
    if (std::fabs(value) > std::numeric_limits<float>::max())
        throw std::invalid_argument("not a value: " + raw + " (too large for a single)");
    return {Literal::Kind::Single, "", value};
}

std::uint64_t parseCount(const std::string& raw) {
    if (raw.empty() || raw.find_first_not_of("0123456789") != std::string::npos)
        throw std::invalid_argument("not a count: " + raw);
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t count = 0;
    for (const char digit : raw) {
        const auto d = static_cast<std::uint64_t>(digit - '0');
        count = count > (kLargest - d) / 10 ? kLargest : count * 10 + d;
    }
    return count;
}

int keyCode(const std::string& raw) {
    const std::uint64_t code = parseCount(raw);
    if (code > 65535)
        throw std::invalid_argument("key code out of range: " + raw);
    return static_cast<int>(code);
}

ScriptLine readLine(const std::string& line) {
    ScriptLine read;
    const std::vector<std::string> w = words(line);
    if (w.empty() || w[0][0] == '#')
        return read;
    if (find(flow::kTickWords, w[0])) {
        read.verb = Verb::Ticks;
        readTicks(w, line, read);
        return read;
    }
    const auto* command = find(kCommands, w[0]);
    if (!command)
        throw std::invalid_argument("unknown command: " + line);
    if (command->arguments >= 0 && w.size() != static_cast<std::size_t>(command->arguments) + 1) {
        throw std::invalid_argument("'" + w[0] + "' takes " + std::to_string(command->arguments) +
                                    " argument(s): " + line);
    }
    read.verb = command->verb;
    switch (read.verb) {
        case Verb::Click:
            read.handler =
                handler(find(flow::kClickWords, w[1]), "click what? splash or label: " + line);
            break;
        case Verb::Menu:
            read.handler = handler(find(flow::kMenuWords, w[1]), "no such menu command: " + w[1]);
            break;
        case Verb::KeyDown:
        case Verb::KeyUp:
            read.key = keyCode(w[1]);
            break;
        case Verb::Rnd:
            if (w.size() < 2)
                throw std::invalid_argument("'rnd' needs values");
            for (std::size_t i = 1; i < w.size(); ++i) {
                // Rnd answers from 0 up to, not including, 1; a value is checked as the game
                // will see it, in single precision (0.99999999 is 1 there).
                const float value = parseLiteral(w[i]).asFloat("rnd");
                if (!(value >= 0.0f && value < 1.0f))
                    throw std::invalid_argument("rnd gives 0 up to 1, not " + w[i]);
                read.rnd.push_back(value);
            }
            break;
        case Verb::Set:
            readSet(line, read);
            break;
        case Verb::Shot:
            read.name = w[1];
            read.value = w[2];
            break;
        default:
            break;
    }
    return read;
}

std::string notInRecording(const ScriptLine& line) {
    if (line.verb == Verb::Set)
        return "'set' is a test's word: a recording never puts the game where it did not go";
    if (line.verb == Verb::Shot)
        return "'shot' writes a file: a recording never does";
    return {};
}

}  // namespace running
