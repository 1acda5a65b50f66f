// The recorder's script, line by line: ticks counted into runs and rounds, random numbers before
// the event that drew them, nested events after the one that opened them, what is flushed, a
// sink that fails; a message box passed on and noted. The state report's quoting of captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/flow/session.h"
#include "engine/flow/session_recorder.h"
#include "tests/engine/live_game.h"
#include "tools/trace/scripted_host.h"

namespace engine_test {
namespace {

const std::string kHeader = "# smashbol session: replay with smashbol-trace --replay s.trace\n";

struct Recording {
    trace::ScriptedHost host;
    flow::Session<flow::SessionRecorder> session{host};
    flow::SessionRecorder& recorder = session.host;
    Sink sink;

    Recording(int room = 1000, bool failFlush = false) {
        host.queueRnd({0.25f, 0.5f, 0.75f});
        sink.room = room;
        sink.failFlush = failFlush;
        recorder.recordTo(sink, "s.trace");
    }

    // One character an event: 1, 2, 4 a tick of that timer, r a tick1 that draws a random
    // number, k a key, K a key that draws two, ( a menu command whose modal window stays open
    // until ), x a number drawn outside any event; s the recording stopped, f finished (twice).
    void play(std::string_view events) {
        for (const char e : events) {
            if (e == ')' || e == 'x' || e == 's' || e == 'f') {
                e == ')'   ? recorder.end()
                : e == 'x' ? void(recorder.Rnd())
                : e == 's' ? recorder.stop()
                           : (recorder.finish(session.form), recorder.finish(session.form));
                continue;
            }
            recorder.begin(e == '('               ? "menu about"
                           : e == 'k' || e == 'K' ? "keydown 37"
                                                  : "tick" + std::string(1, e == 'r' ? '1' : e));
            for (int draws = e == 'r' ? 1 : e == 'K' ? 2 : 0; draws > 0; --draws)
                recorder.Rnd();
            if (e != '(')
                recorder.end();
        }
    }
};

TEST(SessionRecorder, WritesTicksCompactlyEveryDrawBeforeItsEventAndStopsWhenTheSinkFails) {
    struct Row {
        const char *name, *events, *script;  // script after the first line; "@" the closing lines
        int flushes, room = 1000;            // room: pieces the sink takes, its first line included
        bool failFlush = false;
    } rows[] = {
        {"one timer's run is a count", "4444", "tick4 4\n", 0},
        {"a lone tick has no count; a key goes out at once", "1k", "tick1\nkeydown 37\n", 1},
        {"timers taking turns are a round and its count", "121212k", "tick1 tick2 3\nkeydown 37\n",
         1},
        {"a round that came once is its ticks", "12k", "tick1\ntick2\nkeydown 37\n", 1},
        {"ticks that never came round before a round", "4121212",
         "tick4\ntick1\ntick2\ntick1 tick2 2\n", 0},
        {"a fast timer beside a slow one", "1444144", "tick1\ntick4 3\ntick1\ntick4 2\n", 0},
        {"a round, then what is left of the next", "12121", "tick1 tick2 2\ntick1\n", 0},
        {"a tick's draw after the ticks before it", "11r1", "tick1 2\nrnd 0.25\ntick1 2\n", 0},
        {"a key's draws before the key", "1K", "tick1\nrnd 0.25 0.5\nkeydown 37\n", 1},
        {"a draw outside any event at once", "1x1", "tick1\nrnd 0.25\ntick1\n", 0},
        {"ticks behind a modal window after its command", "(11)k",
         "menu about\ntick1 2\nkeydown 37\n", 2},
        {"a command's draw after its window's ticks", "(1x)", "menu about\ntick1\nrnd 0.25\n", 1},
        {"finished once, an open command closed", "(1f", "menu about\ntick1\n@", 2},
        {"a sink full after two pieces", "(1f", "menu about\n", 1, 2},
        {"a sink that cannot flush", "(1f", "menu about\n", 1, 1000, true},
        {"stopped", "1s1kf", "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Recording r(row.room, row.failFlush);
        r.play(row.events);
        r.recorder.catchUp();
        std::string script = kHeader + row.script;
        if (script.back() == '@')
            script.replace(script.size() - 1, 1, r.recorder.closing(r.session.form));
        EXPECT_EQ(r.sink.text, script);
        EXPECT_EQ(r.sink.flushes, row.flushes) << "a key, a command and the end are flushed";
    }
}

// A message box is shown and noted. The clips, the pauses and the window's growth noted are the
// closing state of a live session's recording, which the running game's test holds to the driver's.
TEST(SessionRecorder, PassesAMessageBoxOnAndNotesIt) {
    Recording r;
    r.session.module1.PlayClip(9, "RESTYPE");
    EXPECT_EQ(r.recorder.effects().messages,
              std::vector<std::string>{flow::kMissingResourceMessage});
    EXPECT_EQ(r.host.messages, r.recorder.effects().messages);
}

// Quotes, backslashes and letters past ASCII are in the fixtures' captions; here the control
// characters, a space and DEL, which are none.
TEST(StateReport, QuotesCaptionsAsJson) {
    const std::string caption = "a\nb\tc\x01\x1f \x7f";
    const std::string json = R"("a\nb\tc\u0001\u001f )"
                             "\x7f\"";
    flow::Session<trace::ScriptedHost> session;
    session.form.Label12.Caption = caption;
    flow::OutsideEffects effects;
    effects.messages = {caption};
    const std::string report = flow::stateReport(session.form, effects);
    EXPECT_NE(report.find("\"Label12\":" + json + ","), std::string::npos) << report;
    EXPECT_NE(report.find("\"msgbox\":[" + json + "]}"), std::string::npos);
}

}  // namespace
}  // namespace engine_test
