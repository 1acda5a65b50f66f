// Every script in tests/fixtures replayed by the headless driver: what it prints and the lines it
// cannot read, in order, must be what the script's .expected file holds. The comments in each
// script say what it plays. After a change that alters the states on purpose, rewrite the files
// and read the difference before committing it:
//   SMASHBOL_REWRITE_FIXTURES=1 build/tests/engine/engine_tests --gtest_filter=Trace.*
// Hostile files handed to the game as recordings (and a few as the driver's own scripts): each is
// refused with one line naming the file, the line and what is wrong, or played as far as it
// goes; the reader stops taking bytes at the first fault, whatever follows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/running/recording_check.h"
#include "engine/running/replay.h"
#include "engine/running/script_text.h"
#include "tests/engine/live_game.h"
#include "tools/trace/trace.h"

namespace engine_test {
namespace {

TEST(Trace, ReplaysEveryFixture) {
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SMASHBOL_FIXTURES)) {
        std::filesystem::path path = entry.path();
        if (path.extension() != ".trace")
            continue;
        SCOPED_TRACE(path.filename().string());
        std::ifstream script(path);
        std::ostringstream out;
        trace::Trace().run(script, out, out);
        path.replace_extension(".expected");
        if (std::getenv("SMASHBOL_REWRITE_FIXTURES"))
            std::ofstream(path) << out.str();
        std::stringstream want;
        want << std::ifstream(path).rdbuf();
        EXPECT_EQ(out.str(), want.str());  // a failure shows the lines that differ
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
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

// The bounds of what a recording may hold. The common hostile files (random bytes, huge counts,
// NUL bytes, a test's words, a player's own recording) are tests/robustness's table, given to the
// driver and to the game themselves.
TEST(RecordingCheck, HostileFilesAreRefusedOrPlayedAsFarAsTheyGo) {
    const std::string start = "load\nclick splash\n", big(5 << 20, 'a');
    const struct Row {
        const char* name;
        std::string file;
        std::string said;  // how the one line after "f.trace: " begins; "" when none is said
        int prints;        // lines of state printed: none when refused
    } rows[] = {
        {"a 5 MB line, refused before it is read", "load\n" + big + "\nprint\n",
         "line 2: longer than 4096 bytes", 0},
        {"a line of 4096 bytes, the longest", "load\nprint" + std::string(4091, ' ') + "\n", "", 1},
        {"a line of 4097 bytes", "load\nprint" + std::string(4092, ' ') + "\n",
         "line 2: longer than 4096 bytes", 0},
        {"a 24-digit key", "load\nkeydown 123456789012345678901234\n",
         "line 2: key code out of range", 0},
        {"the ticks of all lines at the bound exactly (nothing runs them)",
         "load\ntick1 tick2 20000000\ntick4 10000000\nprint\n", "", 1},
        {"comments only", "# smashbol session\n# timing steady\n", "line 2: no event in it", 0},
        {"a carriage return inside a line", "load\nmenu\reasy\nprint\n",
         "line 2: not text: a carriage return", 0},
        {"a negative count", "load\ntick1 -5\n", "line 2: not a count: -5", 0},
        {"rnd 1.5", "load\nrnd 0.5 1.5\n", "line 2: rnd gives 0 up to 1, not 1.5", 0},
        {"rnd just under 1 is 1 in single precision", "load\nrnd 0.99999999\n",
         "line 2: rnd gives 0 up to 1, not 0.99999999", 0},
        {"rnd the largest single under 1", "load\nrnd 0.99999994 0\nprint\n", "", 1},
        {"keydown 70000", "load\nkeydown 70000\n", "line 2: key code out of range: 70000", 0},
        {"keydown 65535, the last key code", "load\nkeydown 65535\nprint\n", "", 1},
        {"a timing the game has not", "# timing fast\nload\nprint\n",
         "line 1: not a timing the game has", 0},
        {"no closing print", start + "tick1 tick4 3\n",
         "line 3: cut short before its closing print", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Played p = replay(row.file);
        EXPECT_EQ(std::count(p.out.begin(), p.out.end(), '\n'), row.prints);
        EXPECT_EQ(p.message.rfind(row.said.empty() ? "" : "f.trace: " + row.said, 0), 0u)
            << p.message;
        EXPECT_EQ(p.message.empty(), row.said.empty());
        EXPECT_EQ(p.message.find('\n'), std::string::npos) << "one line";
        EXPECT_EQ(p.check.ok, row.prints > 0 || row.said.empty() ||
                                  row.said.find("cut short") != std::string::npos);
        // At the first fault the reader wants no more: of the 5 MB line, not past its bound.
        if (!p.check.ok) {
            EXPECT_LE(p.read, 3 * running::kMaxLineBytes);
        }
    }
    // The driver's own script: a trillion ticks and a 5 MB line are skipped, and it plays on.
    std::istringstream script(start + "tick1 1000000000000\n" + big + "x\nprint");
    std::ostringstream out, errors;
    trace::Trace().run(script, out, errors);
    EXPECT_EQ(errors.str(),
              "line 3: a count of 1000000000000 is more ticks than a match can hold (50000000)\n"
              "line 4: longer than 4096 bytes\n");
    const std::string printed = out.str();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
    // What the game recorded says how it was timed, and CRLF plays as LF.
    Live live({.classicTiming = true});
    live.play("load; click; at 400; cmd easy");
    live.game.finishRecording();
    const Played own = replay(live.sink.text);
    EXPECT_TRUE(own.message.empty() && own.out.size() > 0) << own.message;
    EXPECT_EQ(own.check.timing, flow::Clock::Timing::Classic);
    EXPECT_EQ(replay("load\r\nclick splash\r\ntick1 tick4 30\r\nprint\r\n").out,
              replay("load\nclick splash\ntick1 tick4 30\nprint\n").out);
}

}  // namespace
}  // namespace engine_test
