#include "toolkit/qt/timer_link.h"

#include <QElapsedTimer>

namespace tkqt {

TimerLink::TimerLink(tk::Timer& model, std::function<void()> onTick) : model_(model) {
    // Coarse timers may fire a 10 ms interval 5 % late, and the game's speed is counted in ticks.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this, tick = std::move(onTick)] {
        ++ticks_;
        QElapsedTimer took;
        took.start();
        tick();
        busyNs_ += took.nsecsElapsed();
    });
}

void TimerLink::sync() {
    if (model_.Enabled == running_)
        return;
    running_ = model_.Enabled;
    if (running_)
        timer_.start(model_.Interval);
    else
        timer_.stop();
}

}  // namespace tkqt
