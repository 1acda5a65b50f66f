// Every script in tests/fixtures replayed by the headless driver: what it prints and the lines it
// cannot read, in order, must be what the script's .expected file holds. The comments in each
// script say what it plays. After a change that alters the states on purpose, rewrite the files
// and read the difference before committing it:
//   SMASHBOL_REWRITE_FIXTURES=1 build/tests/engine/engine_tests --gtest_filter=Trace.*
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/flow/session.h"
#include "engine/flow/session_recorder.h"
#include "tools/trace/scripted_host.h"
#include "tools/trace/trace.h"

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

// A session recorded as it is played replays in the driver to the very state the recorder wrote
// at its end: the intro's ticks taking turns, a match's keys, points with their random numbers,
// pauses, clips and the window's growth.
TEST(SessionRecorder, ARecordingReplaysToTheStateItEndsWith) {
    struct Text : flow::RecordingSink {
        std::string text;
        bool write(std::string_view more) override { return text += more, true; }
    } sink;
    trace::ScriptedHost host;
    for (int i = 0; i < 400; ++i)
        host.queueRnd({0.1f + 0.2f * static_cast<float>(i % 5)});
    flow::Session<flow::SessionRecorder> session(host);
    flow::SessionRecorder& recorder = session.host;
    flow::MainWindow& form = session.form;
    recorder.recordTo(sink, "s.trace");
    const auto run = [&](const std::string& line, auto&& handler) {
        recorder.begin(line);
        handler();
        recorder.end();
    };
    using W = flow::MainWindow;
    const auto tick = [&](void (W::*handler)(), const tk::Timer& timer) {
        if (timer.Enabled)  // as the clock ticks only running timers
            run(recorder.lineOf(handler), [&] { (form.*handler)(); });
    };
    run("load", [&] { form.Form_Load(); });
    run("click splash", [&] { form.Picture4_Click(); });
    for (int i = 0; i < 300; ++i)
        i % 10 ? tick(&W::Timer4_Timer, form.Timer4) : tick(&W::Timer1_Timer, form.Timer1);
    run("menu hard", [&] { form.hard_Click(); });
    run("keydown 37", [&] { form.Form_KeyDown(37, 0); });
    for (int i = 0; i < 3000; ++i)
        i % 2 ? tick(&W::Timer2_Timer, form.Timer2) : tick(&W::Timer1_Timer, form.Timer1);
    recorder.finish(form);
    EXPECT_GT(host.sleeps.size(), 0u) << "points were played";
    std::istringstream script(sink.text);
    std::ostringstream out, bad;
    EXPECT_EQ(trace::Trace().run(script, out, bad), 0) << bad.str();
    EXPECT_EQ(out.str(), sink.text.substr(sink.text.rfind("\n# ") + 3));
}

}  // namespace
