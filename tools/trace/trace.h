// The headless driver: reads a script of events and plays it on a running game that nothing is
// shown from, printing the state as one JSON object a line. Used to replay a player's recording
// without a window, and by the tests' fixtures.
#pragma once

#include <iosfwd>
#include <string_view>

#include "engine/running/running_game.h"

namespace trace {

class Trace {
  public:
    Trace();

    // Plays a script of the developer's own (`set` and `shot` too) a line at a time, as it is
    // read; returns the number of lines that could not be played, each reported to `errors`.
    int run(std::istream& script, std::ostream& out, std::ostream& errors);

    // A player's recording, named `name` in what is said of it: checked whole first and, unless
    // only checked, replayed to its last whole line, writing no file. Returns 2 when it is
    // refused (one line to `errors` says why), 0 otherwise (one line says it was cut short).
    int replay(std::istream& recording, std::string_view name, std::ostream& out,
               std::ostream& errors, bool checkOnly = false);

  private:
    // The world outside the game: no sound, no message box, no window.
    struct Silent final : running::Outlet {
        void playWave(std::span<const std::uint8_t>) override {}
        void showMessage(std::string_view, std::string_view) override {}
    };

    Silent outlet_;
    running::Game game_;
};

}  // namespace trace
