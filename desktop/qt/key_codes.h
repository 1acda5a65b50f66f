// The key codes the game's handlers expect: 37 to 40 for the cursor keys, a letter as its capital's
// character code, whatever the keyboard layout's shift state.
#pragma once

#include <QKeyEvent>

namespace tkqt {

// 0 for a key that has no code the game knows.
int keyCodeOf(int qtKey);

// The code of a key as pressed: by its symbol, or, when the layout puts no Latin letter on a
// letter key (Russian, Greek ...), by the letter at that place of a Latin keyboard, as the
// desktop of 2002 gave letter keys one code whatever the layout.
int keyCodeOf(const QKeyEvent& event);

// The Latin capital (Qt::Key_A ... Qt::Key_Z) at the key's place when its symbol is not a Latin
// letter, else 0.
int physicalLetterOf(const QKeyEvent& event);

// Which zoom key a key is (Qt::Key_Plus, Qt::Key_Minus or Qt::Key_0), else 0: by its symbol
// ("+" or "=", "-", "0"), or, when its symbol is no digit, letter or zoom key (the Czech "é" where
// "0" lies), by its place: the three keys left of Backspace.
int zoomKeyOf(const QKeyEvent& event);

// Shift 1, Ctrl 2, Alt 4, as the handlers receive the shift state.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

// X11 reports a held key as release and press pairs; the game expects repeated presses only,
// so a release that belongs to auto-repeat is dropped.
inline bool isAutoRepeatRelease(const QKeyEvent& event) {
    return event.type() == QEvent::KeyRelease && event.isAutoRepeat();
}

}  // namespace tkqt
