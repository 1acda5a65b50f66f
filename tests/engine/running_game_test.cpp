// The running game as a front end drives it, on a clock the test sets: holds that keep the ticks
// and the input back and hand the input over in order, the window's own keys, the open windows,
// the focus, the frames and clips around a point's pause, and a live session's recording
// replayed by the driver.
#include <sstream>
#include <string>

#include "assets/embedded_resources.h"
#include "tests/engine/live_game.h"

namespace engine_test {
namespace {

using flow::Nanos;
using running::Window;

TEST(RunningGame, InputOnItsWay) {
    struct Row {
        const char* name;
        const char* steps;
        const char* events;
        const char* notes;
    };
    const Row rows[] = {
        {"a window key's release never reaches the game; Ctrl+A sets up a match on the splash",
         "load; down F11; repeat F11; up F11; down ctrl+a; repeat ctrl+a; up ctrl+a; up a",
         "load | menu easy | menu easy | keyup 65", "full screen;zoom 0 full;"},
        {"the zoom keys step from the zoom shown, within 1 to 4",
         "load; down ctrl+=; up ctrl+=; down ctrl+-; down ctrl+-; down ctrl+0; down ctrl+-", "load",
         "zoom 4;zoom 3;zoom 2;zoom 1;"},
        {"a pause holds the input back and hands it over in order at its end; each timer due "
         "meanwhile ticks once after",
         "load; click; cmd easy; down p; up p; point; at 10; down left; up left; down right; "
         "at 709; at 710",
         "load | click splash | menu easy | keydown 80 | keyup 80 | tick1 | keydown 37 | keyup 37 "
         "| "
         "keydown 39 | tick1 | tick2",
         ""},
        {"focus lost releases the keys held, and pauses only a running match",
         "load; click; down left; away; cmd easy; down p; up p; down right; inside; down right; "
         "away; away",
         "load | click splash | keydown 37 | keyup 37 | menu easy | keydown 80 | keyup 80 | "
         "keydown 39 | keyup 39 | keydown 39 | keyup 39 | keydown 80",
         ""},
        {"an open window takes the keys and refuses the game's menu; Escape closes it",
         "load; click; cmd about; cmd easy; down left; up left; down esc; up esc; cmd easy",
         "load | click splash | menu about | menu easy", "refused easy;"},
        {"Alt let go alone opens the menu bar; with a key between, it is the game's",
         "load; click; down alt; down left; up left; up alt; down alt; up alt",
         "load | click splash | keydown 0 | keydown 37 | keyup 37 | keyup 0 | keydown 0 | keyup 0",
         "menu bar;"},
        {"the menu's exit ends the run: nothing more reaches the game",
         "load; click; cmd exit; down left; cmd easy", "load | click splash | menu exit",
         "ended;refused easy;"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Live live;
        live.play(row.steps);
        live.game.finishRecording();
        // The recording's events, without the random numbers drawn, joined by " | ".
        std::istringstream in(live.sink.text);
        std::string events;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line[0] != '#' && line.rfind("rnd ", 0) != 0 && line != "print")
                events += (events.empty() ? "" : " | ") + line;
        }
        EXPECT_EQ(events, row.events);
        EXPECT_EQ(live.notes.log, row.notes);
    }
}

// Around a point's pause: the ticks and the frame stand still, the clip the handler played after
// the pause began sounds at its end, not before.
TEST(RunningGame, APointsPauseHoldsTheFrameAndTheClipAfterIt) {
    Live live;
    live.play("load; click; cmd easy; down p; up p; point");
    const tk::Frame before = live.game.takeFrame(Window::Main).frame;
    const std::size_t clips = live.notes.waves.size();
    live.play("at 10");
    ASSERT_TRUE(live.game.held());
    EXPECT_EQ(live.game.nextWake(), 710 * flow::kMillisecond);
    EXPECT_EQ(live.notes.waves.size(), clips + 1) << "the point's clip, before the pause";
    const auto held = live.game.takeFrame(Window::Main);
    EXPECT_TRUE(held.changed.empty());
    EXPECT_TRUE(held.frame == before) << "the picture from before the pause";
    live.play("at 709.999");
    EXPECT_EQ(live.notes.waves.size(), clips + 1);
    live.play("at 710");
    EXPECT_FALSE(live.game.held());
    ASSERT_EQ(live.notes.waves.size(), clips + 2) << "the serve's knock, at the pause's end";
    const std::string report = live.game.report();
    const auto clipsEnd = report.find(']', report.find("\"clips\":["));
    ASSERT_NE(clipsEnd, std::string::npos);
    const int knockId = report[clipsEnd - 1] - '0';
    EXPECT_EQ(live.notes.waves.back(),
              assets::EmbeddedResources().LoadResData(knockId, "RESTYPE").bytes);
    const auto after = live.game.takeFrame(Window::Main);
    EXPECT_FALSE(after.changed.empty());
    EXPECT_TRUE(tk::Rect(after.frame.bounds()).intersected(after.changed) == after.changed);
}

// Twenty seconds of a live session, the intro and a match with its points and pauses, the arrows
// pressed in the intro and in the match: the driver replays its recording to the very state the
// game ended in. Watched in a window: its ticks at the pace they were played (the time no timer
// ran, here the three seconds before the splash was clicked, is not in a recording), faster with
// Right, to the state the driver replays it to; the player's leaving at its end ends the watching,
// not the run.
TEST(RunningGame, ALiveSessionsRecordingReplaysInTheDriverAndWatchedAtItsPace) {
    Live live;
    live.play("load; at 3000; click");
    Nanos lastTick = 0;
    for (int ms = 3'007; ms < 20'000; ms += 7) {
        live.play("at " + std::to_string(ms) + (ms == 10'000 ? "; cmd hard; down p; up p" : ""));
        if (ms % 700 == 354)  // every 100th step
            live.play(ms % 1400 == 354 ? "down left" : "up left; down right; up right");
        if (live.game.takeTickCounts() != "Timer1=0 Timer2=0 Timer4=0")
            lastTick = live.now;
    }
    live.game.finishRecording();
    std::string text = live.sink.text;
    EXPECT_NE(text.find("\nkeydown 37\n"), std::string::npos);
    EXPECT_NE(text.find("\"sleeps\":[700"), std::string::npos) << "points were played";
    EXPECT_EQ(driverPrints(text), text.substr(text.rfind("\n# ") + 3));
    text.insert(text.rfind("print\n"), "keydown 0\nmenu exit\n");
    const std::string state = driverPrints(text);  // the player's Ctrl+D: its cue, not its end
    for (const int faster : {0, 3}) {
        SCOPED_TRACE(faster);
        Live watcher;  // watching stops its recording
        running::Game& game = watcher.game;
        Nanos& now = watcher.now;
        now = 1'000'000'000;  // the watching starts later than the front end's clock
        std::string printed;
        ASSERT_TRUE(game.watch("live.trace", text, [&](std::string_view s) { printed += s; }).ok);
        for (int i = 0; i < faster; ++i)
            game.keyDown(keyNamed("right"));
        EXPECT_EQ(game.title(Window::Main).rfind("SMASHBOL 2002 - Záznam", 0), 0u);
        const Nanos from = now;
        while (!game.watching()->over && now < from + 60'000'000'000) {
            now += 1'000'000;
            game.advance(now);
        }
        EXPECT_EQ(printed, state);
        EXPECT_NEAR((now - from) / 1e9, (lastTick - 3e9) / 1e9 / (1 << faster), 0.02);
        EXPECT_FALSE(game.ended());
        game.keyDown(keyNamed("esc"));
        EXPECT_TRUE(game.ended()) << "Escape leaves";
    }
}

}  // namespace
}  // namespace engine_test
