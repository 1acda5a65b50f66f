// The game's clock on Qt's event loop: one precise single-shot timer wakes it when its next tick
// falls due. The wakes are batched, at most one a game tick (10 ms): each runs every tick that
// fell due since (the intro's 1 ms timer ten at a time), which costs the machine far less than a
// wake a tick, and the window is mirrored once after them. It is painted at the display's rate
// anyway. With the timing of 2002 every tick is on the beat and each beat is one wake.
#pragma once

#include <QTimer>

#include <functional>

#include "engine/flow/clock.h"

namespace views {

class GameClock {
  public:
    // The least time between two wakes with today's timing: the game tick's interval.
    static constexpr flow::Nanos kWakeGap = 10 * flow::kMillisecond;

    explicit GameClock(flow::Clock::Timing timing = flow::Clock::Timing::Steady);
    GameClock(const GameClock&) = delete;
    GameClock& operator=(const GameClock&) = delete;

    // The time of the steady clock the game keeps.
    static flow::Nanos now();

    // Runs `tick` for each tick of `timer` from now on, until removed.
    flow::Clock::Id add(tk::Timer& timer, std::function<void()> tick);
    void remove(flow::Clock::Id id);

    // After an event that is not a tick: the timers it switched on or off.
    void sync();

    // Today's timing or the beat of 2002 from now on: each running timer counts afresh.
    void setTiming(flow::Clock::Timing timing);

    // The game holds up the window's thread (a point's pause, a message box), then goes on.
    void holdUp();
    void goOn();

    // Called after each wake that ran ticks, once all of them are done.
    std::function<void()> afterTicks;

    bool running(const tk::Timer& timer) const { return clock_.running(timer); }
    const flow::Clock& clock() const { return clock_; }
    const QTimer& wake() const { return wake_; }

    // For the tick-rate diagnostic: a timer's ticks, and the milliseconds every handler took
    // (a point's pause included), since the last call.
    long takeTicks(flow::Clock::Id id) { return clock_.takeTicks(id); }
    long takeBusyMs();

  private:
    void woken();
    void arm();

    flow::Clock clock_;
    QTimer wake_;
    flow::Nanos lastWake_ = 0;
    flow::Nanos busyNs_ = 0;
};

}  // namespace views
