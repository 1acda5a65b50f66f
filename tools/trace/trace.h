// The headless driver: reads a script of events and plays it on a running game that nothing is
// shown from, printing the state as one JSON object a line. Used to replay a run without a
// window, and by the tests' fixtures.
#pragma once

#include <iosfwd>

#include "engine/running/running_game.h"

namespace trace {

class Trace {
  public:
    Trace();

    // Runs every line of the script, read to its end first; returns the number of lines that
    // could not be understood.
    int run(std::istream& script, std::ostream& out, std::ostream& errors);

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
