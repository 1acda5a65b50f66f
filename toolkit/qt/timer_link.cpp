#include "toolkit/qt/timer_link.h"

#include <QElapsedTimer>

#include <chrono>

namespace tkqt {

namespace {

bool classicTiming = false;

std::int64_t steadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t firstBeatAtOrAfter(std::int64_t ns) {
    return (ns + kClassicBeatNs - 1) / kClassicBeatNs * kClassicBeatNs;
}

}  // namespace

std::int64_t nextClassicBeat(std::int64_t lastDueNs, int intervalMs, std::int64_t nowNs) {
    std::int64_t due = lastDueNs;
    do
        due = firstBeatAtOrAfter(due + std::int64_t{intervalMs} * 1'000'000);
    while (due <= nowNs);
    return due;
}

void TimerLink::useClassicTiming(bool on) {
    classicTiming = on;
}

TimerLink::TimerLink(tk::Timer& model, std::function<void()> onTick)
    : model_(model), classic_(classicTiming) {
    // Coarse timers may fire a 10 ms interval 5 % late, and the game's speed is counted in ticks.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(classic_);
    QObject::connect(&timer_, &QTimer::timeout, [this, tick = std::move(onTick)] {
        // Armed before the handler runs: a handler that stops its timer stops this too.
        if (classic_)
            armForNextBeat();
        ++ticks_;
        QElapsedTimer took;
        took.start();
        tick();
        busyNs_ += took.nsecsElapsed();
    });
}

void TimerLink::armForNextBeat() {
    const std::int64_t now = steadyNowNs();
    dueNs_ = nextClassicBeat(dueNs_, model_.Interval, now);
    timer_.start(static_cast<int>((dueNs_ - now + 999'999) / 1'000'000));
}

void TimerLink::sync() {
    if (model_.Enabled == running_)
        return;
    running_ = model_.Enabled;
    if (!running_) {
        timer_.stop();
    } else if (classic_) {
        dueNs_ = steadyNowNs();
        armForNextBeat();
    } else {
        timer_.start(model_.Interval);
    }
}

}  // namespace tkqt
