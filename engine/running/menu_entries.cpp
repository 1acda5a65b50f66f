// The two menus a player meets, as entries every front end shows alike: the game's menu bar, read
// from the main window's items, and the settings menu with what each of its commands changes.
#include <string>

#include "engine/core/translation.h"
#include "engine/flow/menu_tree.h"
#include "engine/running/menus.h"

namespace running {

namespace {

constexpr std::string_view kZoomPrefix = "zoom";
constexpr std::string_view kLanguagePrefix = "language-";

// The languages offered, each named in its own words; "" follows the desktop or the browser.
constexpr const char* kLanguages[] = {"", "cs", "en"};

std::string languageCaption(std::string_view code) {
    if (code == "cs")
        return "&Čeština";
    if (code == "en")
        return "&English";
    return std::string(tk::tr("Podle &systému"));
}

// The texts come translated, each marked where it stands for the translators' tools.
MenuEntry setting(const char* name, std::string_view caption, bool on, std::string_view tip = {}) {
    MenuEntry entry;
    entry.name = name;
    entry.caption = caption;
    entry.checked = on;
    entry.tip = tip;
    return entry;
}

}  // namespace

std::vector<MenuEntry> gameMenuEntries(const std::vector<flow::MenuNode>& tree) {
    std::vector<MenuEntry> entries;
    entries.reserve(tree.size());
    for (const flow::MenuNode& node : tree) {
        const tk::MenuItem& item = *node.item;
        MenuEntry entry;
        entry.name = item.name;
        entry.caption = tk::tr(item.Caption);
        entry.shortcut = item.shortcut;
        entry.visible = item.Visible;
        entry.enabled = item.Enabled;
        entry.children = gameMenuEntries(node.children);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<MenuEntry> settingsMenuEntries(const Settings& s, int shownZoom, int fittingZoom) {
    std::vector<MenuEntry> menu;
    MenuEntry zooms;
    zooms.name = kZoomPrefix;
    zooms.caption = tk::tr("&Zvětšení");
    for (int zoom = 1; zoom <= Settings::kMaxZoom; ++zoom) {
        MenuEntry entry;
        entry.name = std::string(kZoomPrefix) + std::to_string(zoom);
        entry.caption = "&" + std::to_string(zoom) + "\u00d7";
        entry.checked = zoom == shownZoom;
        // Full screen takes the largest zoom the screen holds; a window no larger than it.
        entry.enabled = !s.fullScreen && zoom <= fittingZoom;
        zooms.children.push_back(std::move(entry));
    }
    menu.push_back(std::move(zooms));

    // The caption was written with its key beside it, as a desktop menu shows it.
    MenuEntry fullScreen = setting("fullscreen", tk::tr("&Celá obrazovka\tF11"), s.fullScreen);
    fullScreen.caption = fullScreen.caption.substr(0, fullScreen.caption.find('\t'));
    fullScreen.shortcut = "F11";
    menu.push_back(std::move(fullScreen));
    menu.push_back(setting("sound", tk::tr("Z&vuk"), !s.mute));
    menu.push_back(setting(
        "autopause", tk::tr("&Automatická pauza"), s.autoPause,
        tk::tr("Když přepnete do jiného programu nebo okno minimalizujete, zápas se pozastaví.")));
    menu.push_back(
        setting("classictiming", tk::tr("&Rychlost z roku 2002"), s.classicTiming,
                tk::tr("Časovače tikají jako na počítačích z roku 2002: 64krát za sekundu.")));

    MenuEntry languages;
    languages.name = "language";
    languages.caption = tk::tr("&Jazyk");
    for (const char* code : kLanguages) {
        MenuEntry entry;
        entry.name = std::string(kLanguagePrefix) + code;
        entry.caption = languageCaption(code);
        entry.checked = s.language == code;
        languages.children.push_back(std::move(entry));
    }
    menu.push_back(std::move(languages));
    return menu;
}

bool applySettingsCommand(Settings& s, std::string_view name) {
    if (name.starts_with(kZoomPrefix) && name.size() == kZoomPrefix.size() + 1) {
        const int zoom = name.back() - '0';
        if (zoom < 1 || zoom > Settings::kMaxZoom)
            return false;
        s.zoom = zoom;
        return true;
    }
    if (name.starts_with(kLanguagePrefix)) {
        const std::string_view code = name.substr(kLanguagePrefix.size());
        for (const char* offered : kLanguages) {
            if (code == offered) {
                s.language = code;
                return true;
            }
        }
        return false;
    }
    bool* flag = name == "fullscreen"      ? &s.fullScreen
                 : name == "sound"         ? &s.mute
                 : name == "autopause"     ? &s.autoPause
                 : name == "classictiming" ? &s.classicTiming
                                           : nullptr;
    if (!flag)
        return false;
    *flag = !*flag;
    return true;
}

}  // namespace running
