// Any bytes as a message catalogue (a .mo image): read, looked up, and shown in the game's
// windows and menus, whose texts then come from it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "engine/core/translation.h"
#include "engine/running/running_game.h"
#include "tests/fuzz/require.h"

namespace {

struct Silent final : running::Outlet {
    void playWave(std::span<const std::uint8_t>) override {}
    void showMessage(std::string_view, std::string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> image(data, size);
    tk::Translation catalogue("xx", image);
    if (!catalogue.valid()) {
        require(catalogue.size() == 0 && catalogue.text("Hra") == "Hra");
        return 0;
    }
    const auto inside = [&image](std::string_view text) {
        const auto* begin = reinterpret_cast<const char*>(image.data());
        return text.empty() ||
               (text.data() >= begin && text.data() + text.size() <= begin + image.size());
    };
    for (const tk::Translation::Entry& entry : catalogue.entries()) {
        require(inside(entry.source) && inside(entry.translated));
        const std::string_view found = catalogue.text(entry.source);
        require(found == entry.source || inside(found));
    }
    // The game's windows and menus in its words, then back in Czech.
    tk::showLanguage(catalogue);
    {
        Silent outlet;
        running::Game game(outlet, running::Options{});
        game.load();
        game.click(running::Window::Main, 150, 150, 150, 150);
        game.menuBar();
        game.settingsMenu();
        game.title(running::Window::Main);
        game.takeFrame(running::Window::Main);
        game.command("hra");
        game.takeFrame(running::Window::Help);
    }
    tk::showLanguage({});
    return 0;
}
