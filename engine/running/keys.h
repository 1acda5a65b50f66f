// A key as every front end hands it to the running game, in words of no platform, and what the
// game makes of it: a key of the game's handlers, or one of the window's own (the zoom, full
// screen, the menu bar, the settings menu, a menu shortcut), which never reaches the game.
#pragma once

namespace running {

struct Key {
    enum class Named { None, Left, Up, Right, Down, F10, F11, Menu, Alt, Escape, Enter, Space };
    Named named = Named::None;
    // What the key types, when that is a Latin letter (as its capital), a digit, '+', '-' or
    // '='; 0 for anything else (a Cyrillic letter, the Czech 'é').
    char symbol = 0;
    // The Latin capital, digit, '-' or '=' at the key's place on a US keyboard; 0 elsewhere.
    char place = 0;
    bool numpad = false;  // a key of the numeric keypad ('+', '-', '0' there are zoom keys too)
    bool shift = false, ctrl = false, alt = false, meta = false;
    bool repeat = false;  // the keyboard's auto-repeat

    // The code the game's handlers expect: 37 to 40 for the cursor keys, a letter or digit as its
    // capital's character code (by its place where the layout types none there), else 0.
    int gameCode() const;
    // Shift 1, Ctrl 2, Alt 4, as the handlers take the shift state.
    int shiftState() const;
};

// What a key going down is for.
enum class KeyUse {
    Game,          // the game's key handlers
    ZoomIn,        // Ctrl and '+' (or '=', the keypad's '+')
    ZoomOut,       // Ctrl and '-'
    ZoomReset,     // Ctrl and '0'
    FullScreen,    // F11
    MenuBar,       // F10 (Alt alone is decided when it comes up)
    SettingsMenu,  // the Menu key, Shift+F10
    Shortcut,      // Ctrl and a letter: the menu item with that shortcut (shortcutLetter)
};

struct KeyDecision {
    KeyUse use = KeyUse::Game;
    char shortcutLetter = 0;  // 'A' to 'Z' for a Shortcut
};

// A key going down: for the game, or the window's. Letters and zoom keys count by what the key
// types, and by the key's place where the layout types no Latin letter or digit there.
KeyDecision decide(const Key& key);

}  // namespace running
