// The WebAssembly module's entry: the bridge's functions (bridge.h) over the one running game of
// the page. None of them waits: a point's pause or a message box is a hold of the game's clock,
// and every call returns at once.
#include <emscripten.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "assets/embedded_translations.h"
#include "engine/core/translation.h"
#include "web/bridge.h"
#include "web/page.h"

namespace {

std::unique_ptr<web::Page> page;
SmashbolKey keyRecord;
SmashbolRoom roomRecord;
std::string handed;        // the last text handed to the page
std::string handedIn;      // a recording's bytes the page handed the module
std::string watchMessage;  // what the last recording's check said

const char* handOver(std::string text) {
    handed = std::move(text);
    return handed.c_str();
}

// The language a browser's tag names ("en-GB", "CS"), if the game speaks it; "" if not.
std::string spokenLanguage(std::string tag) {
    for (char& c : tag)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto catalogues = assets::translationCatalogues();
    // A tag the game does not speak gives the fallback, whichever comes after it.
    const std::string before = tk::pickLanguage(tag + ":en", catalogues);
    if (before != tk::pickLanguage(tag + ":cs", catalogues))
        return "";
    return before;
}

running::Key keyOf(const SmashbolKey& k) {
    running::Key key;
    key.named = static_cast<running::Key::Named>(k.named);
    key.symbol = static_cast<char>(k.symbol);
    key.place = static_cast<char>(k.place);
    key.numpad = k.numpad != 0;
    key.shift = k.shift != 0;
    key.ctrl = k.ctrl != 0;
    key.alt = k.alt != 0;
    key.meta = k.meta != 0;
    key.repeat = k.repeat != 0;
    return key;
}

running::Window windowOf(int32_t window) {
    return window == 1   ? running::Window::About
           : window == 2 ? running::Window::Help
                         : running::Window::Main;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE SmashbolKey* smashbol_key_record(void) {
    return &keyRecord;
}

EMSCRIPTEN_KEEPALIVE SmashbolRoom* smashbol_room_record(void) {
    return &roomRecord;
}

EMSCRIPTEN_KEEPALIVE void smashbol_start(const char* kept, const char* browserLanguages,
                                         int32_t zoom, int32_t mute, int32_t classicTiming,
                                         int32_t autoPause, const char* language,
                                         const char* recordingName) {
    running::Settings remembered = running::readSettings(kept);
    // A remembered language the game no longer speaks is forgotten without a word.
    if (!assets::speaks(remembered.language))
        remembered.language.clear();
    running::Settings shown = remembered;
    // A page opens in its tab; only the player's key or menu takes it to full screen.
    shown.fullScreen = false;
    std::optional<int> askedZoom;
    if (zoom > 0)
        shown.zoom = *(askedZoom = zoom);
    if (mute >= 0)
        shown.mute = mute != 0;
    if (classicTiming >= 0)
        shown.classicTiming = classicTiming != 0;
    if (autoPause >= 0)
        shown.autoPause = autoPause != 0;
    bool languageUnknown = false;
    if (*language) {
        const std::string spoken = spokenLanguage(language);
        languageUnknown = spoken.empty();
        shown.language = languageUnknown ? std::string() : spoken;
    }
    page = std::make_unique<web::Page>(remembered, shown, browserLanguages, askedZoom,
                                       languageUnknown);
    if (*recordingName)
        page->recordTo(recordingName);
    page->game().load();
}

EMSCRIPTEN_KEEPALIVE void smashbol_advance(double nowMs) {
    page->game().advance(static_cast<flow::Nanos>(nowMs * 1e6));
}

EMSCRIPTEN_KEEPALIVE double smashbol_next_wake(void) {
    const std::optional<flow::Nanos> wake = page->game().nextWake();
    return wake ? static_cast<double>(*wake) / 1e6 : -1.0;
}

EMSCRIPTEN_KEEPALIVE int32_t smashbol_key(int32_t down) {
    return page->key(down != 0, keyOf(keyRecord)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void smashbol_click(int32_t window, int32_t pressX, int32_t pressY,
                                         int32_t releaseX, int32_t releaseY) {
    page->settingsMenu(false);
    page->game().click(windowOf(window), pressX, pressY, releaseX, releaseY);
}

EMSCRIPTEN_KEEPALIVE int32_t smashbol_command(const char* name) {
    return page->command(name) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void smashbol_focus_lost(int32_t toAnotherProgram) {
    page->settingsMenu(false);
    page->game().focusLost(toAnotherProgram != 0);
}

EMSCRIPTEN_KEEPALIVE void smashbol_dismiss_message(void) {
    page->game().dismissMessage();
}

EMSCRIPTEN_KEEPALIVE void smashbol_set_room(void) {
    running::Room room;
    room.width = roomRecord.width;
    room.height = roomRecord.height;
    room.aroundWidth = roomRecord.aroundWidth;
    room.aroundHeight = roomRecord.aroundHeight;
    room.devicePixelRatio = roomRecord.devicePixelRatio;
    room.mayShrink = roomRecord.mayShrink != 0;
    page->game().setRoom(room);
}

EMSCRIPTEN_KEEPALIVE void smashbol_full_screen(int32_t on) {
    page->fullScreen(on != 0);
}

EMSCRIPTEN_KEEPALIVE void smashbol_settings_menu(int32_t open) {
    page->settingsMenu(open != 0);
}

EMSCRIPTEN_KEEPALIVE const SmashbolFrame* smashbol_frame(int32_t window) {
    return &page->frame(windowOf(window));
}

EMSCRIPTEN_KEEPALIVE const SmashbolView* smashbol_view(void) {
    return &page->view();
}

EMSCRIPTEN_KEEPALIVE const SmashbolMenus* smashbol_menus(int32_t which) {
    return &page->menus(which);
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_text(const char* czech) {
    return handOver(std::string(tk::tr(czech)));
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_report(void) {
    return handOver(page->game().report());
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_script(const char* script) {
    std::string out;
    const running::ScriptSink write = [&out](std::string_view s) { out += s; };
    page->game().playScript(script, write, write);
    return handOver(std::move(out));
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_recording(void) {
    return page->recording().c_str();
}

EMSCRIPTEN_KEEPALIVE uint8_t* smashbol_room_for(int32_t bytes) {
    handedIn.assign(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    return reinterpret_cast<uint8_t*>(handedIn.data());
}

// Checked before a new game is made for it: a refused file leaves the player's game as it was.
EMSCRIPTEN_KEEPALIVE int32_t smashbol_watch(const char* name, int32_t bytes) {
    const std::string text = std::move(handedIn);
    handedIn.clear();
    const std::string_view given(
        text.data(), std::min(static_cast<std::size_t>(std::max(bytes, 0)), text.size()));
    running::ScriptCheck check = running::checkRecording(name, given);
    if (check.ok) {
        std::unique_ptr<web::Page> next = page->fresh();
        check = next->game().watch(name, given, web::tellPrinted);
        if (check.ok)
            page = std::move(next);
    }
    watchMessage = check.message;
    return check.ok ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* smashbol_watch_message(void) {
    return watchMessage.c_str();
}

}  // extern "C"
