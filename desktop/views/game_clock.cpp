#include "desktop/views/game_clock.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace views {

GameClock::GameClock(flow::Clock::Timing timing) : clock_(timing) {
    wake_.setTimerType(Qt::PreciseTimer);
    wake_.setSingleShot(true);
    QObject::connect(&wake_, &QTimer::timeout, [this] { woken(); });
}

flow::Nanos GameClock::now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

flow::Clock::Id GameClock::add(tk::Timer& timer, std::function<void()> tick) {
    const flow::Clock::Id id = clock_.add(
        timer,
        [this, tick = std::move(tick)] {
            const flow::Nanos start = now();
            tick();
            busyNs_ += now() - start;
        },
        now());
    arm();
    return id;
}

void GameClock::remove(flow::Clock::Id id) {
    clock_.remove(id);
    arm();
}

void GameClock::sync() {
    // Inside a tick the clock reads the timers itself, and the wake is armed once it is done.
    if (clock_.ticking())
        return;
    clock_.sync(now());
    arm();
}

void GameClock::setTiming(flow::Clock::Timing timing) {
    clock_.setTiming(timing, now());
    arm();
}

void GameClock::holdUp() {
    clock_.holdUp(now());
    arm();
}

void GameClock::goOn() {
    clock_.goOn(now());
    arm();
}

void GameClock::woken() {
    lastWake_ = now();
    if (clock_.advance(lastWake_) > 0 && afterTicks)
        afterTicks();
    arm();
}

void GameClock::arm() {
    const std::optional<flow::Nanos> due = clock_.nextDue();
    if (!due) {
        wake_.stop();
        return;
    }
    flow::Nanos at = *due;
    if (clock_.timing() == flow::Clock::Timing::Steady)
        at = std::max(at, lastWake_ + kWakeGap);
    // Whole milliseconds, rounded up: a wake a little late catches up, one early finds nothing.
    const flow::Nanos wait = std::max<flow::Nanos>(0, at - now());
    wake_.start(std::chrono::milliseconds((wait + flow::kMillisecond - 1) / flow::kMillisecond));
}

long GameClock::takeBusyMs() {
    return static_cast<long>(std::exchange(busyNs_, 0) / flow::kMillisecond);
}

}  // namespace views
