// Which keys are the window's own (zoom, full screen, the menus, the menu shortcuts) and which
// reach the game, and the codes the game's handlers read, whatever the keyboard layout.
#include "engine/running/keys.h"

namespace running {

namespace {

bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char c) {
    return isLetter(c) || isDigit(c);
}

// The zoom key a character names: '+' and '=' (one key on a US keyboard) zoom in.
KeyUse zoomOf(char c) {
    switch (c) {
        case '+':
        case '=':
            return KeyUse::ZoomIn;
        case '-':
            return KeyUse::ZoomOut;
        case '0':
            return KeyUse::ZoomReset;
        default:
            return KeyUse::Game;
    }
}

// By what the key types; where it types nothing the game knows (the Czech 'é' on the '0' key),
// by the three keys left of Backspace. A key that types a letter or another digit is no zoom
// key, wherever it lies.
KeyUse zoomKeyOf(const Key& key) {
    if (const KeyUse use = zoomOf(key.symbol); use != KeyUse::Game)
        return use;
    if (key.symbol != 0)
        return KeyUse::Game;
    return zoomOf(key.place);
}

}  // namespace

// The desktop of 2002 gave a letter key one code whatever the layout: a Russian layout's key
// where Latin P lies pauses the game as P does. The keypad's keys have no such place.
int Key::gameCode() const {
    switch (named) {
        case Named::Left:
            return 37;
        case Named::Up:
            return 38;
        case Named::Right:
            return 39;
        case Named::Down:
            return 40;
        default:
            break;
    }
    if (isLetterOrDigit(symbol))
        return symbol;
    if (!numpad && isLetterOrDigit(place))
        return place;
    return 0;
}

int Key::shiftState() const {
    return (shift ? 1 : 0) | (ctrl ? 2 : 0) | (alt ? 4 : 0);
}

KeyDecision decide(const Key& key) {
    const bool bare = !key.shift && !key.ctrl && !key.alt && !key.meta;
    // Ctrl, with or without Shift: '+' is a shifted key on many layouts.
    const bool ctrl = key.ctrl && !key.alt && !key.meta;
    if (ctrl) {
        if (const KeyUse zoom = zoomKeyOf(key); zoom != KeyUse::Game)
            return {zoom};
    }
    if (key.named == Key::Named::F11 && bare)
        return {KeyUse::FullScreen};
    if (key.named == Key::Named::F10 && bare)
        return {KeyUse::MenuBar};
    if (key.named == Key::Named::Menu ||
        (key.named == Key::Named::F10 && key.shift && !key.ctrl && !key.alt && !key.meta))
        return {KeyUse::SettingsMenu};
    if (ctrl) {
        // The letter of the key's place under a layout without Latin letters, as on a Latin one.
        const int code = key.gameCode();
        if (code >= 'A' && code <= 'Z')
            return {KeyUse::Shortcut, static_cast<char>(code)};
    }
    return {};
}

}  // namespace running
