// The game's menus as native menus: the menu bar and the settings popup built from the running
// game's entries (hidden ones left out), each command an id that names it.
#pragma once

#include "windows/win32.h"

#include <string>
#include <vector>

#include "engine/running/menus.h"

namespace win {

class NativeMenus {
  public:
    // The bar for `entries`, or none: a new menu whenever what it shows differs; true when the
    // window's bar was set anew.
    bool syncBar(HWND window, const std::vector<running::MenuEntry>& entries, bool shown);
    // The settings menu at a screen point; the name of the command chosen, or empty.
    std::string popup(HWND window, const std::vector<running::MenuEntry>& entries, POINT at);
    // The command of a WM_COMMAND's id on the bar, or empty.
    std::string commandOf(WPARAM id) const;

  private:
    HMENU bar_ = nullptr;
    std::string shown_;               // what the bar shows, as one string to compare
    std::vector<std::string> names_;  // by id less kFirstId
};

}  // namespace win
