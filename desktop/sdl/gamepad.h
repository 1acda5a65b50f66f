// Game controllers as the game's three keys (engine/running/gamepad.h), through SDL's game
// controller API.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "engine/running/gamepad.h"

namespace tksdl {

struct Sdl;

class Gamepad {
  public:
    using KeySink = running::GamepadKeys::Sink;

    explicit Gamepad(KeySink sink);
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Starts SDL's controller subsystem; the controllers present, and any plugged in later,
    // announce themselves at the next poll. False (and no controllers) when it cannot start.
    bool start();

    // Handles what the controllers did since the last poll, then sends the keys that changed
    // and the repeats that are due at `nowMs`.
    void poll(std::uint32_t nowMs);

    bool anyConnected() const { return !pads_.empty(); }

  private:
    struct Pad {
        void* controller = nullptr;  // SDL_GameController
        bool dpadLeft = false, dpadRight = false, a = false, start = false;
        running::Stick stick;
    };

    running::GamepadKeys keys_;
    const Sdl* sdl_ = nullptr;  // set once started
    bool started_ = false;
    std::map<std::int32_t, Pad> pads_;  // by SDL's joystick instance id
};

}  // namespace tksdl
