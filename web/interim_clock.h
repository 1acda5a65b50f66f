// Until the game's one clock lands in flow/: the page's timers, each ticking every interval of
// its own from the moment it was switched on, ticks missed while the page was held up run once.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <utility>

#include "toolkit/core/controls.h"

namespace web {

using Nanos = std::int64_t;
constexpr Nanos kMillisecond = 1'000'000;
constexpr Nanos kLongestCatchUp = 250 * kMillisecond;

class InterimClock {
  public:
    using Id = int;

    Id add(tk::Timer& timer, std::function<void()> tick, Nanos now) {
        entries_.push_back({nextId_, &timer, std::move(tick)});
        follow(entries_.back(), now);
        return nextId_++;
    }
    void remove(Id id) {
        for (Entry& e : entries_) {
            if (e.id == id)
                e.timer = nullptr;
        }
        if (!ticking_)
            entries_.remove_if([](const Entry& e) { return !e.timer; });
    }
    void sync(Nanos now) {
        if (ticking_)
            return;
        for (Entry& e : entries_)
            follow(e, now);
    }
    void advance(Nanos now) {
        if (ticking_ || holds_ > 0)
            return;
        for (;;) {
            Entry* next = nullptr;
            for (Entry& e : entries_) {
                if (e.timer && e.running && e.due <= now && (!next || e.due < next->due))
                    next = &e;
            }
            if (!next)
                break;
            if (now - next->due > kLongestCatchUp)
                next->due = now;
            const Nanos moment = next->due;
            next->due += next->timer->Interval * kMillisecond;
            ++next->ticks;
            ticking_ = true;
            next->tick();
            ticking_ = false;
            entries_.remove_if([](const Entry& e) { return !e.timer; });
            for (Entry& e : entries_)
                follow(e, std::max(moment, heldUntil_));
            if (holds_ > 0)
                break;
        }
    }
    void holdUp(Nanos) { ++holds_; }
    void goOn(Nanos now) {
        if (--holds_ > 0)
            return;
        heldUntil_ = now;
        for (Entry& e : entries_) {
            if (e.running && e.due < now)
                e.due = now;
        }
    }
    std::optional<Nanos> nextDue() const {
        std::optional<Nanos> due;
        for (const Entry& e : entries_) {
            if (e.timer && e.running && (!due || e.due < *due))
                due = e.due;
        }
        return due;
    }
    long takeTicks(Id id) {
        for (Entry& e : entries_) {
            if (e.id == id)
                return std::exchange(e.ticks, 0);
        }
        return 0;
    }

  private:
    struct Entry {
        Id id;
        tk::Timer* timer;
        std::function<void()> tick;
        bool running = false;
        Nanos due = 0;
        long ticks = 0;
    };
    void follow(Entry& e, Nanos now) {
        if (!e.timer || e.timer->Enabled == e.running)
            return;
        e.running = e.timer->Enabled;
        e.due = now + e.timer->Interval * kMillisecond;
    }

    std::list<Entry> entries_;
    Id nextId_ = 1;
    bool ticking_ = false;
    int holds_ = 0;
    Nanos heldUntil_ = 0;
};

}  // namespace web
