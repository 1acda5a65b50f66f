// The gamepad's keys delivered as the keyboard's are: key events to the window that has the
// keyboard focus, so that the game's key path (and everything the window does with keys) sees
// no difference. Polls often while a controller is plugged in, rarely while none is.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <functional>

#include "desktop/sdl/gamepad.h"

namespace tksdl {

class GamepadKeys {
  public:
    // `target`: the window that gets the keys; by default the one with the keyboard focus.
    explicit GamepadKeys(std::function<QWindow*()> target = {});

    // Opens the controller subsystem and starts polling; meant for after the window shows.
    void start();
    // One poll as if `elapsedMs` had passed since start (tests), or now.
    void poll(std::uint32_t elapsedMs);
    void poll() { poll(static_cast<std::uint32_t>(clock_.elapsed())); }

  private:
    void deliver(const running::Key& key, bool down);

    std::function<QWindow*()> target_;
    Gamepad pad_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace tksdl
