// The page's outlet: what the running game asks of the browser goes to the page's script, which
// the module was given as `smashbolOutlet`; nothing here calls back into the game.
#include <emscripten.h>

#include <string>

#include "assets/embedded_translations.h"
#include "engine/core/translation.h"
#include "web/page.h"

namespace {

EM_JS(void, outlet_play_wave, (const std::uint8_t* bytes, int size),
      { Module.smashbolOutlet.playWave(HEAPU8.slice(bytes, bytes + size)); });
EM_JS(void, outlet_show_message, (const char* title, const char* text),
      { Module.smashbolOutlet.showMessage(UTF8ToString(title), UTF8ToString(text)); });
EM_JS(void, outlet_windows_changed, (), { Module.smashbolOutlet.windowsChanged(); });
EM_JS(void, outlet_full_screen, (int on), { Module.smashbolOutlet.fullScreenAsked(Boolean(on)); });
EM_JS(void, outlet_keep_settings, (const char* text),
      { Module.smashbolOutlet.keepSettings(UTF8ToString(text)); });
EM_JS(void, outlet_ended, (), { Module.smashbolOutlet.ended(); });
EM_JS(void, outlet_printed, (const char* text, int size),
      { Module.smashbolOutlet.printed(UTF8ToString(text, size)); });

}  // namespace

namespace web {

PageOutlet::PageOutlet(running::Settings kept, running::Settings shown,
                       std::string browserLanguages)
    : kept_(std::move(kept)),
      shown_(std::move(shown)),
      browserLanguages_(std::move(browserLanguages)) {}

void PageOutlet::playWave(std::span<const std::uint8_t> waveImage) {
    outlet_play_wave(waveImage.data(), static_cast<int>(waveImage.size()));
}

void PageOutlet::showMessage(std::string_view title, std::string_view text) {
    outlet_show_message(std::string(title).c_str(), std::string(text).c_str());
}

void tellPrinted(std::string_view text) {
    outlet_printed(text.data(), static_cast<int>(text.size()));
}

void PageOutlet::windowsChanged() {
    outlet_windows_changed();
}

void PageOutlet::fullScreenAsked(bool on) {
    outlet_full_screen(on ? 1 : 0);
}

void PageOutlet::ended() {
    outlet_ended();
    outlet_windows_changed();
}

void PageOutlet::showLanguage(const running::Settings& settings) const {
    tk::showLanguage(assets::translationFor(
        settings.language.empty()
            ? tk::pickLanguage(browserLanguages_, assets::translationCatalogues())
            : settings.language));
}

// Only what the player changed is kept: what the address asked for holds for this visit alone.
void PageOutlet::settingsChanged(const running::Settings& next) {
    const running::Settings before = std::exchange(shown_, next);
    const auto keep = [&](auto running::Settings::*field) {
        if (before.*field != next.*field)
            kept_.*field = next.*field;
    };
    keep(&running::Settings::zoom);
    keep(&running::Settings::fullScreen);
    keep(&running::Settings::autoPause);
    keep(&running::Settings::classicTiming);
    keep(&running::Settings::mute);
    keep(&running::Settings::language);
    if (before.language != next.language)
        showLanguage(next);
    outlet_keep_settings(running::writeSettings(kept_).c_str());
}

bool Memory::write(std::string_view more) {
    if (closed)
        return false;
    if (text.size() + more.size() > kLimit) {
        text += "# the page stopped recording here: the script grew past " +
                std::to_string(kLimit >> 20) + " MB\n";
        closed = true;
        return false;
    }
    text += more;
    return true;
}

}  // namespace web
