#include "engine/running/gamepad.h"

#include <utility>

namespace running {

GamepadKeys::GamepadKeys(Sink sink) : sink_(std::move(sink)) {
    keys_[0].key.named = Key::Named::Left;
    keys_[1].key.named = Key::Named::Right;
    keys_[2].key.symbol = keys_[2].key.place = 'P';
}

void GamepadKeys::hold(bool left, bool right, bool pause, std::uint32_t nowMs) {
    const bool wanted[] = {left, right, pause};
    for (int i = 0; i < 3; ++i) {
        if (keys_[i].held && !wanted[i]) {
            keys_[i].held = false;
            keys_[i].key.repeat = false;
            sink_(keys_[i].key, false);
        }
    }
    for (int i = 0; i < 3; ++i) {
        Held& k = keys_[i];
        if (k.held || !wanted[i])
            continue;
        // As on a keyboard, only the key pressed last repeats; pausing on and off while A is
        // held would be no use, so "P" never does.
        for (Held& other : keys_)
            other.repeats = false;
        k.held = true;
        k.repeats = i != 2;
        k.nextRepeat = nowMs + kRepeatDelayMs;
        k.key.repeat = false;
        sink_(k.key, true);
    }
    repeat(nowMs);
}

void GamepadKeys::repeat(std::uint32_t nowMs) {
    for (Held& k : keys_) {
        if (k.held && k.repeats && static_cast<std::int32_t>(nowMs - k.nextRepeat) >= 0) {
            k.nextRepeat = nowMs + kRepeatIntervalMs;
            k.key.repeat = true;
            sink_(k.key, true);
        }
    }
}

}  // namespace running
