// The running game's clock on Qt's event loop: one precise single-shot timer wakes the game when
// it says it has something to do next. With today's timing the wakes are batched, at most one a
// display frame: each runs every tick that fell due since (the intro's 1 ms timer sixteen at a
// time), which costs the machine far less than a wake a tick, and the window is mirrored once
// after them. (Painting at once in the wake, not at the canvas's own frame timer, was measured
// to cost twice the time.) With the timing of 2002 every tick is on the beat and each beat is
// one wake.
#pragma once

#include <QTimer>

#include <functional>
#include <optional>

#include "engine/flow/clock.h"

namespace views {

class GameClock {
  public:
    // The least time between two batched wakes: the canvas's display frame, which the windows
    // set once they know the screen (60 Hz until then).
    void setGap(flow::Nanos gap) { gap_ = gap; }

    // `woken` runs at each wake with the time it woke at.
    explicit GameClock(std::function<void(flow::Nanos now)> woken);
    GameClock(const GameClock&) = delete;
    GameClock& operator=(const GameClock&) = delete;

    // The time of the steady clock the game keeps.
    static flow::Nanos now();

    // The next wake at `due` (none: the clock sleeps), `batched` with today's timing.
    void arm(std::optional<flow::Nanos> due, bool batched);

    const QTimer& wake() const { return wake_; }

  private:
    std::function<void(flow::Nanos)> woken_;
    QTimer wake_;
    flow::Nanos lastWake_ = 0;
    flow::Nanos gap_ = 16 * flow::kMillisecond;
};

}  // namespace views
