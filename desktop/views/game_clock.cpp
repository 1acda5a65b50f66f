#include "desktop/views/game_clock.h"

#include <algorithm>
#include <chrono>

namespace views {

GameClock::GameClock(std::function<void(flow::Nanos now)> woken) : woken_(std::move(woken)) {
    wake_.setTimerType(Qt::PreciseTimer);
    wake_.setSingleShot(true);
    QObject::connect(&wake_, &QTimer::timeout, [this] {
        lastWake_ = now();
        woken_(lastWake_);
    });
}

flow::Nanos GameClock::now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void GameClock::arm(std::optional<flow::Nanos> due, bool batched) {
    if (!due) {
        wake_.stop();
        return;
    }
    flow::Nanos at = *due;
    if (batched)
        at = std::max(at, lastWake_ + gap_);
    // Whole milliseconds, rounded up: a wake a little late catches up, one early finds nothing.
    const flow::Nanos wait = std::max<flow::Nanos>(0, at - now());
    wake_.start(std::chrono::milliseconds((wait + flow::kMillisecond - 1) / flow::kMillisecond));
}

}  // namespace views
