// Game controllers through XInput, as the game's three keys: the d-pad and the left stick are the
// Left and Right cursor keys, A and Start are "P". The direction pressed last repeats its key-down
// while held, as a keyboard's key does; a controller pulled out lets go of what it held. XInput is
// looked for when the game starts: a Windows without it plays on with the keyboard alone.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/running/keys.h"

namespace win {

class Gamepad {
  public:
    using KeySink = std::function<void(const running::Key& key, bool down)>;

    static constexpr int kRepeatDelayMs = 500;    // as a keyboard's auto-repeat
    static constexpr int kRepeatIntervalMs = 33;  // about 30 a second
    static constexpr int kStickPress = 16384;     // half way over: a direction held
    static constexpr int kStickRelease = 12288;   // back within this: let go again

    explicit Gamepad(KeySink sink);
    // Reads the controllers and sends the keys that changed (releases first, so that rolling the
    // d-pad from Left to Right turns the player) and the repeats due at `nowMs`.
    void poll(std::uint32_t nowMs);
    // How long until the next poll: often while a controller is plugged in, rarely while none
    // is; never without XInput.
    std::uint32_t pollEveryMs() const;

  private:
    struct Held {
        running::Key key;
        bool held = false, repeats = false;
        std::uint32_t nextRepeat = 0;
    };

    using GetState = unsigned long(__stdcall*)(unsigned long, void*);
    GetState getState_ = nullptr;
    KeySink sink_;
    bool anyConnected_ = false;
    bool stickLeft_[4] = {}, stickRight_[4] = {};
    Held keys_[3];  // Left, Right, "P"
};

}  // namespace win
