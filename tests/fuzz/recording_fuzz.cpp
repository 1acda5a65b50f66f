// Any bytes as a player's recording: the check, whole and a piece at a time, must agree and say
// one line; what passes plays on a game as a recording, and the same bytes as the driver's own
// script play on a game whose `shot` draws but writes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/running/recording_check.h"
#include "engine/running/replay.h"
#include "engine/running/script_text.h"
#include "tests/fuzz/require.h"

namespace {

// The fuzzer's own budget: a script of more ticks is checked but not played, so that each input
// takes milliseconds (the game's bound lets a script play for a minute).
constexpr std::uint64_t kTicksPlayed = 5'000;

struct Silent final : running::Outlet {
    void playWave(std::span<const std::uint8_t>) override {}
    void showMessage(std::string_view, std::string_view) override {}
};

// The game as a stage whose shot renders the window but writes no file.
struct NoFiles final : running::ScriptStage {
    running::Game& game;
    explicit NoFiles(running::Game& g) : game(g) {}
    flow::MainWindow& form() override { return game.form(); }
    void queueRnd(float value) override { game.queueRnd(value); }
    std::string report() override { return game.report(); }
    void shot(const std::string& window, const std::string&) override {
        const running::Window which = window == "Form1"   ? running::Window::Main
                                      : window == "Form2" ? running::Window::About
                                                          : running::Window::Help;
        game.takeFrame(which);
    }
    void afterEvent() override { game.afterEvent(); }
};

// The ticks the lines of a script ask for, read as the player reads them.
std::uint64_t ticksAsked(std::string_view text) {
    std::uint64_t ticks = 0;
    running::LineReader lines;
    const auto add = [&ticks](const running::LineReader::Line& line) {
        try {
            if (line.fault.empty())
                ticks += running::readLine(line.text).ticks();
        } catch (const std::exception&) {
        }
        return true;
    };
    lines.feed(text, add);
    if (const auto last = lines.rest())
        add(*last);
    return ticks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const running::ScriptCheck whole = running::checkRecording("fuzz.trace", text);
    running::RecordingReader reader("fuzz.trace");
    for (std::size_t at = 0; at < text.size(); at += 7) {
        if (!reader.feed(text.substr(at, 7)))
            break;
    }
    const running::ScriptCheck pieces = reader.finish();
    require(whole.ok == pieces.ok && whole.message == pieces.message);
    require(whole.message.find('\n') == std::string::npos);
    require(whole.ok || !whole.message.empty());
    require(whole.playable <= text.size() && whole.ticks <= running::kMaxTicks);

    const running::ScriptSink ignore = [](std::string_view) {};
    Silent outlet;
    if (whole.ok && whole.ticks <= kTicksPlayed) {
        running::Game game(outlet, running::Options{});
        int bad = 0;
        running::replayRecording(game, "fuzz.trace", text, ignore,
                                 [&bad](std::string_view) { ++bad; });
        // What the check let through plays without a fault; only its own message may follow.
        require(bad == (whole.message.empty() ? 0 : 1));
    }
    if (ticksAsked(text) <= kTicksPlayed) {
        running::Game game(outlet, running::Options{});
        game.playScript({}, ignore, ignore);
        NoFiles stage(game);
        running::ScriptPlayer(stage).run(text, ignore, ignore);
        game.takeFrame(running::Window::Main);
    }
    return 0;
}
