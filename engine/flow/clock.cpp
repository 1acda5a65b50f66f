#include "engine/flow/clock.h"

#include <algorithm>
#include <utility>

namespace flow {

namespace {

Nanos firstBeatAtOrAfter(Nanos ns) {
    return (ns + kClassicBeat - 1) / kClassicBeat * kClassicBeat;
}

Nanos intervalOf(const tk::Timer& timer) {
    return Nanos{timer.Interval} * kMillisecond;
}

}  // namespace

Nanos nextClassicBeat(Nanos lastDue, int intervalMs, Nanos now) {
    Nanos due = lastDue;
    do
        due = firstBeatAtOrAfter(due + Nanos{intervalMs} * kMillisecond);
    while (due <= now);
    return due;
}

Clock::Id Clock::add(tk::Timer& timer, std::function<void()> tick, Nanos now) {
    Entry& e = entries_.emplace_back(Entry{nextId_++, &timer, std::move(tick)});
    follow(e, ticking_ ? moment_ : now);
    return e.id;
}

void Clock::remove(Id id) {
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
    if (it == entries_.end())
        return;
    if (ticking_) {
        // The handler running may be this timer's own: the entry goes once the advance is done.
        it->timer = nullptr;
        it->running = false;
    } else {
        entries_.erase(it);
    }
}

Nanos Clock::firstDue(const Entry& e, Nanos from) const {
    if (timing_ == Timing::Classic)
        return nextClassicBeat(from, e.timer->Interval, from);
    return from + intervalOf(*e.timer);
}

void Clock::setTiming(Timing timing, Nanos now) {
    if (timing == timing_)
        return;
    timing_ = timing;
    for (Entry& e : entries_) {
        if (e.running)
            e.due = firstDue(e, ticking_ ? moment_ : now);
    }
}

void Clock::follow(Entry& e, Nanos now) {
    if (!e.timer)
        return;
    const tk::Timer& timer = *e.timer;
    // A timer of no interval never ticks, whatever its Enabled says.
    const bool on = timer.Enabled && timer.Interval > 0;
    const unsigned starts = timer.Enabled.starts();
    if (!on)
        e.running = false;
    else if (!e.running || starts != e.starts) {
        e.running = true;
        e.due = firstDue(e, now);
    }
    e.starts = starts;
}

void Clock::followAll(Nanos now) {
    for (Entry& e : entries_)
        follow(e, now);
}

void Clock::sync(Nanos now) {
    if (!ticking_)
        followAll(now);
}

Clock::Entry* Clock::nextDueBy(Nanos horizon) {
    Entry* next = nullptr;
    for (Entry& e : entries_) {
        // Strictly earlier only: of two due at once, the one added first.
        if (e.running && e.due <= horizon && (!next || e.due < next->due))
            next = &e;
    }
    return next;
}

int Clock::advance(Nanos now) {
    if (ticking_ || holds_ > 0)
        return 0;
    ticking_ = true;
    int ran = 0;
    horizon_ = now;
    for (Entry& e : entries_) {
        if (e.running && now - e.due > kLongestCatchUp)
            e.due = now;
    }
    while (Entry* e = nextDueBy(horizon_)) {
        // A late tick on the classic beat is one tick now; otherwise the tick stands for the
        // moment it fell due, and the timer's next tick is one interval on from there.
        if (timing_ == Timing::Classic) {
            moment_ = horizon_;
            e->due = nextClassicBeat(e->due, e->timer->Interval, horizon_);
        } else {
            moment_ = e->due;
            e->due += intervalOf(*e->timer);
        }
        ++e->ticks;
        ++ran;
        e->tick();
        followAll(moment_);
        if (holds_ > 0)
            break;  // the tick holds the thread beyond its end: nothing more runs until goOn
    }
    entries_.remove_if([](const Entry& e) { return !e.timer; });
    ticking_ = false;
    return ran;
}

void Clock::holdUp(Nanos now) {
    if (holds_++ == 0)
        followAll(ticking_ ? moment_ : now);
}

void Clock::goOn(Nanos now) {
    if (holds_ == 0 || --holds_ > 0)
        return;
    for (Entry& e : entries_) {
        if (e.running && e.due < now)
            e.due = now;
    }
    if (ticking_) {
        // Held up inside a tick: that tick ends at `now`, and what fell due meanwhile follows.
        moment_ = std::max(moment_, now);
        horizon_ = std::max(horizon_, now);
    }
}

std::optional<Nanos> Clock::nextDue() const {
    if (ticking_ || holds_ > 0)
        return std::nullopt;
    std::optional<Nanos> next;
    for (const Entry& e : entries_) {
        if (e.running && (!next || e.due < *next))
            next = e.due;
    }
    return next;
}

const Clock::Entry* Clock::find(const tk::Timer& timer) const {
    for (const Entry& e : entries_) {
        if (e.timer == &timer)
            return &e;
    }
    return nullptr;
}

bool Clock::running(const tk::Timer& timer) const {
    const Entry* e = find(timer);
    return e && e->running;
}

std::optional<Nanos> Clock::dueOf(const tk::Timer& timer) const {
    const Entry* e = find(timer);
    if (!e || !e->running)
        return std::nullopt;
    return e->due;
}

long Clock::takeTicks(Id id) {
    for (Entry& e : entries_) {
        if (e.id == id)
            return std::exchange(e.ticks, 0);
    }
    return 0;
}

}  // namespace flow
