// A key event of Qt as the running game takes a key: named keys, what the key types, where it
// lies on the keyboard (a Russian layout's key where Latin P lies is P there), the keypad, the
// modifiers and the keyboard's auto-repeat.
#pragma once

#include <QKeyEvent>

#include "engine/running/keys.h"

namespace tkqt {

running::Key keyOf(const QKeyEvent& event);

// X11 reports a held key as release and press pairs; the game expects repeated presses only,
// so a release that belongs to auto-repeat is dropped.
inline bool isAutoRepeatRelease(const QKeyEvent& event) {
    return event.type() == QEvent::KeyRelease && event.isAutoRepeat();
}

}  // namespace tkqt
