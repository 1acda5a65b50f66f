// The clock every timer ticks by: the order of ticks due together, catching up after a late
// wake, handlers that switch timers, holds and stalls that are not caught up, the beat of 2002,
// and the rates over ten seconds of a jittery event loop.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/flow/clock.h"

namespace engine_test {
namespace {

using flow::Clock;
using flow::Nanos;

// Timers named A, B, C ... in the order they are added to a clock, all on from time 0, played
// by a script of steps joined by ";", times in milliseconds:
//   "wake T"        the front end wakes the clock at T
//   "holdUp", "goOn T"   the thread held up (a point's pause, a message box) until T
//   "B off", "B off on"  a timer switched between events (the front end then syncs), or on a tick
//   "remove B"      the timer taken off the clock
//   "classic", "steady"  the timing changed between events
//   "A2: B on, holdUp, goOn 710"  what A's handler does on its second tick, besides ticking
// The log holds the ticks as they ran, "|" before each wake's, a run counted: "|B*9 A".
class Bench {
  public:
    Bench(Clock::Timing timing, const std::string& intervals) : clock(timing) {
        std::istringstream in(intervals);
        for (int interval = 0; in >> interval;) {
            const char name = static_cast<char>('A' + timers.size());
            tk::Timer& timer = timers.emplace_back(tk::Timer{std::string(1, name), true, interval});
            ids.push_back(clock.add(
                timer, [this, name] { ticked(name); }, now));
        }
    }

    void play(const std::string& script) {
        std::istringstream steps(script);
        for (std::string step; std::getline(steps, step, ';');) {
            if (const auto colon = step.find(':'); colon != std::string::npos) {
                std::istringstream tick(step.substr(0, colon));
                char name = 0;
                int n = 0;
                tick >> name >> n;
                acts[{name, n}] = step.substr(colon + 1);
            } else {
                run(step);
            }
        }
    }

    Clock clock;
    std::deque<tk::Timer> timers;
    std::vector<Clock::Id> ids;  // in the order added
    std::string log;

  private:
    static Nanos ms(std::istream& in) {
        double value = 0;
        in >> value;
        return std::llround(value * 1e6);
    }

    void run(const std::string& step) {
        std::istringstream in(step);
        std::string verb;
        if (!(in >> verb))
            return;
        if (verb == "wake") {
            now = ms(in);
            log += log.empty() ? "|" : " |";
            last = 0;
            clock.advance(now);
        } else if (verb == "holdUp") {
            clock.holdUp(now);
            EXPECT_FALSE(clock.nextDue()) << "nothing falls due while the thread is held";
        } else if (verb == "goOn") {
            now = ms(in);
            clock.goOn(now);
        } else if (verb == "classic" || verb == "steady") {
            clock.setTiming(verb == "classic" ? Clock::Timing::Classic : Clock::Timing::Steady,
                            now);
        } else if (verb == "remove") {
            char name = 0;
            in >> name;
            clock.remove(ids[static_cast<std::size_t>(name - 'A')]);
        } else {
            for (std::string state; in >> state;)
                timers[static_cast<std::size_t>(verb[0] - 'A')].Enabled = state == "on";
            clock.sync(now);
        }
    }

    void ticked(char name) {
        if (name == last) {
            log.resize(log.find_last_of(name) + 1);
            log += "*" + std::to_string(++count);
        } else {
            log += (log.back() == '|' ? "" : " ") + std::string(1, name);
            last = name;
            count = 1;
        }
        if (const auto act = acts.find({name, ++ticks[name]}); act != acts.end()) {
            std::istringstream steps(act->second);
            for (std::string step; std::getline(steps, step, ',');)
                run(step);
        }
    }

    Nanos now = 0;
    std::map<std::pair<char, int>, std::string> acts;
    std::map<char, int> ticks;
    char last = 0;
    int count = 0;
};

TEST(ClockTest, Scenarios) {
    struct Row {
        const char* name;
        Clock::Timing timing;
        const char* intervals;  // of timers A, B, C ... in milliseconds
        const char* script;
        const char* ticks;
    };
    const auto steady = Clock::Timing::Steady, classic = Clock::Timing::Classic;
    const Row rows[] = {
        {"ties go to the timer added first, an earlier due before both", steady, "10 10 5",
         "wake 10", "|C A B C"},
        {"a tick due at the very wake runs, one a nanosecond later waits", steady, "10",
         "wake 9.999999; wake 10", "| |A"},
        {"a late wake catches up every missed tick in order", steady, "10 1", "wake 25",
         "|B*9 A B*10 A B*6"},
        {"a handler switches off a timer due with it: it does not tick", steady, "10 10",
         "A1: B off; wake 30", "|A*3"},
        {"switched on in a catch-up, it counts from the tick's moment, not the wake", steady,
         "10 10", "B off; A1: B on; wake 35", "|A*2 B A B"},
        {"off and on again inside a handler starts the count afresh", steady, "10 4",
         "A1: B off on; wake 13; wake 14", "|B*2 A |B"},
        {"true written to a running timer keeps its count", steady, "10 4", "A1: B on; wake 13",
         "|B*2 A B"},
        {"a point's pause: each timer due in it ticks once at its end, then counts from there",
         steady, "10 10 1", "A1: holdUp, goOn 710; wake 10; wake 720", "|C*9 A*2 B C |C*9 A B C"},
        {"a timer the tick switched on before its pause falls due in it", steady, "10 10",
         "B off; A1: B on, holdUp, goOn 710; wake 10", "|A*2 B"},
        {"a message box between events: each due timer ticks once after it", steady, "10 1",
         "wake 5; holdUp; goOn 300; wake 300; wake 303", "|B*5 |A B |B*3"},
        {"a tick left holding stops the wake; the hold's end lets each due timer tick once", steady,
         "10 10 1", "A1: holdUp; wake 10; wake 500; goOn 710; wake 710", "|C*9 A | |A B C"},
        {"a wake inside a hold runs nothing", steady, "10", "holdUp; wake 50; goOn 60; wake 60",
         "| |A"},
        {"250 ms behind is still caught up", steady, "10", "wake 260; wake 270", "|A*26 |A"},
        {"more than 250 ms behind: one tick, and the count goes on from the wake", steady, "10",
         "wake 260.000001; wake 270; wake 270.000001", "|A | |A"},
        {"removed inside a tick, its own or another's: no more ticks", steady, "10 10",
         "A1: remove B; A2: remove A; wake 50", "|A*2"},
        {"removed between events: no more ticks", steady, "10 10", "wake 10; remove B; wake 30",
         "|A B |A*2"},
        {"classic: 10 ms and 1 ms wait for the next beat, 20 ms for the second", classic, "10 1 20",
         "wake 15.625; wake 31.25", "|A B |A B C"},
        {"classic: beats missed make one late tick, then the beat goes on", classic, "10 1",
         "wake 93.75; wake 150; wake 156.249999; wake 156.25", "|A B |A B | |A B"},
        {"classic: switched on 6 ms after a beat, 10 ms runs past the next one", classic, "10",
         "A off; wake 6; A on; wake 15.625; wake 31.25", "| | |A"},
        {"a timer of no interval never ticks", steady, "0 10", "wake 30", "|B*3"},
        {"classic: switched on in a tick, it counts from that tick's beat", classic, "10 10",
         "B off; A1: B on; wake 15.625; wake 31.25", "|A |A B"},
        {"to the beat of 2002 at 3 ms: the first beat 10 ms on", steady, "10",
         "wake 3; classic; wake 13; wake 15.625", "| | |A"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Bench bench(row.timing, row.intervals);
        bench.play(row.script);
        EXPECT_EQ(bench.log, row.ticks);
        for (const tk::Timer& timer : bench.timers)
            EXPECT_TRUE(!bench.clock.running(timer) || timer.Enabled) << timer.name << " runs off";
    }
}

// Ten seconds of an event loop that wakes the clock whenever it gets round to it: the rates the
// timers ask for, to 1 %.
TEST(ClockTest, RatesOverTenSecondsOfJitter) {
    struct Row {
        const char* name;
        Clock::Timing timing;
        int jitterMs;         // each wake comes 0 to this late
        bool wakeWhenDue;     // after the due time the clock gives, or after the last wake
        double perSecond[4];  // 10 ms, 10 ms, 1 ms, 20 ms
    };
    const auto steady = Clock::Timing::Steady, classic = Clock::Timing::Classic;
    const Row rows[] = {
        {"today's timing, woken 0 to 30 ms apart", steady, 30, false, {100, 100, 1000, 50}},
        {"classic, woken when due, up to 5 ms late", classic, 5, true, {64, 64, 64, 32}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Bench bench(row.timing, "10 10 1 20");
        std::mt19937 random(2002);
        std::uniform_int_distribution<Nanos> late(0, row.jitterMs * flow::kMillisecond);
        constexpr Nanos kSpan = 10'000 * flow::kMillisecond;
        for (Nanos at = 0; at < kSpan;) {
            at = std::min(kSpan, (row.wakeWhenDue ? *bench.clock.nextDue() : at) + late(random));
            bench.play("wake " + std::to_string(static_cast<double>(at) / 1e6));
        }
        for (std::size_t i = 0; i < bench.ids.size(); ++i) {
            const double expected = row.perSecond[i] * 10;
            const auto ticks = static_cast<double>(bench.clock.takeTicks(bench.ids[i]));
            EXPECT_NEAR(ticks, expected, expected / 100) << "timer " << i;
            EXPECT_EQ(bench.clock.takeTicks(bench.ids[i]), 0) << "the count taken starts again";
        }
    }
}

}  // namespace
}  // namespace engine_test
