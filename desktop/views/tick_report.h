// A diagnostic for measuring the game's true speed (SMASHBOL_TICK_STATS): once a second, on
// standard error, how many times each of the main window's timers ran in that second, how long
// the second was, and how long the game held the window (the pause after a point holds every
// timer for 700 ms) or ran its handlers.
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "engine/running/running_game.h"

namespace views {

class TickReport {
  public:
    explicit TickReport(running::Game& game);

    // After each call into the game: the time it took, and whether the game holds now.
    void note(flow::Nanos busy, bool held);

  private:
    void report();

    running::Game& game_;
    QTimer every_;
    QElapsedTimer second_;
    flow::Nanos busy_ = 0;
    flow::Nanos heldSince_ = -1;
};

}  // namespace views
