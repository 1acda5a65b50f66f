// The game's clips on the machine's sound device. The device is opened beside Qt's start, not
// before the window: the intro clip that the game plays at load waits for it, and starts as soon
// as the window is up. Muted, no device is opened at all; turned on later, it is opened then.
#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <span>
#include <vector>

#include "desktop/sdl/wave_player.h"

namespace app {

class Sound {
  public:
    // Made before Qt starts, so that the device opens beside it, and so closed after it: the
    // window is gone at once when the game ends, while the device takes a buffer's time to stop.
    explicit Sound(bool muted);

    // Once Qt's event loop runs: the device, once open, plays the last clip asked for meanwhile.
    void takeDeviceSoon();

    // A clip, cutting off the one playing; the last one asked for before the device was open
    // plays once it is.
    void play(std::span<const std::uint8_t> wave);
    // Sound off stops the clip playing; sound on opens the device if none was opened yet.
    void setMuted(bool muted);

  private:
    void takeDevice();

    std::future<std::unique_ptr<tksdl::WavePlayer>> opening_;
    std::unique_ptr<tksdl::WavePlayer> player_;
    std::vector<std::uint8_t> waiting_;
};

}  // namespace app
