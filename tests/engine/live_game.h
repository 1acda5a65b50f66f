// A running game as a front end drives it, on a clock the test sets, its session recorded; and the
// headless driver that replays what it recorded.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/running/running_game.h"
#include "tools/trace/trace.h"

namespace engine_test {

// What the game asked of the front end.
struct Notes final : running::Outlet {
    std::vector<std::vector<std::uint8_t>> waves;
    std::string log;
    void playWave(std::span<const std::uint8_t> wave) override {
        waves.emplace_back(wave.begin(), wave.end());
    }
    void showMessage(std::string_view, std::string_view) override { log += "message;"; }
    void fullScreenAsked(bool on) override { log += on ? "full screen;" : "window;"; }
    void menuBarAsked() override { log += "menu bar;"; }
    void settingsMenuAsked() override { log += "settings menu;"; }
    void settingsChanged(const running::Settings& s) override {
        log += "zoom " + std::to_string(s.zoom) + (s.fullScreen ? " full;" : ";");
    }
    void ended() override { log += "ended;"; }
};

// Where a recording goes: a text that takes `room` pieces, then fails; a flush that may fail.
struct Sink final : flow::RecordingSink {
    std::string text;
    int flushes = 0;
    int room = 1 << 30;
    bool failFlush = false;
    bool write(std::string_view more) override { return --room >= 0 && (text += more, true); }
    bool flush() override { return ++flushes, !failFlush; }
};

// A key by a short name: an arrow ("left", "up"), "enter", "space", "esc", "F10", "F11", "alt",
// a letter or sign typed where it lies, or "@" and a letter: that letter's place only (a Russian
// layout); "ctrl+" before any of them.
inline running::Key keyNamed(std::string_view name) {
    using Named = running::Key::Named;
    running::Key key;
    if (name.rfind("ctrl+", 0) == 0) {
        key.ctrl = true;
        name = name.substr(5);
    }
    const std::pair<const char*, Named> named[] = {{"left", Named::Left},   {"right", Named::Right},
                                                   {"up", Named::Up},       {"down", Named::Down},
                                                   {"enter", Named::Enter}, {"space", Named::Space},
                                                   {"esc", Named::Escape},  {"F10", Named::F10},
                                                   {"F11", Named::F11},     {"alt", Named::Alt}};
    for (const auto& [word, n] : named) {
        if (name == word)
            key.named = n;
    }
    if (name.size() == 2 && name[0] == '@')
        key.place = name[1];
    else if (key.named == Named::None)
        key.symbol = key.place = static_cast<char>(std::toupper(name[0]));
    key.alt = key.named == Named::Alt;
    return key;
}

// Steps joined by ";": "load", "click" (the splash), "cmd NAME", "at MS" (the time comes:
// advance), "down KEY", "repeat KEY", "up KEY", "away" (the focus goes to another program),
// "inside" (to another window of the game), "point" (the ball put where the next game tick
// scores: not a player's input).
struct Live {
    explicit Live(running::Settings settings = {})
        : game(notes, {.settings = settings, .now = [this] { return now; }, .seed = 2002}) {
        game.recordTo(sink, "live.trace");
    }

    void play(const std::string& steps) {
        std::istringstream in(steps);
        for (std::string step; std::getline(in, step, ';');) {
            std::istringstream words(step);
            std::string verb, arg;
            words >> verb >> arg;
            if (verb == "load") {
                game.load();
            } else if (verb == "click") {
                const tk::Rect splash = tk::controlRect(game.form().Picture4);
                const int x = splash.x + splash.width / 2, y = splash.y + splash.height / 2;
                game.click(running::Window::Main, x, y, x, y);
            } else if (verb == "cmd") {
                if (!game.command(arg))
                    notes.log += "refused " + arg + ";";
            } else if (verb == "at") {
                now = static_cast<flow::Nanos>(std::stod(arg) * 1e6);
                game.advance(now);
            } else if (verb == "down" || verb == "repeat") {
                running::Key key = keyNamed(arg);
                key.repeat = verb == "repeat";
                game.keyDown(key);
            } else if (verb == "up") {
                game.keyUp(keyNamed(arg));
            } else if (verb == "away" || verb == "inside") {
                game.focusLost(verb == "away");
            } else if (verb == "point") {
                game.form().ball.Top = -1;
                game.form().ballStepY = 0;
            } else {
                ADD_FAILURE() << "no step " << step;
            }
        }
    }

    flow::Nanos now = 0;
    Notes notes;
    Sink sink;
    running::Game game;
};

// What the driver prints of a script, which it must play without a complaint.
inline std::string driverPrints(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, bad;
    EXPECT_EQ(trace::Trace().run(in, out, bad), 0) << bad.str();
    return out.str();
}

}  // namespace engine_test
