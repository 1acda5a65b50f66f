// The zoom that shows the game in the room it has, and the player's settings kept as the INI
// text the desktop has always written (a file the player may also have edited by hand).
#include "engine/running/settings.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "assets/embedded_translations.h"

namespace running {

namespace {

bool known(const Room& room) {
    return room.width > 0 && room.height > 0;
}

// The largest whole zoom from 1 to `cap` at which the game and what lies around it fit.
int wholeZoomThatFits(const Room& room, int widthPx, int heightPx, int cap) {
    if (!known(room) || widthPx <= 0 || heightPx <= 0)
        return Settings::kMaxZoom;
    const long long w = widthPx, h = heightPx;
    int zoom = cap;
    while (zoom > 1 &&
           (w * zoom + room.aroundWidth > room.width || h * zoom + room.aroundHeight > room.height))
        --zoom;
    return zoom;
}

// A setting's key as QSettings names it: the section, a slash, the key ("window/zoom").
constexpr const char* kZoom = "window/zoom";
constexpr const char* kFullScreen = "window/fullscreen";
constexpr const char* kAutoPause = "game/autopause";
constexpr const char* kClassicTiming = "game/classic-timing";
constexpr const char* kLanguage = "game/language";
constexpr const char* kMute = "sound/mute";

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The INI text as QSettings reads it: "[section]" then "key=value" lines; ';' and '#' begin a
// comment line; a key outside any section (or in [General]) has no section part; a backslash in
// a key stands for a slash; a value in double quotes loses them. The last of a key twice wins.
std::map<std::string, std::string, std::less<>> entriesOf(std::string_view ini) {
    std::map<std::string, std::string, std::less<>> entries;
    std::string section;
    bool badSection = false;  // keys under a broken "[section" line are not the section's
    while (!ini.empty()) {
        const std::size_t end = ini.find_first_of("\r\n");
        const std::string_view line = trimmed(ini.substr(0, end));
        ini.remove_prefix(end == std::string_view::npos ? ini.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            badSection = close == std::string_view::npos;
            const std::string_view name = trimmed(line.substr(1, close - 1));
            section = name == "General" || name.empty() ? std::string() : std::string(name) + "/";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || badSection)
            continue;
        std::string key = section + std::string(trimmed(line.substr(0, equals)));
        std::replace(key.begin(), key.end(), '\\', '/');
        std::string_view value = trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        entries[std::move(key)] = std::string(value);
    }
    return entries;
}

std::optional<bool> flagOf(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (lower == "true" || lower == "1")
        return true;
    if (lower == "false" || lower == "0")
        return false;
    return std::nullopt;
}

// A whole number from 1 to kMaxZoom, a '+' allowed before it; 0 for anything else.
int zoomOf(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 3)
        return 0;
    int zoom = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        zoom = zoom * 10 + (c - '0');
    }
    return zoom >= 1 && zoom <= Settings::kMaxZoom ? zoom : 0;
}

const char* text(bool on) {
    return on ? "true" : "false";
}

}  // namespace

int largestZoomThatFits(const Room& room, int widthPx, int heightPx) {
    return wholeZoomThatFits(room, widthPx, heightPx, Settings::kMaxZoom);
}

// A zoom the player chose is never larger than the room; full screen, or no zoom chosen, takes
// the whole room, beyond the largest zoom a player may choose (a large screen is filled). Where
// not even zoom 1 fits, the page may shrink the game, each of its pixels still a whole number
// of the screen's dots so that none is drawn wider than another.
double shownScale(const Settings& settings, const Room& room, int widthPx, int heightPx) {
    const bool whole = settings.fullScreen || settings.zoom <= 0;
    const int chosen = std::min(settings.zoom, Settings::kMaxZoom);
    if (!known(room) || widthPx <= 0 || heightPx <= 0)
        return whole ? Settings::kMaxZoom : chosen;
    const int cap = whole ? std::max(1, room.width / widthPx) : chosen;
    const int zoom = wholeZoomThatFits(room, widthPx, heightPx, cap);
    if (zoom > 1 || !room.mayShrink || !(room.devicePixelRatio > 0))
        return zoom;
    const double free = std::min(static_cast<double>(room.width - room.aroundWidth) / widthPx,
                                 static_cast<double>(room.height - room.aroundHeight) / heightPx);
    if (free >= 1)
        return 1;
    // A hair of slack: a game that fits exactly is not shrunk a step for a rounding error.
    const double dots = std::floor(free * room.devicePixelRatio + 1e-9);
    return std::max(1.0, dots) / room.devicePixelRatio;
}

int zoomForScreenHeight(int availableHeight, int heightPx) {
    int zoom = 1;
    while (zoom < Settings::kMaxZoom && static_cast<long long>(zoom + 1) * heightPx * 10 <=
                                            static_cast<long long>(availableHeight) * 7)
        ++zoom;
    return zoom;
}

Settings readSettings(std::string_view ini, std::vector<SettingMistake>* mistakes) {
    Settings s;
    const auto entries = entriesOf(ini);
    const auto value = [&entries](const char* key) -> std::optional<std::string_view> {
        const auto found = entries.find(std::string_view(key));
        if (found == entries.end())
            return std::nullopt;
        return std::string_view(found->second);
    };
    const auto wrong = [mistakes](const char* key, std::string_view text, const char* instead) {
        if (mistakes)
            mistakes->push_back({key, std::string(text), instead});
    };
    const auto flag = [&](const char* key, bool& setting) {
        if (const auto text = value(key)) {
            if (const std::optional<bool> on = flagOf(*text))
                setting = *on;
            else
                wrong(key, *text, setting ? "true" : "false");
        }
    };
    if (const auto text = value(kZoom); text && !(s.zoom = zoomOf(*text)))
        wrong(kZoom, *text, "chosen for the screen");
    flag(kFullScreen, s.fullScreen);
    flag(kAutoPause, s.autoPause);
    flag(kClassicTiming, s.classicTiming);
    flag(kMute, s.mute);
    if (const auto text = value(kLanguage); text && assets::speaks(*text))
        s.language = *text;
    else if (text)
        wrong(kLanguage, *text, "the desktop's language");
    return s;
}

// As QSettings writes it: sections and keys in alphabetical order, a language left out when
// the desktop's own is followed (or the game does not speak it), the zoom when none was chosen.
std::string writeSettings(const Settings& s) {
    std::string out = "[game]\n";
    out += std::string("autopause=") + text(s.autoPause) + "\n";
    out += std::string("classic-timing=") + text(s.classicTiming) + "\n";
    if (!s.language.empty() && assets::speaks(s.language))
        out += "language=" + s.language + "\n";
    out += std::string("\n[sound]\nmute=") + text(s.mute) + "\n";
    out += std::string("\n[window]\nfullscreen=") + text(s.fullScreen) + "\n";
    if (s.zoom >= 1 && s.zoom <= Settings::kMaxZoom)
        out += "zoom=" + std::to_string(s.zoom) + "\n";
    return out;
}

}  // namespace running
