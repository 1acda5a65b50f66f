// Game controllers through XInput, as the game's three keys (engine/running/gamepad.h). XInput is
// looked for when the game starts: a Windows without it plays on with the keyboard alone.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/running/gamepad.h"

namespace win {

class Gamepad {
  public:
    explicit Gamepad(running::GamepadKeys::Sink sink);
    // Reads the controllers and sends the keys that changed and the repeats due at `nowMs`.
    void poll(std::uint32_t nowMs);
    // How long until the next poll: often while a controller is plugged in, rarely while none
    // is; never without XInput.
    std::uint32_t pollEveryMs() const;

  private:
    using GetState = unsigned long(__stdcall*)(unsigned long, void*);
    GetState getState_ = nullptr;
    running::GamepadKeys keys_;
    running::Stick sticks_[4];  // XUSER_MAX_COUNT
    bool anyConnected_ = false;
};

}  // namespace win
