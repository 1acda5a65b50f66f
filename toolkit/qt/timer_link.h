// One platform timer per game timer. The game owns Enabled; after each event the link mirrors
// it: a change from off to on starts the count afresh, a change from on to off stops it.
#pragma once

#include <QTimer>

#include <cstdint>
#include <functional>
#include <utility>

#include "toolkit/core/controls.h"

namespace tkqt {

// The desktops of 2002 fired timers only on the system clock's beat, 64 times a second: a 10 ms
// or 1 ms timer ticked every 15.625 ms, a 20 ms one every second beat.
constexpr std::int64_t kClassicBeatNs = 15'625'000;

// When a timer on that beat fires next, in nanoseconds of a steady clock: the first beat at least
// `intervalMs` after the beat it was last due at, and after `nowNs` (beats missed while the
// window was held up make one late tick, not a burst).
std::int64_t nextClassicBeat(std::int64_t lastDueNs, int intervalMs, std::int64_t nowNs);

class TimerLink {
  public:
    TimerLink(tk::Timer& model, std::function<void()> onTick);
    TimerLink(const TimerLink&) = delete;
    TimerLink& operator=(const TimerLink&) = delete;

    // For the whole run, before any window is made: every timer keeps the beat of 2002.
    static void useClassicTiming(bool on);

    void sync();
    const QTimer& timer() const { return timer_; }
    const tk::Timer& model() const { return model_; }

    // How many times the timer has fired since the last call, and the milliseconds its handler
    // took meanwhile (a point's pause blocks every timer); for the tick-rate diagnostic.
    long takeTickCount() { return std::exchange(ticks_, 0); }
    long takeBusyMs() { return std::exchange(busyNs_, 0) / 1'000'000; }

  private:
    void armForNextBeat();

    tk::Timer& model_;
    QTimer timer_;
    bool running_ = false;
    bool classic_ = false;
    std::int64_t dueNs_ = 0;  // on the classic beat: when the armed tick is due
    long ticks_ = 0;
    long busyNs_ = 0;
};

}  // namespace tkqt
