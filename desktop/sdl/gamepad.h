// Game controllers as the game's three keys, through SDL's game controller API: the d-pad and the
// left stick are the Left and Right cursor keys, A and Start are "P". The direction pressed last
// repeats its key-down while held, as a keyboard's key does; a controller pulled out releases
// whatever it held.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

namespace tksdl {

class Gamepad {
  public:
    // code: 37 Left, 39 Right, 80 "P"; repeat: a key-down of a key already held.
    using KeySink = std::function<void(int code, bool down, bool repeat)>;

    static constexpr int kRepeatDelayMs = 500;    // as a keyboard's auto-repeat
    static constexpr int kRepeatIntervalMs = 33;  // about 30 a second
    static constexpr int kStickPress = 16384;     // half way over: a direction held
    static constexpr int kStickRelease = 12288;   // back within this: let go again

    explicit Gamepad(KeySink sink);
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Starts SDL's controller subsystem; the controllers present, and any plugged in later,
    // announce themselves at the next poll. False (and no controllers) when it cannot start.
    bool start();

    // Handles what the controllers did since the last poll, then sends the keys that changed
    // (releases first, so that rolling the d-pad from Left to Right turns the player) and the
    // repeats that are due at `nowMs`.
    void poll(std::uint32_t nowMs);

    bool anyConnected() const { return !pads_.empty(); }

  private:
    struct Pad {
        void* controller = nullptr;  // SDL_GameController
        bool dpadLeft = false, dpadRight = false, a = false, start = false;
        bool stickLeft = false, stickRight = false;
    };
    struct Key {
        int code;
        bool held = false;
        bool repeats = false;
        std::uint32_t nextRepeat = 0;
    };

    void send(std::uint32_t nowMs);

    KeySink sink_;
    bool started_ = false;
    std::map<std::int32_t, Pad> pads_;  // by SDL's joystick instance id
    Key left_{37}, right_{39}, pause_{80};
};

}  // namespace tksdl
