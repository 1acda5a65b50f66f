// The game's one clock. Every timer of the three windows ticks by it: a front end tells it the
// time and wakes it when it says the next tick is due, and it runs the ticks that fell due since,
// in the order they fell due, as if the machine had kept up with every timer. Two timers due at
// the same moment tick in the order they were added.
//
// A timer switched on counts its interval from that moment; switched off it stops; off and on
// again inside one handler starts the count afresh. The clock reads every timer's Enabled after
// each tick; after any other event (a key, a menu command, a click) the front end tells it to.
//
// Time in which the window's thread was held up (a point's pause, a message box) is not caught
// up: each timer that fell due meanwhile ticks once, as the one timer message waiting in a queue
// would, and counts on from the end of the hold. A timer that falls more than a quarter of a
// second behind (a machine that stalled) forgets the ticks it missed in the same way.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <optional>

#include "engine/core/controls.h"

namespace flow {

// Nanoseconds of a steady clock.
using Nanos = std::int64_t;
constexpr Nanos kMillisecond = 1'000'000;

// The desktops of 2002 fired timers only on the system clock's beat, 64 times a second: a 10 ms
// or 1 ms timer ticked every 15.625 ms, a 20 ms one every second beat.
constexpr Nanos kClassicBeat = 15'625'000;

// A timer further behind than this ticks once and forgets the rest.
constexpr Nanos kLongestCatchUp = 250 * kMillisecond;

// When a timer on the classic beat fires next: the first beat at least `intervalMs` after the
// beat it was last due at, and after `now` (beats missed make one late tick, not a burst).
Nanos nextClassicBeat(Nanos lastDue, int intervalMs, Nanos now);

class Clock {
  public:
    enum class Timing {
        Steady,   // every interval as the window asks for it; missed ticks are caught up
        Classic,  // on the beat of 2002
    };
    using Id = int;

    explicit Clock(Timing timing = Timing::Steady) : timing_(timing) {}
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;

    Timing timing() const { return timing_; }
    // Changes the timing at `now`: every running timer counts its interval afresh from then, on
    // the new timing's terms.
    void setTiming(Timing timing, Nanos now);

    // Runs `tick` for every tick of `timer` from now on, until the timer is removed; `timer` must
    // live that long. Its Enabled is read at once, at `now`.
    Id add(tk::Timer& timer, std::function<void()> tick, Nanos now);
    // Safe inside a tick; an unknown id is ignored.
    void remove(Id id);

    // After an event that is not a tick: every timer's Enabled, read at `now`. Inside a tick it
    // does nothing; the clock reads them itself once the handler is done.
    void sync(Nanos now);

    // Runs every tick due by `now`, in order, and says how many ran. Does nothing inside a tick
    // or while held up, and stops after a tick that left the clock held up: a front end that
    // does not block ends the hold later and advances again.
    int advance(Nanos now);

    // The window's thread is held up from `now`: no tick runs until goOn. Holds may nest. What
    // the event so far did to the timers counts from its moment (a timer it switched on before
    // a pause falls due in the pause).
    void holdUp(Nanos now);
    // The (outermost) hold ended at `now`: every timer that fell due meanwhile ticks once, at
    // `now`, and counts on from there. Inside a tick, those ticks follow it in the same advance.
    void goOn(Nanos now);

    // When the next tick falls due: none while no timer runs, and none inside a tick or while
    // held up (the front end asks again after the advance, or after goOn).
    std::optional<Nanos> nextDue() const;

    // Whether the timer runs on this clock, and when it ticks next.
    bool running(const tk::Timer& timer) const;
    std::optional<Nanos> dueOf(const tk::Timer& timer) const;

    bool ticking() const { return ticking_; }
    // The moment the event in hand stands for: inside a tick the tick's own, else `now`.
    Nanos momentOf(Nanos now) const { return ticking_ ? moment_ : now; }
    bool heldUp() const { return holds_ > 0; }

    // How many times the timer ticked since the last call (for a diagnostic).
    long takeTicks(Id id);

  private:
    struct Entry {
        Id id;
        tk::Timer* timer;  // null once removed inside a tick
        std::function<void()> tick;
        bool running = false;
        unsigned starts = 0;  // the timer's switch-ons when it was last read
        Nanos due = 0;
        long ticks = 0;
    };

    void follow(Entry& e, Nanos now);
    void followAll(Nanos now);
    const Entry* find(const tk::Timer& timer) const;
    Entry* nextDueBy(Nanos horizon);
    Nanos firstDue(const Entry& e, Nanos from) const;

    Timing timing_;
    std::list<Entry> entries_;  // in the order added: ties go to the earlier
    Id nextId_ = 1;
    bool ticking_ = false;
    int holds_ = 0;
    Nanos horizon_ = 0;  // while advancing: the ticks due by then run
    Nanos moment_ = 0;   // while a tick runs: the moment it stands for
};

}  // namespace flow
