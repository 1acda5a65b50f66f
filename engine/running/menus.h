// The menus as every front end shows them: the game's menu bar and the settings menu as a tree of
// entries, and the keyboard's walk of the menu bar (F10 or Alt marks the first menu without
// opening it; the arrows, Enter, Escape and the access letters go on from there).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/running/keys.h"
#include "engine/running/settings.h"

namespace flow {
struct MenuNode;
}

namespace running {

struct MenuEntry {
    std::string name;      // the command's or the submenu's name: "easy", "dif", "zoom2", "sound"
    std::string caption;   // in the language shown; '&' marks the access letter, "&&" is '&'
    std::string shortcut;  // "Ctrl+A", "F11", or empty
    bool visible = true;
    bool enabled = true;
    std::optional<bool> checked;  // a setting that is on or off, or one of several
    std::vector<MenuEntry> children;
    std::string tip;  // a line on what the entry does, in the language shown; empty for none
};

// The game's menu bar as it stands, captions in the language shown.
std::vector<MenuEntry> gameMenuEntries(const std::vector<flow::MenuNode>& tree);
// The settings menu: "zoom" (the commands "zoom1" to "zoom4"; none in full screen, nor one
// above `fittingZoom`), "fullscreen", "sound", "autopause", "classictiming" and "language"
// ("language-" for the desktop's or the browser's own, "language-cs", "language-en"), each
// checked as `settings` and the zoom shown have it.
std::vector<MenuEntry> settingsMenuEntries(const Settings& settings, int shownZoom,
                                           int fittingZoom = Settings::kMaxZoom);
// Applies a command of the settings menu; false when `name` is none.
bool applySettingsCommand(Settings& settings, std::string_view name);

// The access letter of a caption, lower case; 0 for none.
char accessLetter(std::string_view caption);
// The entry of a command by name anywhere in `menus`, if every entry on the way to it is
// visible and enabled; `hiddenTopOk` lets a top-level menu be hidden (a shortcut acts on the
// splash, whose menu bar is not shown yet).
const MenuEntry* findCommand(const std::vector<MenuEntry>& menus, std::string_view name,
                             bool hiddenTopOk = false);
// The command with this shortcut ("Ctrl+A"), found as findCommand finds one.
const MenuEntry* findShortcut(const std::vector<MenuEntry>& menus, std::string_view shortcut);

// The menu bar walked with the keys. Level 0 is the bar; each deeper level is a menu opened from
// the active entry of the level above. Only visible entries are walked to.
class MenuWalk {
  public:
    bool isOpen() const { return !active_.empty(); }
    // The index (among all entries) of the active entry on each open level, the bar first: the
    // page marks them and shows the menu of every level but the last.
    const std::vector<int>& active() const { return active_; }
    // How many levels are open: 1 while only the bar is marked.
    int levels() const { return static_cast<int>(active_.size()); }

    // F10, or Alt let go alone: the first visible top menu marked, not opened.
    void openBar(const std::vector<MenuEntry>& bar);
    // The mouse opened a top menu (opens it and marks its first entry).
    void openMenu(const std::vector<MenuEntry>& bar, int top);
    void close() { active_.clear(); }

    // A key while the walk is open. Returns the name of the command chosen (the walk closes
    // then), or none.
    std::optional<std::string> key(const std::vector<MenuEntry>& bar, const Key& key);

  private:
    std::vector<int> active_;
};

}  // namespace running
