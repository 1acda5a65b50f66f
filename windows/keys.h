// Win32's key messages in the running game's words.
#pragma once

#include "windows/win32.h"

#include "engine/running/keys.h"

namespace win {

// The key of a WM_KEYDOWN, WM_SYSKEYDOWN, WM_KEYUP or WM_SYSKEYUP, with the modifiers held now.
running::Key keyOf(UINT message, WPARAM vk, LPARAM flags);

// Whether Windows' own handling of a system key (Alt+F4, Alt+Space, Alt and a menu's letter)
// may follow the game's: not for Alt and F10, whose menu bar the game opens itself.
bool leftToWindows(WPARAM vk);

}  // namespace win
