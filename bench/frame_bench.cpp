// What the intro's frames cost: the running game's frame and the area that changed in it, taken
// 60 times a second as a front end takes them, beside the intro's own ticks in that time. Each
// step is a sixtieth of a second of the intro; `cpu_per_s` is the processor time 60 steps take,
// the share of a core they keep busy. A frame costs a step of BM_IntroTicksAndFrame less one of
// BM_IntroTicksPerFrame; BM_IntroWholeFrame is the way before the renderer knew what changed,
// BM_IntroRepaint the way now, both outside the running game. Under load, `valgrind
// --tool=callgrind` counts instructions steadily: see bench/frame_cost.sh.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "assets/embedded_glyphs.h"
#include "engine/render/repainter.h"
#include "engine/running/running_game.h"
#include "engine/screens/window_scenes.h"

namespace {

using running::Window;

struct Silent final : running::Outlet {
    void playWave(std::span<const std::uint8_t>) override {}
    void showMessage(std::string_view, std::string_view) override {}
};

constexpr flow::Nanos kFrame = 1'000'000'000 / 60;

// The processor time of 60 steps: a second of the intro.
void countCore(benchmark::State& state) {
    state.counters["cpu_per_s"] = benchmark::Counter(
        1.0 / 60, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The intro rally after the splash was clicked, on a clock that moves a sixtieth of a second a
// step, with its point pauses.
struct Intro {
    Silent outlet;
    flow::Nanos now = 0;
    running::Game game{outlet, options()};

    Intro() {
        game.load();
        const tk::Rect splash = tk::controlRect(game.form().Picture4);
        const int x = splash.x + splash.width / 2, y = splash.y + splash.height / 2;
        game.click(Window::Main, x, y, x, y);
    }
    running::Options options() {
        running::Options o;
        o.now = [this] { return now; };
        o.seed = 2002;
        return o;
    }
    void step() {
        now += kFrame;
        game.advance(now);
    }
};

// The intro's ticks alone, a frame's time of them a step: what the frames come on top of.
void BM_IntroTicksPerFrame(benchmark::State& state) {
    Intro intro;
    for (auto _ : state)
        intro.step();
    countCore(state);
}
BENCHMARK(BM_IntroTicksPerFrame);

// The same, and the frame a front end takes after each step. Frames taken during a point's pause
// cost nothing: `held` counts them.
void BM_IntroTicksAndFrame(benchmark::State& state) {
    Intro intro;
    long held = 0, frames = 0;
    double changed = 0;
    for (auto _ : state) {
        intro.step();
        const running::Game::FrameUpdate update = intro.game.takeFrame(Window::Main);
        benchmark::DoNotOptimize(update.frame.pixels.data());
        held += intro.game.held();
        changed += update.changed.width * update.changed.height;
        ++frames;
    }
    countCore(state);
    state.counters["held"] = static_cast<double>(held) / std::max(1L, frames);
    state.counters["changed_px"] = changed / std::max(1L, frames);
}
BENCHMARK(BM_IntroTicksAndFrame);

// The smallest rectangle holding every pixel that differs: how the running game found the
// changed area before the renderer knew it. Apart, for callgrind to count.
[[gnu::noinline]] tk::Rect changedPixels(const tk::Frame& before, const tk::Frame& after) {
    int left = after.width, top = after.height, right = -1, bottom = -1;
    for (int y = 0; y < after.height; ++y) {
        const tk::Pixel* a = &before.pixels[static_cast<std::size_t>(y) * after.width];
        const tk::Pixel* b = &after.pixels[static_cast<std::size_t>(y) * after.width];
        if (std::equal(a, a + after.width, b))
            continue;
        top = std::min(top, y);
        bottom = y;
        int x = 0;
        while (a[x] == b[x])
            ++x;
        left = std::min(left, x);
        x = after.width - 1;
        while (a[x] == b[x])
            --x;
        right = std::max(right, x);
    }
    return bottom < 0 ? tk::Rect{} : tk::Rect{left, top, right - left + 1, bottom - top + 1};
}

// The whole scene drawn anew each frame and compared with the last, pixel by pixel.
void BM_IntroWholeFrame(benchmark::State& state) {
    Intro intro;
    const tk::Renderer renderer{tk::GlyphFaces(assets::glyphFaces())};
    const tk::Rect client = intro.game.clientArea(Window::Main);
    tk::Frame last(client.width, client.height), next = last;
    for (auto _ : state) {
        intro.step();
        renderer.render(screens::mainWindowScene(intro.game.form()), next);
        benchmark::DoNotOptimize(changedPixels(last, next));
        std::swap(last, next);
    }
    countCore(state);
}
BENCHMARK(BM_IntroWholeFrame);

// Only what changed painted again, found from the scene: what the running game does now.
// `areas` counts the rectangles a frame changed in, `changed_px` their pixels.
void BM_IntroRepaint(benchmark::State& state) {
    Intro intro;
    const tk::Renderer renderer{tk::GlyphFaces(assets::glyphFaces())};
    const tk::Rect client = intro.game.clientArea(Window::Main);
    tk::Repainter repainter;
    long frames = 0, areas = 0;
    double changed = 0;
    for (auto _ : state) {
        intro.step();
        for (const tk::Rect& area :
             repainter.repaint(renderer, screens::mainWindowScene(intro.game.form()), client.width,
                               client.height))
            changed += area.width * area.height, ++areas;
        ++frames;
    }
    countCore(state);
    state.counters["areas"] = static_cast<double>(areas) / std::max(1L, frames);
    state.counters["changed_px"] = changed / std::max(1L, frames);
}
BENCHMARK(BM_IntroRepaint);

}  // namespace
