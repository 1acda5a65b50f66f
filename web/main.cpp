// The WebAssembly module's entry: the functions the page's script calls. Every one of them may
// suspend the module (the point's pause, a message box); the page calls nothing else into it
// until that call has finished.
#include <emscripten.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "assets/catalog.h"
#include "assets/embedded_translations.h"
#include "web/page_game.h"

namespace {

std::unique_ptr<web::PageGame> page;
std::string text;  // the last text handed to the page

const char* handOver(std::string s) {
    text = std::move(s);
    return text.c_str();
}

}  // namespace

extern "C" {

// The language of the game's words: the first of `wishes` ("en-US:de", the browser's languages
// or the player's choice) that the game speaks, Czech when none is. The page's own texts come
// along: {"code": "en", "words": {"<Czech>": "<English>", ...}}.
EMSCRIPTEN_KEEPALIVE const char* smashbol_language(const char* wishes) {
    tk::showLanguage(
        assets::translationFor(tk::pickLanguage(wishes, assets::translationCatalogues())));
    const tk::Translation& shown = tk::shownLanguage();
    std::string json = "{\"code\":" + web::quoted(shown.code()) + ",\"words\":{";
    for (const tk::Translation::Entry& entry : shown.entries())
        json += web::quoted(entry.source) + ":" + web::quoted(entry.translated) + ",";
    if (json.back() == ',')
        json.pop_back();
    return handOver(json + "}}");
}

// The recording's name is the one its file will be offered under.
EMSCRIPTEN_KEEPALIVE void smashbol_start(int muted, int classicTiming, const char* recordingName) {
    page = std::make_unique<web::PageGame>(muted != 0, classicTiming != 0, recordingName);
    page->load();
}

// Nonzero when the ticks changed what the page mirrors beyond the frames.
EMSCRIPTEN_KEEPALIVE int smashbol_advance(double nowMs) {
    return page->advance(nowMs) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE double smashbol_next_due() {
    return page->nextDueMs();
}

EMSCRIPTEN_KEEPALIVE void smashbol_key(int down, int code, int shift) {
    page->key(down != 0, code, shift);
}

// A press at (x0, y0) and a release at (x1, y1) of a window's client area.
EMSCRIPTEN_KEEPALIVE void smashbol_click(int window, int x0, int y0, int x1, int y1) {
    page->click(static_cast<web::Window>(window), x0, y0, x1, y1);
}

EMSCRIPTEN_KEEPALIVE int smashbol_menu(const char* name) {
    return page->menu(name) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void smashbol_auto_pause() {
    page->autoPause();
}

// A window's picture: a pointer to {bytes, width, height}.
EMSCRIPTEN_KEEPALIVE const int* smashbol_picture(int window) {
    static int out[3];
    const web::PageGame::Picture p = page->picture(static_cast<web::Window>(window));
    out[0] = static_cast<int>(reinterpret_cast<std::uintptr_t>(p.rgba));
    out[1] = p.width;
    out[2] = p.height;
    return out;
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_view() {
    return handOver(page->view());
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_report() {
    return handOver(page->report());
}

// The session's script so far, closed by the state it ends in; empty when none was kept.
EMSCRIPTEN_KEEPALIVE const char* smashbol_recording() {
    return handOver(page->recording());
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_tick_counts() {
    return handOver(page->tickCounts());
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_script(const char* script) {
    return handOver(page->playScript(script));
}

// A clip's wave image, for the page to decode ahead of its first play: {bytes, size}.
EMSCRIPTEN_KEEPALIVE const int* smashbol_clip(int id) {
    static int out[2];
    const std::span<const std::uint8_t> wave = assets::clipWave(id);
    out[0] = static_cast<int>(reinterpret_cast<std::uintptr_t>(wave.data()));
    out[1] = static_cast<int>(wave.size());
    return out;
}

}  // extern "C"
