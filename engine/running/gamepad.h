// Game controllers as the game's three keys, whatever reads them (SDL on the desktop, XInput on
// Windows): the d-pad and the left stick are the Left and Right cursor keys, A and Start are "P".
// The direction pressed last repeats its key-down while held, as a keyboard's key does; a
// controller pulled out lets go of what it held.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/running/keys.h"

namespace running {

// One controller's left stick across: whether it holds a direction. A dead zone with some slack,
// so that a stick resting near its edge does not flicker between held and let go.
struct Stick {
    static constexpr int kPress = 16384;    // half way over: a direction held
    static constexpr int kRelease = 12288;  // back within this: let go again
    bool left = false, right = false;
    void move(int x) {
        left = x < -(left ? kRelease : kPress);
        right = x > (right ? kRelease : kPress);
    }
};

class GamepadKeys {
  public:
    // A key as the keyboard's would come; `down` false: its release.
    using Sink = std::function<void(const Key& key, bool down)>;

    static constexpr int kRepeatDelayMs = 500;    // as a keyboard's auto-repeat
    static constexpr int kRepeatIntervalMs = 33;  // about 30 a second

    explicit GamepadKeys(Sink sink);
    // What all the controllers hold together at `nowMs`: sends the keys that changed (releases
    // first, so that rolling the d-pad from Left to Right turns the player) and the repeats due.
    void hold(bool left, bool right, bool pause, std::uint32_t nowMs);
    // Only the repeats due at `nowMs` of the keys held (a front end that hears of presses and
    // releases as they come, and not of the controls' whole state, calls this between them).
    void repeat(std::uint32_t nowMs);

  private:
    struct Held {
        Key key;
        bool held = false, repeats = false;
        std::uint32_t nextRepeat = 0;
    };
    Sink sink_;
    Held keys_[3];  // Left, Right, "P"
};

}  // namespace running
