// The WebAssembly module's entry: the bridge's functions (bridge.h) over the one running game of
// the page. None of them waits: a point's pause or a message box is a hold of the game's clock,
// and every call returns at once.
#include <emscripten.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "assets/embedded_translations.h"
#include "engine/core/translation.h"
#include "web/bridge.h"
#include "web/page.h"

namespace {

std::unique_ptr<web::Page> page;
web::Notices notices;
std::optional<int> askedZoom;
std::string recordingName;  // checked against the room the first time the page has one
std::string handed;         // the last text handed to the page
std::string handedIn;       // a recording's bytes the page handed the module

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

running::Window windowOf(int32_t window) {
    return window == 1   ? running::Window::About
           : window == 2 ? running::Window::Help
                         : running::Window::Main;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void smashbol_start(const char* kept, const char* browserLanguages,
                                         const char* search) {
    running::Settings remembered = running::readSettings(kept);
    // A remembered language the game no longer speaks is forgotten without a word.
    if (!assets::speaks(remembered.language))
        remembered.language.clear();
    running::Settings shown = remembered;
    // A page opens in its tab; only the player's key or menu takes it to full screen.
    shown.fullScreen = false;
    web::Address address = web::readAddress(search);
    if (address.zoom > 0)
        shown.zoom = *(askedZoom = address.zoom);
    if (address.mute >= 0)
        shown.mute = address.mute != 0;
    if (address.classicTiming >= 0)
        shown.classicTiming = address.classicTiming != 0;
    if (address.autoPause >= 0)
        shown.autoPause = address.autoPause != 0;
    if (!address.language.empty()) {
        shown.language = spokenLanguage(address.language);
        if (shown.language.empty())
            address.notices.push_back({web::NoticeKind::LanguageUnknown, "", address.language});
    }
    page = std::make_unique<web::Page>(remembered, shown, browserLanguages, notices);
    for (web::Notice& notice : address.notices)
        notices.add(std::move(notice));
    // The session's recording is named by the start: smashbol-2024-05-01-1402.trace.
    const std::time_t started = std::time(nullptr);
    const std::tm* t = std::localtime(&started);
    char name[64];
    std::snprintf(name, sizeof name, "smashbol-%04d-%02d-%02d-%02d%02d.trace", t->tm_year + 1900,
                  t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min);
    recordingName = name;
    if (address.record > 0)
        page->recordTo(recordingName);
    page->game().load();
}

EMSCRIPTEN_KEEPALIVE void smashbol_advance(double nowMs) {
    page->advance(nowMs);
}

EMSCRIPTEN_KEEPALIVE void smashbol_touch(int32_t left, int32_t right, int32_t pause, double nowMs) {
    page->touch(left != 0, right != 0, pause != 0, nowMs);
}

EMSCRIPTEN_KEEPALIVE double smashbol_next_wake(void) {
    const std::optional<flow::Nanos> wake = page->game().nextWake();
    return wake ? static_cast<double>(*wake) / 1e6 : -1.0;
}

EMSCRIPTEN_KEEPALIVE int32_t smashbol_key(int32_t down, const char* key, const char* code,
                                          int32_t modifiers) {
    const running::Key k = web::keyOfBrowser(key, code, modifiers & 1, modifiers & 2, modifiers & 4,
                                             modifiers & 8, modifiers & 16);
    return page->key(down != 0, k) ? 1 : 0;
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

EMSCRIPTEN_KEEPALIVE void smashbol_set_room(int32_t width, int32_t height, int32_t aroundWidth,
                                            int32_t aroundHeight, int32_t mayShrink,
                                            double devicePixelRatio) {
    page->game().setRoom(
        {width, height, aroundWidth, aroundHeight, devicePixelRatio, mayShrink != 0});
    // A zoom the address asked for that the browser's window cannot hold is said once.
    if (askedZoom && *askedZoom > page->game().zoom() && !page->game().settings().fullScreen)
        notices.add({web::NoticeKind::ZoomCut, "", "", *askedZoom, page->game().zoom()});
    askedZoom.reset();
}

EMSCRIPTEN_KEEPALIVE void smashbol_full_screen(int32_t on) {
    page->fullScreen(on != 0);
}

EMSCRIPTEN_KEEPALIVE void smashbol_settings_menu(int32_t open) {
    page->settingsMenu(open != 0);
}

EMSCRIPTEN_KEEPALIVE int32_t smashbol_point_menu(const char* name, int32_t toggle) {
    return page->pointMenu(name, toggle != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int32_t smashbol_close_menus(void) {
    return page->closeMenus() ? 1 : 0;
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

EMSCRIPTEN_KEEPALIVE const char* smashbol_word(const char* name) {
    return handOver(web::pageWord(name));
}

EMSCRIPTEN_KEEPALIVE const SmashbolNotices* smashbol_notices(void) {
    return &page->notices();
}

EMSCRIPTEN_KEEPALIVE void smashbol_dismiss_notice(int32_t id) {
    notices.dismiss(id);
}

EMSCRIPTEN_KEEPALIVE void smashbol_notice(const char* kind, int32_t number) {
    web::NoticeKind known;
    if (web::noticeKindNamed(kind, known))
        notices.add({known, "", "", number});
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

EMSCRIPTEN_KEEPALIVE const char* smashbol_recording_name(void) {
    return recordingName.c_str();
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
    if (!check.ok || !check.message.empty())
        notices.add(
            {check.ok ? web::NoticeKind::CutShort : web::NoticeKind::Refused, "", check.message});
    return check.ok ? 1 : 0;
}

}  // extern "C"
