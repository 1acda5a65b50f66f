// The game's clips on the machine's sound device. The device is opened once the window is on the
// screen, on a thread of its own: loading SDL and opening the device beside Qt's start held the
// window back (the two contend for the dynamic loader and the machine's cores). The intro clip
// that the game plays at load waits for it, and starts a moment after the window. Muted, no
// device is opened at all; turned on later, it is opened then.
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
    // Made before Qt starts, and so closed after it: the window is gone at once when the game
    // ends, while the device takes a buffer's time to stop. Nothing is opened yet.
    explicit Sound(bool muted);

    // Once the window is on the screen: the device opens aside and, once open, plays the last
    // clip asked for meanwhile.
    void openDevice();

    // A clip, cutting off the one playing; the last one asked for before the device was open
    // plays once it is.
    void play(std::span<const std::uint8_t> wave);
    // Sound off stops the clip playing; sound on opens the device if none was opened yet.
    void setMuted(bool muted);

  private:
    void openAside();
    void takeDevice();

    std::future<std::unique_ptr<tksdl::WavePlayer>> opening_;
    std::unique_ptr<tksdl::WavePlayer> player_;
    std::vector<std::uint8_t> waiting_;
    bool muted_;
    bool windowShown_ = false;
};

}  // namespace app
