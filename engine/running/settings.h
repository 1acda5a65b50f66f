// What the player chooses beside the game's rules and the game remembers between runs, and the
// zoom that shows the game in the room a front end has for it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace running {

struct Settings {
    static constexpr int kMaxZoom = 4;
    int zoom = 0;  // 1 to kMaxZoom; 0 when never chosen (the largest that fits is shown)
    bool fullScreen = false;
    bool autoPause = true;
    bool classicTiming = false;
    bool mute = false;
    std::string language = {};  // "cs", "en"; empty: as the desktop or the browser asks

    bool operator==(const Settings&) const = default;
};

// The room a front end has for the game's main window.
struct Room {
    int width = 0, height = 0;  // pixels free for the window; none known when not positive
    // What the front end puts around the client area at any zoom: the window's frame and title
    // bar, the page's buttons below the court.
    int aroundWidth = 0, aroundHeight = 0;
    // The page may show the game smaller than zoom 1 where nothing larger fits, at a scale that
    // gives each of the game's pixels a whole number of the screen's (a phone on its side).
    double devicePixelRatio = 1;
    bool mayShrink = false;
};

// The largest whole zoom, 1 to kMaxZoom, at which a client area of `widthPx` x `heightPx` at
// zoom 1 (the menu bar included) fits `room`; 1 when none does; kMaxZoom when no room is known.
int largestZoomThatFits(const Room& room, int widthPx, int heightPx);
// The scale the game is shown at: the chosen zoom as far as the room takes it (the largest that
// fits when none was chosen, or in full screen); below 1 only where the room may shrink it and
// not even zoom 1 fits.
double shownScale(const Settings& settings, const Room& room, int widthPx, int heightPx);
// The zoom of a first start: the largest at which the client area takes at most 70 % of a
// screen this many pixels high.
int zoomForScreenHeight(int availableHeight, int heightPx);

// A setting the text gives that is not one the game writes, and what is used instead.
struct SettingMistake {
    std::string key, value, instead;  // "window/zoom", "big", "chosen for the screen"
};

// Settings as the INI text the desktop keeps ("[General]", "zoom=2", "mute=true" ...): what a
// text gives, the defaults for whatever is missing or unreadable (each such value a mistake).
Settings readSettings(std::string_view ini, std::vector<SettingMistake>* mistakes = nullptr);
std::string writeSettings(const Settings& settings);

}  // namespace running
