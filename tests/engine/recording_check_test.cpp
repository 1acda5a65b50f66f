// Hostile files handed to the game as recordings (and a few as the driver's own scripts): each is
// refused with one line naming the file, the line and what is wrong, or played as far as it
// goes; the reader stops taking bytes at the first fault, whatever follows.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <regex>
#include <sstream>
#include <string>

#include "engine/running/recording_check.h"
#include "engine/running/replay.h"
#include "engine/running/script_text.h"
#include "tests/engine/live_game.h"

namespace engine_test {
namespace {

std::string randomBytes() {
    std::mt19937 random(2002);
    std::string bytes(4096, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A session the game recorded itself, at the classic timing.
std::string liveRecording() {
    Live live({.classicTiming = true});
    live.play("load; click; at 400; cmd easy");
    live.game.finishRecording();
    return live.sink.text;
}

struct Played {
    std::string message, out;
    std::size_t read = 0;  // bytes the reader took before it had seen enough
    running::ScriptCheck check;
};

// The file a piece at a time, then whole, then replayed on a game.
Played replay(const std::string& file) {
    Played p;
    running::RecordingReader reader("f.trace");
    for (std::size_t at = 0; at < file.size(); at += 4096) {
        p.read = std::min(file.size(), at + 4096);
        if (!reader.feed(std::string_view(file).substr(at, 4096)))
            break;
    }
    p.check = reader.finish();
    const running::ScriptCheck whole = running::checkRecording("f.trace", file);
    EXPECT_EQ(whole.message, p.check.message) << "read whole";
    Notes notes;
    running::Game game(notes, running::Options{});
    running::replayRecording(
        game, "f.trace", file, [&p](std::string_view s) { p.out += s; },
        [&p](std::string_view s) { p.message += s; });
    if (!p.message.empty() && p.message.back() == '\n')
        p.message.pop_back();
    return p;
}

// The file as the driver's own script on standard input: what it prints and complains of.
Played script(const std::string& file) {
    std::istringstream in(file);
    std::ostringstream out, errors;
    trace::Trace().run(in, out, errors);
    Played p;
    p.message = errors.str();
    p.out = out.str();
    return p;
}

TEST(RecordingCheck, HostileFilesAreRefusedOrPlayedAsFarAsTheyGo) {
    const std::string start = "load\nclick splash\n";
    const struct Row {
        const char* name;
        std::function<std::string()> file;
        const char* message;  // a regular expression for the whole line; "" when none is said
        int prints;           // lines of state printed: none when refused
        bool asScript = false;
    } rows[] = {
        {"random bytes", randomBytes,
         "f\\.trace: line 1: not text: byte 0x[0-9a-f]{2} at column [0-9]+", 0},
        {"cut mid-line plays its whole lines", [&] { return start + "tick1 3\nprint\ntick1 tic"; },
         "f\\.trace: line 5: cut short, the line has no end: the recording plays to line 4", 1},
        {"a 5 MB line, refused before it is read",
         [] { return "load\n" + std::string(5 << 20, 'a') + "\nprint\n"; },
         "f\\.trace: line 2: longer than 4096 bytes", 0},
        {"a line of 4096 bytes, the longest",
         [] { return "load\nprint" + std::string(4091, ' ') + "\n"; }, "", 1},
        {"a line of 4097 bytes", [] { return "load\nprint" + std::string(4092, ' ') + "\n"; },
         "f\\.trace: line 2: longer than 4096 bytes", 0},
        {"an unknown word", [] { return "load\njump\nprint\n"; },
         "f\\.trace: line 2: unknown command: jump", 0},
        {"a 24-digit count", [] { return "load\ntick1 123456789012345678901234\n"; },
         "f\\.trace: line 2: a count of 123456789012345678901234 is more ticks than a match can "
         "hold \\(50000000\\)",
         0},
        {"a 24-digit key", [] { return "load\nkeydown 123456789012345678901234\n"; },
         "f\\.trace: line 2: key code out of range: 123456789012345678901234", 0},
        {"a trillion ticks", [&] { return start + "tick1 1000000000000\nprint\n"; },
         "f\\.trace: line 3: a count of 1000000000000 is more ticks than a match can hold "
         "\\(50000000\\)",
         0},
        {"the ticks of all lines pass the bound",
         [] { return "load\ntick1 tick2 25000000\ntick1\nprint\n"; },
         "f\\.trace: line 3: more ticks than a match can hold: the counts pass 50000000", 0},
        {"the ticks of all lines at the bound exactly (nothing runs them)",
         [] { return "load\ntick1 tick2 20000000\ntick4 10000000\nprint\n"; }, "", 1},
        {"an empty file", [] { return ""; }, "f\\.trace: line 1: an empty file: not a recording",
         0},
        {"comments only", [] { return "# smashbol session\n# timing steady\n"; },
         "f\\.trace: line 2: no event in it: not a recording", 0},
        {"a NUL byte", [] { return std::string("load\npr\0int\n", 11); },
         "f\\.trace: line 2: not text: byte 0x00 at column 3", 0},
        {"a carriage return inside a line", [] { return "load\nmenu\reasy\nprint\n"; },
         "f\\.trace: line 2: not text: a carriage return inside the line", 0},
        {"CRLF endings play as LF ones",
         [] { return "load\r\nclick splash\r\ntick1 tick4 30\r\nprint\r\n"; }, "", 1},
        {"a negative count", [] { return "load\ntick1 -5\n"; },
         "f\\.trace: line 2: not a count: -5", 0},
        {"rnd 1.5", [] { return "load\nrnd 0.5 1.5\n"; },
         "f\\.trace: line 2: rnd gives 0 up to 1, not 1\\.5", 0},
        {"rnd just under 1 is 1 in single precision", [] { return "load\nrnd 0.99999999\n"; },
         "f\\.trace: line 2: rnd gives 0 up to 1, not 0\\.99999999", 0},
        {"rnd the largest single under 1", [] { return "load\nrnd 0.99999994 0\nprint\n"; }, "", 1},
        {"keydown 70000", [] { return "load\nkeydown 70000\n"; },
         "f\\.trace: line 2: key code out of range: 70000", 0},
        {"keydown 65535, the last key code", [] { return "load\nkeydown 65535\nprint\n"; }, "", 1},
        {"a shot would write a file", [] { return "load\nshot Form1 /tmp/x.png\nprint\n"; },
         "f\\.trace: line 2: 'shot' writes a file: a recording never does", 0},
        {"set puts the game anywhere", [] { return "load\nset ball.Left 7\nprint\n"; },
         "f\\.trace: line 2: 'set' is a test's word: a recording never puts the game where it did "
         "not go",
         0},
        {"a timing the game has not", [] { return "# timing fast\nload\nprint\n"; },
         "f\\.trace: line 1: not a timing the game has \\(classic or steady\\): # timing fast", 0},
        {"no closing print", [&] { return start + "tick1 tick4 3\n"; },
         "f\\.trace: line 3: cut short before its closing print: the recording plays to its end",
         0},
        {"the game's own recording", liveRecording, "", 1},
        {"the driver's script: a trillion ticks and a 5 MB line are skipped",
         [&] { return start + "tick1 1000000000000\n" + std::string(5 << 20, ' ') + "x\nprint"; },
         "line 3: a count of 1000000000000 is more ticks than a match can hold \\(50000000\\)\n"
         "line 4: longer than 4096 bytes\n",
         1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string file = row.file();
        const Played p = row.asScript ? script(file) : replay(file);
        EXPECT_TRUE(std::regex_match(p.message, std::regex(row.message))) << p.message;
        EXPECT_EQ(std::count(p.out.begin(), p.out.end(), '\n'), row.prints);
        if (row.asScript)
            continue;
        EXPECT_EQ(p.check.ok, row.prints > 0 || row.message[0] == '\0' ||
                                  std::string(row.message).find("cut short") != std::string::npos);
        // At the first fault the reader wants no more: of the 5 MB line, not past its bound.
        if (!p.check.ok) {
            EXPECT_LE(p.read, 3 * running::kMaxLineBytes);
        }
    }
    // What the game recorded says how it was timed, and CRLF plays as LF.
    EXPECT_EQ(replay(liveRecording()).check.timing, flow::Clock::Timing::Classic);
    EXPECT_EQ(replay("load\r\nclick splash\r\ntick1 tick4 30\r\nprint\r\n").out,
              replay("load\nclick splash\ntick1 tick4 30\nprint\n").out);
}

}  // namespace
}  // namespace engine_test
