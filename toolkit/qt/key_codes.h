// The key codes the game's handlers expect: 37 to 40 for the cursor keys, a letter as its capital's
// character code, whatever the keyboard layout's shift state.
#pragma once

#include <QKeyEvent>

namespace tkqt {

// 0 for a key that has no code the game knows.
int keyCodeOf(int qtKey);

// Shift 1, Ctrl 2, Alt 4, as the handlers receive the shift state.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

// X11 reports a held key as release and press pairs; the game expects repeated presses only,
// so a release that belongs to auto-repeat is dropped.
inline bool isAutoRepeatRelease(const QKeyEvent& event) {
    return event.type() == QEvent::KeyRelease && event.isAutoRepeat();
}

}  // namespace tkqt
