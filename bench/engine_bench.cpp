// What the engine costs: one tick of each timer in a running match, and a simulated day of play
// with the memory it holds before and after.
#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <string>

#include "engine/flow/session.h"
#include "tools/trace/scripted_host.h"

namespace {

long residentKb(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    }
    return -1;
}

struct Match : flow::Session<trace::ScriptedHost> {
    Match() {
        form.Form_Load();
        form.Picture4_Click();
        form.hard_Click();
        form.Form_KeyDown(game::kKeyP, 0);
    }
    // The scripted host records every call; a long run forgets them now and then.
    void forget() {
        if (host.log.size() > 1024)
            host.clearRecords();
    }
};

void BM_GameTick(benchmark::State& state) {
    Match m;
    std::mt19937 random(1);
    for (auto _ : state) {
        m.host.queueRnd({static_cast<float>(random() % 1000) / 1000.0f});
        m.form.Timer1_Timer();
        if (!m.form.Timer1.Enabled)
            m.form.hard_Click(), m.form.Form_KeyDown(game::kKeyP, 0);
        m.forget();
    }
}
BENCHMARK(BM_GameTick);

void BM_WalkTick(benchmark::State& state) {
    Match m;
    int n = 0;
    for (auto _ : state) {
        m.form.manKeyDir = (++n / 20) % 2 ? "left" : "right";
        m.form.Timer2_Timer();
    }
}
BENCHMARK(BM_WalkTick);

void BM_IntroTick(benchmark::State& state) {
    flow::Session<trace::ScriptedHost> session;
    auto& [host, module1, form] = session;
    form.Form_Load();
    form.Picture4_Click();
    int n = 0;
    for (auto _ : state) {
        form.Timer4_Timer();
        if (++n % 10 == 0 && form.Timer1.Enabled)
            form.Timer1_Timer();
        if (host.log.size() > 1024)
            host.clearRecords();
    }
}
BENCHMARK(BM_IntroTick);

// 24 hours of 10 ms ticks: the game tick and the walking tick each 8.64 million times, the
// player pressing and releasing arrows at random, a new match whenever one is decided.
void BM_SoakOneDay(benchmark::State& state) {
    for (auto _ : state) {
        const long before = residentKb("VmRSS:");
        Match m;
        std::mt19937 random(24);
        long matches = 1;
        for (long tick = 0; tick < 8'640'000; ++tick) {
            if (random() % 25 == 0) {
                const unsigned r = random() % 3;
                if (r == 0)
                    m.form.Form_KeyDown(game::kKeyLeft, 0);
                else if (r == 1)
                    m.form.Form_KeyDown(game::kKeyRight, 0);
                else
                    m.form.Form_KeyUp(game::kKeyLeft, 0);
            }
            if (m.host.rnd.empty())
                m.host.queueRnd({static_cast<float>(random() % 1000) / 1000.0f});
            if (m.form.Timer1.Enabled)
                m.form.Timer1_Timer();
            if (m.form.Timer2.Enabled)
                m.form.Timer2_Timer();
            if (!m.form.Timer1.Enabled) {
                m.form.hard_Click();
                m.form.Form_KeyDown(game::kKeyP, 0);
                ++matches;
            }
            m.forget();
        }
        const long after = residentKb("VmRSS:");
        state.counters["rss_before_kB"] = static_cast<double>(before);
        state.counters["rss_after_kB"] = static_cast<double>(after);
        state.counters["peak_kB"] = static_cast<double>(residentKb("VmHWM:"));
        state.counters["matches"] = static_cast<double>(matches);
    }
}
BENCHMARK(BM_SoakOneDay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
