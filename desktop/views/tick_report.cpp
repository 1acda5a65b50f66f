#include "desktop/views/tick_report.h"

#include <cstdio>

#include "desktop/views/game_clock.h"

namespace views {

TickReport::TickReport(running::Game& game) : game_(game) {
    every_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&every_, &QTimer::timeout, [this] { report(); });
    every_.start(1000);
    second_.start();
}

void TickReport::note(flow::Nanos busy, bool held) {
    busy_ += busy;
    const flow::Nanos now = GameClock::now();
    if (held && heldSince_ < 0)
        heldSince_ = now;
    if (!held && heldSince_ >= 0) {
        busy_ += now - heldSince_;
        heldSince_ = -1;
    }
}

void TickReport::report() {
    // A hold under way counts up to now, and on into the next second.
    if (heldSince_ >= 0) {
        const flow::Nanos now = GameClock::now();
        busy_ += now - heldSince_;
        heldSince_ = now;
    }
    const long windowMs = static_cast<long>(second_.restart());
    const long busyMs = static_cast<long>(std::exchange(busy_, 0) / flow::kMillisecond);
    std::fprintf(stderr, "ticks/s %s window_ms=%ld handlers_ms=%ld\n",
                 game_.takeTickCounts().c_str(), windowMs, busyMs);
    std::fflush(stderr);
}

}  // namespace views
