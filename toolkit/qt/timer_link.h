// One platform timer per game timer. The game owns Enabled; after each event the link mirrors
// it: a change from off to on starts the count afresh, a change from on to off stops it.
#pragma once

#include <QTimer>

#include <functional>
#include <utility>

#include "toolkit/core/controls.h"

namespace tkqt {

class TimerLink {
  public:
    TimerLink(tk::Timer& model, std::function<void()> onTick);
    TimerLink(const TimerLink&) = delete;
    TimerLink& operator=(const TimerLink&) = delete;

    void sync();
    const QTimer& timer() const { return timer_; }
    const tk::Timer& model() const { return model_; }

    // How many times the timer has fired since the last call, and the milliseconds its handler
    // took meanwhile (a point's pause blocks every timer); for the tick-rate diagnostic.
    long takeTickCount() { return std::exchange(ticks_, 0); }
    long takeBusyMs() { return std::exchange(busyNs_, 0) / 1'000'000; }

  private:
    tk::Timer& model_;
    QTimer timer_;
    bool running_ = false;
    long ticks_ = 0;
    long busyNs_ = 0;
};

}  // namespace tkqt
